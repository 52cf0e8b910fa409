#include "packlib/window/frame.h"

#include <algorithm>

#include "packlib/core/parent_chain.h"
#include "packlib/core/registry.h"

QFrame* CreatingObject = nullptr;

QFrame::QFrame() : PopupMenu(new QPopupMenu) {
    ownPopupMenu_ = PopupMenu;
    Font = ownFont_ = new QFont;
    Brush = new QBrush;
}

QFrame::~QFrame() {
    if (HasWindow()) DestroyWindow(Handle);
    for (QFrame* child : Controls)
        if (velpack::IsLiveObject(child) && child->Parent == this) child->Parent = nullptr;
    if (Parent) Parent->RemoveControl(this);
    delete ownFont_;
    delete Brush;
    delete ownPopupMenu_;
}

void QFrame::ReleaseHandles() {
    if (ownFont_) ownFont_->ReleaseHandle();
    if (Brush) Brush->ReleaseHandle();
    if (ownPopupMenu_ && ownPopupMenu_->Handle) {
        if (IsMenu(ownPopupMenu_->Handle)) DestroyMenu(ownPopupMenu_->Handle);
        ownPopupMenu_->Handle = nullptr;
    }
}

QFrame* QFrame::FromWindow(HWND window) {
    if (!window || !IsWindow(window)) return nullptr;
    // Anyone may set a window property: the address counts only as a live frame.
    return velpack::LiveObjectOf<QFrame>(
        reinterpret_cast<std::uintptr_t>(GetPropA(window, "FreeBasicObject")));
}

bool QFrame::HasWindow() const {
    return Handle && IsWindow(Handle);
}

void QFrame::ReadBounds() {
    if (!HasWindow()) return;
    RECT rect;
    ::GetWindowRect(Handle, &rect);
    // A child's bounds are in its parent's client area; a top-level window's on the screen
    // (GetParent of a top-level window names its owner, which plays no part here).
    HWND parent = (GetWindowLongA(Handle, GWL_STYLE) & WS_CHILD) ? ::GetParent(Handle) : nullptr;
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
    Left = rect.left;
    Top = rect.top;
    Width = rect.right - rect.left;
    Height = rect.bottom - rect.top;
}

void QFrame::MoveToStoredBounds() {
    if (HasWindow()) MoveWindow(Handle, Left, Top, Width, Height, TRUE);
}

void QFrame::SetBounds(int left, int top, int width, int height) {
    Left = left;
    Top = top;
    Width = width;
    Height = height;
    MoveToStoredBounds();
}

int QFrame::GetLeft() { ReadBounds(); return Left; }
int QFrame::GetTop() { ReadBounds(); return Top; }
int QFrame::GetWidth() { ReadBounds(); return Width; }
int QFrame::GetHeight() { ReadBounds(); return Height; }

void QFrame::RealignParent() {
    if (Parent) Parent->Realign();
}

// Setting one bound keeps the other three where the window is now (a window created by
// name has the bounds its creator gave it, not the stored defaults).
void QFrame::SetLeft(int value) { ReadBounds(); Left = value; MoveToStoredBounds(); RealignParent(); }
void QFrame::SetTop(int value) { ReadBounds(); Top = value; MoveToStoredBounds(); RealignParent(); }
void QFrame::SetWidth(int value) { ReadBounds(); Width = value; MoveToStoredBounds(); RealignParent(); }
void QFrame::SetHeight(int value) { ReadBounds(); Height = value; MoveToStoredBounds(); RealignParent(); }

int QFrame::GetClientWidth() {
    RECT rect;
    if (HasWindow() && ::GetClientRect(Handle, &rect)) ClientWidth = rect.right - rect.left;
    return ClientWidth;
}

int QFrame::GetClientHeight() {
    RECT rect;
    if (HasWindow() && ::GetClientRect(Handle, &rect)) ClientHeight = rect.bottom - rect.top;
    return ClientHeight;
}

RECT& QFrame::GetClientRect() {
    if (HasWindow()) ::GetClientRect(Handle, &ClientRect);
    return ClientRect;
}

void QFrame::SetClientRect(const RECT& rect) {
    ClientRect = rect;
    SetBounds(Left, Top, rect.right + 2 * GetSystemMetrics(SM_CXBORDER),
              rect.bottom + GetSystemMetrics(SM_CYCAPTION) + 2 * GetSystemMetrics(SM_CYBORDER));
}

RECT& QFrame::GetWindowRect() {
    if (HasWindow()) ::GetWindowRect(Handle, &WindowRect);
    return WindowRect;
}

