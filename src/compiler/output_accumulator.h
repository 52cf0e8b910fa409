// Collects a child process's output chunk by chunk. After every Append the
// text, its lines and the error flag are exactly what splitting and searching
// the whole text would give, but each byte is looked at only once, so the
// work stays linear in the size of the output however small the chunks are.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavrin {

class OutputAccumulator {
public:
    void Clear();
    void Append(std::string_view chunk);

    // Everything appended so far.
    const std::string& Text() const { return text_; }
    // The text split at CR, LF or CR LF; a final line break starts no empty line.
    const std::vector<std::string>& Lines() const { return lines_; }
    // The text contains "error" in any letter case.
    bool HasErrors() const { return hasErrors_; }
    // At most maxBytes from the end of the text (for status displays).
    std::string_view Tail(size_t maxBytes) const;

private:
    std::string text_;
    std::vector<std::string> lines_;
    // The last entry of lines_ is still growing (no line break after it yet).
    bool lastLineOpen_ = false;
    // The text ends with CR: an LF at the start of the next chunk belongs to it.
    bool pendingCarriageReturn_ = false;
    bool hasErrors_ = false;
};

}  // namespace tavrin
