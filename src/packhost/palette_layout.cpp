#include "packhost/palette_layout.h"

#include <algorithm>

#include "common/dpi_units.h"

namespace tavrin {

int PaletteCellSize(int dpi) { return ScaleToDpi(kPaletteCell, dpi); }

int PaletteMarginSize(int dpi) { return ScaleToDpi(kPaletteMargin, dpi); }

PalettePoint ArrowButtonPosition(int dpi) {
    int margin = PaletteMarginSize(dpi);
    return {margin, margin};
}

std::vector<PalettePoint> ClassButtonPositions(std::size_t count, int clientWidth, int dpi) {
    const int cell = PaletteCellSize(dpi), margin = PaletteMarginSize(dpi);
    std::vector<PalettePoint> positions;
    positions.reserve(count);
    int x = margin;
    int rowTop = margin;
    for (std::size_t i = 0; i < count; ++i) {
        x += cell;
        if (x >= clientWidth) {
            x = margin;
            rowTop += cell;
        }
        positions.push_back({x, rowTop});
    }
    return positions;
}

int PaletteContentHeight(std::size_t count, int clientWidth, int dpi) {
    const int cell = PaletteCellSize(dpi);
    int bottom = ArrowButtonPosition(dpi).y + cell;
    for (const PalettePoint& at : ClassButtonPositions(count, clientWidth, dpi)) bottom = std::max(bottom, at.y + cell);
    return bottom;
}

}  // namespace tavrin
