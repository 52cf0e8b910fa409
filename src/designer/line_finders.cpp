#include "designer/line_finders.h"

#include <algorithm>

#include "common/text.h"
#include "designer/word_split.h"

namespace tavrin {
namespace {

bool LineMatches(const LineDocument& doc, int index, std::string_view word, int position) {
    std::string line = doc.Line(index);
    std::string_view first;
    if (!WordCursor(line).Next(first)) return false;
    return WordPositionInLine(line, word) == position;
}

// The first two words of a line, and the third.
struct LineHead {
    std::string_view words[3];
};

LineHead HeadOf(std::string_view line) {
    LineHead head;
    WordCursor cursor(line);
    for (std::string_view& word : head.words)
        if (!cursor.Next(word)) break;
    return head;
}

// Whether the line's first word may be "type", "end" or "constructor".
bool MayOpenOrCloseBlock(std::string_view line) {
    size_t first = line.find_first_not_of(' ');
    if (first == std::string_view::npos) return false;
    char c = AsciiLower(line[first]);
    return c == 't' || c == 'e' || c == 'c';
}

}  // namespace

int FindLine(const LineDocument& doc, std::string_view word, int position, Occurrence which, int start) {
    int count = doc.LineCount();
    if (start < 0) start = 0;
    if (which == Occurrence::First) {
        for (int i = start; i < count; ++i)
            if (LineMatches(doc, i, word, position)) return i;
    } else {
        // The last match seen going forward is the first one going backward.
        for (int i = count - 1; i >= start; --i)
            if (LineMatches(doc, i, word, position)) return i;
    }
    return -1;
}

std::vector<WordHit> FindWords(const LineDocument& doc, const std::vector<std::string>& words, int start) {
    std::vector<WordHit> hits;
    for (const std::string& word : words) {
        for (int i = std::max(0, start), count = doc.LineCount(); i < count; ++i) {
            int position = WordPositionInLine(doc.Line(i), word);
            if (position >= 0) hits.push_back({i, position});
        }
    }
    return hits;
}

int FirstLineHoldingAny(const LineDocument& doc, const std::vector<std::string>& words, int start) {
    for (const std::string& word : words)
        for (int i = std::max(0, start), count = doc.LineCount(); i < count; ++i)
            if (WordPositionInLine(doc.Line(i), word) >= 0) return i;
    return -1;
}

DialogBlocks LocateDialogBlocks(const LineDocument& doc, std::string_view dialogName) {
    DialogBlocks blocks;
    std::string typeName = "Q";
    typeName += dialogName;
    for (int i = 0, count = doc.LineCount(); i < count; ++i) {
        std::string line = doc.Line(i);
        if (!MayOpenOrCloseBlock(line)) continue;
        LineHead head = HeadOf(line);
        if (blocks.typeLine < 0) {
            if (EqualsNoCase(head.words[0], "type") && EqualsNoCase(head.words[1], typeName) &&
                EqualsNoCase(head.words[2], "extends"))
                blocks.typeLine = i;
        } else if (blocks.endTypeLine < 0) {
            if (EqualsNoCase(head.words[0], "end") && EqualsNoCase(head.words[1], "type")) blocks.endTypeLine = i;
        } else if (blocks.constructorLine < 0) {
            if (EqualsNoCase(head.words[0], "constructor") && EqualsNoCase(head.words[1], typeName))
                blocks.constructorLine = i;
        } else if (EqualsNoCase(head.words[0], "end") && EqualsNoCase(head.words[1], "constructor")) {
            blocks.endConstructorLine = i;
            break;
        }
    }
    return blocks;
}

}  // namespace tavrin
