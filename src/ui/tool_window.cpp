#include "ui/tool_window.h"

namespace tavrin {

ToolWindow::ToolWindow(std::string className, std::string name, std::string caption, ToolWindowLook look)
    : FormWindow(std::move(className), std::move(name), std::move(caption)), look_(look) {}

DWORD ToolWindow::Style() const {
    return look_.fixedBorder ? (WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME)
                             : (WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME);
}

DWORD ToolWindow::ExStyle() const {
    return (look_.fixedBorder ? WS_EX_DLGMODALFRAME : WS_EX_TOOLWINDOW) |
           (look_.stayOnTop ? WS_EX_TOPMOST : 0);
}

void ToolWindow::OnGetMinMaxInfo(MINMAXINFO* info) {
    if (look_.minWidth) info->ptMinTrackSize.x = Scale(look_.minWidth);
    if (look_.minHeight) info->ptMinTrackSize.y = Scale(look_.minHeight);
}

}  // namespace tavrin
