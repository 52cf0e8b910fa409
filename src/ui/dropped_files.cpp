#include "ui/dropped_files.h"

#include <shellapi.h>

namespace tavrin {

void AcceptDroppedFiles(HWND window) { DragAcceptFiles(window, TRUE); }

std::vector<std::string> TakeDroppedFiles(HDROP drop) {
    std::vector<std::string> files;
    UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        UINT length = DragQueryFileA(drop, i, nullptr, 0);
        std::string path(length, '\0');
        if (length == 0 || DragQueryFileA(drop, i, path.data(), length + 1) != length) continue;
        DWORD attributes = GetFileAttributesA(path.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
        files.push_back(std::move(path));
    }
    DragFinish(drop);
    return files;
}

}  // namespace tavrin
