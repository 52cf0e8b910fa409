// The scanner's classification of source lines: the forms of the line table,
// comments, continued lines, enumerations and the reports of malformed lines.
#include <gtest/gtest.h>

#include "analysis/explorer_tree_model.h"
#include "analysis/scanner.h"
#include "analysis_test_support.h"

namespace tavrin::test {
namespace {

using S = TScanner;

TEST_F(ScannerTest, FormTypeWithExtendedBaseCollectsItsFields) {
    ExplorerTreeModel tree;
    scanner.SetTreeView(&tree);
    ScanLines({"type TMyForm extends QForm", "    dim Button1 as QButton", "end type"});

    ASSERT_EQ(Names(S::Types), std::vector<std::string>{"TMyForm"});
    const TType* form = List(S::Types)[0]->AsType();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->Extends, "QForm");
    EXPECT_EQ(form->Kind, "type");
    EXPECT_EQ(form->Line, 1);
    EXPECT_EQ(form->FileName(), "test.bas");
    ASSERT_EQ(form->Fields.size(), 1u);
    const TField& button = *form->Fields[0];
    EXPECT_EQ(button.Name(), "Button1");
    EXPECT_EQ(button.Return, "QButton");
    EXPECT_EQ(button.Kind, "field");
    EXPECT_EQ(button.Line, 2);
    EXPECT_NE(tree.FindPath({"Types", "TMyForm", "Button1"}), ExplorerTree::kNoParent);
    EXPECT_FALSE(scanner.InType());
    EXPECT_EQ(scanner.CurrentType(), "TMyForm");
    EXPECT_TRUE(reports.empty());
}

TEST_F(ScannerTest, AsTypeListDeclaresEveryName) {
    ScanLines({"type T", "dim as integer ptr p, q", "as zstring const ptr s",
               "dim as long a = 1, b(0 to 3), c = {1, 2}, d", "x(1 to 2) as double", "end type"});
    const FieldList& fields = List(S::Types)[0]->Fields;
    EXPECT_EQ(NamesOf(fields), (std::vector<std::string>{"p", "q", "s", "a", "b", "c", "d", "x"}));
    EXPECT_EQ(fields[0]->Return, "integer");
    EXPECT_EQ(fields[1]->Return, "integer");
    EXPECT_EQ(fields[2]->Return, "zstring");
    EXPECT_EQ(fields[7]->Return, "double");
}

TEST_F(ScannerTest, MalformedLinesAreReportedAndScanningGoesOn) {
    ScanLines({"dim shared before as integer", "end", "function", "declare function",
               "dim shared after as integer"});
    EXPECT_EQ(reports, (std::vector<std::string>{"test.bas(1) Line: end",
                                                 "test.bas(2) Line: function",
                                                 "test.bas(3) Line: declare function"}));
    EXPECT_EQ(Names(S::Variables), (std::vector<std::string>{"before", "after"}));
    EXPECT_TRUE(List(S::Functions).empty());
}

TEST_F(ScannerTest, MalformedLineLeavesNoRecordEvenWhenAnEarlierFormMatched) {
    // Inside a type, "dim shared as integer" is first read as a field named
    // "shared"; the shared-variable form then misses its names: nothing is kept.
    ScanLines({"type T", "dim shared as integer", "end type"});
    EXPECT_EQ(reports.size(), 1u);
    EXPECT_TRUE(List(S::Types)[0]->Fields.empty());
    EXPECT_TRUE(List(S::Variables).empty());
}

TEST_F(ScannerTest, EnumerationMembersAndValues) {
    ScanLines({"enum Colors", "    Red, Green", "", "    Blue = 5 ' the last", "end enum",
               "const After = 1"});
    ASSERT_EQ(Names(S::Enumerations), std::vector<std::string>{"Colors"});
    const FieldList& members = List(S::Enumerations)[0]->Fields;
    ASSERT_EQ(NamesOf(members), (std::vector<std::string>{"Red", "Green", "Blue"}));
    EXPECT_EQ(members[0]->Kind, "enumeration field");
    EXPECT_EQ(members[0]->Line, 2);
    EXPECT_EQ(members[1]->Line, 2);
    EXPECT_EQ(members[2]->Line, 4);
    EXPECT_EQ(members[0]->Return, "");
    EXPECT_EQ(members[2]->Return, "5");
    EXPECT_EQ(Names(S::Constants), std::vector<std::string>{"After"});
}

TEST_F(ScannerTest, EnumerationValuesPerItemAndUnendedBody) {
    ScanLines({"enum", "A = 1, B = 2, C", "#ifdef X", "D", "const NotAConstant = 1"});
    const FieldList& members = List(S::Enumerations)[0]->Fields;
    EXPECT_EQ(List(S::Enumerations)[0]->Name(), "");
    EXPECT_EQ(NamesOf(members), (std::vector<std::string>{"A", "B", "C", "D", "const"}));
    EXPECT_EQ(members[0]->Return, "1");
    EXPECT_EQ(members[1]->Return, "2");
    EXPECT_EQ(members[2]->Return, "");
    EXPECT_TRUE(List(S::Constants).empty());
}

TEST_F(ScannerTest, DeclaredFunctionGoesToTheCurrentTypeUntilABodyEnds) {
    ScanLines({"type Counter", "  declare function Count() as integer", "end type",
               "declare function Later(byval n as integer) as long", "sub Counter.Reset()",
               "end sub", "declare function Count() as integer"});
    const FieldList& fields = List(S::Types)[0]->Fields;
    ASSERT_EQ(NamesOf(fields), (std::vector<std::string>{"Count", "Later"}));
    EXPECT_EQ(fields[0]->Kind, "function");
    EXPECT_EQ(fields[0]->Return, "integer");
    EXPECT_TRUE(fields[0]->Fields.empty());
    ASSERT_EQ(fields[1]->Fields.size(), 1u);
    EXPECT_EQ(fields[1]->Fields[0]->Name(), "n");
    EXPECT_EQ(fields[1]->Fields[0]->Return, "integer");
    ASSERT_EQ(Names(S::Functions), std::vector<std::string>{"Count"});
    EXPECT_EQ(List(S::Functions)[0]->Line, 7);
    EXPECT_EQ(Names(S::Subroutines), std::vector<std::string>{"Counter.Reset"});
    EXPECT_EQ(scanner.CurrentType(), "");
}

TEST_F(ScannerTest, DeclareFormsOutsideAType) {
    ScanLines({"declare sub Paint(byval w as any ptr)", "declare operator + (a as T, b as T) as T",
               "declare constructor (x as integer)", "declare property Size() as integer",
               "declare function Api lib \"user32\" alias \"ApiA\" (byval h as HWND, "
               "byval t as zstring ptr) as BOOL"});
    EXPECT_EQ(Names(S::Subroutines), std::vector<std::string>{"Paint"});
    EXPECT_EQ(Names(S::Operators), std::vector<std::string>{"+"});
    EXPECT_EQ(Names(S::Properties), std::vector<std::string>{"Size"});
    ASSERT_EQ(Names(S::Functions), std::vector<std::string>{"Api"});
    const TField& api = *List(S::Functions)[0];
    EXPECT_EQ(api.Return, "BOOL");
    EXPECT_EQ(NamesOf(api.Fields), (std::vector<std::string>{"h", "t"}));
    EXPECT_EQ(api.Fields[1]->Return, "zstring");
    EXPECT_EQ(api.Fields[1]->Kind, "parameter");
    EXPECT_EQ(api.Fields[1]->Line, 5);
}

TEST_F(ScannerTest, BodyFormsSharedVariablesAndConstants) {
    ScanLines({"Function Area(w as double) as Double", "    function = w * w", "end function",
               "sub Main", "end sub", "operator T.cast() as string", "property T.Size as integer",
               "private function Hidden() as integer", "dim shared as integer a, b",
               "common shared c as string", "dim shared arr(10) as byte", "var shared v = 5",
               "const K = 10", "const L as long = 3", "const"});
    ASSERT_EQ(Names(S::Functions), (std::vector<std::string>{"Area", "Hidden"}));
    EXPECT_EQ(List(S::Functions)[0]->Kind, "Function");
    EXPECT_EQ(List(S::Functions)[0]->Return, "Double");
    EXPECT_EQ(Names(S::Subroutines), std::vector<std::string>{"Main"});
    EXPECT_EQ(Names(S::Operators), std::vector<std::string>{"T.cast"});
    EXPECT_EQ(List(S::Operators)[0]->Return, "string");
    EXPECT_EQ(Names(S::Properties), std::vector<std::string>{"T.Size"});
    ASSERT_EQ(Names(S::Variables), (std::vector<std::string>{"a", "b", "c", "arr", "v"}));
    const FieldList& vars = List(S::Variables);
    EXPECT_EQ(vars[0]->Return, "integer");
    EXPECT_EQ(vars[0]->Kind, "dim");
    EXPECT_EQ(vars[2]->Return, "string");
    EXPECT_EQ(vars[2]->Kind, "common");
    EXPECT_EQ(vars[3]->Return, "byte");
    EXPECT_EQ(vars[4]->Return, "5");
    EXPECT_EQ(vars[4]->FileName(), "test.bas");
    ASSERT_EQ(Names(S::Constants), (std::vector<std::string>{"K", "L", ""}));
    EXPECT_EQ(List(S::Constants)[0]->Return, "10");
    EXPECT_EQ(List(S::Constants)[1]->Return, "long");
    EXPECT_TRUE(reports.empty());
}

TEST_F(ScannerTest, TypeLineForms) {
    ScanLines({"type Packed field = 1", "end type", "type Handle as any ptr",
               "type Callback as sub(byval x as integer)", "type Plain as integer",
               "type Empty", "end type", "type"});
    ASSERT_EQ(Names(S::Types), (std::vector<std::string>{"Packed", "Handle", "Callback",
                                                         "Plain", "Empty"}));
    const FieldList& types = List(S::Types);
    EXPECT_EQ(types[0]->AsType()->FieldAlign, "1");
    EXPECT_EQ(types[1]->AsType()->AliasOf, "any");
    EXPECT_EQ(types[1]->AsType()->Rest, "ptr ");
    EXPECT_EQ(types[2]->AsType()->AliasOf, "sub");
    EXPECT_EQ(types[2]->AsType()->Rest, ") ");
    EXPECT_EQ(types[3]->AsType()->Rest, "");
    EXPECT_EQ(scanner.CurrentType(), "Empty");
    EXPECT_TRUE(reports.empty());
}

TEST_F(ScannerTest, AliasLineEndsTheTypeBody) {
    ScanLines({"type Open", "type Alias as integer", "dim shared x as integer"});
    EXPECT_FALSE(scanner.InType());
    EXPECT_EQ(Names(S::Variables), std::vector<std::string>{"x"});
}

TEST_F(ScannerTest, CommentsNeverBecomeSymbols) {
    ScanLines({"dim shared a as integer /' a block", "type Hidden", "dim h as integer",
               "end type '/ dim shared b as integer", "/' short '/ const C = 1",
               "const D = 2 ' a note", "const E = a / b ' a note: no block here",
               "const Q = \"'\"", "' type Commented", "const F = 3 /' again '/ ' end",
               "/' never closed", "const Lost = 1"});
    EXPECT_EQ(Names(S::Variables), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(List(S::Variables)[1]->Line, 4);
    EXPECT_TRUE(List(S::Types).empty());
    EXPECT_EQ(Names(S::Constants), (std::vector<std::string>{"C", "D", "E", "Q", "F"}));
    EXPECT_EQ(List(S::Constants)[1]->Return, "2");
    EXPECT_EQ(List(S::Constants)[3]->Return, "\"'\"");
    EXPECT_EQ(List(S::Constants)[4]->Line, 10);
    EXPECT_TRUE(reports.empty());
}

TEST_F(ScannerTest, ContinuedLinesAreClassifiedTogether) {
    ScanLines({"declare function Joined(byval a as integer, _ ' first", "    byval b as string _",
               "    ) as long", "dim shared after as integer", "const Last = _"});
    ASSERT_EQ(Names(S::Functions), std::vector<std::string>{"Joined"});
    const TField& joined = *List(S::Functions)[0];
    EXPECT_EQ(joined.Line, 1);
    EXPECT_EQ(joined.Return, "long");
    EXPECT_EQ(NamesOf(joined.Fields), (std::vector<std::string>{"a", "b"}));
    ASSERT_EQ(Names(S::Variables), std::vector<std::string>{"after"});
    EXPECT_EQ(List(S::Variables)[0]->Line, 4);
    ASSERT_EQ(Names(S::Constants), std::vector<std::string>{"Last"});
    EXPECT_TRUE(reports.empty());
}

TEST_F(ScannerTest, TabsAndLineBreakStylesInAText) {
    scanner.ScanText("\tdim shared\tx as integer\r\nconst A = 1\rconst B = 2\n", "t");
    EXPECT_EQ(Names(S::Variables), std::vector<std::string>{"x"});
    EXPECT_EQ(Names(S::Constants), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(List(S::Constants)[1]->Line, 3);
}

TEST_F(ScannerTest, FindSymbolSearchesCategoriesInOrder) {
    ScanLines({"const Shape = 1", "type shape", "end type", "sub Draw", "end sub",
               "operator Only(a as integer) as integer", "property Prop as integer"});
    auto found = scanner.FindSymbol("SHAPE");
    ASSERT_NE(found, nullptr);
    EXPECT_NE(found->AsType(), nullptr);
    EXPECT_EQ(scanner.FindSymbol("draw"), List(S::Subroutines)[0]);
    EXPECT_EQ(scanner.FindSymbol("Only"), nullptr);
    EXPECT_EQ(scanner.FindSymbol("Prop"), nullptr);
    EXPECT_EQ(scanner.FindSymbol("missing"), nullptr);
}

TEST_F(ScannerTest, StateCarriesAcrossScansOfScannersGivenOneState) {
    ScanState common;
    TScanner first(&common), second(&common);
    first.ScanText("type Outer\ndim a as integer", "first.bas");
    EXPECT_TRUE(first.InType());
    EXPECT_TRUE(second.InType());
    EXPECT_EQ(second.CurrentType(), "Outer");
    second.ScanText("type Outer\ndim b as integer\nend type", "second.bas");
    EXPECT_FALSE(first.InType());
    // The second scanner starts inside nothing of its own; its Outer has one field.
    EXPECT_EQ(NamesOf(second.List(S::Types)[0]->Fields), std::vector<std::string>{"b"});
    EXPECT_EQ(NamesOf(first.List(S::Types)[0]->Fields), std::vector<std::string>{"a"});
}

// Scanners of different pages (or of a page and an opened dialog) must not see
// each other's unfinished types.
TEST_F(ScannerTest, ScannersWithTheirOwnStateDoNotDisturbEachOther) {
    ScanLines({"type Outer", "dim a as integer"});
    EXPECT_TRUE(scanner.InType());
    TScanner other;
    EXPECT_FALSE(other.InType());
    other.ScanText("type Inner\ndim b as integer\nend type", "other.bas");
    EXPECT_TRUE(scanner.InType());
    EXPECT_EQ(scanner.CurrentType(), "Outer");
    EXPECT_EQ(other.CurrentType(), "Inner");
    EXPECT_FALSE(other.InType());
    scanner.ResetState();
    EXPECT_FALSE(scanner.InType());
    EXPECT_EQ(scanner.CurrentType(), "");
}

}  // namespace
}  // namespace tavrin::test
