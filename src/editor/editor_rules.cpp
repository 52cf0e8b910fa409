#include "editor/editor_rules.h"

#include <algorithm>
#include <cstdio>

#include "analysis/declaration_scope.h"
#include "analysis/member_access.h"
#include "analysis/source_statements.h"
#include "common/text.h"

namespace tavrin {

std::vector<std::string_view> LineWords(std::string_view line, bool splitAtDots) {
    std::vector<std::string_view> words;
    size_t start = 0;
    auto separator = [&](char c) { return c == ' ' || (splitAtDots && c == '.'); };
    for (size_t i = 0; i <= line.size(); ++i) {
        if (i < line.size() && !separator(line[i])) continue;
        if (i > start) words.push_back(line.substr(start, i - start));
        start = i + 1;
    }
    return words;
}

bool EnterTriggersRescan(std::string_view line) {
    std::vector<std::string_view> words = LineWords(line);
    if (words.empty()) return false;
    std::string_view first = words.front();
    for (std::string_view pattern : {"common dim var", "type", "declare"})
        if (pattern.find(first) != std::string_view::npos) return true;
    return false;
}

std::string CommentOn(std::string_view selection) {
    std::string text = "/'";
    text += selection;
    text += "'/";
    return text;
}

std::string CommentOff(std::string_view selection) {
    std::string text;
    text.reserve(selection.size());
    for (size_t i = 0; i < selection.size(); ++i) {
        if (i + 1 < selection.size() &&
            ((selection[i] == '/' && selection[i + 1] == '\'') ||
             (selection[i] == '\'' && selection[i + 1] == '/'))) {
            ++i;
            continue;
        }
        text += selection[i];
    }
    return text;
}

bool HoldsBlockCommentStart(std::string_view selection) {
    return selection.find("/'") != std::string_view::npos;
}

std::string CaretPanelText(int column, int line) {
    char text[48];
    snprintf(text, sizeof(text), "%d, %d", column, line);
    return text;
}

namespace {

// Hops from a "var" to the variable it copies: a guard against "var a = b" / "var b = a".
constexpr int kMostCopies = 8;

std::shared_ptr<TField> LookUp(std::string_view name, size_t wordCount, const CompletionLookups& lookups) {
    if (lookups.findSymbol)
        if (auto symbol = lookups.findSymbol(name)) return symbol;
    if (wordCount >= 2 && lookups.findEntry) return lookups.findEntry(name);
    return nullptr;
}

// The members of a symbol: its own when the scanner recorded them (they match
// the editor's text, saved or not), else those the database reads from its file.
// A variable has none of its own: its type's members count.
const TField* MembersOwner(TField& symbol, size_t wordCount, const CompletionLookups& lookups) {
    if (!symbol.Fields.empty()) return &symbol;
    if (lookups.resolveFields && lookups.resolveFields(symbol) > 0) return &symbol;
    if (!symbol.Return.empty() && !EqualsNoCase(symbol.Return, symbol.Name())) {
        auto type = LookUp(symbol.Return, wordCount, lookups);
        if (type && type.get() != &symbol && !type->Fields.empty()) return type.get();
        if (type && lookups.resolveFields && lookups.resolveFields(*type) > 0) return type.get();
    }
    return nullptr;
}

// The type lookup made of the scanner's and the database's plain lookups.
TypeLookup PlainTypeLookup(const CompletionLookups& lookups) {
    return [&lookups](std::string_view name) -> std::optional<TypeMembers> {
        auto symbol = LookUp(name, 2, lookups);
        const TField* owner = symbol ? MembersOwner(*symbol, 2, lookups) : nullptr;
        if (!owner) return std::nullopt;
        return TypeMembers{owner->Name(), owner->Fields, 0};
    };
}

// A value's type while the chain is walked: the members, and the pointer
// levels when they are known (a field's are not: the scanner keeps its type's
// name only).
struct ChainValue {
    TypeMembers type;
    int depth = 0;
    bool depthKnown = true;
};

class ChainWalker {
public:
    ChainWalker(const DeclarationScope& scope, TypeLookup findType) : scope_(scope), findType_(std::move(findType)) {}

    // The value the first name of a chain stands for; none when it is not
    // declared where the chain is.
    std::optional<ChainValue> Head(std::string_view name, int copies = 0) {
        if (EqualsNoCase(name, "this")) {
            if (scope_.EnclosingType().empty()) return std::nullopt;
            return Typed(scope_.EnclosingType(), 0, true);
        }
        if (auto local = scope_.FindLocal(name)) return Declared(*local, copies);
        if (auto field = FieldOfEnclosingType(name)) return field;
        if (auto module = scope_.FindModule(name)) return Declared(*module, copies);
        return std::nullopt;
    }

    // The value of the member named name.
    std::optional<ChainValue> Member(const ChainValue& owner, std::string_view name) {
        const TField* chosen = nullptr;
        for (const auto& member : owner.type.members) {
            if (!member || member->Return.empty() || !EqualsNoCase(member->Name(), name)) continue;
            if (!chosen || (IsProcedureMember(*chosen) && !IsProcedureMember(*member))) chosen = member.get();
        }
        if (!chosen) return std::nullopt;
        return Typed(chosen->Return, 0, false);
    }

private:
    std::optional<ChainValue> Typed(std::string_view typeName, int depth, bool depthKnown) {
        auto type = findType_(typeName);
        if (!type) return std::nullopt;
        ChainValue value{std::move(*type), depth, depthKnown};
        value.depth += value.type.pointerDepth;
        return value;
    }

