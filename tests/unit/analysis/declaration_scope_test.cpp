// The declarations in scope at a point of a page, and the chain of names
// before a "." or "->".
#include <gtest/gtest.h>

#include "analysis/declaration_scope.h"
#include "analysis/member_access.h"
#include "analysis/source_statements.h"
#include "common/text.h"

namespace tavrin::test {
namespace {

// The scope at the end of the lines.
DeclarationScope ScopeAtEnd(const std::vector<std::string>& lines) {
    std::string text = Join(lines, "\r\n");
    return DeclarationScope(text, text.size());
}

// "T" or "T ptr", "T ptr ptr"...; "=name" for a copy of a variable; "" when not found.
std::string Written(const std::optional<DeclaredType>& type) {
    if (!type) return "";
    std::string text = type->sameAs.empty() ? type->typeName : "=" + type->sameAs;
    for (int i = 0; i < type->pointerDepth; ++i) text += " ptr";
    if (type->pointerDepth < 0) text += " deref";
    return text;
}

std::string Local(const std::vector<std::string>& lines, const char* name) {
    return Written(ScopeAtEnd(lines).FindLocal(name));
}
std::string Module(const std::vector<std::string>& lines, const char* name) {
    return Written(ScopeAtEnd(lines).FindModule(name));
}

TEST(DeclarationScope, DimInBothOrdersWithSeveralNamesArraysAndPointers) {
    std::vector<std::string> lines = {
        "dim r as RECT",
        "dim as POINT p, q(0 to 3), s = (1, 2)",
        "dim a(10) as SIZE, b as const tagRECT ptr, c as RECT ptr ptr = 0",
        "DIM SHARED AS Long Ptr lp",
        "dim byref alias1 as RECT = r",
        "dim f as function(byval x as integer) as RECT",
    };
    DeclarationScope scope = ScopeAtEnd(lines);
    EXPECT_EQ(Written(scope.FindModule("r")), "RECT");
    EXPECT_EQ(Written(scope.FindModule("R")), "RECT") << "names ignore case";
    EXPECT_EQ(Written(scope.FindModule("p")), "POINT");
    EXPECT_EQ(Written(scope.FindModule("q")), "POINT");
    EXPECT_EQ(Written(scope.FindModule("s")), "POINT");
    EXPECT_EQ(Written(scope.FindModule("a")), "SIZE");
    EXPECT_EQ(Written(scope.FindModule("b")), "tagRECT ptr");
    EXPECT_EQ(Written(scope.FindModule("c")), "RECT ptr ptr");
    EXPECT_EQ(Written(scope.FindModule("lp")), "Long ptr");
    EXPECT_EQ(Written(scope.FindModule("alias1")), "RECT");
    EXPECT_EQ(Written(scope.FindModule("f")), "") << "a procedure pointer has no members";
    EXPECT_EQ(Written(scope.FindLocal("r")), "") << "module variables are not locals";
}

TEST(DeclarationScope, StaticRedimCommonAndVar) {
    EXPECT_EQ(Module({"static as RECT r"}, "r"), "RECT");
    EXPECT_EQ(Module({"static r(3) as RECT"}, "r"), "RECT");
    EXPECT_EQ(Module({"redim preserve shared r(5) as RECT"}, "r"), "RECT");
    EXPECT_EQ(Module({"dim r(1) as RECT", "redim r(9)"}, "r"), "RECT") << "a redim without type keeps the dim";
    EXPECT_EQ(Module({"common shared r as RECT"}, "r"), "RECT");
    EXPECT_EQ(Module({"common as RECT r"}, "r"), "RECT");
    EXPECT_EQ(Module({"var p = new RECT"}, "p"), "RECT ptr");
    EXPECT_EQ(Module({"var p = new RECT(1, 2, 3, 4)"}, "p"), "RECT ptr");
    EXPECT_EQ(Module({"var shared r = type<RECT>(0, 0, 1, 1)"}, "r"), "RECT");
    EXPECT_EQ(Module({"var r = cast(RECT ptr, x)"}, "r"), "RECT ptr");
    EXPECT_EQ(Module({"var r = RECT(1, 2)"}, "r"), "RECT");
    EXPECT_EQ(Module({"var q = r"}, "q"), "=r");
    EXPECT_EQ(Module({"var q = @r"}, "q"), "=r ptr");
    EXPECT_EQ(Module({"var n = 1 + 2"}, "n"), "");
    EXPECT_EQ(Module({"var x = 5, p = new POINT"}, "p"), "POINT ptr");
}

TEST(DeclarationScope, EmptyLinesCommentsContinuationsAndColons) {
    EXPECT_EQ(Module({"dim r as RECT", "", "", "   ", "x = 1"}, "r"), "RECT");
    EXPECT_EQ(Module({"dim r as RECT ' the window", "' dim r as POINT", "rem"}, "r"), "RECT");
    EXPECT_EQ(Module({"dim r as RECT", "/' dim r as POINT", "dim r as SIZE '/"}, "r"), "RECT")
        << "a block comment declares nothing";
    EXPECT_EQ(Module({"dim r as _", "  RECT"}, "r"), "RECT");
    EXPECT_EQ(Module({"x = 1 : dim r as RECT : y = 2"}, "r"), "RECT");
    EXPECT_EQ(Module({"print \"dim r as POINT : \" : dim r as RECT"}, "r"), "RECT");
    EXPECT_EQ(Module({"dim r as RECT", "dim r as POINT"}, "r"), "POINT") << "the latest declaration";
}

TEST(DeclarationScope, ParametersAndLocalsOfTheEnclosingProcedure) {
    std::vector<std::string> lines = {
        "dim shared g as RECT",
        "dim m as RECT",
        "sub Paint(byval dc as HDC, r as RECT, byref p as const POINT ptr, _",
        "          optional n as integer = 0, arr() as SIZE, ...)",
        "    dim inner as tagRECT",
        "    static counter as COUNTER",
        "",
    };
    DeclarationScope scope = ScopeAtEnd(lines);
    EXPECT_TRUE(scope.InProcedure());
    EXPECT_EQ(Written(scope.FindLocal("dc")), "HDC");
    EXPECT_EQ(Written(scope.FindLocal("r")), "RECT");
    EXPECT_EQ(Written(scope.FindLocal("p")), "POINT ptr");
    EXPECT_EQ(Written(scope.FindLocal("n")), "integer");
    EXPECT_EQ(Written(scope.FindLocal("arr")), "SIZE");
    EXPECT_EQ(Written(scope.FindLocal("inner")), "tagRECT");
    EXPECT_EQ(Written(scope.FindLocal("counter")), "COUNTER");
    EXPECT_EQ(Written(scope.FindModule("g")), "RECT") << "shared variables reach into procedures";
    EXPECT_EQ(Written(scope.FindModule("m")), "") << "other module variables do not";
    EXPECT_EQ(scope.EnclosingType(), "");

    EXPECT_EQ(Local({"function Area(r as RECT) as integer", "  function = 1", "  dim q as POINT"}, "r"), "RECT")
        << "\"function = value\" opens no procedure";
    EXPECT_EQ(Local({"private function Area cdecl alias \"Area\" (byval r as RECT) as long"}, "r"), "RECT");
    EXPECT_EQ(Local({"static sub Tick(t as TIMERINFO)"}, "t"), "TIMERINFO");
}

TEST(DeclarationScope, AProcedureThatEndedTakesItsDeclarationsAlong) {
    std::vector<std::string> lines = {
        "dim r as POINT",
        "sub Other(r as SIZE)",
        "  dim local as RECT",
        "end sub",
        "",
    };
    DeclarationScope scope = ScopeAtEnd(lines);
    EXPECT_FALSE(scope.InProcedure());
    EXPECT_EQ(Written(scope.FindModule("r")), "POINT") << "module code sees its own variables again";
    EXPECT_EQ(Written(scope.FindLocal("local")), "");
    EXPECT_EQ(Written(scope.FindModule("local")), "");
}

TEST(DeclarationScope, TheTypeOfAMethodAndTheBodiesOfTypes) {
    std::vector<std::string> type = {
        "type TMyForm extends QForm",
        "  dim as RECT bounds",
        "  declare sub Click(byref sender as QObject)",
        "  union",
        "    dim u as POINT",
        "  end union",
        "end type",
        "enum Colors",
        "  Red, Green",
        "end enum",
    };
    auto with = [&](std::vector<std::string> more) {
        std::vector<std::string> lines = type;
        lines.insert(lines.end(), more.begin(), more.end());
        return ScopeAtEnd(lines);
    };
    EXPECT_EQ(Written(with({}).FindModule("bounds")), "") << "a field is no variable";
    EXPECT_EQ(Written(with({}).FindModule("u")), "");
    EXPECT_EQ(with({"sub TMyForm.Click(byref sender as QObject)"}).EnclosingType(), "TMyForm");
    EXPECT_EQ(Written(with({"sub TMyForm.Click(byref sender as QObject)"}).FindLocal("sender")), "QObject");
    EXPECT_EQ(with({"constructor TMyForm"}).EnclosingType(), "TMyForm");
    EXPECT_EQ(with({"destructor TMyForm()"}).EnclosingType(), "TMyForm");
    EXPECT_EQ(with({"property TMyForm.Caption(byref v as string)"}).EnclosingType(), "TMyForm");
    EXPECT_EQ(with({"operator TMyForm.let(byref rhs as TMyForm)"}).EnclosingType(), "TMyForm");
    EXPECT_EQ(with({"operator TMyForm.+=(byref rhs as TMyForm)"}).EnclosingType(), "TMyForm");
    EXPECT_EQ(with({"function ui.TMyForm.Count() as integer"}).EnclosingType(), "TMyForm");
    EXPECT_EQ(with({"operator + (a as RECT, b as RECT) as RECT"}).EnclosingType(), "");
    EXPECT_EQ(with({"sub TMyForm.Click()", "end sub"}).EnclosingType(), "");
    EXPECT_EQ(with({"type RECT2 as RECT", "dim r as RECT2"}).FindModule("r")->typeName, "RECT2")
        << "an alias line opens no body";
}

TEST(DeclarationScope, WithBlocksNest) {
    EXPECT_EQ(ScopeAtEnd({"with r"}).WithSubject(), "r");
    EXPECT_EQ(ScopeAtEnd({"with r", "  with *p  ' a pointer", "  end with"}).WithSubject(), "r");
    EXPECT_EQ(ScopeAtEnd({"with r", "  with forms(2).bounds"}).WithSubject(), "forms(2).bounds");
    EXPECT_EQ(ScopeAtEnd({"with r", "end with"}).WithSubject(), "");
}

TEST(DeclarationScope, OnlyTheTextBeforeThePointCounts) {
    std::string text = "dim r as RECT\ndim q as POINT\n";
    DeclarationScope scope(text, text.find("dim q"));
    EXPECT_TRUE(scope.FindModule("r"));
    EXPECT_FALSE(scope.FindModule("q"));
    EXPECT_FALSE(DeclarationScope(text, 0).FindModule("r"));
    EXPECT_TRUE(DeclarationScope(text, 10000).FindModule("q")) << "an end past the text is the text's end";
}

TEST(DeclarationScope, MalformedLinesDeclareNothingAndDoNotStopTheReading) {
    std::vector<std::string> lines = {
        "dim", "dim as", "dim r as", "dim (", "sub", "sub (", "end", "var", "var x =", "with",
        "type", "dim a(((( as RECT", "sub f(x as", "function = 3", ")))", "dim shared", "end sub", "dim r as RECT",
    };
    EXPECT_EQ(Module(lines, "r"), "RECT");
}

std::string Steps(const MemberAccess& access) {
    if (!access.valid) return "invalid";
    std::string text = access.fromWith ? "with" : "";
    for (const AccessStep& step : access.steps) {
        if (!text.empty()) text += " ";
        text += step.name;
        if (step.called) text += "()";
        for (int i = 0; i < step.indexes; ++i) text += "[]";
        for (int i = 0; i < step.derefs; ++i) text += "*";
        text += step.accessor;
    }
    return text;
}

TEST(MemberAccess, ChainsOfNamesBeforeTheCaret) {
    EXPECT_EQ(Steps(ParseMemberAccess("r.")), "r.");
    EXPECT_EQ(Steps(ParseMemberAccess("  x = Paint(r.")), "r.");
    EXPECT_EQ(ParseMemberAccess("  x = Paint(r.").start, 12u);
    EXPECT_EQ(Steps(ParseMemberAccess("p->")), "p->");
    EXPECT_EQ(Steps(ParseMemberAccess("a.b->c.")), "a. b-> c.");
    EXPECT_EQ(Steps(ParseMemberAccess("forms(i + 1).bounds.")), "forms(). bounds.");
    EXPECT_EQ(Steps(ParseMemberAccess("p[0].")), "p[].");
    EXPECT_EQ(Steps(ParseMemberAccess("(*p).")), "p*.");
    EXPECT_EQ(Steps(ParseMemberAccess("x = (**pp)[2].")), "pp[]**.");
    EXPECT_EQ(Steps(ParseMemberAccess("(*a.p).")), "a. p*.");
    EXPECT_EQ(Steps(ParseMemberAccess("this.")), "this.");
}

TEST(MemberAccess, WithSubjectsAndWhatIsNoChain) {
    EXPECT_EQ(Steps(ParseMemberAccess(".")), "with");
    EXPECT_EQ(Steps(ParseMemberAccess("  x = .")), "with");
    EXPECT_EQ(Steps(ParseMemberAccess("  .bounds.")), "with bounds.");
    EXPECT_EQ(Steps(ParseMemberAccess("->")), "invalid");
    EXPECT_EQ(Steps(ParseMemberAccess("r")), "invalid");
    EXPECT_EQ(Steps(ParseMemberAccess("x = 3.")), "invalid") << "a number";
    EXPECT_EQ(Steps(ParseMemberAccess("p..")), "invalid");
    EXPECT_EQ(Steps(ParseMemberAccess("p->.")), "invalid");
    EXPECT_EQ(Steps(ParseMemberAccess("a)].")), "invalid") << "a bracket never opened";
    EXPECT_EQ(Steps(ParseMemberAccess("().")), "invalid");
    EXPECT_EQ(Steps(ParseAccessChain("forms(2).bounds")), "forms(). bounds");
    EXPECT_EQ(Steps(ParseAccessChain(" *p ")), "p*");
    EXPECT_EQ(Steps(ParseAccessChain("a + b")), "invalid");
    EXPECT_EQ(Steps(ParseAccessChain("")), "invalid");
}

TEST(MemberAccess, TheEndOfALineInsideACommentOrAString) {
    EXPECT_FALSE(EndsInCommentOrString("r."));
    EXPECT_TRUE(EndsInCommentOrString("x = 1 ' see r."));
    EXPECT_TRUE(EndsInCommentOrString("print \"r."));
    EXPECT_FALSE(EndsInCommentOrString("print \"a\" + r."));
    EXPECT_FALSE(EndsInCommentOrString("/' note '/ r."));
    EXPECT_TRUE(EndsInCommentOrString("x /' r."));
}

TEST(SourceStatements, StatementsWithTheirFirstLine) {
    std::vector<std::pair<std::string, int>> seen;
    ForEachStatement("a : b\r\n\r\n' c\r\nd _\r\n  e ' x\r\n/' f\r\n'/ g : \"h:i\"\r\nj _", [&](std::string_view s, int line) {
        seen.emplace_back(std::string(s), line);
    });
    EXPECT_EQ(seen, (std::vector<std::pair<std::string, int>>{
                        {"a", 0}, {"b", 0}, {"d e", 3}, {"g", 6}, {"\"h:i\"", 6}, {"j", 7}}));
}

}  // namespace
}  // namespace tavrin::test
