#include "editor/super_edit.h"

#include <Scintilla.h>

#include <algorithm>
#include <cstdio>

namespace tavrin {

COLORREF ResolveColour(std::uint32_t colour) {
    if ((colour & 0xFF000000u) == 0xFF000000u) return GetSysColor(static_cast<int>(colour & 0xFF));
    return colour & 0x00FFFFFFu;
}

TELSuperEdit::~TELSuperEdit() {
    // Errors go from the last to the first, then the images.
    while (!errors_.empty()) errors_.pop_back();
    images_.clear();
}

void TELSuperEdit::CreateEdit(HWND parent, int id) {
    Create(parent, id);
    Call(SCI_MARKERDEFINE, kTagMarker, SC_MARK_EMPTY);
    Call(SCI_MARKERDEFINE, kMessageMarker, SC_MARK_SHORTARROW);
    Call(SCI_MARKERSETBACK, kMessageMarker, RGB(255, 0, 0));
    Call(SCI_MARKERDEFINE, kBookmarkMarker, SC_MARK_BOOKMARK);
    Call(SCI_MARKERSETBACK, kBookmarkMarker, RGB(0, 0, 255));
    for (int i = 0; i < kColourSlots; ++i) {
        Call(SCI_MARKERDEFINE, kFirstColourMarker + i, SC_MARK_BACKGROUND);
        Call(SCI_INDICSETSTYLE, kFirstColourIndicator + i, INDIC_TEXTFORE);
    }
    LoadBookmarkImages();
    // Line numbers in margin 0, glyphs in margin 1.
    Call(SCI_SETMARGINTYPEN, 0, SC_MARGIN_NUMBER);
    Call(SCI_SETMARGINMASKN, 0, 0);
    Call(SCI_SETMARGINWIDTHN, 0, 40);
    Call(SCI_SETMARGINTYPEN, kSymbolMargin, SC_MARGIN_SYMBOL);
    Call(SCI_SETMARGINMASKN, kSymbolMargin, (1 << kMessageMarker) | (1 << kBookmarkMarker));
    Call(SCI_SETMARGINWIDTHN, kSymbolMargin, 16);
    Call(SCI_SETMARGINSENSITIVEN, kSymbolMargin, 1);
}

void TELSuperEdit::LoadBookmarkImages() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    for (int n = 1; n <= 8; ++n) {
        char name[16];
        snprintf(name, sizeof(name), "bitmap%d", n);
        if (!FindResourceA(instance, name, MAKEINTRESOURCEA(2) /* RT_BITMAP */)) continue;
        HBITMAP bitmap = static_cast<HBITMAP>(LoadImageA(instance, name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        if (!bitmap) continue;
        BITMAP info{};
        GetObjectA(bitmap, sizeof(info), &info);
        Image image;
        image.width = info.bmWidth;
        image.height = std::abs(info.bmHeight);
        BITMAPINFO header{};
        header.bmiHeader.biSize = sizeof(header.bmiHeader);
        header.bmiHeader.biWidth = image.width;
        header.bmiHeader.biHeight = -image.height;
        header.bmiHeader.biPlanes = 1;
        header.bmiHeader.biBitCount = 32;
        std::vector<unsigned char> bgra(static_cast<size_t>(image.width) * image.height * 4);
        HDC dc = GetDC(nullptr);
        int rows = GetDIBits(dc, bitmap, 0, image.height, bgra.data(), &header, DIB_RGB_COLORS);
        ReleaseDC(nullptr, dc);
        DeleteObject(bitmap);
        if (rows != image.height || bgra.empty()) continue;
        // The top-left pixel's colour is transparent.
        unsigned char tb = bgra[0], tg = bgra[1], tr = bgra[2];
        image.rgba.resize(bgra.size());
        for (size_t i = 0; i < bgra.size(); i += 4) {
            image.rgba[i] = bgra[i + 2];
            image.rgba[i + 1] = bgra[i + 1];
            image.rgba[i + 2] = bgra[i];
            bool transparent = bgra[i] == tb && bgra[i + 1] == tg && bgra[i + 2] == tr;
            image.rgba[i + 3] = transparent ? 0 : 255;
        }
        images_.push_back(std::move(image));
    }
    // With images, the message mark and the bookmark show the first two.
    for (int i = 0; i < std::min<int>(2, static_cast<int>(images_.size())); ++i) {
        const Image& image = images_[static_cast<size_t>(i)];
        Call(SCI_RGBAIMAGESETWIDTH, image.width);
        Call(SCI_RGBAIMAGESETHEIGHT, image.height);
        Call(SCI_MARKERDEFINERGBAIMAGE, i == 0 ? kMessageMarker : kBookmarkMarker,
             reinterpret_cast<LPARAM>(image.rgba.data()));
    }
}

void TELSuperEdit::AddError(std::unique_ptr<TError> error) {
    if (!error) return;
    errors_.push_back(std::move(error));
    RefreshErrorColours();
}

TError* TELSuperEdit::Errors(int index) const {
    if (index < 0 || index >= ErrorCount()) return nullptr;
    return errors_[static_cast<size_t>(index)].get();
}

void TELSuperEdit::DeleteErrors() {
    while (!errors_.empty()) errors_.pop_back();
    Call(SCI_MARKERDELETEALL, kMessageMarker);
    Call(SCI_MARKERDELETEALL, kBookmarkMarker);
    ClearErrorColours();
    InvalidateRect(Handle(), nullptr, TRUE);
}

void TELSuperEdit::AddGutterMark(int line) {
    if (line >= 0) Call(SCI_MARKERADD, line, kMessageMarker);
}

void TELSuperEdit::ToggleBookmark(int line) {
    if (Call(SCI_MARKERGET, line) & (1 << kBookmarkMarker)) Call(SCI_MARKERDELETE, line, kBookmarkMarker);
    else Call(SCI_MARKERADD, line, kBookmarkMarker);
}

int TELSuperEdit::GutterMarkCount() const {
    int count = 0;
    int mask = (1 << kMessageMarker) | (1 << kBookmarkMarker);
    for (LRESULT line = Call(SCI_MARKERNEXT, 0, mask); line >= 0; line = Call(SCI_MARKERNEXT, line + 1, mask))
        ++count;
    return count;
}

void TELSuperEdit::ClearErrorColours() {
    for (int i = 0; i < kColourSlots; ++i) {
        Call(SCI_MARKERDELETEALL, kFirstColourMarker + i);
        Call(SCI_SETINDICATORCURRENT, kFirstColourIndicator + i);
        Call(SCI_INDICATORCLEARRANGE, 0, Call(SCI_GETLENGTH));
    }
    backgroundSlots_.clear();
    foregroundSlots_.clear();
}

void TELSuperEdit::RefreshErrorColours() {
    if (!Handle()) return;
    ClearErrorColours();
    ApplyErrorColours();
    InvalidateRect(Handle(), nullptr, TRUE);
}

namespace {

// The slot holding colour, a new slot, or (all taken) the last one recoloured.
int SlotFor(std::vector<COLORREF>& slots, COLORREF colour, int capacity) {
    auto found = std::find(slots.begin(), slots.end(), colour);
    if (found != slots.end()) return static_cast<int>(found - slots.begin());
    if (static_cast<int>(slots.size()) < capacity) {
        slots.push_back(colour);
        return static_cast<int>(slots.size()) - 1;
    }
    slots.back() = colour;
    return capacity - 1;
}

}  // namespace

void TELSuperEdit::ApplyErrorColours() {
    int lineCount = static_cast<int>(Call(SCI_GETLINECOUNT));
    std::vector<int> lines;
    for (const auto& error : errors_)
        if (error->Line >= 1 && error->Line <= lineCount) lines.push_back(error->Line);
    std::sort(lines.begin(), lines.end());
    lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
    for (int line : lines) {
        std::optional<LineColours> colours = ColoursOfLine(errors_, line);
        if (!colours) continue;
        int zeroBased = line - 1;
        COLORREF background = ResolveColour(colours->background);
        COLORREF foreground = ResolveColour(colours->foreground);
        int back = SlotFor(backgroundSlots_, background, kColourSlots);
        Call(SCI_MARKERSETBACK, kFirstColourMarker + back, background);
        Call(SCI_MARKERADD, zeroBased, kFirstColourMarker + back);
        int fore = SlotFor(foregroundSlots_, foreground, kColourSlots);
        Call(SCI_INDICSETFORE, kFirstColourIndicator + fore, foreground);
        LRESULT start = Call(SCI_POSITIONFROMLINE, zeroBased);
        LRESULT end = Call(SCI_GETLINEENDPOSITION, zeroBased);
        Call(SCI_SETINDICATORCURRENT, kFirstColourIndicator + fore);
        if (end > start) Call(SCI_INDICATORFILLRANGE, start, end - start);
    }
}

bool TELSuperEdit::MarkedColours(int line, COLORREF& foreground, COLORREF& background) const {
    LRESULT markers = Call(SCI_MARKERGET, line);
    bool marked = false;
    for (int i = 0; i < kColourSlots; ++i) {
        if (markers & (1 << (kFirstColourMarker + i))) {
            if (i < static_cast<int>(backgroundSlots_.size())) background = backgroundSlots_[static_cast<size_t>(i)];
            marked = true;
        }
    }
    LRESULT start = Call(SCI_POSITIONFROMLINE, line);
    for (int i = 0; i < kColourSlots; ++i) {
        if (Call(SCI_INDICATORVALUEAT, kFirstColourIndicator + i, start)) {
            foreground = static_cast<COLORREF>(Call(SCI_INDICGETFORE, kFirstColourIndicator + i));
            marked = true;
        }
    }
    return marked;
}

}  // namespace tavrin
