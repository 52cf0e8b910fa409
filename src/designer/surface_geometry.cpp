#include "designer/surface_geometry.h"

#include <algorithm>

namespace tavrin {
namespace {

int FloorDiv(int value, int step) {
    int quotient = value / step;
    if (value % step != 0 && (value < 0) != (step < 0)) --quotient;
    return quotient;
}

}  // namespace

int ClampGridStep(int step) { return std::clamp(step, kMinGridStep, kMaxGridStep); }

int SnapToStep(int value, int step) {
    if (step <= 0) return value;
    int quotient = FloorDiv(value, step);
    int remainder = value - quotient * step;  // 0 <= remainder < step
    if (2 * remainder > step || (2 * remainder == step && quotient % 2 != 0)) ++quotient;
    return quotient * step;
}

Point GridPointAtOrBefore(Point point, int xStep, int yStep, Point scroll) {
    return {FloorDiv(point.x + scroll.x, xStep) * xStep - scroll.x,
            FloorDiv(point.y + scroll.y, yStep) * yStep - scroll.y};
}

std::array<std::optional<Bounds>, 8> HandleRectangles(const Bounds& c, bool severalSelected, int size) {
    std::array<std::optional<Bounds>, 8> handles;
    auto at = [size](int left, int top) { return Bounds{left, top, size, size}; };
    if (severalSelected) {
        int right = c.left + c.width - size, bottom = c.top + c.height - size;
        handles[0] = at(c.left, c.top);
        handles[2] = at(right, c.top);
        handles[4] = at(right, bottom);
        handles[6] = at(c.left, bottom);
        return handles;
    }
    // Centred on the outline: half the handle (rounded down) before it.
    const int before = size / 2, after = size - size / 2;
    int lefts[3] = {c.left - before, c.left + c.width / 2 - before, c.left + c.width - after};
    int tops[3] = {c.top - before, c.top + c.height / 2 - before, c.top + c.height - after};
    // Column and row (0 left/top, 1 middle, 2 right/bottom) of each position.
    const int column[8] = {0, 1, 2, 2, 2, 1, 0, 0};
    const int row[8] = {0, 0, 0, 1, 2, 2, 2, 1};
    for (int position = 0; position < 8; ++position)
        handles[position] = at(lefts[column[position]], tops[row[position]]);
    return handles;
}

HandleCursor CursorOfHandle(int position) {
    switch (position) {
        case 0: case 4: return HandleCursor::DiagonalDown;
        case 1: case 5: return HandleCursor::Vertical;
        case 2: case 6: return HandleCursor::DiagonalUp;
        case 3: case 7: return HandleCursor::Horizontal;
        default: return HandleCursor::None;
    }
}

Bounds SizeByHandle(const Bounds& b, int position, int dx, int dy) {
    int left = b.left, top = b.top, right = b.Right(), bottom = b.Bottom();
    bool movesLeft = position == 0 || position == 6 || position == 7;
    bool movesRight = position == 2 || position == 3 || position == 4;
    bool movesTop = position == 0 || position == 1 || position == 2;
    bool movesBottom = position == 4 || position == 5 || position == 6;
    if (movesLeft) left += dx;
    if (movesRight) right += dx;
    if (movesTop) top += dy;
    if (movesBottom) bottom += dy;
    return SpannedRectangle({left, top}, {right, bottom});
}

Bounds SpannedRectangle(Point a, Point b) {
    int left = std::min(a.x, b.x), top = std::min(a.y, b.y);
    return {left, top, std::max(a.x, b.x) - left, std::max(a.y, b.y) - top};
}

Point DragDisplacement(Point press, Point point, int xStep, int yStep, bool snap) {
    Point d{point.x - press.x, point.y - press.y};
    if (!snap) return d;
    return {SnapToStep(d.x, xStep), SnapToStep(d.y, yStep)};
}

Bounds InsertBounds(Point press, Point point, int xStep, int yStep, bool snap, Point scroll) {
    Point start = snap ? GridPointAtOrBefore(press, xStep, yStep, scroll) : press;
    Point d = DragDisplacement(press, point, xStep, yStep, snap);
    Bounds frame = SpannedRectangle(start, {start.x + d.x, start.y + d.y});
    if (frame.width > 1 || frame.height > 1) return frame;
    return {frame.left, frame.top, 0, 0};
}

bool TouchesLasso(const Bounds& c, const Bounds& lasso) {
    return c.left <= lasso.Right() && lasso.left <= c.Right() && c.top <= lasso.Bottom() &&
           lasso.top <= c.Bottom();
}

LassoSelection SelectByLasso(const std::vector<Bounds>& controls, const Bounds& lasso) {
    LassoSelection selection;
    for (size_t i = 0; i < controls.size(); ++i)
        if (TouchesLasso(controls[i], lasso)) selection.controls.push_back(static_cast<int>(i));
    // The window was the only item; with anything caught, more than one would be selected.
    selection.windowSelected = selection.controls.empty();
    return selection;
}

}  // namespace tavrin
