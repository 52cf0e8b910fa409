#include "editor/scintilla_line_document.h"

#include <Scintilla.h>

namespace tavrin {

std::string ScintillaLineDocument::Line(int index) const {
    return Valid(index) ? view_.Line(index) : std::string();
}

int ScintillaLineDocument::HandleOn(int line) const {
    for (int which = 0;; ++which) {
        int handle = static_cast<int>(view_.Call(SCI_MARKERHANDLEFROMLINE, line, which));
        if (handle < 0) return -1;
        if (tags_.count(handle)) return handle;
    }
}

LineTag ScintillaLineDocument::Tag(int index) const {
    if (!Valid(index) || tags_.empty()) return nullptr;
    if (!(view_.Call(SCI_MARKERGET, index) & (1 << marker_))) return nullptr;
    int handle = HandleOn(index);
    return handle < 0 ? nullptr : tags_.at(handle);
}

void ScintillaLineDocument::SetTag(int index, LineTag tag) {
    if (!Valid(index)) return;
    if (int handle = HandleOn(index); handle >= 0) {
        view_.Call(SCI_MARKERDELETEHANDLE, handle);
        tags_.erase(handle);
    }
    if (!tag) return;
    int handle = static_cast<int>(view_.Call(SCI_MARKERADD, index, marker_));
    if (handle >= 0) tags_[handle] = tag;
}

void ScintillaLineDocument::SetText(std::string_view text) {
    tags_.clear();
    view_.SetBytes(text);
}

void ScintillaLineDocument::InsertLine(int index, std::string_view text, LineTag tag) {
    int count = LineCount();
    if (index < 0 || index > count) return;
    std::string inserted;
    LRESULT position;
    if (index < count || view_.Empty() || view_.EndsWithLineEnd()) {
        position = index < count ? view_.Call(SCI_POSITIONFROMLINE, index) : view_.Call(SCI_GETLENGTH);
        inserted.append(text).append(lineEnd_);
    } else {
        position = view_.Call(SCI_GETLENGTH);  // the last line has no line end yet
        inserted.append(lineEnd_).append(text);
    }
    view_.InsertBytes(position, inserted);
    if (tag) SetTag(index, tag);
}

void ScintillaLineDocument::DeleteLine(int index) {
    if (!Valid(index)) return;
    LRESULT start = view_.Call(SCI_POSITIONFROMLINE, index);
    LRESULT end = index + 1 < static_cast<int>(view_.Call(SCI_GETLINECOUNT))
                      ? view_.Call(SCI_POSITIONFROMLINE, index + 1)
                      : view_.Call(SCI_GETLENGTH);
    if (end == view_.Call(SCI_GETLENGTH) && index > 0 && !view_.EndsWithLineEnd())
        start = view_.Call(SCI_GETLINEENDPOSITION, index - 1);  // take the line end before it
    view_.DeleteBytes(start, end - start);
}

void ScintillaLineDocument::SetLine(int index, std::string_view text) {
    if (!Valid(index)) return;
    LRESULT start = view_.Call(SCI_POSITIONFROMLINE, index);
    LRESULT end = view_.Call(SCI_GETLINEENDPOSITION, index);
    view_.ReplaceBytes(start, end - start, text);
}

void ScintillaLineDocument::DropTagsOfLines(long long first, long long last) {
    for (auto it = tags_.begin(); it != tags_.end();) {
        long long line = view_.Call(SCI_MARKERLINEFROMHANDLE, it->first);
        if (line < 0 || (line >= first && line <= last)) {
            view_.Call(SCI_MARKERDELETEHANDLE, it->first);
            it = tags_.erase(it);
        } else {
            ++it;
        }
    }
}

void ScintillaLineDocument::BeforeDelete(long long position, long long length) {
    if (tags_.empty() || length <= 0) return;
    long long end = position + length;
    if (position == 0 && end >= view_.Call(SCI_GETLENGTH)) {  // the whole text goes
        DropTagsOfLines(0, view_.Call(SCI_GETLINECOUNT));
        return;
    }
    long long firstLine = view_.Call(SCI_LINEFROMPOSITION, position);
    long long lastLine = view_.Call(SCI_LINEFROMPOSITION, end);
    if (firstLine == lastLine) return;
    bool wholeLines = view_.Call(SCI_POSITIONFROMLINE, firstLine) == position &&
                      view_.Call(SCI_POSITIONFROMLINE, lastLine) == end;
    if (wholeLines) DropTagsOfLines(firstLine, lastLine - 1);
    else DropTagsOfLines(firstLine + 1, lastLine);
}

}  // namespace tavrin
