#include "designer/container.h"

#include <unordered_map>

#include "common/commands.h"
#include "common/prompts.h"
#include "designer/container_font.h"
#include "designer/container_rules.h"
#include "designer/mouse_transparency.h"
#include "ui/form_window.h"
#include "ui/window_class.h"

namespace tavrin {

namespace {

constexpr const char* kWindowClass = "TContainer";
constexpr const char* kContainerProperty = "Container";

std::function<std::string(const std::string&)>& ClassOwner() {
    static std::function<std::string(const std::string&)> owner;
    return owner;
}

// A window class of that name exists for the workbench's module or the system.
bool ClassRegistered(const std::string& name) {
    WNDCLASSEXA info{};
    info.cbSize = sizeof info;
    return GetClassInfoExA(GetModuleHandleA(nullptr), name.c_str(), &info) ||
           GetClassInfoExA(nullptr, name.c_str(), &info);
}

int ToInt(const std::string& decimal) {
    return static_cast<int>(std::stol(decimal));
}

// The container of each container window, kept in the process: binding a
// window through its user data is one more trip to the window server under
// Wine for each of many components.
std::unordered_map<HWND, TContainer*>& BoundContainers() {
    static std::unordered_map<HWND, TContainer*> containers;
    return containers;
}

// Shows a child window. In a parent not on the screen (a dialog being read
// from code) the child is shown by its style alone and told so: the usual
// showing would move it into place and announce it once more, trips to the
// window server for nothing, as the parent's own showing paints every child.
void ShowChild(HWND window, HWND parent) {
    if (IsWindowVisible(parent)) {
        ShowWindow(window, SW_SHOWNA);
        return;
    }
    SendMessageA(window, WM_SHOWWINDOW, TRUE, 0);
    SetWindowLongPtrA(window, GWL_STYLE, GetWindowLongPtrA(window, GWL_STYLE) | WS_VISIBLE);
}

}  // namespace

void SetContainerClassOwner(std::function<std::string(const std::string&)> owner) {
    ClassOwner() = std::move(owner);
}

TContainer::TContainer(HWND parent) : parent_(parent), ownerWindow_(parent), font_(GuiFont()) {
    DeclareProperties();
}

TContainer::~TContainer() {
    DestroyHost();
    node_.reset();
    if (window_) {
        BoundContainers().erase(window_);
        DestroyWindow(window_);
    }
}

HWND TContainer::Handle() {
    if (window_) return window_;
    // The class procedure serves until the window is bound to its container.
    RegisterWindowClassOnce(kWindowClass, DefWindowProcA, CS_DBLCLKS);
    // The pack's window covers the container: the container never paints under it.
    DWORD style = parent_ ? (WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN) : WS_POPUP;
    window_ = CreateWindowExA(0, kWindowClass, text_.c_str(), style, left_, top_, width_, height_, parent_,
                              nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!window_) throw CommandError("Cannot create the window of the container " + name_ + ".");
    BoundContainers()[window_] = this;
    SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WindowProc));
    if (parent_) ShowChild(window_, parent_);
    if (parentComponent_)  // above the parent's live window
        SetWindowPos(window_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return window_;
}

TContainer* TContainer::OfWindow(HWND window) {
    return static_cast<TContainer*>(GetPropA(window, kContainerProperty));
}

