// The exception barrier of the workbench's window procedures: no exception
// may cross the system's frames that call a window procedure. A handler that
// throws is reported like a failed command (ReportCurrentError: an error box
// with the error's text, a CommandAborted silently) and the message gets a
// safe result. The window procedures of bound_window.h and the subclasses of
// window_subclass.h run every handler through GuardMessage.
#pragma once

#include <windows.h>

#include "common/commands.h"

namespace tavrin {

// The result of a message whose handler failed: 0 (for WM_NCCREATE that is
// FALSE: the window is not created). A failed WM_PAINT also validates the
// window, so that the paint does not come back at once and fail again.
LRESULT FailedMessageResult(HWND window, UINT message) noexcept;

template <typename Handler>
LRESULT GuardMessage(HWND window, UINT message, Handler&& handler) noexcept {
    try {
        return handler();
    } catch (...) {
        ReportCurrentError();
        return FailedMessageResult(window, message);
    }
}

}  // namespace tavrin
