#include "designer/design_surface.h"

#include <windowsx.h>

#include <algorithm>

#include "common/commands.h"
#include "common/text.h"
#include "designer/unique_names.h"
#include "ui/dpi_scale.h"
#include "ui/window_class.h"

namespace tavrin {

namespace {

constexpr const char* kHandleClass = "TGrabHandle";
constexpr const char* kHandleItem = "GrabItem";
constexpr const char* kHandlePosition = "GrabPosition";
constexpr const char* kSurfaceProperty = "DesignSurface";
constexpr COLORREF kFrameGrey = RGB(128, 128, 128);
constexpr UINT_PTR kHintTimer = 0x4854;

Bounds BoundsOf(const TContainer& c) { return {c.Left(), c.Top(), c.Width(), c.Height()}; }

Point LParamPoint(LPARAM lp) { return {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}; }

LPCSTR CursorName(HandleCursor cursor) {
    switch (cursor) {
    case HandleCursor::DiagonalDown: return IDC_SIZENWSE;
    case HandleCursor::Vertical: return IDC_SIZENS;
    case HandleCursor::DiagonalUp: return IDC_SIZENESW;
    case HandleCursor::Horizontal: return IDC_SIZEWE;
    case HandleCursor::None: break;
    }
    return IDC_ARROW;
}

// An inverted frame of the given width: drawn twice it leaves the screen as it was.
void InvertFrame(HDC dc, const Bounds& r, int width, HBRUSH brush) {
    HGDIOBJ old = SelectObject(dc, brush);
    PatBlt(dc, r.left, r.top, r.width, width, PATINVERT);
    PatBlt(dc, r.left, r.top + r.height - width, r.width, width, PATINVERT);
    PatBlt(dc, r.left, r.top + width, width, r.height - 2 * width, PATINVERT);
    PatBlt(dc, r.left + r.width - width, r.top + width, width, r.height - 2 * width, PATINVERT);
    SelectObject(dc, old);
}

}  // namespace

TELDesigner::TELDesigner() = default;

TELDesigner::~TELDesigner() {
    drag_ = Drag{};
    if (window_ && IsWindow(window_)) KillTimer(window_, kHintTimer);
    for (HWND handle : handles_)
        if (IsWindow(handle)) DestroyWindow(handle);
    // Components inside others go before the ones that hold their windows.
    auto depth = [](const TContainer* c) {
        int d = 0;
        for (; c->ParentComponent(); c = c->ParentComponent()) ++d;
        return d;
    };
    std::stable_sort(components_.begin(), components_.end(),
                     [&](const auto& a, const auto& b) { return depth(a.get()) > depth(b.get()); });
    components_.clear();
    if (gridBrush_) DeleteObject(gridBrush_);
}

void TELDesigner::SetDesignControl(HWND window) {
    if (active_) throw CommandError(kDesignerMustBeInactive);
    window_ = window;
}

void TELDesigner::SetActive(bool active) {
    if (active == active_) return;
    if (active) {
        if (!window_) throw CommandError(kDesignControlNotSpecified);
        active_ = true;
        SetPropA(window_, kSurfaceProperty, this);
        for (auto& component : components_) HookContainer(*component);
        InvalidateRect(window_, nullptr, TRUE);
        SelectOnly(Item{nullptr});
    } else {
        CancelDrag();
        HideHint();
        hintControl_ = nullptr;
        SelectOnly(std::nullopt);
        RemovePropA(window_, kSurfaceProperty);
        active_ = false;
    }
}

void TELDesigner::SetGrid(const DesignerGrid& grid) {
    grid_ = grid;
    grid_.XStep = ClampGridStep(grid.XStep);
    grid_.YStep = ClampGridStep(grid.YStep);
    if (gridBrush_) DeleteObject(gridBrush_);
    gridBrush_ = nullptr;
    if (window_) InvalidateRect(window_, nullptr, TRUE);
}

TContainer& TELDesigner::AddComponent(std::unique_ptr<TContainer> component) {
    TContainer& added = *component;
    components_.push_back(std::move(component));
    if (active_) HookContainer(added);
    if (OnNotification) OnNotification(added, true);
    return added;
}

std::vector<TContainer*> TELDesigner::WithDescendants(TContainer& component) const {
    std::vector<TContainer*> all;
    for (const auto& c : components_)
        if (c->ParentComponent() == &component) {
            std::vector<TContainer*> below = WithDescendants(*c);
            all.insert(all.end(), below.begin(), below.end());
        }
    all.push_back(&component);
    return all;
}

void TELDesigner::DeleteComponent(TContainer& component) {
    std::vector<TContainer*> doomed = WithDescendants(component);
    {
        Batch batch(*this);
        for (TContainer* c : doomed) {
            auto found = std::find(selection_.begin(), selection_.end(), c);
            if (found != selection_.end()) {
                selection_.erase(found);
                Changed();
            }
        }
        if (active_ && selection_.empty()) {
            selection_.push_back(nullptr);
            Changed();
        }
    }
    for (TContainer* c : doomed) {
        if (hintControl_ == c) {
            HideHint();
            hintControl_ = nullptr;
        }
        if (OnNotification) OnNotification(*c, false);
        auto owned = std::find_if(components_.begin(), components_.end(), [&](const auto& o) { return o.get() == c; });
        if (owned != components_.end()) components_.erase(owned);
    }
}

void TELDesigner::DeleteSelection() {
    RequireActive();
    std::vector<TContainer*> doomed;
    std::vector<TContainer*> locked;
    // The last selected goes first.
    for (auto item = selection_.rbegin(); item != selection_.rend(); ++item) {
        if (!*item) continue;
        doomed.push_back(*item);
        if (EffectiveLocks(**item) & lockNoDelete) locked.push_back(*item);
    }
    if (doomed.empty()) return;
    if (locked.size() == 1) {
        std::string message = kControlLocked;
        throw CommandError(message.replace(message.find("%s"), 2, locked[0]->Name()));
    }
    if (locked.size() > 1) throw CommandError(kSomeControlsLocked);
    // Children go with their parents, before them.
    doomed = WithDescendants(doomed);
    {
        Batch batch(*this);
        // A selected component inside another selected one goes with that one.
        for (TContainer* component : doomed) {
            bool present = std::any_of(components_.begin(), components_.end(),
                                       [&](const auto& c) { return c.get() == component; });
            if (present) DeleteComponent(*component);
        }
    }
    if (OnModified) OnModified();
}

void TELDesigner::RequireActive() const {
    if (!active_) throw CommandError(kDesignerMustBeActive);
}

int TELDesigner::SelectionCount() const {
    RequireActive();
    return static_cast<int>(selection_.size());
}

TELDesigner::Item TELDesigner::Selection(int index) const {
    RequireActive();
    return selection_.at(static_cast<size_t>(index));
}

bool TELDesigner::IsSelected(Item item) const {
    return std::find(selection_.begin(), selection_.end(), item) != selection_.end();
}

void TELDesigner::Select(Item item) {
    RequireActive();
    if (item && std::none_of(components_.begin(), components_.end(),
                             [&](const auto& c) { return c.get() == item; })) {
        std::string message = kCannotBeSelected;
        throw CommandError(message.replace(message.find("%S"), 2, item->Name()));
    }
    if (IsSelected(item)) return;
    Batch batch(*this);
    selection_.push_back(item);
    Changed();
}

void TELDesigner::Unselect(Item item) {
    RequireActive();
    auto found = std::find(selection_.begin(), selection_.end(), item);
    if (found == selection_.end()) return;
    Batch batch(*this);
    selection_.erase(found);
    Changed();
}

void TELDesigner::SelectOnly(std::optional<Item> item) {
    RequireActive();
    Batch batch(*this);
    if (item) {
        if (selection_.size() == 1 && selection_[0] == *item) return;
        if (!selection_.empty()) Changed();
        selection_.clear();
        Select(*item);
    } else if (!selection_.empty()) {
        selection_.clear();
        Changed();
    }
}

std::optional<TELDesigner::Item> TELDesigner::Current() const {
    if (selection_.empty()) return std::nullopt;
    return selection_.back();
}

void TELDesigner::EndBatch() {
    UpdateHandles();
    if (!selectionChanged_) return;
    selectionChanged_ = false;
    if (OnChangeSelection) OnChangeSelection();
}

std::string TELDesigner::GetUniqueName(const std::string& baseName) const {
    return UniqueName(baseName, [this](std::string_view name) {
        return std::any_of(components_.begin(), components_.end(),
                           [&](const auto& c) { return EqualsNoCase(c->Name(), name); });
    });
}

void TELDesigner::HookContainer(TContainer& container) {
    container.OnMouse = [this](TContainer& from, UINT message, WPARAM wp, LPARAM lp) {
        Mouse(from.Handle(), message, wp, lp);
    };
}

bool TELDesigner::HandleWindowMessage(UINT message, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (!active_) return false;
    switch (message) {
    case WM_ERASEBKGND:
        if (!grid_.Visible) return false;
        PaintGrid(reinterpret_cast<HDC>(wp));
        result = 1;
        return true;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        for (HWND handle : handles_) InvalidateRect(handle, nullptr, TRUE);
        return false;
    case WM_TIMER:
        if (wp != kHintTimer) return false;
        KillTimer(window_, kHintTimer);
        ShowControlHint();
        result = 0;
        return true;
    case WM_CAPTURECHANGED:
        if (drag_.kind != DragKind::None && reinterpret_cast<HWND>(lp) != window_) CancelDrag();
        return false;
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_RBUTTONDOWN: case WM_RBUTTONUP:
    case WM_MOUSEMOVE: case WM_LBUTTONDBLCLK:
        Mouse(window_, message, wp, lp);
        result = 0;
        return true;
    case WM_GETDLGCODE:
        result = DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTTAB;
        return true;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (HandleKey(wp, GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_MENU) < 0)) {
            result = 0;
            return true;
        }
        return false;
    case WM_MENUCHAR:
        result = MenuChar(static_cast<char>(LOWORD(wp)), reinterpret_cast<HMENU>(lp));
        return true;
    case WM_CONTEXTMENU:
        // Shift+F10 or the menu key: the pop-up menu at the current control.
        if (lp == -1) {
            ShowKeyboardPopup();
            result = 0;
            return true;
        }
        return false;
    }
    return false;
}

