// The arrow keys' neighbour search on the design surface: the nearest sibling
// of the current control in a direction.
#pragma once

#include <vector>

#include "designer/design_bounds.h"

namespace tavrin {

enum class ArrowDirection { Left, Right, Up, Down };

// The index of the candidate to select, or -1. A candidate lying entirely on
// that side counts when it is within 45 degrees of the direction; one that
// overlaps the current control counts when its centre lies further that way;
// others do not count. Distance runs from the middle of the current
// control's leading edge to the candidate's nearest point; of equally near
// candidates the first wins. The candidates are the current control's
// siblings without the current control itself.
int FindNeighbour(const Bounds& current, const std::vector<Bounds>& candidates, ArrowDirection direction);

}  // namespace tavrin
