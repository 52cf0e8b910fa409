#include "ui/message_barrier.h"

namespace tavrin {

LRESULT FailedMessageResult(HWND window, UINT message) noexcept {
    if (message == WM_PAINT) ValidateRect(window, nullptr);
    return 0;  // for WM_NCCREATE: FALSE, the window is not created
}

}  // namespace tavrin
