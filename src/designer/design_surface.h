// TELDesigner: the design surface bound to one top-level window. While active
// it takes the mouse input of the window and of its component containers:
// it selects components (the designed window itself is the item null), shows
// grab handles and hints, moves, sizes and inserts components on the grid
// (into the window, or into a component that holds others, such as a group
// box), and reports what happened through its events. It owns the components
// of the window.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "designer/container.h"
#include "designer/design_clipboard.h"
#include "designer/neighbour_search.h"
#include "designer/surface_geometry.h"
#include "designer/surface_hint.h"

namespace tavrin {

// The design surface's own error texts.
inline constexpr const char* kDesignerMustBeInactive = "Designer mast be inactive";
inline constexpr const char* kDesignControlNotSpecified = "Design control not specified";
inline constexpr const char* kDesignerMustBeActive = "Designer mast be active";
// "%S" is the control's name.
inline constexpr const char* kCannotBeSelected = "Control '%S' can not be selected";
// "%s" is the locked control's name.
inline constexpr const char* kControlLocked =
    "Control \"%s\" or some of it chidrens can not\r be deleted becouse they are locked";
inline constexpr const char* kSomeControlsLocked = "Some controls is locked. Can not delete controls.";

// Lock bits of a control (nothing in the workbench sets them).
inline constexpr int lockNoMove = 1;
inline constexpr int lockNoResize = 2;
inline constexpr int lockNoDelete = 4;
inline constexpr int lockNoInsert = 8;
inline constexpr int lockNoCopy = 16;

struct DesignerGrid {
    int XStep = kDefaultGridStep;
    int YStep = kDefaultGridStep;
    bool Visible = true;
    COLORREF Color = RGB(0, 0, 0);
};

struct HandleColours {
    COLORREF HandleClr = RGB(0, 0, 0);
    COLORREF HandleBorderClr = RGB(0, 0, 0);
    COLORREF MultySelectHandleClr = RGB(128, 128, 128);
    COLORREF MultySelectHandleBorderClr = RGB(128, 128, 128);
    COLORREF InactiveHandleClr = RGB(128, 128, 128);
    COLORREF InactiveHandleBorderClr = RGB(0, 0, 0);
};

class TELDesigner {
public:
    // A selected item: a component, or null for the designed window itself.
    using Item = TContainer*;

    TELDesigner();
    ~TELDesigner();
    TELDesigner(const TELDesigner&) = delete;
    TELDesigner& operator=(const TELDesigner&) = delete;

    HWND DesignControl() const { return window_; }
    // Only while inactive ("Designer mast be inactive" otherwise).
    void SetDesignControl(HWND window);
    bool Active() const { return active_; }
    // Activating needs a window ("Design control not specified"); it selects
    // the window. Deactivating ends any drag and clears the selection.
    void SetActive(bool active);

    DesignerGrid Grid() const { return grid_; }
    // Steps are kept within 2 to 32; the window is repainted.
    void SetGrid(const DesignerGrid& grid);
    bool SnapToGrid = true;
    HandleColours Colours;
    // Which hints show (ShowingHints): a resting mouse on a component, sizes, moves, inserts.
    enum HintKind { htControl = 1, htSize = 2, htMove = 4, htInsert = 8 };
    int ShowingHints = htControl | htSize | htMove | htInsert;
    // The hint text shown now, or empty.
    std::string HintText() const { return hint_.Text(); }

    // The components of the window, in insertion order.
    const std::vector<std::unique_ptr<TContainer>>& Components() const { return components_; }
    // Takes a component made outside the surface (the code reader's).
    TContainer& AddComponent(std::unique_ptr<TContainer> component);
    // Removes the component and the components inside it (deepest first) from
    // the selection, reports each removed and frees it.
    void DeleteComponent(TContainer& component);
    // Deletes every selected component (the window itself stays).
    void DeleteSelection();
    // Puts the components in this order (the windows' z-order follows): the
    // order of creation, and so the tab order.
    void SetComponentOrder(const std::vector<TContainer*>& order);

    // Selection: every operation needs an active surface ("Designer mast be active").
    int SelectionCount() const;
    Item Selection(int index) const;
    bool IsSelected(Item item) const;
    void Select(Item item);
    void Unselect(Item item);
    // Selects only item; std::nullopt clears the selection.
    void SelectOnly(std::optional<Item> item);
    // The last selected item, or none.
    std::optional<Item> Current() const;

    // stem + the first free number, as insertion names components.
    std::string GetUniqueName(const std::string& baseName) const;

    // Commands on the selection (surface_commands.cpp); each needs an active surface.
    void SelectAll();
    void AlignToGrid();
    // Alignment items of the alignment dialog's groups (0 "no changes" to 5).
    void Align(int horizontal, int vertical);
    bool CanCopy() const;
    bool CanCut() const;
    bool CanPaste() const;
    void Copy();
    void Cut();
    // Into the current component when it holds others (or the one around it
    // that does), else onto the designed window.
    void Paste();
    void ShowDesignWindow(bool show);
    // Escape outside a drag: selects only the current control's parent.
    void SelectParent();
    // A key pressed while the designed window has the focus; true when taken.
    bool HandleKey(WPARAM key, bool shift, bool control, bool alt);
    std::string ClipboardFormat = kClipboardFormat;
    int Locks(const TContainer& component) const;
    void SetLocks(const TContainer& component, int locks);
    // The parent of a component: the component that holds its window, or
    // null for the designed window.
    TContainer* ParentOf(const TContainer& component) const;