int QFrame::GetStyle() {
    if (HasWindow()) Style = static_cast<std::int32_t>(GetWindowLongA(Handle, GWL_STYLE));
    return Style;
}

void QFrame::SetStyle(int style) {
    Style = style;
    if (!HasWindow()) return;
    SetWindowLongA(Handle, GWL_STYLE, style);
    SetWindowPos(Handle, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    UpdateWindow(Handle);
}

int QFrame::GetExStyle() {
    if (HasWindow()) ExStyle = static_cast<std::int32_t>(GetWindowLongA(Handle, GWL_EXSTYLE));
    return ExStyle;
}

void QFrame::SetExStyle(int exStyle) {
    ExStyle = exStyle;
    if (!HasWindow()) return;
    SetWindowLongA(Handle, GWL_EXSTYLE, exStyle);
    SetWindowPos(Handle, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    UpdateWindow(Handle);
}

std::string QFrame::GetText() {
    if (!HasWindow()) return Text;
    int length = GetWindowTextLengthA(Handle);
    std::string text(static_cast<std::size_t>(std::max(length, 0)) + 1, '\0');
    int read = GetWindowTextA(Handle, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(std::max(read, 0)));
    return text;
}

void QFrame::SetText(const std::string& text) {
    Text = text;
    if (HasWindow()) SetWindowTextA(Handle, Text.c_str());
}

bool QFrame::GetEnabled() {
    if (HasWindow()) Enabled = IsWindowEnabled(Handle) != FALSE;
    return Enabled;
}

void QFrame::SetEnabled(bool on) {
    Enabled = on;
    if (HasWindow()) EnableWindow(Handle, on);
}

bool QFrame::GetVisible() {
    if (HasWindow()) return IsWindowVisible(Handle) != FALSE;
    return Visible;
}

void QFrame::SetVisible(bool on) {
    Visible = on;
    if (HasWindow()) ShowWindow(Handle, on ? SW_SHOW : SW_HIDE);
}

void QFrame::SetColor(COLORREF color) {
    Color = color;
    if (Brush) Brush->SetColor(color);
    Invalidate();
}

void QFrame::SetFont(QFont* font) {
    if (!font) return;
    Font = font->Self();
    if (HasWindow()) Font->SetOwner(Handle);  // applies the font (WM_SETFONT)
}

void QFrame::SetAlign(int align) {
    Align = align;
    if (Parent) {
        Parent->Realign();
        Parent->Repaint();
    }
}

void QFrame::SetParent(QFrame* parent) {
    if (!CanGoInside(parent)) return;
    if (Parent) Parent->RemoveControl(this);
    Parent = parent;
    if (Parent) Parent->AddControl(this);
    if (HasWindow())
        ::SetParent(Handle, Parent ? Parent->Handle : nullptr);
    else
        CreateWnd();
}

HWND QFrame::GetParentWnd() {
    if (HasWindow()) {
        ParentWnd = ::GetParent(Handle);
        if (QFrame* frame = FromWindow(ParentWnd); frame && CanGoInside(frame)) Parent = frame;
    }
    return ParentWnd;
}

void QFrame::SetParentWnd(HWND parent) {
    QFrame* oldParent = FromWindow(ParentWnd);
    ParentWnd = parent;
    QFrame* newParent = FromWindow(parent);
    if (!CanGoInside(newParent)) newParent = nullptr;
    if (newParent) Parent = newParent;
    if (oldParent && oldParent != newParent) oldParent->RemoveControl(this);
    if (newParent) newParent->AddControl(this);
    if (HasWindow())
        ::SetParent(Handle, parent);
    else
        CreateWnd();
}

void QFrame::SetOnPaint(QEvent handler) {
    onPaint = handler;
    Invalidate();
}

void QFrame::Refresh() {
    SetStyle(Style);
    SetExStyle(ExStyle);
    Repaint();
    if (HasWindow()) RedrawWindow(Handle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
    Update();
}

void QFrame::Update() {
    if (HasWindow()) UpdateWindow(Handle);
}

void QFrame::Notify() {
    if (!HasWindow()) return;
    HWND parent = ::GetParent(Handle);
    if (!parent || !IsWindow(parent)) return;
    COPYDATASTRUCT record{};
    record.dwData = QM_NOTIFY;
    record.cbData = 12;
    record.lpData = this;
    WPARAM wParam = reinterpret_cast<WPARAM>(Handle);
    LPARAM lParam = reinterpret_cast<LPARAM>(&record);
    if (GetStyle() != 0) SendMessageA(parent, WM_COPYDATA, wParam, lParam);
    SendMessageA(Handle, QM_NOTIFY, wParam, lParam);
}

void QFrame::Invalidate() {
    if (HasWindow()) InvalidateRect(Handle, nullptr, FALSE);
}

void QFrame::Repaint() {
    if (HasWindow()) RedrawWindow(Handle, nullptr, nullptr, RDW_INTERNALPAINT);
}

void QFrame::SetFocus() { if (HasWindow()) ::SetFocus(Handle); }
void QFrame::BringToFront() { if (HasWindow()) BringWindowToTop(Handle); }
void QFrame::ClientToScreen(POINT& point) { if (HasWindow()) ::ClientToScreen(Handle, &point); }
void QFrame::ScreenToClient(POINT& point) { if (HasWindow()) ::ScreenToClient(Handle, &point); }

LRESULT QFrame::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
    return HasWindow() ? SendMessageA(Handle, msg, wParam, lParam) : 0;
}

void QFrame::KillFocus() {
    Perform(WM_KILLFOCUS, 0, 0);
}

void QFrame::DestroyWnd() {
    if (HasWindow()) DestroyWindow(Handle);
    Handle = nullptr;
}

void QFrame::AddControl(QFrame* frame) {
    if (!frame || frame == this || IndexOf(frame) >= 0) return;
    Controls.push_back(frame);
    ControlCount = static_cast<std::int32_t>(Controls.size());
}

void QFrame::RemoveControl(QFrame* frame) {
    int index = IndexOf(frame);
    if (index < 0) return;
    Controls.erase(Controls.begin() + index);
    ControlCount = static_cast<std::int32_t>(Controls.size());
}

bool QFrame::CanGoInside(const QFrame* parent) const {
    return !velpack::OnParentChain(parent, this);
}

int QFrame::IndexOf(QFrame* frame) const {
    if (!frame) return -2;
    auto found = std::find(Controls.begin(), Controls.end(), frame);
    return found == Controls.end() ? -1 : static_cast<int>(found - Controls.begin());
}

void QFrame::CreateWnd() {
    if (HasWindow()) DestroyWindow(Handle);
    Handle = nullptr;
    CreatingObject = this;
    HWND parent = Parent ? Parent->Handle : ParentWnd;
    // The identifier goes where a top-level window takes its menu: only children get it.
    std::intptr_t id = (Style & WS_CHILD) ? Id : 0;
    HWND window = CreateWindowExA(
        static_cast<DWORD>(ExStyle), ClassName.c_str(), Text.c_str(), static_cast<DWORD>(Style),
        Left, Top, Width, Height, parent, reinterpret_cast<HMENU>(id), GetModuleHandleA(nullptr),
        nullptr);
    // A creation that failed before the window procedure bound the frame must not leave
    // the frame waiting for the next library window.
    if (CreatingObject == this) CreatingObject = nullptr;
    if (!window || !IsWindow(window)) return;
    Handle = window;
    EnableWindow(Handle, Enabled);
    ShowWindow(Handle, Visible ? SW_SHOW : SW_HIDE);
    if (Font) SendMessageA(Handle, WM_SETFONT, reinterpret_cast<WPARAM>(Font->Handle), TRUE);
    UpdateWindow(Handle);
}

void QFrame::Realign() {
    if (Controls.empty() || realigning_) return;
    // Moving a child reports back through WM_WINDOWPOSCHANGED to this frame; the guard
    // keeps that from starting the layout again while it runs.
    realigning_ = true;
    int right = GetClientWidth(), bottom = GetClientHeight();
    int top = 0, left = 0;
    std::vector<QFrame*> lists[6];
    for (QFrame* child : Controls)
        if (velpack::IsLiveObject(child) && child->Align > alNone && child->Align <= alClient &&
            child->Visible)
            lists[child->Align].push_back(child);
    for (QFrame* child : lists[alTop]) {
        int height = child->GetHeight();
        top += height;
        child->SetBounds(0, top - height, right, height);
    }
    for (QFrame* child : lists[alBottom]) {
        int height = child->GetHeight();
        bottom -= height;
        child->SetBounds(0, bottom, right, height);
    }
    for (QFrame* child : lists[alLeft]) {
        int width = child->GetWidth();
        left += width;
        child->SetBounds(left - width, top, width, bottom - top);
    }
    for (QFrame* child : lists[alRight]) {
        int width = child->GetWidth();
        right -= width;
        child->SetBounds(right, top, width, bottom - top);
    }
    for (QFrame* child : lists[alClient]) child->SetBounds(left, top, right - left, bottom - top);
    realigning_ = false;
}
