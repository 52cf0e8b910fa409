#include "analysis/declaration_scope.h"

#include <cctype>
#include <initializer_list>

#include "analysis/source_statements.h"
#include "common/text.h"

namespace tavrin {

namespace {

bool Is(std::string_view token, std::string_view keyword) { return EqualsNoCase(token, keyword); }

bool IsProcedureKind(std::string_view token) {
    for (const char* kind : {"sub", "function", "property", "operator", "constructor", "destructor"})
        if (Is(token, kind)) return true;
    return false;
}

bool IsPointerWord(std::string_view token) { return Is(token, "ptr") || Is(token, "pointer"); }

// The items of a comma-separated list in tokens[from, to): index ranges,
// commas inside brackets not counted.
std::vector<std::pair<size_t, size_t>> Items(const std::vector<std::string_view>& tokens, size_t from, size_t to) {
    std::vector<std::pair<size_t, size_t>> items;
    int depth = 0;
    size_t start = from;
    for (size_t k = from; k < to; ++k) {
        std::string_view token = tokens[k];
        if (token == "(" || token == "[" || token == "{") ++depth;
        else if ((token == ")" || token == "]" || token == "}") && depth > 0) --depth;
        else if (token == "," && depth == 0) {
            items.emplace_back(start, k);
            start = k + 1;
        }
    }
    if (start < to) items.emplace_back(start, to);
    return items;
}

// The index after the bracket group that opens at open.
size_t SkipGroup(const std::vector<std::string_view>& tokens, size_t open, size_t to) {
    int depth = 0;
    for (size_t k = open; k < to; ++k) {
        std::string_view token = tokens[k];
        if (token == "(" || token == "[" || token == "{") ++depth;
        else if ((token == ")" || token == "]" || token == "}") && --depth == 0) return k + 1;
    }
    return to;
}

// "as [const] T [const] [ptr ...]" from the "as" at asIndex; next receives the
// index after it. No type for a procedure pointer ("as sub(...)").
std::optional<DeclaredType> TypeAfterAs(const std::vector<std::string_view>& tokens, size_t asIndex, size_t to,
                                        size_t& next) {
    size_t k = asIndex + 1;
    if (k < to && Is(tokens[k], "const")) ++k;
    next = to;
    if (k >= to || !IsNameChar(tokens[k][0]) || Is(tokens[k], "sub") || Is(tokens[k], "function"))
        return std::nullopt;
    DeclaredType type;
    type.typeName.assign(tokens[k++]);
    while (k < to) {
        if (IsPointerWord(tokens[k])) ++type.pointerDepth;
        else if (!Is(tokens[k], "const")) break;
        ++k;
    }
    next = k;
    return type;
}

// The type of "var name = expression": a "new T", "type<T>(...)", "cast(T, ...)",
// "T(...)" or another variable (with "@" or "*" before it).
std::optional<DeclaredType> TypeOfValue(const std::vector<std::string_view>& tokens, size_t from, size_t to) {
    if (from >= to) return std::nullopt;
    std::string_view first = tokens[from];
    size_t next = 0;
    if (Is(first, "new") && from + 1 < to) {
        auto type = TypeAfterAs(tokens, from, to, next);  // the "new" stands where "as" would
        if (type) ++type->pointerDepth;
        return type;
    }
    if (Is(first, "type") && from + 2 < to && tokens[from + 1] == "<") {
        auto type = TypeAfterAs(tokens, from + 1, to, next);
        if (type && next < to && tokens[next] == ">") return type;
        return std::nullopt;
    }
    if (Is(first, "cast") && from + 2 < to && tokens[from + 1] == "(") {
        auto type = TypeAfterAs(tokens, from + 1, to, next);
        if (type && next < to && tokens[next] == ",") return type;
        return std::nullopt;
    }
    if ((first == "@" || first == "*") && from + 2 == to && IsNameChar(tokens[from + 1][0])) {
        DeclaredType type;
        type.sameAs.assign(tokens[from + 1]);
        type.pointerDepth = first == "@" ? 1 : -1;
        return type;
    }
    if (!IsNameChar(first[0]) || std::isdigit(static_cast<unsigned char>(first[0]))) return std::nullopt;
    DeclaredType type;
    if (from + 1 == to) {
        type.sameAs.assign(first);
        return type;
    }
    if (tokens[from + 1] == "(" && SkipGroup(tokens, from + 1, to) == to) {
        type.typeName.assign(first);
        return type;
    }
    return std::nullopt;
}

}  // namespace

std::vector<std::string_view> StatementTokens(std::string_view statement) {
    std::vector<std::string_view> tokens;
    StatementTokens(statement, tokens);
    return tokens;
}

void StatementTokens(std::string_view statement, std::vector<std::string_view>& tokens) {
    tokens.clear();
    size_t i = 0, size = statement.size();
    while (i < size) {
        char c = statement[i];
        size_t start = i;
        if (c == ' ' || c == '\t') {
            ++i;
            continue;
        }
        if (IsNameChar(c)) {
            while (i < size && (IsNameChar(statement[i]) ||
                                (statement[i] == '.' && i + 1 < size && IsNameChar(statement[i + 1]))))
                ++i;
        } else if (c == '"') {
            size_t close = statement.find('"', i + 1);
            i = close == std::string_view::npos ? size : close + 1;
        } else if (c == '-' && i + 1 < size && statement[i + 1] == '>') {
            i += 2;
        } else {
            ++i;
        }
        tokens.push_back(statement.substr(start, i - start));
    }
}

DeclarationScope::DeclarationScope(std::string_view text, size_t end) {
    if (end > text.size()) end = text.size();
    ForEachStatement(text.substr(0, end), [this](std::string_view statement, int) { Read(statement); });
}

namespace {

// Whether a statement starting with this word can open or close a scope or
// declare a variable (most statements cannot, and need no tokens).
bool MayMatter(std::string_view word) {
    auto any = [&](std::initializer_list<std::string_view> keywords) {
        for (std::string_view keyword : keywords)
            if (Is(word, keyword)) return true;
        return false;
    };
    switch (AsciiLower(word.empty() ? ' ' : word[0])) {
    case 'c': return any({"common", "constructor"});
    case 'd': return any({"dim", "destructor"});
    case 'e': return any({"end", "enum"});
    case 'f': return Is(word, "function");
    case 'o': return Is(word, "operator");
    case 'p': return any({"private", "public", "property"});
    case 'r': return Is(word, "redim");
    case 's': return any({"sub", "static"});
    case 't': return Is(word, "type");
    case 'u': return Is(word, "union");
    case 'v': return Is(word, "var");
    case 'w': return Is(word, "with");
    default: return false;
    }
}

std::string_view FirstWord(std::string_view statement) {
    size_t end = 0;
    while (end < statement.size() && IsNameChar(statement[end])) ++end;
    return statement.substr(0, end);
}

}  // namespace

void DeclarationScope::Read(std::string_view statement) {
    std::string_view first = FirstWord(statement);
    if (!MayMatter(first)) return;
    std::vector<std::string_view>& tokens = tokens_;
    StatementTokens(statement, tokens);
    size_t k = 0;
    while (k + 1 < tokens.size() && (Is(tokens[k], "private") || Is(tokens[k], "public"))) ++k;
    if (k >= tokens.size()) return;
    std::string_view word = tokens[k];
    std::string_view second = k + 1 < tokens.size() ? tokens[k + 1] : std::string_view();

    // Bodies of types, unions and enumerations declare no variables.
    if (!bodyEnd_.empty()) {
        if (Is(word, "end") && Is(second, bodyEnd_)) bodyEnd_.clear();
        return;
    }
    if (Is(word, "type")) {
        bool alias = k + 2 < tokens.size() && Is(tokens[k + 2], "as");
        if (!second.empty() && second != "<" && !alias) bodyEnd_ = "type";
        return;
    }
    if (Is(word, "union") || Is(word, "enum")) {
        bodyEnd_.assign(ToLower(word));
        return;
    }
    if (Is(word, "end")) {
        if (IsProcedureKind(second)) CloseProcedure();
        else if (Is(second, "with") && !withSubjects_.empty()) withSubjects_.pop_back();
        return;
    }
    if (Is(word, "with")) {
        withSubjects_.emplace_back(Trim(statement.substr(static_cast<size_t>(tokens[k].data() - statement.data()) + 4)));
        return;
    }
    if (Is(word, "static") && IsProcedureKind(second)) word = tokens[++k];
    if (IsProcedureKind(word)) {
        if (second != "=") OpenProcedure(tokens, k);  // "function = value" sets a result
        return;
    }
    if (Is(word, "dim") || Is(word, "redim") || Is(word, "static") || Is(word, "common") || Is(word, "var"))
        ReadDeclaration(tokens, k);
}

void DeclarationScope::OpenProcedure(const std::vector<std::string_view>& tokens, size_t kindIndex) {
    CloseProcedure();
    inProcedure_ = true;
    size_t nameIndex = kindIndex + 1;
    if (nameIndex >= tokens.size()) return;
    std::string_view kind = tokens[kindIndex], name = tokens[nameIndex];
    if (Is(kind, "constructor") || Is(kind, "destructor")) {
        enclosingType_.assign(name);
    } else if (nameIndex + 1 < tokens.size() && tokens[nameIndex + 1] == ".") {
        enclosingType_.assign(name);  // "operator T.+=" 
    } else {
        size_t dot = name.rfind('.');
        if (dot != std::string_view::npos) enclosingType_.assign(name.substr(0, dot));
    }
    size_t dot = enclosingType_.rfind('.');  // a type inside a namespace
    if (dot != std::string::npos) enclosingType_.erase(0, dot + 1);
    if (!enclosingType_.empty() && !IsNameChar(enclosingType_[0])) enclosingType_.clear();

    size_t open = nameIndex + 1;
    while (open < tokens.size() && tokens[open] != "(") ++open;
    if (open >= tokens.size()) return;
    size_t close = SkipGroup(tokens, open, tokens.size()) - 1;
    for (auto [from, to] : Items(tokens, open + 1, close)) {
        size_t p = from;
        while (p < to && (Is(tokens[p], "byval") || Is(tokens[p], "byref") || Is(tokens[p], "optional"))) ++p;
        if (p >= to || !IsNameChar(tokens[p][0]) || Is(tokens[p], "as")) continue;
        size_t as = p + 1;
        if (as < to && tokens[as] == "(") as = SkipGroup(tokens, as, to);
        if (as >= to || !Is(tokens[as], "as")) continue;
        size_t next = 0;
        if (auto type = TypeAfterAs(tokens, as, to, next))
            locals_.push_back({std::string(tokens[p]), *type, false});
    }
}

void DeclarationScope::CloseProcedure() {
    inProcedure_ = false;
    locals_.clear();
    withSubjects_.clear();
    enclosingType_.clear();
}

void DeclarationScope::ReadDeclaration(const std::vector<std::string_view>& tokens, size_t keywordIndex) {
    bool isVar = Is(tokens[keywordIndex], "var");
    size_t k = keywordIndex + 1;
    bool shared = false;
    while (k < tokens.size() &&
           (Is(tokens[k], "shared") || Is(tokens[k], "preserve") || Is(tokens[k], "byref"))) {
        shared = shared || Is(tokens[k], "shared");
        ++k;
    }
    std::vector<Declaration>& list = inProcedure_ && !shared ? locals_ : module_;
    auto declare = [&](std::string_view name, const DeclaredType& type) {
        if (!name.empty() && IsNameChar(name[0])) list.push_back({std::string(name), type, shared});
    };
    size_t end = tokens.size();
    if (k < end && Is(tokens[k], "as")) {  // "dim as T a, b"
        size_t next = 0;
        auto type = TypeAfterAs(tokens, k, end, next);
        if (!type) return;
        for (auto [from, to] : Items(tokens, next, end)) declare(tokens[from], *type);
        return;
    }
    for (auto [from, to] : Items(tokens, k, end)) {  // "dim a as T, b(9) as U", "var a = v"
        if (to - from < 2) continue;
        size_t after = from + 1;
        if (tokens[after] == "(") after = SkipGroup(tokens, after, to);
        if (after >= to) continue;
        size_t next = 0;
        std::optional<DeclaredType> type;
        if (Is(tokens[after], "as")) type = TypeAfterAs(tokens, after, to, next);
        else if (isVar && tokens[after] == "=") type = TypeOfValue(tokens, after + 1, to);
        if (type) declare(tokens[from], *type);
    }
}

std::optional<DeclaredType> DeclarationScope::Latest(const std::vector<Declaration>& list, std::string_view name,
                                                     bool sharedOnly) {
    for (auto it = list.rbegin(); it != list.rend(); ++it)
        if ((!sharedOnly || it->shared) && EqualsNoCase(it->name, name)) return it->type;
    return std::nullopt;
}

std::optional<DeclaredType> DeclarationScope::FindLocal(std::string_view name) const {
    return Latest(locals_, name, false);
}

std::optional<DeclaredType> DeclarationScope::FindModule(std::string_view name) const {
    return Latest(module_, name, inProcedure_);
}

}  // namespace tavrin
