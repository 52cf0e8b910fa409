// TELDesigner's commands on its selection: the keyboard, select all, align to
// grid, the alignment operations and the private clipboard.
#include <algorithm>
#include <functional>

#include "common/commands.h"
#include "common/text.h"
#include "designer/alignment.h"
#include "designer/component_container.h"
#include "designer/design_surface.h"

namespace tavrin {

namespace {

Bounds BoundsOf(const TContainer& c) { return {c.Left(), c.Top(), c.Width(), c.Height()}; }

// Properties that name the live window or the tree node: never copied.
bool CopiedProperty(const std::string& name) {
    return !EqualsNoCase(name, "Name") && !EqualsNoCase(name, "HostHandle") && !EqualsNoCase(name, "Node");
}

// Where a paste goes: into the current component when it holds others, else
// into the nearest component around it that does; null for the designed window.
TContainer* PasteTarget(std::optional<TContainer*> current) {
    TContainer* c = current ? *current : nullptr;
    while (c && !c->AcceptsControls()) c = c->ParentComponent();
    return c;
}

std::string ContainerClassName(const TContainer& c) {
    return dynamic_cast<const TComponentContainer*>(&c) ? "TComponentContainer" : "TContainer";
}

// The clipboard's text as bytes under a registered format.
class Clipboard {
public:
    explicit Clipboard(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
    ~Clipboard() {
        if (open_) CloseClipboard();
    }
    bool Open() const { return open_; }

private:
    bool open_;
};

}  // namespace

int TELDesigner::Locks(const TContainer& component) const {
    for (const auto& [c, locks] : locks_)
        if (c == &component) return locks;
    return 0;
}

void TELDesigner::SetLocks(const TContainer& component, int locks) {
    for (auto& entry : locks_)
        if (entry.first == &component) {
            entry.second = locks;
            return;
        }
    locks_.emplace_back(&component, locks);
}

// A control's own locks and those of its direct children.
int TELDesigner::EffectiveLocks(const TContainer& component) const {
    int locks = Locks(component);
    for (const auto& c : components_)
        if (ParentOf(*c) == &component) locks |= Locks(*c);
    return locks;
}

TContainer* TELDesigner::ParentOf(const TContainer& component) const {
    if (TContainer* parent = component.ParentComponent()) return parent;
    // A component parented only by its window (made outside the surface).
    TContainer& c = const_cast<TContainer&>(component);
    if (!c.HandleAllocated()) return nullptr;
    HWND parent = GetParent(c.Handle());
    for (const auto& other : components_)
        if (other->HandleAllocated() && other->Handle() == parent) return other.get();
    return nullptr;
}

// The selected components that share the current control's parent.
std::vector<TContainer*> TELDesigner::SelectedSiblings() const {
    std::vector<TContainer*> siblings;
    std::optional<Item> current = Current();
    if (!current || !*current) return siblings;
    TContainer* parent = ParentOf(**current);
    for (Item item : selection_)
        if (item && ParentOf(*item) == parent) siblings.push_back(item);
    return siblings;
}

std::vector<TContainer*> TELDesigner::WithDescendants(const std::vector<TContainer*>& components) const {
    std::vector<TContainer*> all;
    std::function<void(TContainer*)> add = [&](TContainer* c) {
        if (std::find(all.begin(), all.end(), c) != all.end()) return;
        for (const auto& child : components_)
            if (ParentOf(*child) == c) add(child.get());
        all.push_back(c);
    };
    for (TContainer* c : components) add(c);
    return all;
}

void TELDesigner::SetComponentBounds(TContainer& component, const Bounds& bounds) {
    if (bounds == BoundsOf(component)) return;
    component.SetBounds(bounds.left, bounds.top, bounds.width, bounds.height);
    if (OnComponentBounds) OnComponentBounds(component);
}

void TELDesigner::SetComponentOrder(const std::vector<TContainer*>& order) {
    std::vector<std::unique_ptr<TContainer>> reordered;
    for (TContainer* c : order) {
        auto at = std::find_if(components_.begin(), components_.end(), [&](const auto& owned) { return owned.get() == c; });
        if (at != components_.end() && *at) reordered.push_back(std::move(*at));
    }
    for (auto& rest : components_)
        if (rest) reordered.push_back(std::move(rest));
    components_ = std::move(reordered);
    // Each window in turn goes to the bottom: the first ends on top, as if made first.
    for (const auto& c : components_)
        if (c->HandleAllocated())
            SetWindowPos(c->Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    // The live window of a component holding others stays beneath what it holds.
    for (const auto& c : components_)
        if (TContainer* parent = ParentOf(*c); parent && parent->HostHandle())
            SetWindowPos(parent->HostHandle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    UpdateHandles();
}

void TELDesigner::SelectAll() {
    RequireActive();
    Batch batch(*this);
    Select(nullptr);
    for (const auto& c : components_) Select(c.get());
}

void TELDesigner::AlignToGrid() {
    RequireActive();
    std::vector<Item> selected = selection_;
    for (Item item : selected) {
        if (!item) continue;
        Bounds aligned = AlignedToGrid(BoundsOf(*item), grid_.XStep, grid_.YStep);
        if (aligned == BoundsOf(*item)) continue;
        SetComponentBounds(*item, aligned);
        if (OnModified) OnModified();
    }
    UpdateHandles();
}

void TELDesigner::Align(int horizontal, int vertical) {
    RequireActive();
    std::optional<Item> current = Current();
    if (!current || !*current) return;
    std::vector<TContainer*> items = SelectedSiblings();
    {
        Batch batch(*this);
        for (Item item : std::vector<Item>(selection_))
            if (std::find(items.begin(), items.end(), item) == items.end()) Unselect(item);
    }
    RECT parent{};
    TContainer* holder = ParentOf(*items.front());
    GetWindowRect(holder ? holder->Handle() : window_, &parent);
    for (auto [choice, axis] : {std::pair{horizontal, AlignAxis::Horizontal}, {vertical, AlignAxis::Vertical}}) {
        std::vector<Bounds> bounds;
        for (TContainer* item : items) bounds.push_back(BoundsOf(*item));
        int extent = axis == AlignAxis::Horizontal ? parent.right - parent.left : parent.bottom - parent.top;
        if (!AlignItems(bounds, AlignOperationOfItem(choice), axis, extent)) continue;
        for (size_t i = 0; i < items.size(); ++i) SetComponentBounds(*items[i], bounds[i]);
        if (OnModified) OnModified();
    }
    UpdateHandles();
}

void TELDesigner::SelectParent() {
    RequireActive();
    std::optional<Item> current = Current();
    SelectOnly(Item{current && *current ? ParentOf(**current) : nullptr});
}

void TELDesigner::ShowDesignWindow(bool show) {
    RequireActive();
    ShowWindow(window_, show ? SW_SHOW : SW_HIDE);
}

bool TELDesigner::HandleKey(WPARAM key, bool shift, bool control, bool alt) {
    if (!active_) return false;
    if (OnKeyDown && OnKeyDown(key, shift, control, alt)) return true;
    switch (key) {
    case VK_TAB:
        if (control || alt) return false;
        TabKey(shift);
        return true;
    case VK_ESCAPE:
        // Outside a drag, Escape is the dialog's.
        if (drag_.kind == DragKind::None) return false;
        CancelDrag();
        return true;
    case VK_DELETE:
        if (OnCommandStart) OnCommandStart();
        DeleteSelection();
        return true;
    case VK_LEFT: return ArrowKey(ArrowDirection::Left, shift, control, alt);
    case VK_RIGHT: return ArrowKey(ArrowDirection::Right, shift, control, alt);
    case VK_UP: return ArrowKey(ArrowDirection::Up, shift, control, alt);
    case VK_DOWN: return ArrowKey(ArrowDirection::Down, shift, control, alt);
    }
    return false;
}

void TELDesigner::TabKey(bool backwards) {
    std::vector<TContainer*> order;
    for (const auto& c : components_)
        if (c->HandleAllocated()) order.push_back(c.get());
    if (order.empty()) return;
    std::optional<Item> current = Current();
    auto at = std::find(order.begin(), order.end(), current ? *current : nullptr);
    size_t index;
    if (at == order.end()) index = backwards ? order.size() - 1 : 0;
    else if (backwards) index = (static_cast<size_t>(at - order.begin()) + order.size() - 1) % order.size();
    else index = (static_cast<size_t>(at - order.begin()) + 1) % order.size();
    SelectOnly(order[index]);
}

bool TELDesigner::ArrowKey(ArrowDirection direction, bool shift, bool control, bool alt) {
    std::optional<Item> current = Current();
    if (alt && !shift) return true;  // Alt+arrow alone does nothing
    if (!current || !*current) return true;
    if (!shift && !control) {
        TContainer* parent = ParentOf(**current);
        std::vector<TContainer*> siblings;
        std::vector<Bounds> candidates;
        for (const auto& c : components_)
            if (c.get() != *current && ParentOf(*c) == parent) {
                siblings.push_back(c.get());
                candidates.push_back(BoundsOf(*c));
            }
        int found = FindNeighbour(BoundsOf(**current), candidates, direction);
        if (found >= 0) SelectOnly(siblings[static_cast<size_t>(found)]);
        return true;
    }
    if (OnCommandStart) OnCommandStart();
    int lock = shift ? lockNoResize : lockNoMove;
    std::vector<TContainer*> items;
    {
        Batch batch(*this);
        for (TContainer* item : SelectedSiblings()) {
            if (EffectiveLocks(*item) & lock) Unselect(item);
            else items.push_back(item);
        }
    }
    bool changed = false;
    for (TContainer* item : items) {
        Bounds nudged = Nudged(BoundsOf(*item), direction, shift);
        changed = changed || !(nudged == BoundsOf(*item));
        SetComponentBounds(*item, nudged);
    }
    UpdateHandles();
    if (changed && OnModified) OnModified();
    return true;
}

void TELDesigner::ShowKeyboardPopup() {
    if (!OnContextPopup) return;
    std::optional<Item> current = Current();
    POINT at{0, 0};
    if (current && *current) {
        TContainer& c = **current;
        at = {c.Width() / 2, c.Height() / 2};
        ClientToScreen(c.Handle(), &at);
    } else {
        ClientToScreen(window_, &at);
    }
    OnContextPopup(at);
}

// A letter typed in the pop-up menu: the only entry that begins with it runs;
// of several, the next after the highlighted one is highlighted.
LRESULT TELDesigner::MenuChar(char typed, HMENU menu) const {
    int count = GetMenuItemCount(menu);
    int highlighted = -1;
    for (int i = 0; i < count; ++i)
        if (GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_HILITE) highlighted = i;
    std::vector<int> matches;
    for (int step = 1; step <= count; ++step) {
        int index = (highlighted + step + count) % count;
        char text[128] = {};
        if (GetMenuStringA(menu, static_cast<UINT>(index), text, sizeof text, MF_BYPOSITION) <= 0) continue;
        if (ToLower(std::string(1, text[0])) == ToLower(std::string(1, typed))) matches.push_back(index);
    }
    if (matches.empty()) return MAKELRESULT(0, MNC_IGNORE);
    return MAKELRESULT(matches.front(), matches.size() == 1 ? MNC_EXECUTE : MNC_SELECT);
}

bool TELDesigner::CanCopy() const {
    if (!active_) return false;
    std::vector<TContainer*> siblings = SelectedSiblings();
    if (siblings.empty()) return false;
    return std::none_of(siblings.begin(), siblings.end(),
                        [&](TContainer* c) { return EffectiveLocks(*c) & lockNoCopy; });
}

bool TELDesigner::CanCut() const {
    if (!CanCopy()) return false;
    std::vector<TContainer*> siblings = SelectedSiblings();
    return std::none_of(siblings.begin(), siblings.end(),
                        [&](TContainer* c) { return EffectiveLocks(*c) & lockNoDelete; });
}

bool TELDesigner::CanPaste() const {
    if (!active_) return false;
    TContainer* target = PasteTarget(Current());
    if (target && (Locks(*target) & lockNoInsert)) return false;
    UINT format = RegisterClipboardFormatA(ClipboardFormat.c_str());
    return format && IsClipboardFormatAvailable(format);
}

ClipboardComponent TELDesigner::ToClipboard(TContainer& component) {
    ClipboardComponent copied{ContainerClassName(component), component.Name(), {}, {}};
    for (const std::string& name : component.Properties().Names())
        if (CopiedProperty(name)) copied.properties.emplace_back(name, *component.Properties().Get(name));
    for (const auto& c : components_)
        if (ParentOf(*c) == &component && !(Locks(*c) & lockNoCopy)) copied.children.push_back(ToClipboard(*c));
    return copied;
}

void TELDesigner::Copy() {
    RequireActive();
    if (!CanCopy()) return;
    std::vector<ClipboardComponent> copied;
    for (TContainer* c : SelectedSiblings())
        if (!(Locks(*c) & lockNoCopy)) copied.push_back(ToClipboard(*c));
    std::string text = ClipboardText(copied);
    UINT format = RegisterClipboardFormatA(ClipboardFormat.c_str());
    Clipboard clipboard(window_);
    if (!format || !clipboard.Open()) throw CommandError("Cannot open the clipboard.");
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (!block) throw CommandError("Cannot copy to the clipboard.");
    char* bytes = static_cast<char*>(GlobalLock(block));
    std::copy(text.begin(), text.end(), bytes);
    bytes[text.size()] = '\0';
    GlobalUnlock(block);
    EmptyClipboard();
    if (!SetClipboardData(format, block)) {
        GlobalFree(block);
        throw CommandError("Cannot copy to the clipboard.");
    }
}

void TELDesigner::Cut() {
    RequireActive();
    if (!CanCut()) return;
    Copy();
    DeleteSelection();
}

TContainer* TELDesigner::FromClipboard(const ClipboardComponent& copied, TContainer* parent, std::vector<Point>& spots) {
    std::unique_ptr<TContainer> created = CreateContainerOfClass(copied.className, window_);
    if (!created) return nullptr;
    created->SetName(copied.name);
    std::string host;
    for (const auto& [name, value] : copied.properties) {
        if (EqualsNoCase(name, "Host")) host = value;
        else if (CopiedProperty(name)) created->Properties().Set(name, value);
    }
    Point at{created->Left(), created->Top()};
    if (parent) {
        // Pasted into a component: kept inside its client area where it fits.
        RECT area{};
        GetClientRect(parent->Handle(), &area);
        at.x = std::max(0, std::min(at.x, static_cast<int>(area.right) - created->Width()));
        at.y = std::max(0, std::min(at.y, static_cast<int>(area.bottom) - created->Height()));
    }
    at = FreePasteSpot(at, spots, grid_.XStep, grid_.YStep);
    created->SetBounds(at.x, at.y, created->Width(), created->Height());
    created->SetParentComponent(parent);  // bounds relative to the parent's client area
    created->Handle();
    // The live window is the container's own, of the same pack class.
    if (!host.empty()) created->SetHost(host);
    TContainer& added = AddComponent(std::move(created));
    spots.push_back(at);
    if (OnPasted) OnPasted(added);
    std::vector<Point> childSpots;
    for (const ClipboardComponent& child : copied.children) FromClipboard(child, &added, childSpots);
    return &added;
}

void TELDesigner::Paste() {
    RequireActive();
    if (!CanPaste()) return;
    std::string text;
    {
        UINT format = RegisterClipboardFormatA(ClipboardFormat.c_str());
        Clipboard clipboard(window_);
        if (!clipboard.Open()) throw CommandError("Cannot open the clipboard.");
        HANDLE block = GetClipboardData(format);
        if (!block) return;
        const char* bytes = static_cast<const char*>(GlobalLock(block));
        if (!bytes) return;
        text.assign(bytes, strnlen(bytes, GlobalSize(block)));
        GlobalUnlock(block);
    }
    std::vector<ClipboardComponent> copied = ParseClipboardText(text);
    RenamePasted(copied, [this](std::string_view name) {
        return std::any_of(components_.begin(), components_.end(),
                           [&](const auto& c) { return EqualsNoCase(c->Name(), name); });
    });
    TContainer* target = PasteTarget(Current());
    std::vector<Point> spots;
    for (const auto& c : components_)
        if (ParentOf(*c) == target) spots.push_back({c->Left(), c->Top()});
    if (OnCommandStart) OnCommandStart();
    Batch batch(*this);
    SelectOnly(std::nullopt);
    for (const ClipboardComponent& one : copied)
        if (TContainer* pasted = FromClipboard(one, target, spots)) Select(pasted);
    if (selection_.empty()) Select(nullptr);
    if (OnModified) OnModified();
}

}  // namespace tavrin
