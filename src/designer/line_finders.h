// Line finders over a page's text, shared by the dialog code writers and
// readers. Lines are cut into words as word_split.h says; comments are not
// stripped here.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "editor/line_document.h"

namespace tavrin {

enum class Occurrence { First, Last };

// The first (or last) line from start on whose word position is word; -1 if none.
int FindLine(const LineDocument& doc, std::string_view word, int position, Occurrence which, int start = 0);

struct WordHit {
    int line;
    int position;
    bool operator==(const WordHit&) const = default;
};

// For each word in the given order, every line from start on that holds it,
// with the word's position there: all hits of the first word come first.
std::vector<WordHit> FindWords(const LineDocument& doc, const std::vector<std::string>& words, int start = 0);

// The line of the first hit FindWords would give, without collecting the rest; -1 if none.
int FirstLineHoldingAny(const LineDocument& doc, const std::vector<std::string>& words, int start = 0);

// Where a dialog's own generated blocks lie: its type block "type Q<name>
// extends ..." to "end type" and its constructor "constructor Q<name>" to
// "end constructor". A part not found is -1.
struct DialogBlocks {
    int typeLine = -1;
    int endTypeLine = -1;
    int constructorLine = -1;
    int endConstructorLine = -1;
};
DialogBlocks LocateDialogBlocks(const LineDocument& doc, std::string_view dialogName);

}  // namespace tavrin
