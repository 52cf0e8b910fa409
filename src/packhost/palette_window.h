// The palette strip of the main window: a tab per palette page, and on each
// page the flat picture buttons of the page's classes. It owns the palette
// (TPaletteControl), shows every change of it and hands the user's clicks to
// the palette's buttons. A page whose rows do not fit the strip's height
// (many classes at a large scale) scrolls vertically.
#pragma once

#include <windows.h>

#include <map>
#include <vector>

#include "packhost/palette.h"
#include "packhost/palette_glyphs.h"

namespace tavrin {

class PaletteWindow final : public PaletteView {
public:
    PaletteWindow(HWND parent, int x, int y, int width, int height);
    ~PaletteWindow() override;
    PaletteWindow(const PaletteWindow&) = delete;
    PaletteWindow& operator=(const PaletteWindow&) = delete;

    TPaletteControl& Palette() { return palette_; }
    // The strip's own window (the main window moves it) and its tab control.
    HWND Handle() const { return handle_; }
    HWND Tabs() const { return tabs_; }
    HWND PageWindow(const TPalettePage& page) const;
    // Shows the buttons for a resolution (dots per inch): cells, offsets and
    // glyphs follow it.
    void SetDpi(int dpi);
    HWND ButtonWindow(const TPaletteButton& button) const;
    // How far the page's rows are scrolled up, in pixels (0 when they fit).
    int ScrollOffset(const TPalettePage& page) const;

    void PageAdded(TPalettePage& page) override;
    void PageRemoving(TPalettePage& page) override;
    void ButtonAdded(TPaletteButton& button) override;
    void ButtonRemoving(TPaletteButton& button) override;
    void ButtonChanged(TPaletteButton& button) override;
    void ActivePageChanged(TPalettePage* page) override;

private:
    struct ButtonWindowState {
        HWND window = nullptr;
        std::string glyphFile;  // the file the bitmap was loaded from
        int glyphSize = 0;      // the glyph size it was chosen for
        GlyphBitmap glyph;
    };

    static LRESULT CALLBACK StripProc(HWND window, UINT message, WPARAM wp, LPARAM lp);
    static LRESULT CALLBACK PageProc(HWND window, UINT message, WPARAM wp, LPARAM lp);
    LRESULT StripMessage(UINT message, WPARAM wp, LPARAM lp);
    LRESULT PageMessage(HWND page, UINT message, WPARAM wp, LPARAM lp);

    void Layout();
    RECT PageArea() const;
    int PageIndex(const TPalettePage* page) const;
    TPaletteButton* ButtonOf(HWND window) const;
    void CreateButtonWindow(TPaletteButton& button);
    void UpdateGlyph(ButtonWindowState& state, const TPaletteButton& button);
    void DrawButton(const DRAWITEMSTRUCT& item);
    int ButtonSize() const;
    // Narrows the page's rows by a scroll bar when they do not fit its height,
    // and sets the bar's range; ScrollPage moves the rows to a new offset.
    void FitPage(TPalettePage& page);
    void ScrollPage(TPalettePage& page, int offset);
    void PlaceButton(const TPaletteButton& button, HWND window);
    TPalettePage* PageOf(HWND window) const;

    TPaletteControl palette_;
    HWND handle_ = nullptr;
    HWND tabs_ = nullptr;
    HWND tooltip_ = nullptr;
    GlyphBitmap arrowGlyph_;
    std::vector<TPalettePage*> pageOrder_;  // in tab order
    std::map<const TPalettePage*, HWND> pages_;
    std::map<const TPaletteButton*, ButtonWindowState> buttons_;
    std::map<const TPalettePage*, int> scrollOffsets_;
    bool fitting_ = false;  // FitPage's own relayout must not fit again
};

}  // namespace tavrin
