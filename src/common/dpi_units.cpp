#include "common/dpi_units.h"

#include <cstdint>

namespace tavrin {

namespace {

// value × numerator / denominator in 64 bits, rounded half away from zero.
int MulDivRounded(int value, int numerator, int denominator) {
    std::int64_t product = static_cast<std::int64_t>(value) * numerator;
    std::int64_t half = denominator / 2;
    std::int64_t result = product >= 0 ? (product + half) / denominator : (product - half) / denominator;
    return static_cast<int>(result);
}

int UsableDpi(int dpi) { return dpi > 0 ? dpi : kBaseDpi; }

}  // namespace

int ScaleToDpi(int pixels, int dpi) { return MulDivRounded(pixels, UsableDpi(dpi), kBaseDpi); }

int UnscaleFromDpi(int pixels, int dpi) { return MulDivRounded(pixels, kBaseDpi, UsableDpi(dpi)); }

int PictureSizeForDpi(int baseSize, int dpi, std::initializer_list<int> sizes) {
    if (sizes.size() == 0) return baseSize;
    int wanted = ScaleToDpi(baseSize, dpi);
    int chosen = *sizes.begin();
    for (int size : sizes)
        if (size <= wanted) chosen = size;
    return chosen;
}

}  // namespace tavrin
