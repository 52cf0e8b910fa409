// Pixel sizes laid out for 96 dots per inch, scaled to the resolution of a
// display, and the choice among pictures drawn at a few fixed sizes.
#pragma once

#include <initializer_list>

namespace tavrin {

// The resolution every fixed size of the workbench is given for (100 %).
inline constexpr int kBaseDpi = 96;

// pixels × dpi / 96, rounded to the nearest pixel (halves away from zero):
// 119 gives 179 at 144 dots per inch and 238 at 192. A resolution that is
// not positive counts as 96.
int ScaleToDpi(int pixels, int dpi);

// The inverse: a size at dpi back to its 96-dots-per-inch value (rounded).
int UnscaleFromDpi(int pixels, int dpi);

// Of pictures drawn at the given sizes (ascending), the largest that is not
// larger than baseSize scaled to dpi; the smallest when all are larger.
// Toolbar glyphs (16, 24, 32): 16 at 96 and 120, 24 at 144, 32 at 192 and above.
int PictureSizeForDpi(int baseSize, int dpi, std::initializer_list<int> sizes);

}  // namespace tavrin
