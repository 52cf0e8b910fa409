// Rules of the editor frame that need no window: which lines make Enter
// rescan the page, the comment commands, the caret panel text and the member
// lookup behind dot completion.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/scanner_records.h"

namespace tavrin {

// Words of a line split at blanks (and, with dots, at "."), empty ones dropped.
std::vector<std::string_view> LineWords(std::string_view line, bool splitAtDots = false);

// Enter rescans when the line's first word occurs, with the same letter case,
// inside "common dim var", "type" or "declare".
bool EnterTriggersRescan(std::string_view line);

// "/'" + selection + "'/".
std::string CommentOn(std::string_view selection);
// The selection without any "/'" and "'/".
std::string CommentOff(std::string_view selection);
bool HoldsBlockCommentStart(std::string_view selection);

// "%d, %d" with column and line, both from 1.
std::string CaretPanelText(int column, int line);

// What the member lookup needs: the page's scanner, the include database and
// the effects a found variable has.
struct CompletionLookups {
    std::function<std::shared_ptr<TField>(std::string_view)> findSymbol;  // page scanner
    std::function<std::shared_ptr<TField>(std::string_view)> findEntry;   // include database
    std::function<int(TField&)> resolveFields;                           // include database
    std::function<void()> rescanPage;
    std::function<void(const std::string&)> showMembers;  // message box, one member per line
};

struct CompletionLists {
    bool found = false;
    std::vector<std::string> items;   // what the box shows: name, kind and type, tab separated
    std::vector<std::string> insert;  // what it inserts: the names
};

// The member lists for a "." typed on line caretLine (from 0). lineAt(i)
// returns line i of the page.
CompletionLists FindDotCompletion(int caretLine, const std::function<std::string(int)>& lineAt,
                                  const CompletionLookups& lookups);

}  // namespace tavrin
