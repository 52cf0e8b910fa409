// Files dragged from a file manager and dropped on a window: the window
// accepts them (AcceptDroppedFiles) and takes their paths from the drop
// message (TakeDroppedFiles), which frees the drop.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace tavrin {

void AcceptDroppedFiles(HWND window);

// The dropped paths in the order the drop lists them, folders left out.
std::vector<std::string> TakeDroppedFiles(HDROP drop);

}  // namespace tavrin
