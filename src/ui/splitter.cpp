#include "ui/splitter.h"

#include <windowsx.h>

namespace tavrin {

namespace {
constexpr const char* kSplitterClass = "TSplitter";
}  // namespace

void Splitter::Create(HWND parent, bool vertical) {
    vertical_ = vertical;
    WNDCLASSEXA description{};
    description.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    description.lpszClassName = kSplitterClass;  // no class cursor: WM_SETCURSOR sets it
    RegisterBoundClass(description);
    CreateBound(0, kSplitterClass, "", WS_CHILD | WS_VISIBLE, 0, 0, 4, 4, parent);
}

LRESULT Splitter::HandleMessage(UINT message, WPARAM wp, LPARAM lp) {
    switch (message) {
    case WM_SETCURSOR:
        SetCursor(LoadCursor(nullptr, vertical_ ? IDC_SIZEWE : IDC_SIZENS));
        return TRUE;
    case WM_LBUTTONDOWN:
        dragging_ = true;
        SetCapture(Handle());
        return 0;
    case WM_MOUSEMOVE:
        if (dragging_ && OnMoved) {
            POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
            MapWindowPoints(Handle(), GetParent(Handle()), &p, 1);
            try {
                OnMoved(vertical_ ? p.x : p.y);
            } catch (...) {
                // A failed move ends the drag: the next moves do not fail again.
                dragging_ = false;
                if (GetCapture() == Handle()) ReleaseCapture();
                throw;
            }
        }
        return 0;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
        if (dragging_) {
            dragging_ = false;
            if (message == WM_LBUTTONUP) ReleaseCapture();
        }
        return 0;
    }
    return DefaultProc(message, wp, lp);
}

}  // namespace tavrin
