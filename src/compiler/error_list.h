// TDebugger, the error list: turns the compiler's message lines (the lines
// the result window shows, taken from the compiler's output itself) into
// marked lines of the code pages, and jumps from a message to its line.
#pragma once

#include "compiler/error_marks.h"

#include <functional>
#include <string>
#include <unordered_set>
#include <vector>

namespace tavrin {

class TDebugger {
public:
    explicit TDebugger(ErrorMarkTarget& pages) : pages_(pages) {}

    // The compiler output's lines, as the result window shows them, copied in
    // before each parse.
    std::vector<std::string> Lines;
    // The distinct message lines that produced an error mark, in order.
    const std::vector<std::string>& ErrorLines() const { return errorLines_; }
    // Fired after the marks were cleared.
    std::function<void()> OnClear;

    void ClearErrors();
    void ParseOutput();
    // Appends the text to ErrorLines unless it is already there.
    void AddErrorLine(const std::string& text);
    // The page showing the file (letter case ignored). Every matching page in
    // turn becomes the active page; with MultipleFileInstances the last match
    // wins, otherwise the first. None for an empty path.
    PageHandle FindPage(const std::string& path);
    // The jump of a click on a result line.
    void JumpToMessage(const std::string& resultLine);

private:
    ErrorMarkTarget& pages_;
    std::vector<std::string> errorLines_;
    std::unordered_set<std::string> knownErrorLines_;
};

}  // namespace tavrin
