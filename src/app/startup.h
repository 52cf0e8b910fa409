// The start-up of the workbench: singletons, the windows in their fixed
// order, the steps of the main window's first showing.
#pragma once

namespace tavrin {

// Creates the settings object and the windows; returns false when a window
// could not be created. The caller then runs the message loop.
void StartWorkbench();

// Lets pending window messages run; throttled by time so long scans stay fast.
void PumpPendingMessages();

}  // namespace tavrin
