// Removes FreeBASIC comments from source lines read one after the other. An
// apostrophe starts a comment that runs to the end of the line; "/'" starts a
// block comment that ends with "'/", possibly lines later (block comments
// nest). Inside a string literal ("..." with "" standing for one quote) an
// apostrophe starts nothing; in an escaped literal (!"...") a backslash
// escapes the next character.
#pragma once

#include <string>
#include <string_view>

namespace tavrin {

class CommentStripper {
public:
    // The code of the next line: its text outside comments, each comment
    // replaced by one blank. The result lives until the next call and no
    // longer than line.
    std::string_view CodeOf(std::string_view line);
    bool InBlockComment() const { return depth_ > 0; }

private:
    int depth_ = 0;
    std::string code_;
};

}  // namespace tavrin
