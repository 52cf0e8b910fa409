// The rows of the completion box for the members of a type: fields first,
// then procedures (constructors, methods, properties, operators), each group
// in declaration order, and each name once: a name declared several times
// (overloads) gives one row that says how often.
#pragma once

#include <string>
#include <vector>

#include "analysis/scanner_records.h"

namespace tavrin {

struct CompletionLists {
    bool found = false;
    std::vector<std::string> items;   // what the box shows: name, kind and type, tab separated
    std::vector<std::string> insert;  // what it inserts: the names
};

// Whether a member is a procedure rather than a field.
bool IsProcedureMember(const TField& member);

// found is set; rows as "name\tkind\ttype", the kind followed by " (n)" when
// the name is declared n > 1 times.
CompletionLists MemberRows(const FieldList& members);

}  // namespace tavrin