void TELDesigner::Mouse(HWND from, UINT message, WPARAM wp, LPARAM lp) {
    if (!active_) return;
    POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    if (from != window_) MapWindowPoints(from, window_, &p, 1);
    Point point{p.x, p.y};
    TContainer* clicked = from == window_ ? nullptr : TContainer::OfWindow(from);
    if (from != window_ && !clicked) {
        for (auto& c : components_)
            if (c->HandleAllocated() && c->Handle() == from) clicked = c.get();
    }
    switch (message) {
    case WM_LBUTTONDOWN: Press(clicked, point, wp, true); break;
    case WM_RBUTTONDOWN: Press(clicked, point, wp, false); break;
    case WM_MOUSEMOVE:
        if (drag_.kind == DragKind::None) HintOver(clicked);
        MoveTo(point);
        break;
    case WM_LBUTTONUP: Release(point); break;
    case WM_LBUTTONDBLCLK:
        if (drag_.kind == DragKind::None && OnDblClick) OnDblClick();
        break;
    case WM_RBUTTONUP:
        if (drag_.kind == DragKind::None && OnContextPopup) {
            POINT screen{point.x, point.y};
            ClientToScreen(window_, &screen);
            OnContextPopup(screen);
        }
        break;
    }
}

Point TELDesigner::Origin(const TContainer* parent) const {
    if (!parent) return {0, 0};
    POINT origin{0, 0};
    MapWindowPoints(const_cast<TContainer*>(parent)->Handle(), window_, &origin, 1);
    return {origin.x, origin.y};
}

