// The tab order of a dialog's components is the order of their code: the
// field lines in the type and the statements in the constructor, since
// the program creates its controls in that order. Reordering rewrites those
// lines in the new order, in the places the components' lines hold now.
#pragma once

#include <cstddef>
#include <vector>

#include "editor/line_document.h"

namespace tavrin {

// Puts the lines of the objects (each line tagged with one of them) in the
// order given: field lines ("<name> as <class>") take the places of the
// field lines, and each object's other lines, kept together, the places of
// the other lines. Lines of other objects and untagged lines stay where
// they are. Objects without lines are passed over.
void ReorderComponentLines(LineDocument& doc, const std::vector<LineTag>& order);

// Indexes of items in the order given, except that an item placed before
// the item it lies in (parentOf: the index of each item's parent, or -1)
// moves to right after that one, with what it holds: the program creates a
// component after the one that holds it. Siblings keep their order.
std::vector<size_t> ParentsBeforeChildren(const std::vector<int>& parentOf);

// Indexes of the items with the chosen ones moved before all others (toFront)
// or after them, each group keeping its order: the first created lies on top.
std::vector<size_t> ChosenToFrontOrBack(const std::vector<bool>& chosen, bool toFront);

}  // namespace tavrin
