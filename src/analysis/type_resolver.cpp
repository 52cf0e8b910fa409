#include "analysis/type_resolver.h"

#include <tuple>
#include <unordered_set>

#include "analysis/include_chain.h"
#include "common/text.h"

namespace tavrin {

namespace {

// Aliases and base types followed from one name at most: a guard against
// declarations that name each other.
constexpr int kMostHops = 16;

// The type record of that name in a scanner's list, or null.
std::shared_ptr<TField> TypeIn(const TScanner& scanner, std::string_view name) {
    for (const auto& record : scanner.List(TScanner::Types))
        if (EqualsNoCase(record->Name(), name)) return record;
    return nullptr;
}

bool AddsPointer(const TType& alias) {
    std::string_view rest = Trim(alias.Rest);
    return EqualsNoCase(rest, "ptr") || EqualsNoCase(rest, "pointer");
}

// A name as declared by a "type" line: the last part of "ns.T".
std::string_view PlainName(std::string_view name) {
    size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? name : name.substr(dot + 1);
}

}  // namespace

FieldList EntriesNamed(const FieldList& entries, std::string_view name) {
    FieldList found;
    for (const auto& entry : entries)
        if (entry && entry->Name().size() == name.size() && EqualsNoCase(entry->Name(), name))
            found.push_back(entry);
    return found;
}

TypeResolver::TypeResolver(std::function<std::shared_ptr<TField>(std::string_view)> pageSymbol,
                           const FieldList* entries, const IncludeChain* chain)
    : pageSymbol_(std::move(pageSymbol)), entries_(entries), chain_(chain) {}

std::optional<TypeMembers> TypeResolver::Resolve(std::string_view typeName) {
    return ResolveFrom(PlainName(typeName), nullptr, 0);
}

const TScanner* TypeResolver::FileScanner(const std::string& path) {
    auto found = files_.find(path);
    if (found != files_.end()) return found->second.get();
    auto scanner = std::make_unique<TScanner>();
    scanner->OnReport = [](const std::string&) {};  // the file's faults were reported when it was built
    if (!scanner->ScanFile(path)) scanner.reset();
    return files_.emplace(path, std::move(scanner)).first->second.get();
}

// The first declaration of the name in: the database's files that the page
// reaches, the page's own headers, the database's other files. A file that no
// longer declares the name gives way to the next one.
std::pair<std::shared_ptr<TField>, const TScanner*> TypeResolver::FromFiles(std::string_view typeName) {
    FieldList named = entries_ ? EntriesNamed(*entries_, typeName) : FieldList{};
    auto declaredIn = [&](const std::string& file) -> std::pair<std::shared_ptr<TField>, const TScanner*> {
        const TScanner* scanner = FileScanner(file);
        std::shared_ptr<TField> record = scanner ? TypeIn(*scanner, typeName) : nullptr;
        return {record, record ? scanner : nullptr};
    };
    for (bool reached : {true, false}) {
        for (const auto& entry : named) {
            if ((chain_ && chain_->Reaches(entry->FileName())) != reached) continue;
            auto found = declaredIn(entry->FileName());
            if (found.first) return found;
        }
        if (!reached || !chain_) continue;
        for (const std::string& file : chain_->LocalFiles()) {
            auto found = declaredIn(file);
            if (found.first) return found;
        }
    }
    return {nullptr, nullptr};
}

// context: the file whose alias or base type led here; its own declaration
// of the name comes first.
std::optional<TypeMembers> TypeResolver::ResolveFrom(std::string_view typeName, const TScanner* context, int hops) {
    if (typeName.empty() || hops > kMostHops) return std::nullopt;
    std::shared_ptr<TField> record = context ? TypeIn(*context, typeName) : nullptr;
    if (!record && pageSymbol_) {
        record = pageSymbol_(typeName);
        if (record && !record->AsType()) record = nullptr;  // a variable or procedure of that name
        if (record) context = nullptr;
    }
    if (!record) std::tie(record, context) = FromFiles(typeName);
    const TType* type = record ? record->AsType() : nullptr;
    if (!type) return std::nullopt;
    if (!type->AliasOf.empty() && type->Fields.empty()) {
        auto target = ResolveFrom(PlainName(type->AliasOf), context, hops + 1);
        if (target && AddsPointer(*type)) ++target->pointerDepth;
        return target;
    }
    TypeMembers result;
    result.typeName = type->Name();
    result.members = type->Fields;
    if (!type->Extends.empty()) {
        if (auto base = ResolveFrom(PlainName(type->Extends), context, hops + 1)) {
            std::unordered_set<std::string> own;
            for (const auto& member : result.members) own.insert(ToLower(member->Name()));
            for (const auto& member : base->members)
                if (!own.count(ToLower(member->Name()))) result.members.push_back(member);
        }
    }
    return result;
}

}  // namespace tavrin
