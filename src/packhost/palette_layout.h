// Where the buttons of a palette page stand: wrapping rows of 28-pixel cells.
// The arrow button keeps the first cell; the class buttons follow in creation
// order, a new row starting whenever the next cell would run past the page's
// right edge, so no cell is ever cut off at the side. Cells and margin are given for 96 dots per inch and scale with
// the palette's resolution.
#pragma once

#include <cstddef>
#include <vector>

namespace tavrin {

inline constexpr int kPaletteCell = 28;    // width and height of one button cell
inline constexpr int kPaletteMargin = 4;   // left and top margin of the first cell

struct PalettePoint {
    int x = 0;
    int y = 0;
    bool operator==(const PalettePoint&) const = default;
};

// A cell's width and height, and the margin, at a resolution.
int PaletteCellSize(int dpi = 96);
int PaletteMarginSize(int dpi = 96);

// The arrow button's place: the first cell.
PalettePoint ArrowButtonPosition(int dpi = 96);

// The places of count class buttons on a page whose client area is
// clientWidth pixels wide.
std::vector<PalettePoint> ClassButtonPositions(std::size_t count, int clientWidth, int dpi = 96);

// The height a page needs to show the arrow and count class buttons whole:
// the bottom edge of the lowest cell.
int PaletteContentHeight(std::size_t count, int clientWidth, int dpi = 96);

}  // namespace tavrin
