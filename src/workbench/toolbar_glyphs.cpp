#include "workbench/toolbar_glyphs.h"

#include <windows.h>

#include <algorithm>
#include <map>

#include "common/dpi_units.h"
#include "workbench/main_window.h"

namespace tavrin {

namespace {

// The grid the glyphs are drawn on; larger glyphs draw the same shapes on a
// finer grid, with lines and letters as thick as the scale asks.
constexpr int kGrid = 16;

class Painter {
public:
    Painter(HDC dc, int size) : dc_(dc), size_(size), pen_(std::max(1, (size + kGrid / 2) / kGrid)) {}
    void Box(int x0, int y0, int x1, int y1, COLORREF fill, COLORREF line = RGB(40, 40, 40)) {
        HBRUSH brush = CreateSolidBrush(fill);
        HPEN pen = CreatePen(pen_ > 1 ? PS_INSIDEFRAME : PS_SOLID, pen_, line);
        HGDIOBJ oldBrush = SelectObject(dc_, brush);
        HGDIOBJ oldPen = SelectObject(dc_, pen);
        Rectangle(dc_, At(x0), At(y0), At(x1), At(y1));
        SelectObject(dc_, oldBrush);
        SelectObject(dc_, oldPen);
        DeleteObject(brush);
        DeleteObject(pen);
    }
    void Polygon(const POINT* points, int count, COLORREF fill, COLORREF line = RGB(40, 40, 40)) {
        HBRUSH brush = CreateSolidBrush(fill);
        HPEN pen = CreatePen(PS_SOLID, pen_, line);
        HGDIOBJ oldBrush = SelectObject(dc_, brush);
        HGDIOBJ oldPen = SelectObject(dc_, pen);
        POINT scaled[8];
        count = std::min(count, 8);
        for (int i = 0; i < count; ++i) scaled[i] = POINT{At(points[i].x), At(points[i].y)};
        ::Polygon(dc_, scaled, count);
        SelectObject(dc_, oldBrush);
        SelectObject(dc_, oldPen);
        DeleteObject(brush);
        DeleteObject(pen);
    }
    void Line(int x0, int y0, int x1, int y1, COLORREF color) {
        HPEN pen = CreatePen(PS_SOLID, pen_, color);
        HGDIOBJ old = SelectObject(dc_, pen);
        MoveToEx(dc_, At(x0), At(y0), nullptr);
        LineTo(dc_, At(x1), At(y1));
        SelectObject(dc_, old);
        DeleteObject(pen);
    }
    void Text(const char* text, COLORREF color, int x, int y, int height = 14) {
        HFONT font = CreateFontA(-At(height), 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0,
                                 ANTIALIASED_QUALITY, 0, "Arial");
        HGDIOBJ old = SelectObject(dc_, font);
        SetBkMode(dc_, TRANSPARENT);
        SetTextColor(dc_, color);
        TextOutA(dc_, At(x), At(y), text, lstrlenA(text));
        SelectObject(dc_, old);
        DeleteObject(font);
    }

private:
    // A coordinate of the 16-pixel grid on the glyph's own grid.
    int At(int v) const { return (v * size_ + kGrid / 2) / kGrid; }