    // A press that may insert: answers a new container (not yet named or
    // placed) when a class waits to be placed, else null.
    std::function<std::unique_ptr<TContainer>()> OnControlInserting;
    std::function<void(TContainer&)> OnControlInserted;
    std::function<void()> OnModified;
    std::function<void()> OnChangeSelection;
    // A component is being inserted (true) or removed (false).
    std::function<void(TContainer&, bool inserted)> OnNotification;
    // A moved or resized component, before OnModified.
    std::function<void(TContainer&)> OnComponentBounds;
    // The hint of a component the mouse rests on: may replace the proposed text
    // (name, ": ", class name); an empty answer shows no hint.
    std::function<std::string(TContainer&, const std::string& proposed)> OnControlHint;
    std::function<void()> OnDblClick;
    // Right button released at a screen point.
    std::function<void(POINT)> OnContextPopup;
    // A key before the surface's own handling; answering true takes it.
    std::function<bool(WPARAM key, bool shift, bool control, bool alt)> OnKeyDown;
    // A mouse press or a key is about to act (for the dialog's undo history).
    std::function<void()> OnCommandStart;
    // A pasted component, created, named, placed and parented, before it is selected.
    std::function<void(TContainer&)> OnPasted;

    // The designed window's messages; true when the surface took the message.
    bool HandleWindowMessage(UINT message, WPARAM wp, LPARAM lp, LRESULT& result);

    // Handle rectangles and colours, for tests and painting.
    std::vector<HWND> HandleWindows() const;

private:
    enum class DragKind { None, Lasso, Move, Size, Insert };
    struct Drag {
        DragKind kind = DragKind::None;
        HWND captured = nullptr;
        Point press;  // client coordinates of the designed window
        Point last;
        int handle = -1;
        TContainer* target = nullptr;
        TContainer* parent = nullptr;  // the component the drag happens in; null: the designed window
        std::vector<TContainer*> moving;
        bool feedbackShown = false;
        std::unique_ptr<TContainer> inserting;
    };
    // Changes of the selection inside one operation raise OnChangeSelection once.
    class Batch {
    public:
        explicit Batch(TELDesigner& surface) : surface_(surface) { ++surface_.batchDepth_; }
        ~Batch() {
            if (--surface_.batchDepth_ == 0) surface_.EndBatch();
        }

    private:
        TELDesigner& surface_;
    };
    friend class Batch;

    void RequireActive() const;
    void Changed() { selectionChanged_ = true; }
    void EndBatch();
    void Mouse(HWND from, UINT message, WPARAM wp, LPARAM lp);
    void Press(TContainer* clicked, Point point, WPARAM keys, bool left);
    void MoveTo(Point point);
    void Release(Point point);
    void CancelDrag();
    void ShowFeedback(bool on);
    std::vector<Bounds> FeedbackRectangles(Point point) const;
    void HookContainer(TContainer& container);
    // Where parent's client area begins in the designed window's (the window itself for null).
    Point Origin(const TContainer* parent) const;
    // The component at or above c that accepts components; null for the designed window.
    static TContainer* AcceptingAtOrAbove(TContainer* c);
    // The components inside component, deepest first, then component itself.
    std::vector<TContainer*> WithDescendants(TContainer& component) const;
    void UpdateHandles();
    void HideHandles();
    HWND HandleWindow(int index);
    void PaintGrid(HDC dc);
    // The resting mouse's hint: armed when the mouse reaches a component, shown after the hint pause.
    void HintOver(TContainer* component);
    void ShowControlHint();
    void DragHint(Point point);
    void HideHint();
    static LRESULT CALLBACK HandleProc(HWND window, UINT message, WPARAM wp, LPARAM lp);
    // Commands' helpers (surface_commands.cpp).
    std::vector<TContainer*> SelectedSiblings() const;
    // The components and every component inside them, each once, children before their parents.
    std::vector<TContainer*> WithDescendants(const std::vector<TContainer*>& components) const;
    int EffectiveLocks(const TContainer& component) const;
    void SetComponentBounds(TContainer& component, const Bounds& bounds);
    bool ArrowKey(ArrowDirection direction, bool shift, bool control, bool alt);
    void TabKey(bool backwards);
    ClipboardComponent ToClipboard(TContainer& component);
    TContainer* FromClipboard(const ClipboardComponent& copied, TContainer* parent, std::vector<Point>& spots);
    void ShowKeyboardPopup();
    LRESULT MenuChar(char typed, HMENU menu) const;

    HWND window_ = nullptr;
    bool active_ = false;
    std::vector<std::pair<const TContainer*, int>> locks_;  // lock bits by component
    DesignerGrid grid_;
    std::vector<std::unique_ptr<TContainer>> components_;
    std::vector<Item> selection_;
    int batchDepth_ = 0;
    bool selectionChanged_ = false;
    Drag drag_;
    std::vector<HWND> handles_;  // created on first need, 8 per selected component
    HBRUSH gridBrush_ = nullptr;
    SurfaceHint hint_;
    TContainer* hintControl_ = nullptr;  // the last component that got a hint
};

}  // namespace tavrin
