// Rules of the editor frame that need no window: which lines make Enter
// rescan the page, the comment commands, the caret panel text and the member
// lookup behind dot completion.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/scanner_records.h"
#include "analysis/page_types.h"
#include "editor/completion_rows.h"

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

// What the member lookup needs: the page's scanner, the include database,
// the types as the page sees them, and the effects a found symbol has.
struct CompletionLookups {
    std::function<std::shared_ptr<TField>(std::string_view)> findSymbol;  // page scanner
    std::function<std::shared_ptr<TField>(std::string_view)> findEntry;   // include database
    std::function<int(TField&)> resolveFields;                           // include database
    // The members of a type by name: the page's own types, then the include
    // database with the files the page includes preferred. When empty, the
    // three lookups above stand in.
    TypeLookup findType;
    std::function<void()> rescanPage;
    std::function<void(const std::string&)> showMembers;  // message box, one member per line
};

// The member lists for a "." or "->" typed just before caret (a byte offset
// in text, the page's whole text). The name before it is looked up among the
// declarations in scope (variables, parameters, the fields of the type whose
// method it is in, the subject of a "with" block) and its type's members
// become the lists. A name not declared so but known to the page's scanner
// (or, on a line of two words or more, to the database) shows its members in
// a message box and rescans the page.
CompletionLists FindDotCompletion(std::string_view text, size_t caret, const CompletionLookups& lookups);

// The same for a "." at the end of line caretLine (from 0); lineAt(i)
// returns line i of the page.
CompletionLists FindDotCompletion(int caretLine, const std::function<std::string(int)>& lineAt,
                                  const CompletionLookups& lookups);

}  // namespace tavrin