TContainer* TELDesigner::AcceptingAtOrAbove(TContainer* c) {
    while (c && !c->AcceptsControls()) c = c->ParentComponent();
    return c;
}

void TELDesigner::Press(TContainer* clicked, Point point, WPARAM keys, bool left) {
    if (OnCommandStart) OnCommandStart();
    SetFocus(window_);
    CancelDrag();
    HideHint();
    Drag drag;
    drag.press = drag.last = point;
    if (left && OnControlInserting) {
        if (std::unique_ptr<TContainer> created = OnControlInserting()) {
            drag.kind = DragKind::Insert;
            drag.inserting = std::move(created);
            drag.parent = AcceptingAtOrAbove(clicked);
        }
    }
    if (drag.kind == DragKind::None) {
        Batch batch(*this);
        Item c = clicked;
        if (keys & MK_SHIFT) {
            if (IsSelected(c)) Unselect(c);
            else if (c || selection_.empty()) Select(c);
            if (selection_.empty()) Select(nullptr);
        } else if (!c || (keys & MK_CONTROL)) {
            SelectOnly(Item{nullptr});
            drag.kind = DragKind::Lasso;
            drag.parent = AcceptingAtOrAbove(c);
        } else {
            if (!IsSelected(c)) SelectOnly(c);
            // Only the selected siblings of c move with it; the others leave the selection.
            for (Item item : std::vector<Item>(selection_)) {
                if (item && item->ParentComponent() == c->ParentComponent()) drag.moving.push_back(item);
                else if (item) Unselect(item);
            }
            // The window itself does not move with the components.
            if (IsSelected(nullptr)) Unselect(nullptr);
            drag.kind = DragKind::Move;
            drag.target = c;
        }
    }
    if (!left || drag.kind == DragKind::None) return;
    drag_ = std::move(drag);
    drag_.captured = window_;
    SetCapture(window_);
    RECT area{};
    GetClientRect(window_, &area);
    MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&area), 2);
    ClipCursor(&area);
    if (drag_.kind == DragKind::Move || drag_.kind == DragKind::Size) HideHandles();
}

