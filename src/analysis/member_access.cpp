#include "analysis/member_access.h"

#include <cctype>
#include <iterator>
#include <utility>

#include "analysis/source_line.h"
#include "analysis/source_statements.h"

namespace tavrin {

namespace {

// The position of the bracket that opens the group closed at close, or npos.
size_t OpeningBracket(std::string_view text, size_t close) {
    char closing = text[close];
    char opening = closing == ')' ? '(' : '[';
    int depth = 0;
    for (size_t k = close + 1; k-- > 0;) {
        if (text[k] == closing) ++depth;
        else if (text[k] == opening && --depth == 0) return k;
    }
    return std::string_view::npos;
}

// Parses the chain that ends at end (exclusive) with the given accessor after
// it (empty for a chain that ends the text). Steps are added to access.
bool ParseBackward(std::string_view text, size_t end, std::string accessor, MemberAccess& access) {
    std::vector<AccessStep> reversed;
    size_t pos = end;
    while (true) {
        AccessStep step;
        step.accessor = std::move(accessor);
        std::vector<AccessStep> inner;  // the chain of a "(*...)" group
        while (pos > 0 && (text[pos - 1] == ']' || text[pos - 1] == ')')) {
            size_t open = OpeningBracket(text, pos - 1);
            if (open == std::string_view::npos) return false;
            if (text[pos - 1] == ']') {
                ++step.indexes;
                pos = open;
                continue;
            }
            if (open > 0 && IsNameChar(text[open - 1])) {
                step.called = true;
                pos = open;
                break;
            }
            // "(*chain)": the chain inside, dereferenced.
            MemberAccess group = ParseAccessChain(text.substr(open + 1, pos - 2 - open));
            if (!group.valid) return false;
            inner = std::move(group.steps);
            inner.back().indexes += step.indexes;
            inner.back().accessor = step.accessor;
            pos = open;
            break;
        }
        if (!inner.empty()) {
            for (auto it = inner.rbegin(); it != inner.rend(); ++it) reversed.push_back(std::move(*it));
            access.start = pos;
            break;
        }
        size_t nameStart = pos;
        while (nameStart > 0 && IsNameChar(text[nameStart - 1])) --nameStart;
        if (nameStart == pos) {
            // Nothing before the last "." but blanks or an operator: the "with" subject.
            if (!reversed.empty() || step.called || step.indexes || step.accessor != ".") return false;
            if (pos > 0 && (text[pos - 1] == '.' || (pos > 1 && text[pos - 2] == '-' && text[pos - 1] == '>')))
                return false;  // "p..", "p->."
            access.fromWith = true;
            access.start = pos;
            break;
        }
        if (std::isdigit(static_cast<unsigned char>(text[nameStart]))) return false;
        step.name.assign(text.substr(nameStart, pos - nameStart));
        reversed.push_back(std::move(step));
        pos = nameStart;
        if (pos >= 2 && text[pos - 2] == '-' && text[pos - 1] == '>') {
            accessor = "->";
            pos -= 2;
            continue;
        }
        if (pos >= 1 && text[pos - 1] == '.') {
            char before = pos >= 2 ? text[pos - 2] : ' ';
            if (!IsNameChar(before) && before != ')' && before != ']') {
                access.fromWith = true;  // ".field." inside a "with" block
                access.start = pos - 1;
                break;
            }
            accessor = ".";
            pos -= 1;
            continue;
        }
        access.start = pos;
        break;
    }
    access.steps.assign(std::make_move_iterator(reversed.rbegin()), std::make_move_iterator(reversed.rend()));
    access.valid = true;
    return true;
}

}  // namespace

MemberAccess ParseMemberAccess(std::string_view textBeforeCaret) {
    MemberAccess access;
    std::string_view text = textBeforeCaret;
    std::string accessor;
    if (text.size() >= 2 && text.substr(text.size() - 2) == "->") accessor = "->";
    else if (!text.empty() && text.back() == '.') accessor = ".";
    else return access;
    if (!ParseBackward(text, text.size() - accessor.size(), accessor, access)) return MemberAccess{};
    return access;
}

MemberAccess ParseAccessChain(std::string_view chain) {
    MemberAccess access;
    chain = TrimBlanks(chain);
    int stars = 0;
    while (!chain.empty() && chain.front() == '*') {
        ++stars;
        chain = TrimBlanks(chain.substr(1));
    }
    if (chain.empty() || !ParseBackward(chain, chain.size(), "", access) || access.start != 0 ||
        access.fromWith || access.steps.empty())
        return MemberAccess{};
    access.steps.back().derefs += stars;
    return access;
}

}  // namespace tavrin
