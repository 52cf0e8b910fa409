// The pictures of the palette's buttons: glyph bitmaps loaded from files, the
// workbench's "null" bitmap for arrow buttons, and the pictures drawn in their
// place when a class has no glyph file (or the file is no bitmap).
#pragma once

#include <windows.h>

#include <string>

namespace tavrin {

// An owned bitmap handle.
class GlyphBitmap {
public:
    GlyphBitmap() = default;
    explicit GlyphBitmap(HBITMAP bitmap) : bitmap_(bitmap) {}
    ~GlyphBitmap() { Reset(); }
    GlyphBitmap(GlyphBitmap&& other) noexcept : bitmap_(other.bitmap_) { other.bitmap_ = nullptr; }
    GlyphBitmap& operator=(GlyphBitmap&& other) noexcept;
    GlyphBitmap(const GlyphBitmap&) = delete;
    GlyphBitmap& operator=(const GlyphBitmap&) = delete;

    HBITMAP Get() const { return bitmap_; }
    explicit operator bool() const { return bitmap_ != nullptr; }
    void Reset();

private:
    HBITMAP bitmap_ = nullptr;
};

// The size of the palette glyphs drawn for a resolution: 24 pixels at 96
// dots per inch; 32 and 48 pixel versions for larger scales.
int PaletteGlyphSize(int dpi);
// Where the version of a glyph file drawn at size pixels stands: a folder
// named after the size beside the file ("controls\32\QButton.bmp");
// the file itself at 24 pixels.
std::string SizedGlyphFile(const std::string& file, int size);

// The bitmap of a glyph file; empty when the file is missing or no bitmap.
// With a size, its version drawn at that size when one exists.
GlyphBitmap LoadGlyphFile(const std::string& file, int size = 24);
// The workbench's bitmap resource "null" at 96 dots per inch; empty when the
// program has none, and at larger scales (the pointer is drawn for the size).
GlyphBitmap LoadArrowGlyph(int dpi = 96);

// Draws the bitmap centred in the rectangle; the colour of its bottom-left
// pixel is transparent.
void DrawGlyph(HDC dc, HBITMAP bitmap, const RECT& area);
// What stands for a missing glyph: the class name's first letters after its
// "Q" in a small frame, or an arrow for the arrow button; drawn for the resolution.
void DrawFallbackGlyph(HDC dc, const std::string& className, bool arrow, const RECT& area, int dpi = 96);

}  // namespace tavrin
