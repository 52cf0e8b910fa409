#include "designer/code_comments.h"

namespace tavrin {
namespace {

bool At(std::string_view line, size_t i, std::string_view what) {
    return line.substr(i, what.size()) == what;
}

}  // namespace

std::string_view CommentStripper::CodeOf(std::string_view line) {
    // Without an apostrophe nothing starts or ends a comment.
    if (depth_ == 0 && line.find('\'') == std::string_view::npos) return line;
    std::string& code = code_;
    code.clear();
    bool inString = false;
    bool escapes = false;  // a !"..." literal: a backslash escapes the next character
    size_t i = 0;
    while (i < line.size()) {
        if (depth_ > 0) {
            if (At(line, i, "/'")) {
                ++depth_;
                i += 2;
            } else if (At(line, i, "'/")) {
                --depth_;
                i += 2;
                if (depth_ == 0) code += ' ';
            } else {
                ++i;
            }
            continue;
        }
        char c = line[i];
        if (inString) {
            code += c;
            if (escapes && c == '\\' && i + 1 < line.size()) {
                code += line[i + 1];
                i += 2;
                continue;
            }
            if (c == '"') {
                if (At(line, i + 1, "\"")) {
                    code += '"';
                    ++i;
                } else {
                    inString = false;
                }
            }
            ++i;
        } else if (c == '"') {
            inString = true;
            escapes = i > 0 && line[i - 1] == '!';
            code += c;
            ++i;
        } else if (At(line, i, "/'")) {
            depth_ = 1;
            i += 2;
        } else if (c == '\'') {
            code += ' ';
            break;
        } else {
            code += c;
            ++i;
        }
    }
    return code;
}

}  // namespace tavrin
