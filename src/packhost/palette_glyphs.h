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

// The bitmap of a glyph file; empty when the file is missing or no bitmap.
GlyphBitmap LoadGlyphFile(const std::string& file);
// The workbench's bitmap resource "null"; empty when the program has none.
GlyphBitmap LoadArrowGlyph();

// Draws the bitmap centred in the rectangle; the colour of its bottom-left
// pixel is transparent.
void DrawGlyph(HDC dc, HBITMAP bitmap, const RECT& area);
// What stands for a missing glyph: the class name's first letters after its
// "Q" in a small frame, or an arrow for the arrow button.
void DrawFallbackGlyph(HDC dc, const std::string& className, bool arrow, const RECT& area);

}  // namespace tavrin