    HDC dc_;
    int size_;
    int pen_;  // line width
};

void Page(Painter& p, int dx = 0, int dy = 0) {
    POINT sheet[] = {{3 + dx, 1 + dy}, {10 + dx, 1 + dy}, {13 + dx, 4 + dy}, {13 + dx, 14 + dy}, {3 + dx, 14 + dy}};
    p.Polygon(sheet, 5, RGB(255, 255, 255));
}

void Floppy(Painter& p, int x, int y, COLORREF body) {
    p.Box(x, y, x + 12, y + 12, body);
    p.Box(x + 3, y, x + 9, y + 5, RGB(230, 230, 230));
    p.Box(x + 2, y + 7, x + 10, y + 12, RGB(255, 255, 255));
}

void DrawGlyph(Painter& p, int glyph) {
    switch (glyph) {
    case glyphNew:
        Page(p);
        p.Line(5, 6, 11, 6, RGB(120, 120, 120));
        p.Line(5, 9, 11, 9, RGB(120, 120, 120));
        break;
    case glyphOpen: {
        POINT back[] = {{1, 3}, {6, 3}, {7, 5}, {13, 5}, {13, 13}, {1, 13}};
        p.Polygon(back, 6, RGB(230, 190, 60));
        POINT front[] = {{3, 7}, {15, 7}, {13, 13}, {1, 13}};
        p.Polygon(front, 4, RGB(250, 215, 100));
        break;
    }
    case glyphSave: Floppy(p, 2, 2, RGB(40, 90, 180)); break;
    case glyphSaveAs:
        Floppy(p, 1, 3, RGB(40, 90, 180));
        p.Line(9, 13, 15, 7, RGB(200, 40, 40));
        p.Line(10, 13, 15, 8, RGB(200, 40, 40));
        break;
    case glyphSaveAll:
        Floppy(p, 4, 0, RGB(70, 120, 200));
        Floppy(p, 1, 4, RGB(40, 90, 180));
        break;
    case glyphSettings:
        p.Box(2, 2, 14, 14, RGB(170, 170, 170));
        p.Box(5, 5, 11, 11, RGB(240, 240, 240));
        break;
    case glyphHelp:
        p.Box(1, 1, 15, 15, RGB(40, 110, 200), RGB(40, 110, 200));
        p.Text("?", RGB(255, 255, 255), 4, 0);
        break;
    case glyphNewDialog:
        p.Box(1, 2, 15, 14, RGB(255, 255, 255));
        p.Box(1, 2, 15, 5, RGB(40, 90, 180));
        p.Box(9, 9, 13, 12, RGB(210, 210, 210));
        break;
    case glyphNewCode:
        Page(p);
        p.Text("B", RGB(0, 120, 0), 5, 2, 11);
        break;
    case glyphUnits:
        for (int i = 0; i < 3; ++i) {
            p.Box(1, 2 + i * 4, 4, 5 + i * 4, RGB(40, 90, 180));
            p.Line(6, 3 + i * 4, 15, 3 + i * 4, RGB(60, 60, 60));
        }
        break;
    case glyphResources:
        p.Box(1, 2, 15, 14, RGB(150, 200, 255));
        {
            POINT hill[] = {{2, 13}, {7, 7}, {10, 10}, {12, 8}, {14, 13}};
            p.Polygon(hill, 5, RGB(60, 150, 60), RGB(60, 150, 60));
        }
        break;
    case glyphCompileRun: {
        POINT play[] = {{4, 2}, {13, 8}, {4, 14}};
        p.Polygon(play, 3, RGB(40, 170, 60), RGB(20, 110, 40));
        break;
    }
    case glyphReset: p.Box(3, 3, 13, 13, RGB(210, 40, 40), RGB(140, 20, 20)); break;
    case glyphDebug:
        p.Box(4, 4, 12, 14, RGB(120, 80, 40));
        p.Line(1, 6, 4, 7, RGB(40, 40, 40));
        p.Line(12, 7, 15, 6, RGB(40, 40, 40));
        p.Line(1, 12, 4, 11, RGB(40, 40, 40));
        p.Line(12, 11, 15, 12, RGB(40, 40, 40));
        p.Box(6, 1, 10, 4, RGB(80, 50, 20));
        break;
    }
}

}  // namespace

int ToolbarGlyphSize(int dpi) { return PictureSizeForDpi(kGrid, dpi, {16, 24, 32}); }

HIMAGELIST ToolbarImages(int size) {
    static std::map<int, HIMAGELIST> lists;
    HIMAGELIST& images = lists[size];
    if (images) return images;
    images = [kSize = size] {
        HIMAGELIST list = ImageList_Create(kSize, kSize, ILC_COLOR24 | ILC_MASK, glyphCount, 0);
        HDC screen = GetDC(nullptr);
        HDC dc = CreateCompatibleDC(screen);
        const COLORREF transparent = RGB(255, 0, 255);
        for (int glyph = 0; glyph < glyphCount; ++glyph) {
            HBITMAP bitmap = CreateCompatibleBitmap(screen, kSize, kSize);
            HGDIOBJ old = SelectObject(dc, bitmap);
            HBRUSH background = CreateSolidBrush(transparent);
            RECT all{0, 0, kSize, kSize};
            FillRect(dc, &all, background);
            DeleteObject(background);
            Painter painter(dc, kSize);
            DrawGlyph(painter, glyph);
            SelectObject(dc, old);
            ImageList_AddMasked(list, bitmap, transparent);
            DeleteObject(bitmap);
        }
        DeleteDC(dc);
        ReleaseDC(nullptr, screen);
        return list;
    }();
    return images;
}

const char* ToolbarHint(int command) {
    switch (command) {
    case cmdNew: return "New";
    case cmdOpenToolbar: return "Open";
    case cmdSave: return "Save";
    case cmdSaveAs: return "Save As";
    case cmdSaveAll: return "Save All";
    case cmdSettings: return "Settings";
    case cmdHelps: return "Help";
    case cmdNewDialog: return "New Dialog";
    case cmdNewCode: return "New Code";
    case cmdViewCodeModules: return "Code Modules";
    case cmdViewResources: return "Resources";
    case cmdCompileAndRun: return "Compile and Run (F9)";
    case cmdResetProgram: return "Reset Program (Ctrl+F9)";
    case cmdRunWithDebugger: return "Run with Debugger";
    }
    return "";
}

}  // namespace tavrin
