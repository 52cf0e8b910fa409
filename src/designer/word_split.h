// How the dialog code model cuts a source line into words. Blanks separate
// words; "=", "(" and ")" are words of their own; tabs, "." and "," are part
// of a word. Words are compared without regard to letter case, and the
// position of a word in a line is the index of its first occurrence.
#pragma once

#include <string_view>
#include <vector>

namespace tavrin {

// Walks the words of a line one by one without copying them.
class WordCursor {
public:
    explicit WordCursor(std::string_view line) : line_(line) {}
    // The next word, or false when the line has no more.
    bool Next(std::string_view& word);

private:
    std::string_view line_;
    size_t at_ = 0;
};

std::vector<std::string_view> SplitCodeWords(std::string_view line);
// The same into words (cleared first), reusing its room.
void SplitCodeWords(std::string_view line, std::vector<std::string_view>& words);

// Index of the first word equal to word (any case), or -1.
int WordPosition(const std::vector<std::string_view>& words, std::string_view word);
// The same, straight from the line.
int WordPositionInLine(std::string_view line, std::string_view word);

// The tokens of a property line: blanks separate, "=" and "." are tokens of
// their own, empty tokens are dropped.
std::vector<std::string_view> SplitPropertyTokens(std::string_view line);

// Blanks separate, "=" is a word of its own (the auto-create line's reading).
std::vector<std::string_view> SplitAtBlanksAndEquals(std::string_view line);

}  // namespace tavrin
