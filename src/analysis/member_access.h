// The expression before a "." or "->" just typed: a chain of names joined by
// "." and "->", each perhaps indexed ("a(2)", "p[0]") or dereferenced
// ("(*p)"). A "." with no name before it starts from the subject of the
// enclosing "with" block.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavrin {

struct AccessStep {
    std::string name;      // a variable, a member or "this"
    bool called = false;   // "(...)" after the name: an array element or a call
    int indexes = 0;       // "[...]" after it: each takes one pointer level
    int derefs = 0;        // "*" before it inside parentheses: "(*p)"
    std::string accessor;  // "." or "->" after it
};

struct MemberAccess {
    bool valid = false;
    bool fromWith = false;          // the chain starts at the "with" subject
    std::vector<AccessStep> steps;  // in reading order
    size_t start = 0;               // offset of the expression in the text
};

// Reads the chain that ends the text (the text before the caret, ending in
// "." or "->"). Not valid when the text does not end so, or when what stands
// before is no chain of names (a number, a string, a bracket left open).
MemberAccess ParseMemberAccess(std::string_view textBeforeCaret);

// Reads a whole text as a chain without a trailing accessor ("with" subjects).
MemberAccess ParseAccessChain(std::string_view chain);

}  // namespace tavrin
