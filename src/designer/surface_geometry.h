// The design surface's geometry, apart from any window: grid steps and
// snapping, grab handle rectangles, size and insert drags, and the lasso.
// Coordinates are pixels in the client area of the window that holds the
// controls concerned.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "designer/design_bounds.h"

namespace tavrin {

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

inline constexpr int kMinGridStep = 2;
inline constexpr int kMaxGridStep = 32;
inline constexpr int kDefaultGridStep = 8;
inline constexpr int kHandleSize = 5;

// A grid step kept within 2 to 32.
int ClampGridStep(int step);

// step × round(value / step), halves rounded to even: with step 8, 13 → 16,
// 11 → 8, 12 → 16, 4 → 0, 20 → 16. Moves, sizes and align-to-grid use it.
int SnapToStep(int value, int step);

// The grid point up and to the left of a point: coordinates truncated to
// multiples of the steps, the window's scroll positions taken into account.
Point GridPointAtOrBefore(Point point, int xStep, int yStep, Point scroll = {});

// Grab handle positions: 0 top-left, 1 top-middle, 2 top-right, 3
// middle-right, 4 bottom-right, 5 bottom-middle, 6 bottom-left, 7 middle-left.
enum class HandleCursor { None, DiagonalDown, Vertical, DiagonalUp, Horizontal };

// The handle rectangles (5 × 5 at 96 dots per inch; size × size on a
// display of another scale) of a selected control: all eight centred on its
// outline when it is the only selected item; only the four corners (0, 2, 4,
// 6), inside it, when several items are selected.
std::array<std::optional<Bounds>, 8> HandleRectangles(const Bounds& control, bool severalSelected,
                                                      int size = kHandleSize);

// The sizing cursor over a handle of a single selection.
HandleCursor CursorOfHandle(int position);

// The bounds after dragging handle position by (dx, dy) (already snapped):
// the edges belonging to the handle follow, side handles change one size
// only, and a rectangle dragged past its opposite edge is turned about.
Bounds SizeByHandle(const Bounds& bounds, int position, int dx, int dy);

// The rectangle spanned by two points, whatever their order.
Bounds SpannedRectangle(Point a, Point b);

// The displacement of a drag from press to point, snapped to the grid when snapping.
Point DragDisplacement(Point press, Point point, int xStep, int yStep, bool snap);

// A control inserted by a drag from press to point: with snapping the press
// point first goes to the grid and the displacement snaps. A frame more than
// 1 pixel wide or high is the new bounds; otherwise the control stands at
// its top-left corner with size 0 × 0 (a container has no size of its own).
Bounds InsertBounds(Point press, Point point, int xStep, int yStep, bool snap, Point scroll = {});

// Whether a control's bounds touch or overlap the lasso (edges count).
bool TouchesLasso(const Bounds& control, const Bounds& lasso);

// What a lasso release selects: the indexes of the controls it catches, and
// whether the designed window stays selected (only when it caught nothing).
struct LassoSelection {
    std::vector<int> controls;
    bool windowSelected = true;
};
LassoSelection SelectByLasso(const std::vector<Bounds>& controls, const Bounds& lasso);

}  // namespace tavrin
