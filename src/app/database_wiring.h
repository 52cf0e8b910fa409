// Connects the include database to the splash window, the result window and
// the scanner's report lines.
#pragma once

namespace tavrin {

// Creates the include database beside the executable and connects it.
void WireIncludeDatabase();

}  // namespace tavrin