std::vector<Bounds> TELDesigner::FeedbackRectangles(Point point) const {
    std::vector<Bounds> frames;
    Point d = DragDisplacement(drag_.press, point, grid_.XStep, grid_.YStep, SnapToGrid);
    auto shifted = [](Bounds b, Point by) { return Bounds{b.left + by.x, b.top + by.y, b.width, b.height}; };
    switch (drag_.kind) {
    case DragKind::Lasso: frames.push_back(SpannedRectangle(drag_.press, point)); break;
    case DragKind::Move: {
        Point origin = drag_.moving.empty() ? Point{0, 0} : Origin(drag_.moving.front()->ParentComponent());
        for (TContainer* c : drag_.moving) frames.push_back(shifted(BoundsOf(*c), {d.x + origin.x, d.y + origin.y}));
        break;
    }
    case DragKind::Size:
        frames.push_back(shifted(SizeByHandle(BoundsOf(*drag_.target), drag_.handle, d.x, d.y),
                                 Origin(drag_.target->ParentComponent())));
        break;
    case DragKind::Insert: {
        Point o = Origin(drag_.parent);
        frames.push_back(shifted(InsertBounds({drag_.press.x - o.x, drag_.press.y - o.y}, {point.x - o.x, point.y - o.y},
                                              grid_.XStep, grid_.YStep, SnapToGrid),
                                 o));
        break;
    }
    case DragKind::None: break;
    }
    return frames;
}