void TContainer::SetParentComponent(TContainer* parent) {
    parentComponent_ = parent;
    parent_ = parent ? parent->Handle() : ownerWindow_;
    if (!window_) return;
    SetParent(window_, parent_);
    MoveWindow(window_, left_, top_, width_, height_, TRUE);
    // Above the parent's live window, which fills the parent.
    SetWindowPos(window_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TContainer::CreateWindows() {
    Handle();
    if (!hostHandle_ && !host_.empty()) CreateHost();
}

bool TContainer::AcceptsControls() const { return HostAcceptsControls(host_); }

void TContainer::SetHost(const std::string& name) {
    host_ = name;
    if (!name.empty()) CreateHost();
}

void TContainer::CreateHost() {
    DestroyHost();
    hostStyle_ = HostWindowStyle(host_, hostStyle_);
    try {
        HWND parent = Handle();
        // Only what the pack leaves during this creation counts as its object
        // (a window that never hosted one has nothing to forget).
        if (hostedBefore_) RemovePropA(parent, "this");
        hostedBefore_ = true;
        hostHandle_ = CreateWindowExA(hostExStyle_, host_.c_str(), text_.c_str(), hostStyle_ | WS_CHILD, 0, 0,
                                      width_, height_, parent,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_)),
                                      GetModuleHandleA(nullptr), nullptr);
        if (!hostHandle_) {
            // A class that no pack registered gives an empty container, silently;
            // a registered class that refused its window is worth a word.
            if (ClassRegistered(host_)) ReportRefusedClass();
            return;
        }
        SetPropA(hostHandle_, kContainerProperty, this);
        MakeMouseTransparent(hostHandle_);
        // Not on the screen yet: painted once when it is shown.
        SendMessageA(hostHandle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
        ShowChild(hostHandle_, parent);
        // Below the components placed into this one, if there are any.
        if (AcceptsControls() && (GetWindow(parent, GW_CHILD) != hostHandle_ || GetWindow(hostHandle_, GW_HWNDNEXT)))
            SetWindowPos(hostHandle_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        packObject_ = GetPropA(parent, "this");
    } catch (const std::exception& error) {
        UserPrompts().Error(error.what());
    }
}

void TContainer::ReportRefusedClass() const {
    std::string pack = ClassOwner() ? ClassOwner()(host_) : std::string();
    UserPrompts().Error("The class \"" + host_ + "\"" + (pack.empty() ? std::string() : " of the pack " + pack) +
                        " did not create its window.");
}

void TContainer::DestroyHost() {
    if (hostHandle_ && IsWindow(hostHandle_)) {
        RemovePropA(hostHandle_, kContainerProperty);
        DestroyWindow(hostHandle_);
    }
    hostHandle_ = nullptr;
    // The pack may free its object with the window: never hand the old address on.
    packObject_ = nullptr;
}

void TContainer::Setid(int value) {
    id_ = value;
    if (hostHandle_ && IsWindow(hostHandle_)) SetWindowLongPtrA(hostHandle_, GWLP_ID, value);
}

void TContainer::SetNode(std::unique_ptr<ContainerNode> node) {
    node_ = std::move(node);
    if (node_) node_->SetText(name_);
}

void TContainer::SetName(const std::string& name) {
    bool textFollows = text_ == name_;
    name_ = name;
    if (textFollows) SetText(name);
}

void TContainer::SetText(const std::string& text) {
    text_ = text;
    if (window_) SetWindowTextA(window_, text.c_str());
    if (hostHandle_ && IsWindow(hostHandle_)) {
        SetWindowTextA(hostHandle_, text.c_str());
        if (node_) node_->SetText(text);
    }
}

void TContainer::SetBounds(int left, int top, int width, int height) {
    bool resized = width != width_ || height != height_;
    bool moved = left != left_ || top != top_;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    if (window_) {
        // Inside another component the place left behind lies on that one's
        // live window, and a group box does not fill its inside: what the
        // designed window drew there (its grid) is drawn again, and all on it.
        HWND designed = ParentComponent() && IsWindowVisible(window_) ? GetAncestor(window_, GA_ROOT) : nullptr;
        RECT left_behind{};
        if (designed) {
            GetWindowRect(window_, &left_behind);
            MapWindowPoints(nullptr, designed, reinterpret_cast<POINT*>(&left_behind), 2);
        }
        MoveWindow(window_, left, top, width, height, TRUE);  // the window's messages do the rest
        if (designed && (moved || resized))
            RedrawWindow(designed, &left_behind, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        return;
    }
    if (resized) Resized();
    if (moved) Moved();
}

void TContainer::SetFont(HFONT font) {
    font_ = font ? font : GuiFont();
    if (hostHandle_ && IsWindow(hostHandle_))
        SendMessageA(hostHandle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
}

void TContainer::Resized() {
    if (hostHandle_ && IsWindow(hostHandle_)) MoveWindow(hostHandle_, 0, 0, width_, height_, TRUE);
    if (Grid) {
        Grid->SetRowValue("width", std::to_string(width_));
        Grid->SetRowValue("height", std::to_string(height_));
    }
}

void TContainer::Moved() {
    if (Grid) {
        Grid->SetRowValue("left", std::to_string(left_));
        Grid->SetRowValue("top", std::to_string(top_));
    }
}

bool TContainer::HiddenByHost() const {
    if (!hostHandle_ || !IsWindowVisible(hostHandle_)) return false;
    RECT own{}, host{};
    GetWindowRect(window_, &own);
    GetWindowRect(hostHandle_, &host);
    if (host.left > own.left || host.top > own.top || host.right < own.right || host.bottom < own.bottom) return false;
    // A live window shaped by a region may leave parts of the container bare.
    HRGN shape = CreateRectRgn(0, 0, 0, 0);
    bool shaped = GetWindowRgn(hostHandle_, shape) != ERROR;
    DeleteObject(shape);
    return !shaped;
}

void TContainer::TakeWindowBounds() {
    RECT r{};
    GetWindowRect(window_, &r);
    if (HWND parent = GetParent(window_); parent && (GetWindowLongPtrA(window_, GWL_STYLE) & WS_CHILD))
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    left_ = r.left;
    top_ = r.top;
    width_ = r.right - r.left;
    height_ = r.bottom - r.top;
}

LRESULT CALLBACK TContainer::WindowProc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    auto bound = BoundContainers().find(window);
    if (bound == BoundContainers().end()) return DefWindowProcA(window, message, wp, lp);
    TContainer* self = bound->second;
    // A window destroyed with its parent: its handle may later name another window.
    if (message == WM_NCDESTROY) BoundContainers().erase(bound);
    LRESULT result = 0;
    if (!RunCommand([&] { result = self->HandleMessage(message, wp, lp); })) return 0;
    return result;
}

LRESULT TContainer::HandleMessage(UINT message, WPARAM wp, LPARAM lp) {
    if (message >= kFirstMouseMessage && message <= kLastMouseMessage) {
        if (OnMouse) OnMouse(*this, message, wp, lp);
        return 0;
    }
    switch (message) {
    case WM_WINDOWPOSCHANGED: {
        const auto* position = reinterpret_cast<const WINDOWPOS*>(lp);
        TakeWindowBounds();
        if (!(position->flags & SWP_NOSIZE)) Resized();
        if (!(position->flags & SWP_NOMOVE)) Moved();
        return 0;
    }
    case WM_SETFONT:
        SetFont(reinterpret_cast<HFONT>(wp));
        return 0;
    case WM_ERASEBKGND: {
        RECT area{};
        GetClientRect(window_, &area);
        HBRUSH brush = color_ < 0 ? GetSysColorBrush(color_ & 0xFF) : CreateSolidBrush(static_cast<COLORREF>(color_));
        FillRect(reinterpret_cast<HDC>(wp), &area, brush);
        if (color_ >= 0) DeleteObject(brush);
        return 1;
    }
    case WM_PAINT: {
        if (HiddenByHost()) {
            ValidateRect(window_, nullptr);
            return 0;
        }
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window_, &paint);
        Paint(dc);
        EndPaint(window_, &paint);
        return 0;
    }
    }
    return DefWindowProcA(window_, message, wp, lp);
}

void TContainer::DeclareProperties() {
    auto text = [](std::string name, std::string* field, std::function<void(const std::string&)> set = {}) {
        DesignProperty property{std::move(name), DesignKind::Text, {}, [field] { return *field; }, {}};
        property.set = set ? std::move(set) : [field](const std::string& value) { *field = value; };
        return property;
    };
    auto integer = [](std::string name, int* field, std::function<void(int)> set = {}) {
        DesignProperty property{std::move(name), DesignKind::Integer, {}, [field] { return std::to_string(*field); }, {}};
        property.set = [field, set](const std::string& value) {
            if (set) set(ToInt(value));
            else *field = ToInt(value);
        };
        return property;
    };
    auto enumeration = [](std::string name, std::vector<std::string> values, std::string* field) {
        return DesignProperty{std::move(name), DesignKind::Enumeration, std::move(values), [field] { return *field; },
                              [field](const std::string& value) { *field = value; }};
    };
    AddProperty(text("Name", &name_, [this](const std::string& value) { SetName(value); }));
    AddProperty(integer("Tag", &tag_));
    AddProperty(integer("Left", &left_, [this](int value) { SetBounds(value, top_, width_, height_); }));
    AddProperty(integer("Top", &top_, [this](int value) { SetBounds(left_, value, width_, height_); }));
    AddProperty(integer("Width", &width_, [this](int value) { SetBounds(left_, top_, value, height_); }));
    AddProperty(integer("Height", &height_, [this](int value) { SetBounds(left_, top_, width_, value); }));
    AddProperty(integer("Cursor", &cursor_));
    AddProperty(text("Hint", &hint_));
    AddProperty(enumeration("HelpType", {"htKeyword", "htContext"}, &helpType_));
    AddProperty(text("HelpKeyword", &helpKeyword_));
    AddProperty(integer("HelpContext", &helpContext_));
    AddProperty(enumeration("Align", {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient", "alCustom"},
                            &align_));
    AddProperty(integer("Color", &color_, [this](int value) {
        color_ = value;
        if (window_) InvalidateRect(window_, nullptr, TRUE);
    }));
    AddProperty(text("Text", &text_, [this](const std::string& value) { SetText(value); }));
    AddProperty(integer("id", &id_, [this](int value) { Setid(value); }));
    AddProperty(text("Host", &host_, [this](const std::string& value) { SetHost(value); }));
    AddProperty(DesignProperty{"HostHandle", DesignKind::Integer, {},
                               [this] { return std::to_string(reinterpret_cast<std::uintptr_t>(hostHandle_)); },
                               [this](const std::string& value) {
                                   SetHostHandle(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(static_cast<std::uint32_t>(ToInt(value)))));
                               }});
    AddProperty(DesignProperty{"Node", DesignKind::Text, {}, [this] { return std::string(node_ ? "(node)" : ""); }, {}});
    for (DesignProperty& property : ContainerFontProperties(*this)) AddProperty(std::move(property));
}

}  // namespace tavrin
