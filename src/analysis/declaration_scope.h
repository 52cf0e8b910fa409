// The declarations a reader of FreeBASIC sees at a point of a page: the
// variables of the procedure the point is in (its parameters, its "dim",
// "static", "redim" and "var" lines), the module's variables ("shared" ones
// only inside a procedure), the type whose method the point is in, and the
// subject of an open "with" block. Read from the top of the page to the point,
// so that block comments, continued lines and ":" are handled as a reader
// would.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrin {

// The type a name was declared with, as written, and its pointer levels
// ("as RECT ptr" gives RECT and 1). A "var" declared from another variable
// ("var q = r", "var p = @r") names that variable instead of a type.
struct DeclaredType {
    std::string typeName;
    int pointerDepth = 0;
    std::string sameAs;  // the variable whose type this one takes, when not empty
};

class DeclarationScope {
public:
    // Reads text up to the offset end (text.size() at most).
    DeclarationScope(std::string_view text, size_t end);

    // A variable or parameter of the procedure the point is in (the latest
    // declaration wins).
    std::optional<DeclaredType> FindLocal(std::string_view name) const;
    // A variable of the module seen from the point: at module level every one,
    // inside a procedure the shared ones.
    std::optional<DeclaredType> FindModule(std::string_view name) const;
    // The type whose constructor, destructor, method, property or operator the
    // point is in; empty outside one.
    const std::string& EnclosingType() const { return enclosingType_; }
    // The expression of the innermost "with" block open at the point; empty
    // outside one.
    std::string WithSubject() const { return withSubjects_.empty() ? std::string() : withSubjects_.back(); }
    bool InProcedure() const { return inProcedure_; }

private:
    struct Declaration {
        std::string name;
        DeclaredType type;
        bool shared = false;
    };

    void Read(std::string_view statement);
    void OpenProcedure(const std::vector<std::string_view>& tokens, size_t kindIndex);
    void CloseProcedure();
    void ReadDeclaration(const std::vector<std::string_view>& tokens, size_t keywordIndex);
    static std::optional<DeclaredType> Latest(const std::vector<Declaration>& list, std::string_view name,
                                              bool sharedOnly);

    std::vector<Declaration> module_, locals_;
    std::vector<std::string> withSubjects_;
    std::string enclosingType_;
    bool inProcedure_ = false;
    // While inside the body of a type, union or enumeration: the word after
    // the "end" that closes it.
    std::string bodyEnd_;
    std::vector<std::string_view> tokens_;  // of the statement being read
};

// Tokens of a statement: names (letters, digits, "_" and inner "."), string
// literals, "->", and every other character on its own; blanks separate.
std::vector<std::string_view> StatementTokens(std::string_view statement);
void StatementTokens(std::string_view statement, std::vector<std::string_view>& tokens);

}  // namespace tavrin
