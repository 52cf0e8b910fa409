#include "packhost/palette_layout.h"

namespace tavrin {

PalettePoint ArrowButtonPosition() {
    return {kPaletteMargin, kPaletteMargin};
}

std::vector<PalettePoint> ClassButtonPositions(std::size_t count, int clientWidth) {
    std::vector<PalettePoint> positions;
    positions.reserve(count);
    int x = kPaletteMargin;
    int rowTop = kPaletteMargin;
    for (std::size_t i = 0; i < count; ++i) {
        x += kPaletteCell;
        if (x >= clientWidth) {
            x = kPaletteMargin;
            rowTop += kPaletteCell;
        }
        positions.push_back({x, rowTop});
    }
    return positions;
}

}  // namespace tavrin
