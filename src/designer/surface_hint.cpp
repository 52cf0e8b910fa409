#include "designer/surface_hint.h"

#include <commctrl.h>

namespace tavrin {

namespace {

TOOLINFOA ToolOf(HWND owner, const std::string* text) {
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.uFlags = TTF_TRACK | TTF_ABSOLUTE | TTF_IDISHWND;
    tool.hwnd = owner;
    tool.uId = reinterpret_cast<UINT_PTR>(owner);
    tool.lpszText = const_cast<char*>(text ? text->c_str() : "");
    return tool;
}

}  // namespace

SurfaceHint::~SurfaceHint() {
    if (tip_ && IsWindow(tip_)) DestroyWindow(tip_);
}

void SurfaceHint::Create(HWND owner) {
    if (tip_ && IsWindow(tip_) && owner_ == owner) return;
    if (tip_ && IsWindow(tip_)) DestroyWindow(tip_);
    InitCommonControls();
    owner_ = owner;
    tip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, 0, 0,
                           0, 0, owner, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!tip_) return;
    TOOLINFOA tool = ToolOf(owner, nullptr);
    SendMessageA(tip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageA(tip_, TTM_SETMAXTIPWIDTH, 0, 600);  // lines break at "\n"
}

void SurfaceHint::Show(HWND owner, const std::string& text, POINT at) {
    // A hint that says the same stays where it is: moving the tip window
    // repaints what lies beneath it, on every mouse move of a drag.
    if (showing_ && text == text_ && owner == owner_) return;
    Create(owner);
    text_ = text;
    showing_ = true;
    if (!tip_) return;
    TOOLINFOA tool = ToolOf(owner_, &text_);
    SendMessageA(tip_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
    // Below and right of the mouse pointer, as hints stand.
    SendMessageA(tip_, TTM_TRACKPOSITION, 0, MAKELPARAM(at.x + 12, at.y + 20));
    SendMessageA(tip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
}

void SurfaceHint::Hide() {
    if (!showing_) return;
    showing_ = false;
    if (!tip_) return;
    TOOLINFOA tool = ToolOf(owner_, nullptr);
    SendMessageA(tip_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace tavrin
