// Where a pop-up list opened at a text line (the completion box) goes on the
// screen: below the line when it fits there, above it when it does not, and
// always wholly inside the monitor's work area.
#pragma once

namespace tavrin {

struct ScreenBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const ScreenBox&) const = default;
};

// The line spans lineTop..lineBottom on the screen and the list wants to start
// at x; width and height are the list's size. A list larger than the work area
// is shrunk to it.
ScreenBox PlaceBelowLine(int x, int lineTop, int lineBottom, int width, int height, const ScreenBox& workArea);

}  // namespace tavrin
