#include "editor/popup_placement.h"

#include <algorithm>

namespace tavrin {

namespace {

// A start along one axis that keeps length inside first..last (length already fits).
int KeepInside(int start, int length, int first, int last) { return std::clamp(start, first, last - length); }

}  // namespace

ScreenBox PlaceBelowLine(int x, int lineTop, int lineBottom, int width, int height, const ScreenBox& workArea) {
    width = std::max(0, std::min(width, workArea.right - workArea.left));
    height = std::max(0, std::min(height, workArea.bottom - workArea.top));
    int left = KeepInside(x, width, workArea.left, workArea.right);
    int top = lineBottom;
    if (lineBottom + height > workArea.bottom) {
        // No room below: above the line when there is room there, else on the
        // side with more room, pushed inside the area.
        bool roomAbove = lineTop - height >= workArea.top;
        bool moreAbove = lineTop - workArea.top > workArea.bottom - lineBottom;
        top = roomAbove || moreAbove ? lineTop - height : lineBottom;
        top = KeepInside(top, height, workArea.top, workArea.bottom);
    }
    return {left, top, left + width, top + height};
}

}  // namespace tavrin
