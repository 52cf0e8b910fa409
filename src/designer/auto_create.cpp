#include "designer/auto_create.h"

#include <unordered_set>

#include "common/text.h"
#include "designer/code_comments.h"
#include "designer/line_finders.h"
#include "designer/word_split.h"

namespace tavrin {

namespace {

// A "var" line and the word it names: the one after its first "=", or "var" itself without one.
struct VarLine {
    int line;
    std::string named;
};

std::vector<VarLine> VarLines(const LineDocument& doc) {
    std::vector<VarLine> found;
    CommentStripper comments;
    for (int i = 0, count = doc.LineCount(); i < count; ++i) {
        std::string line = doc.Line(i);
        std::string_view code = comments.CodeOf(line);
        size_t first = code.find_first_not_of(' ');
        if (first == std::string_view::npos || !StartsWithNoCase(code.substr(first), "var")) continue;
        std::vector<std::string_view> words = SplitAtBlanksAndEquals(code);
        if (words.empty() || !EqualsNoCase(words[0], "var")) continue;
        std::string_view named = words[0];
        for (size_t w = 0; w < words.size(); ++w) {
            if (words[w] == "=") {
                named = w + 1 < words.size() ? words[w + 1] : std::string_view();
                break;
            }
        }
        if (!named.empty()) found.push_back({i, ToLower(named)});
    }
    return found;
}

}  // namespace

int FindAutoCreateLine(const LineDocument& doc) {
    std::vector<VarLine> varLines = VarLines(doc);
    if (varLines.empty()) return -1;
    std::unordered_set<std::string> wanted;
    for (const VarLine& var : varLines) wanted.insert(var.named);
    // Which of the named words stand at position 1 of some line: one pass, so the search stays linear.
    std::unordered_set<std::string> atPositionOne;
    std::string lowered;
    for (int i = 0, count = doc.LineCount(); i < count && atPositionOne.size() < wanted.size(); ++i) {
        std::string text = doc.Line(i);
        WordCursor cursor(text);
        std::string_view first, second;
        if (!cursor.Next(first) || !cursor.Next(second) || EqualsNoCase(first, second)) continue;
        lowered = ToLower(second);
        if (wanted.count(lowered)) atPositionOne.insert(lowered);
    }
    for (const VarLine& var : varLines)
        if (atPositionOne.count(var.named)) return var.line;
    return -1;
}

bool HasAutoCreate(const LineDocument& doc) { return FindAutoCreateLine(doc) >= 0; }

AutoCreateChange SetAutoCreate(LineDocument& doc, bool on, const AutoCreateDialog* linkedDialog) {
    int line = FindAutoCreateLine(doc);
    if (on && line < 0) {
        if (!linkedDialog) return AutoCreateChange::NoDialog;
        int end = LocateDialogBlocks(doc, linkedDialog->name).endTypeLine;
        if (end < 0) {
            for (int i = 0, count = doc.LineCount(); i < count && end < 0; ++i) {
                std::string text = doc.Line(i);
                std::string_view first;
                if (WordCursor(text).Next(first) && EqualsNoCase(first, "end")) end = i;
            }
        }
        doc.InsertLine(end + 1, "var shared " + linkedDialog->name + "=Q" + linkedDialog->name, linkedDialog->tag);
        return AutoCreateChange::Inserted;
    }
    if (!on && line >= 0) {
        doc.DeleteLine(line);
        return AutoCreateChange::Removed;
    }
    return AutoCreateChange::Unchanged;
}

}  // namespace tavrin
