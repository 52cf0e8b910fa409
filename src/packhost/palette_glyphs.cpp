#include "packhost/palette_glyphs.h"

#include "common/dpi_units.h"

#include <algorithm>

namespace tavrin {

GlyphBitmap& GlyphBitmap::operator=(GlyphBitmap&& other) noexcept {
    if (this != &other) {
        Reset();
        bitmap_ = other.bitmap_;
        other.bitmap_ = nullptr;
    }
    return *this;
}

void GlyphBitmap::Reset() {
    if (bitmap_) DeleteObject(bitmap_);
    bitmap_ = nullptr;
}

namespace {

constexpr int kBaseGlyphSize = 24;

GlyphBitmap LoadBitmapFile(const std::string& file) {
    if (file.empty()) return {};
    return GlyphBitmap(static_cast<HBITMAP>(
        LoadImageA(nullptr, file.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
}

}  // namespace

int PaletteGlyphSize(int dpi) { return PictureSizeForDpi(kBaseGlyphSize, dpi, {24, 32, 48}); }

std::string SizedGlyphFile(const std::string& file, int size) {
    if (size == kBaseGlyphSize) return file;
    std::size_t slash = file.find_last_of("\\/");
    std::string folder = slash == std::string::npos ? std::string() : file.substr(0, slash + 1);
    std::string name = slash == std::string::npos ? file : file.substr(slash + 1);
    return folder + std::to_string(size) + "\\" + name;
}

GlyphBitmap LoadGlyphFile(const std::string& file, int size) {
    if (file.empty()) return {};
    if (size != kBaseGlyphSize)
        if (GlyphBitmap sized = LoadBitmapFile(SizedGlyphFile(file, size))) return sized;
    return LoadBitmapFile(file);
}

GlyphBitmap LoadArrowGlyph(int dpi) {
    if (ScaleToDpi(16, dpi) > 16) return {};
    return GlyphBitmap(static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), "null", IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

namespace {

// A memory device context with one object selected, released in reverse order.
class SelectedDC {
public:
    SelectedDC(HDC like, HGDIOBJ object) : dc_(CreateCompatibleDC(like)), old_(SelectObject(dc_, object)) {}
    ~SelectedDC() {
        SelectObject(dc_, old_);
        DeleteDC(dc_);
    }
    SelectedDC(const SelectedDC&) = delete;
    SelectedDC& operator=(const SelectedDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HDC dc_;
    HGDIOBJ old_;
};

// An owned pen or brush, selected into a device context for its lifetime.
class SelectedTool {
public:
    SelectedTool(HDC dc, HGDIOBJ tool) : dc_(dc), tool_(tool), old_(SelectObject(dc, tool)) {}
    ~SelectedTool() {
        SelectObject(dc_, old_);
        DeleteObject(tool_);
    }
    SelectedTool(const SelectedTool&) = delete;
    SelectedTool& operator=(const SelectedTool&) = delete;

private:
    HDC dc_;
    HGDIOBJ tool_;
    HGDIOBJ old_;
};

std::string Initials(const std::string& className) {
    std::string name = className;
    if (name.size() > 1 && (name[0] == 'Q' || name[0] == 'q')) name.erase(0, 1);
    return name.substr(0, 2);
}

}  // namespace

void DrawGlyph(HDC dc, HBITMAP bitmap, const RECT& area) {
    BITMAP info{};
    if (!GetObjectA(bitmap, sizeof info, &info)) return;
    SelectedDC source(dc, bitmap);
    COLORREF transparent = GetPixel(source.Get(), 0, info.bmHeight - 1);
    int x = area.left + (area.right - area.left - info.bmWidth) / 2;
    int y = area.top + (area.bottom - area.top - info.bmHeight) / 2;
    TransparentBlt(dc, x, y, info.bmWidth, info.bmHeight, source.Get(), 0, 0, info.bmWidth, info.bmHeight,
                   transparent);
}

void DrawFallbackGlyph(HDC dc, const std::string& className, bool arrow, const RECT& area, int dpi) {
    int cx = (area.left + area.right) / 2, cy = (area.top + area.bottom) / 2;
    auto s = [dpi](int pixels) { return ScaleToDpi(pixels, dpi); };
    const int line = std::max(1, s(1));
    if (arrow) {
        // A mouse pointer: "nothing to place, just select".
        POINT pointer[] = {{cx - s(4), cy - s(8)}, {cx - s(4), cy + s(6)}, {cx - s(1), cy + s(3)},
                           {cx + s(2), cy + s(9)}, {cx + s(4), cy + s(8)}, {cx + s(1), cy + s(2)},
                           {cx + s(5), cy + s(2)}};
        SelectedTool brush(dc, CreateSolidBrush(RGB(255, 255, 255)));
        SelectedTool pen(dc, CreatePen(PS_SOLID, line, RGB(0, 0, 0)));
        Polygon(dc, pointer, static_cast<int>(sizeof pointer / sizeof pointer[0]));
        return;
    }
    RECT frame{cx - s(11), cy - s(11), cx + s(11), cy + s(11)};
    {
        SelectedTool brush(dc, CreateSolidBrush(RGB(255, 255, 240)));
        SelectedTool pen(dc, CreatePen(PS_SOLID, line, RGB(90, 90, 120)));
        Rectangle(dc, frame.left, frame.top, frame.right, frame.bottom);
    }
    HFONT font = CreateFontA(-s(11), 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, DEFAULT_QUALITY, 0, "Tahoma");
    HGDIOBJ oldFont = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(20, 40, 140));
    std::string initials = Initials(className);
    DrawTextA(dc, initials.c_str(), static_cast<int>(initials.size()), &frame,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, oldFont);
    DeleteObject(font);
}

}  // namespace tavrin
