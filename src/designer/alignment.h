// The arithmetic of the design surface's arrange commands, apart from any
// window: the alignment operations of the alignment dialog, snapping to the
// grid, and the arrow keys' one-pixel moves and sizes.
#pragma once

#include <vector>

#include "designer/design_bounds.h"
#include "designer/neighbour_search.h"

namespace tavrin {

// The operations of the alignment dialog's groups, by the index of their item.
enum class AlignOperation { None = 0, SidesToMinimum, Centres, SidesToMaximum, SpaceEqually, CentreInWindow };

// The operation of a group's item index; an index out of range is None.
AlignOperation AlignOperationOfItem(int index);

enum class AlignAxis { Horizontal, Vertical };

// Applies one operation along an axis to the items (in selection order; the
// first one is the first selected). parentExtent is the parent's outer width
// (height) for CentreInWindow. Returns false, changing nothing, when the
// operation needs more items than there are (2 for sides and centres, 3 for
// spacing, 1 for centring in the window) or is None.
bool AlignItems(std::vector<Bounds>& items, AlignOperation operation, AlignAxis axis, int parentExtent);

// Left and top snapped to the grid (halves to even), the size kept.
Bounds AlignedToGrid(const Bounds& bounds, int xStep, int yStep);

// An arrow key's change: moved one pixel that way, or (resize) one pixel
// wider, narrower, taller or lower; a size never goes below 0.
Bounds Nudged(const Bounds& bounds, ArrowDirection direction, bool resize);

}  // namespace tavrin
