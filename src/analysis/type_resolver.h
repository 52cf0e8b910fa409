// Finds the members of a type by name as a reader of a page would: the page's
// own types first, then the include database. When several files declare the
// name (FreeBASIC names ignore case, so "Rect" and "RECT" are one name), the
// file the page reaches through its include lines wins, then the database's
// order. The page's own headers (beside it, unknown to the database) are read
// after the database's reached files. Aliases are followed ("type RECT as tagRECT"), first in the file of
// the alias, and a base type's members follow the type's own.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "analysis/scanner.h"
#include "analysis/scanner_records.h"

namespace tavrin {

class IncludeChain;

struct TypeMembers {
    std::string typeName;  // the type that declares the members (after aliases)
    FieldList members;     // its own, then those of its base types that it does not hide
    int pointerDepth = 0;  // pointer levels the aliases on the way added ("type LPRECT as RECT ptr")
};

// Every entry of the list named name, without regard to case, in list order.
FieldList EntriesNamed(const FieldList& entries, std::string_view name);

class TypeResolver {
public:
    // pageSymbol: the page scanner's lookup (may be empty); entries: the
    // include database's (may be null); chain: the files the page includes
    // (may be null). All must outlive the resolver.
    TypeResolver(std::function<std::shared_ptr<TField>(std::string_view)> pageSymbol, const FieldList* entries,
                 const IncludeChain* chain);

    // The members of the type; none when no type of that name is found (a
    // type without members is found, with an empty list).
    std::optional<TypeMembers> Resolve(std::string_view typeName);

    // Files this resolver has read (each is read once).
    size_t FilesRead() const { return files_.size(); }

private:
    std::optional<TypeMembers> ResolveFrom(std::string_view typeName, const TScanner* context, int hops);
    // A declaration of the name in a file, and the scanner of that file.
    std::pair<std::shared_ptr<TField>, const TScanner*> FromFiles(std::string_view typeName);
    const TScanner* FileScanner(const std::string& path);

    std::function<std::shared_ptr<TField>(std::string_view)> pageSymbol_;
    const FieldList* entries_;
    const IncludeChain* chain_;
    std::unordered_map<std::string, std::unique_ptr<TScanner>> files_;
};

}  // namespace tavrin
