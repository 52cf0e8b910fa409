// TELSuperEdit: the Scintilla control of a code page with the compiler's
// error records. Each record paints its line in its own colours (background
// marker plus a text-colour indicator over the line); the gutter shows the
// marks placed beside message lines and the user's bookmarks.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "editor/error_record.h"
#include "editor/scintilla_view.h"

namespace tavrin {

class TELSuperEdit : public ScintillaView {
public:
    // Marker numbers. The tag marker is invisible and never removed by DeleteErrors.
    static constexpr int kTagMarker = 0;
    static constexpr int kMessageMarker = 1;   // beside a compiler message's line
    static constexpr int kBookmarkMarker = 2;  // the user's bookmarks
    static constexpr int kFirstColourMarker = 8;
    static constexpr int kColourSlots = 12;
    static constexpr int kFirstColourIndicator = 8;
    static constexpr int kSymbolMargin = 1;

    TELSuperEdit() = default;
    ~TELSuperEdit();

    void CreateEdit(HWND parent, int id);

    // Appends the error (nothing for none) and repaints.
    void AddError(std::unique_ptr<TError> error);
    // Frees every error and every gutter mark (bookmarks too), then repaints.
    void DeleteErrors();
    int ErrorCount() const { return static_cast<int>(errors_.size()); }
    // The error at index, or null outside 0 .. ErrorCount() - 1.
    TError* Errors(int index) const;

    // Gutter marks (lines from 0).
    void AddGutterMark(int line);
    void ToggleBookmark(int line);
    // Number of lines carrying a gutter mark or bookmark.
    int GutterMarkCount() const;
    // Images found in the resources "bitmap1".."bitmap8".
    int BookmarkImageCount() const { return static_cast<int>(images_.size()); }

    // Repaints the error lines after text changes; errors keep their line numbers.
    void RefreshErrorColours();
    // The colour a line (from 0) is painted with, as set on the control: true
    // when the line is marked (for tests and diagnostics).
    bool MarkedColours(int line, COLORREF& foreground, COLORREF& background) const;

private:
    struct Image {
        int width = 0, height = 0;
        std::vector<unsigned char> rgba;
    };
    void LoadBookmarkImages();
    void ClearErrorColours();
    void ApplyErrorColours();

    std::vector<std::unique_ptr<TError>> errors_;
    std::vector<Image> images_;
    // Colours given to the marker / indicator slots by the last painting.
    std::vector<COLORREF> backgroundSlots_, foregroundSlots_;
};

// 0x00BBGGRR as is; 0xFF0000nn the system colour nn.
COLORREF ResolveColour(std::uint32_t colour);

}  // namespace tavrin
