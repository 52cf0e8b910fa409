// The test program of the test build, run when the library is loaded.
#pragma once

namespace velpack {

// Prints what it finds about the application form and a static control to standard
// output, saves the control's property list to "test.txt" in the current folder, then
// shows the application form with the static control and a button and runs the message
// loop until the form is closed (closing it ends the process).
void RunTestProgram();

}  // namespace velpack