void TELDesigner::ShowFeedback(bool on) {
    if (drag_.feedbackShown == on) return;
    drag_.feedbackShown = on;
    HDC dc = GetDC(window_);
    if (drag_.kind == DragKind::Lasso) {
        Bounds r = SpannedRectangle(drag_.press, drag_.last);
        RECT rect{r.left, r.top, r.left + r.width + 1, r.top + r.height + 1};
        DrawFocusRect(dc, &rect);  // dotted and inverting
    } else {
        HBRUSH grey = CreateSolidBrush(kFrameGrey);
        for (const Bounds& frame : FeedbackRectangles(drag_.last)) InvertFrame(dc, frame, ScaleForWindow(window_, 2), grey);
        DeleteObject(grey);
    }
    ReleaseDC(window_, dc);
}

void TELDesigner::MoveTo(Point point) {
    if (drag_.kind == DragKind::None) return;
    ShowFeedback(false);
    drag_.last = point;
    ShowFeedback(true);
    DragHint(point);
}

void TELDesigner::HintOver(TContainer* component) {
    if (component == hintControl_) return;
    HideHint();
    hintControl_ = component;
    if (component && (ShowingHints & htControl)) SetTimer(window_, kHintTimer, GetDoubleClickTime(), nullptr);
}

void TELDesigner::ShowControlHint() {
    TContainer* c = hintControl_;
    if (!c || drag_.kind != DragKind::None || !(ShowingHints & htControl)) return;
    if (std::none_of(components_.begin(), components_.end(), [&](const auto& o) { return o.get() == c; })) return;
    POINT at{};
    GetCursorPos(&at);
    // The mouse may have left the component (and the window) meanwhile.
    POINT inside = at;
    RECT area{};
    ScreenToClient(c->Handle(), &inside);
    GetClientRect(c->Handle(), &area);
    if (!PtInRect(&area, inside)) {
        hintControl_ = nullptr;
        return;
    }
    std::string text = c->Name() + ": TContainer";
    if (OnControlHint) text = OnControlHint(*c, text);
    if (text.empty()) return;
    hint_.Show(window_, text, at);
}

void TELDesigner::DragHint(Point point) {
    std::string text;
    std::vector<Bounds> frames = FeedbackRectangles(point);
    if (frames.empty()) return;
    switch (drag_.kind) {
    case DragKind::Move:
        if (ShowingHints & htMove) {
            // The dragged control's new place, in its parent's client area.
            Point d = DragDisplacement(drag_.press, point, grid_.XStep, grid_.YStep, SnapToGrid);
            TContainer* c = drag_.target ? drag_.target : drag_.moving.front();
            text = std::to_string(c->Left() + d.x) + ", " + std::to_string(c->Top() + d.y);
        }
        break;
    case DragKind::Size:
        if (ShowingHints & htSize) text = std::to_string(frames[0].width) + " x " + std::to_string(frames[0].height);
        break;
    case DragKind::Insert:
        if (ShowingHints & htInsert) text = std::to_string(frames[0].width) + " x " + std::to_string(frames[0].height);
        break;
    default: break;
    }
    if (text.empty()) return;
    POINT at{point.x, point.y};
    ClientToScreen(window_, &at);
    hint_.Show(window_, text, at);
}

void TELDesigner::HideHint() {
    if (window_) KillTimer(window_, kHintTimer);
    hint_.Hide();
}

void TELDesigner::CancelDrag() {
    if (drag_.kind == DragKind::None) return;
    HideHint();
    ShowFeedback(false);
    Drag ended = std::move(drag_);
    drag_ = Drag{};
    ClipCursor(nullptr);
    if (GetCapture() == ended.captured) ReleaseCapture();
    UpdateHandles();
}

