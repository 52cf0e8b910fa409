#include "ui/message_barrier.h"

namespace tavrin {

LRESULT FailedMessageResult(HWND window, UINT message) noexcept {
    switch (message) {
    case WM_NCCREATE:
        return FALSE;
    case WM_PAINT:
        ValidateRect(window, nullptr);
        return 0;
    default:
        return 0;
    }
}

}  // namespace tavrin
