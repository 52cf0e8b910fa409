#include "designer/word_split.h"

#include "common/text.h"

namespace tavrin {
namespace {

bool IsOwnWord(char c) { return c == '=' || c == '(' || c == ')'; }

// Splits at blanks; every character in ownTokens is a token of its own.
std::vector<std::string_view> SplitKeeping(std::string_view line, std::string_view ownTokens) {
    std::vector<std::string_view> tokens;
    size_t start = 0;
    auto flush = [&](size_t end) {
        if (end > start) tokens.push_back(line.substr(start, end - start));
    };
    for (size_t i = 0; i < line.size(); ++i) {
        char c = line[i];
        if (c == ' ') {
            flush(i);
            start = i + 1;
        } else if (ownTokens.find(c) != std::string_view::npos) {
            flush(i);
            tokens.push_back(line.substr(i, 1));
            start = i + 1;
        }
    }
    flush(line.size());
    return tokens;
}

}  // namespace

bool WordCursor::Next(std::string_view& word) {
    while (at_ < line_.size() && line_[at_] == ' ') ++at_;
    if (at_ >= line_.size()) return false;
    size_t start = at_;
    if (IsOwnWord(line_[at_])) {
        ++at_;
    } else {
        while (at_ < line_.size() && line_[at_] != ' ' && !IsOwnWord(line_[at_])) ++at_;
    }
    word = line_.substr(start, at_ - start);
    return true;
}

std::vector<std::string_view> SplitCodeWords(std::string_view line) {
    std::vector<std::string_view> words;
    SplitCodeWords(line, words);
    return words;
}

void SplitCodeWords(std::string_view line, std::vector<std::string_view>& words) {
    words.clear();
    WordCursor cursor(line);
    std::string_view word;
    while (cursor.Next(word)) words.push_back(word);
}

int WordPosition(const std::vector<std::string_view>& words, std::string_view word) {
    for (size_t i = 0; i < words.size(); ++i)
        if (EqualsNoCase(words[i], word)) return static_cast<int>(i);
    return -1;
}

int WordPositionInLine(std::string_view line, std::string_view word) {
    WordCursor cursor(line);
    std::string_view item;
    for (int index = 0; cursor.Next(item); ++index)
        if (EqualsNoCase(item, word)) return index;
    return -1;
}

std::vector<std::string_view> SplitPropertyTokens(std::string_view line) {
    return SplitKeeping(Trim(line), "=.");
}

std::vector<std::string_view> SplitAtBlanksAndEquals(std::string_view line) {
    return SplitKeeping(line, "=");
}

}  // namespace tavrin
