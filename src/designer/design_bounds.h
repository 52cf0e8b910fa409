// The position and size of a design object: a dialog window's outer bounds on
// the screen, or a component's bounds inside its dialog's client area.
#pragma once

namespace tavrin {

struct Bounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int Right() const { return left + width; }
    int Bottom() const { return top + height; }
    bool operator==(const Bounds&) const = default;
};

}  // namespace tavrin