void TELDesigner::Release(Point point) {
    if (drag_.kind == DragKind::None) return;
    HideHint();
    ShowFeedback(false);
    drag_.last = point;
    Drag drag = std::move(drag_);
    drag_ = Drag{};
    ClipCursor(nullptr);
    if (GetCapture() == drag.captured) ReleaseCapture();
    Point d = DragDisplacement(drag.press, point, grid_.XStep, grid_.YStep, SnapToGrid);
    switch (drag.kind) {
    case DragKind::Lasso: {
        // Only the components that lie directly in the window the lasso was drawn in.
        Point o = Origin(drag.parent);
        std::vector<Bounds> bounds;
        std::vector<TContainer*> candidates;
        for (auto& c : components_) {
            if (c->ParentComponent() != drag.parent) continue;
            Bounds b = BoundsOf(*c);
            bounds.push_back({b.left + o.x, b.top + o.y, b.width, b.height});
            candidates.push_back(c.get());
        }
        LassoSelection caught = SelectByLasso(bounds, SpannedRectangle(drag.press, point));
        Batch batch(*this);
        for (int index : caught.controls) Select(candidates[static_cast<size_t>(index)]);
        if (!caught.windowSelected) Unselect(nullptr);
        break;
    }
    case DragKind::Move:
        if (d.x != 0 || d.y != 0) {
            for (TContainer* c : drag.moving) {
                c->SetBounds(c->Left() + d.x, c->Top() + d.y, c->Width(), c->Height());
                if (OnComponentBounds) OnComponentBounds(*c);
            }
            if (OnModified) OnModified();
        }
        break;
    case DragKind::Size: {
        Bounds sized = SizeByHandle(BoundsOf(*drag.target), drag.handle, d.x, d.y);
        if (!(sized == BoundsOf(*drag.target))) {
            drag.target->SetBounds(sized.left, sized.top, sized.width, sized.height);
            if (OnComponentBounds) OnComponentBounds(*drag.target);
            if (OnModified) OnModified();
        }
        break;
    }
    case DragKind::Insert: {
        Point o = Origin(drag.parent);
        Bounds placed = InsertBounds({drag.press.x - o.x, drag.press.y - o.y}, {point.x - o.x, point.y - o.y},
                                     grid_.XStep, grid_.YStep, SnapToGrid);
        std::unique_ptr<TContainer> created = std::move(drag.inserting);
        created->SetName(GetUniqueName("TContainer"));
        created->SetBounds(placed.left, placed.top, placed.width, placed.height);
        created->SetParentComponent(drag.parent);  // parented to the window the drag started in
        created->Handle();  // a child of the designed window
        TContainer& added = AddComponent(std::move(created));
        try {
            SelectOnly(&added);
            if (OnControlInserted) OnControlInserted(added);
        } catch (...) {
            DeleteComponent(added);
            throw;
        }
        if (OnModified) OnModified();
        break;
    }
    case DragKind::None: break;
    }
    UpdateHandles();
}

HWND TELDesigner::HandleWindow(int index) {
    while (static_cast<int>(handles_.size()) <= index) {
        RegisterWindowClassOnce(kHandleClass, HandleProc, 0);
        HWND handle = CreateWindowExA(0, kHandleClass, "", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, ScaleForWindow(window_, kHandleSize),
                                      ScaleForWindow(window_, kHandleSize), window_, nullptr, GetModuleHandleA(nullptr), nullptr);
        SetWindowLongPtrA(handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        handles_.push_back(handle);
    }
    return handles_[static_cast<size_t>(index)];
}

std::vector<HWND> TELDesigner::HandleWindows() const {
    std::vector<HWND> visible;
    for (HWND handle : handles_)
        if (IsWindowVisible(handle)) visible.push_back(handle);
    return visible;
}

void TELDesigner::HideHandles() {
    for (HWND handle : handles_) ShowWindow(handle, SW_HIDE);
}

void TELDesigner::UpdateHandles() {
    if (!window_ || !IsWindow(window_)) return;
    int used = 0;
    if (active_ && drag_.kind != DragKind::Move && drag_.kind != DragKind::Size) {
        bool several = selection_.size() > 1;
        for (Item item : selection_) {
            if (!item) continue;
            // Handles of a component inside another one stand at its place in the designed window.
            Point o = Origin(item->ParentComponent());
            Bounds b = BoundsOf(*item);
            auto rectangles = HandleRectangles({b.left + o.x, b.top + o.y, b.width, b.height}, several,
                                               ScaleForWindow(window_, kHandleSize));
            for (int position = 0; position < 8; ++position) {
                if (!rectangles[static_cast<size_t>(position)]) continue;
                const Bounds& r = *rectangles[static_cast<size_t>(position)];
                HWND handle = HandleWindow(used++);
                SetPropA(handle, kHandleItem, item);
                SetPropA(handle, kHandlePosition, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(position + 1)));
                SetWindowPos(handle, HWND_TOP, r.left, r.top, r.width, r.height, SWP_SHOWWINDOW | SWP_NOACTIVATE);
                InvalidateRect(handle, nullptr, TRUE);
            }
        }
    }
    for (size_t i = static_cast<size_t>(used); i < handles_.size(); ++i) ShowWindow(handles_[i], SW_HIDE);
}