    std::optional<ChainValue> Declared(const DeclaredType& declared, int copies) {
        if (declared.sameAs.empty()) return Typed(declared.typeName, declared.pointerDepth, true);
        if (copies >= kMostCopies) return std::nullopt;
        auto value = Head(declared.sameAs, copies + 1);
        if (value) value->depth += declared.pointerDepth;
        return value;
    }

    std::optional<ChainValue> FieldOfEnclosingType(std::string_view name) {
        if (scope_.EnclosingType().empty()) return std::nullopt;
        auto owner = Typed(scope_.EnclosingType(), 0, true);
        return owner ? Member(*owner, name) : std::nullopt;
    }

    const DeclarationScope& scope_;
    TypeLookup findType_;
};

// Takes the step's indexes, dereferences and accessor from the value's pointer
// levels; false when the accessor does not fit them ("." on a pointer, "->"
// on a value).
bool ApplyStep(const AccessStep& step, ChainValue& value) {
    if (!value.depthKnown) return true;
    value.depth -= step.indexes + step.derefs;
    if (step.accessor == "->") {
        if (value.depth != 1) return false;
        value.depth = 0;
    } else if (step.accessor == "." && value.depth != 0) {
        return false;
    }
    return true;
}

std::string MemberNamesText(const CompletionLists& lists) {
    std::string text;
    for (size_t i = 0; i < lists.insert.size(); ++i) {
        if (i) text += "\n";
        text += lists.insert[i];
    }
    return text;
}

// A name that is not a declared variable but a symbol of the page (or, on a
// line of two words or more, a type of the database): its members go to the
// lists and to a message box, and the page is rescanned.
CompletionLists KnownSymbolMembers(std::string_view name, size_t lineWords, const CompletionLookups& lookups,
                                   const TypeLookup& findType) {
    std::optional<FieldList> members;
    auto symbol = lookups.findSymbol ? lookups.findSymbol(name) : nullptr;
    if (symbol) {
        if (IsProcedureMember(*symbol)) members = FieldList{};  // its Fields are parameters
        else if (!symbol->Fields.empty()) members = symbol->Fields;
        else if (auto type = findType(symbol->Return.empty() ? name : std::string_view(symbol->Return)))
            members = type->members;
        else if (const TField* owner = MembersOwner(*symbol, lineWords, lookups)) members = owner->Fields;
        else members = FieldList{};
    } else if (lineWords >= 2) {
        if (auto type = findType(name)) members = type->members;
    }
    if (!members) return {};
    if (lookups.rescanPage) lookups.rescanPage();
    CompletionLists lists = MemberRows(*members);
    if (lookups.showMembers) lookups.showMembers(MemberNamesText(lists));
    return lists;
}

}  // namespace

CompletionLists FindDotCompletion(std::string_view text, size_t caret, const CompletionLookups& lookups) {
    caret = std::min(caret, text.size());
    size_t lineStart = text.find_last_of("\r\n", caret == 0 ? 0 : caret - 1);
    lineStart = (lineStart == std::string_view::npos || lineStart >= caret) ? 0 : lineStart + 1;
    std::string_view line = text.substr(lineStart, caret - lineStart);
    if (EndsInCommentOrString(line)) return {};
    MemberAccess access = ParseMemberAccess(line);
    if (!access.valid) return {};

    DeclarationScope scope(text, lineStart + access.start);
    TypeLookup findType = lookups.findType ? lookups.findType : PlainTypeLookup(lookups);
    std::vector<AccessStep> steps = access.steps;
    if (access.fromWith) {
        MemberAccess subject = ParseAccessChain(scope.WithSubject());
        if (!subject.valid) return {};
        subject.steps.back().accessor = ".";
        steps.insert(steps.begin(), subject.steps.begin(), subject.steps.end());
    }

    ChainWalker walker(scope, findType);
    std::optional<ChainValue> value = walker.Head(steps.front().name);
    if (!value) {
        const AccessStep& only = steps.front();
        bool plainName = steps.size() == 1 && !access.fromWith && !only.called && !only.indexes && !only.derefs;
        if (!plainName || only.accessor != ".") return {};
        return KnownSymbolMembers(only.name, LineWords(line, true).size(), lookups, findType);
    }
    for (size_t i = 0; i < steps.size(); ++i) {
        if (!ApplyStep(steps[i], *value)) return {};
        if (i + 1 < steps.size()) {
            value = walker.Member(*value, steps[i + 1].name);
            if (!value) return {};
        }
    }
    if (value->type.members.empty()) return {};
    return MemberRows(value->type.members);
}

CompletionLists FindDotCompletion(int caretLine, const std::function<std::string(int)>& lineAt,
                                  const CompletionLookups& lookups) {
    std::string text;
    for (int index = 0; index <= caretLine; ++index) {
        if (index) text += "\n";
        text += lineAt(index);
    }
    return FindDotCompletion(text, text.size(), lookups);
}

}  // namespace tavrin
