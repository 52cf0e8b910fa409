#include "editor/completion_rows.h"

#include <unordered_map>

#include "common/text.h"

namespace tavrin {

bool IsProcedureMember(const TField& member) {
    for (const char* kind : {"constructor", "destructor", "function", "sub", "operator", "property"})
        if (EqualsNoCase(member.Kind, kind)) return true;
    return false;
}

CompletionLists MemberRows(const FieldList& members) {
    struct Row {
        const TField* first;
        int count;
    };
    std::vector<Row> rows;
    std::unordered_map<std::string, size_t> rowOfName;  // lower-case name and group -> row
    for (bool procedures : {false, true}) {
        for (const auto& member : members) {
            if (!member || IsProcedureMember(*member) != procedures) continue;
            std::string key = ToLower(member->Name());
            key += procedures ? "\x01p" : "\x01" "f";
            auto [found, added] = rowOfName.emplace(std::move(key), rows.size());
            if (added) rows.push_back({member.get(), 1});
            else ++rows[found->second].count;
        }
    }
    CompletionLists lists;
    lists.found = true;
    for (const Row& row : rows) {
        std::string kind = row.first->Kind;
        if (row.count > 1) kind += " (" + std::to_string(row.count) + ")";
        lists.items.push_back(row.first->Name() + "\t" + kind + "\t" + row.first->Return);
        lists.insert.push_back(row.first->Name());
    }
    return lists;
}

}  // namespace tavrin