LRESULT CALLBACK TELDesigner::HandleProc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<TELDesigner*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) return DefWindowProcA(window, message, wp, lp);
    auto* item = static_cast<TContainer*>(GetPropA(window, kHandleItem));
    int position = static_cast<int>(reinterpret_cast<INT_PTR>(GetPropA(window, kHandlePosition))) - 1;
    bool single = self->selection_.size() == 1;
    switch (message) {
    case WM_ERASEBKGND: {
        HDC dc = reinterpret_cast<HDC>(wp);
        bool focused = GetFocus() == self->window_;
        const HandleColours& c = self->Colours;
        COLORREF fill = !single ? c.MultySelectHandleClr : focused ? c.HandleClr : c.InactiveHandleClr;
        COLORREF border = !single ? c.MultySelectHandleBorderClr
                          : focused ? c.HandleBorderClr : c.InactiveHandleBorderClr;
        const int size = ScaleForWindow(self->window_, kHandleSize), line = ScaleForWindow(self->window_, 1);
        RECT r{0, 0, size, size};
        HBRUSH borderBrush = CreateSolidBrush(border);
        FillRect(dc, &r, borderBrush);
        DeleteObject(borderBrush);
        RECT inner{line, line, size - line, size - line};
        HBRUSH fillBrush = CreateSolidBrush(fill);
        FillRect(dc, &inner, fillBrush);
        DeleteObject(fillBrush);
        return 1;
    }
    case WM_SETCURSOR:
        if (single) {
            SetCursor(LoadCursorA(nullptr, CursorName(CursorOfHandle(position))));
            return TRUE;
        }
        break;
    case WM_LBUTTONDOWN:
        if (item && single) {
            RunCommand([&] {
                POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
                MapWindowPoints(window, self->window_, &p, 1);
                self->CancelDrag();
                self->SelectOnly(item);
                Drag drag;
                drag.kind = DragKind::Size;
                drag.press = drag.last = {p.x, p.y};
                drag.handle = position;
                drag.target = item;
                drag.captured = self->window_;
                self->drag_ = std::move(drag);
                SetCapture(self->window_);
                self->HideHandles();
            });
        }
        return 0;
    }
    return DefWindowProcA(window, message, wp, lp);
}

void TELDesigner::PaintGrid(HDC dc) {
    if (!gridBrush_) {
        int w = 2 * grid_.XStep, h = 2 * grid_.YStep;
        HDC memory = CreateCompatibleDC(dc);
        HBITMAP pattern = CreateCompatibleBitmap(dc, w, h);
        HGDIOBJ old = SelectObject(memory, pattern);
        RECT all{0, 0, w, h};
        FillRect(memory, &all, GetSysColorBrush(COLOR_BTNFACE));
        for (int x = 0; x < w; x += grid_.XStep)
            for (int y = 0; y < h; y += grid_.YStep) SetPixel(memory, x, y, grid_.Color);
        SelectObject(memory, old);
        DeleteDC(memory);
        gridBrush_ = CreatePatternBrush(pattern);
        DeleteObject(pattern);
    }
    RECT area{};
    GetClientRect(window_, &area);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    FillRect(dc, &area, gridBrush_);
}

}  // namespace tavrin
