// A text as a list of lines, each line able to carry a tag: a reference to
// the design object the line was written for. Tags stay with their line when
// other lines are inserted or deleted and when the line's text is replaced;
// they vanish with their line and are never saved. Code pages implement this
// over their Scintilla editor; VectorLineDocument keeps it in memory.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavrin {

using LineTag = const void*;

class LineDocument {
public:
    virtual ~LineDocument() = default;

    // A final line break does not start a line of its own.
    virtual int LineCount() const = 0;
    virtual std::string Line(int index) const = 0;
    virtual LineTag Tag(int index) const = 0;
    virtual void SetTag(int index, LineTag tag) = 0;
    virtual std::string Text() const = 0;
    // Replaces the whole text; every tag is dropped.
    virtual void SetText(std::string_view text) = 0;
    // Inserts a line before index (LineCount() appends).
    virtual void InsertLine(int index, std::string_view text, LineTag tag = nullptr) = 0;
    virtual void DeleteLine(int index) = 0;
    // Replaces a line's text; its tag stays.
    virtual void SetLine(int index, std::string_view text) = 0;

    // First line at or after from carrying the tag, or -1.
    int FindTag(LineTag tag, int from = 0) const;
    // Deletes every line tagged with tag; returns how many went.
    int RemoveLinesOf(LineTag tag);
};


class VectorLineDocument : public LineDocument {
public:
    int LineCount() const override { return static_cast<int>(lines_.size()); }
    std::string Line(int index) const override;
    LineTag Tag(int index) const override;
    void SetTag(int index, LineTag tag) override;
    // Every line followed by CR LF.
    std::string Text() const override;
    void SetText(std::string_view text) override;
    void InsertLine(int index, std::string_view text, LineTag tag = nullptr) override;
    void DeleteLine(int index) override;
    void SetLine(int index, std::string_view text) override;

private:
    struct Entry {
        std::string text;
        LineTag tag = nullptr;
    };
    bool Valid(int index) const { return index >= 0 && index < LineCount(); }
    std::vector<Entry> lines_;
};

}  // namespace tavrin
