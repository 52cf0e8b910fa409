// The tagged line document over a code page's Scintilla control. Each tag is
// an invisible marker on its line, so Scintilla moves it with the line; the
// editor reports every deletion beforehand (BeforeDelete) so that the tags of
// lines that vanish go with them instead of sliding onto a neighbour.
//
// Which lines vanish when text from p to q is deleted: when both ends lie at
// line starts, the whole lines from p's line up to (not including) q's line;
// otherwise the lines after p's line up to q's line, whose rest is joined onto
// p's line (which keeps its own tag).
#pragma once

#include <unordered_map>

#include "editor/line_document.h"
#include "editor/scintilla_view.h"

namespace tavrin {

class ScintillaLineDocument : public LineDocument {
public:
    ScintillaLineDocument(ScintillaView& view, int tagMarker) : view_(view), marker_(tagMarker) {}

    int LineCount() const override { return view_.LineCount(); }
    std::string Line(int index) const override;
    LineTag Tag(int index) const override;
    void SetTag(int index, LineTag tag) override;
    std::string Text() const override { return view_.Text(); }
    void SetText(std::string_view text) override;
    void InsertLine(int index, std::string_view text, LineTag tag = nullptr) override;
    void DeleteLine(int index) override;
    void SetLine(int index, std::string_view text) override;

    // From the editor's modification notice, before the text goes.
    void BeforeDelete(long long position, long long length);
    // The line end new lines get ("\r\n", "\n" or "\r").
    void SetLineEnd(std::string lineEnd) { lineEnd_ = std::move(lineEnd); }
    size_t TagCount() const { return tags_.size(); }

private:
    bool Valid(int index) const { return index >= 0 && index < LineCount(); }
    int HandleOn(int line) const;
    void DropTagsOfLines(long long first, long long last);

    ScintillaView& view_;
    int marker_;
    std::string lineEnd_ = "\r\n";
    std::unordered_map<int, LineTag> tags_;  // marker handle -> tag
};

}  // namespace tavrin
