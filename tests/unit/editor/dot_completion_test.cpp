// Dot completion on the code people write: the declared type of the name
// before "." or "->", found in the page and in the headers it includes.
#include <gtest/gtest.h>

#include "analysis/include_chain.h"
#include "analysis/include_database.h"
#include "common/file_search.h"
#include "common/text.h"
#include "editor/editor_rules.h"
#include "support/header_trees.h"

namespace tavrin::test {
namespace {

const std::vector<std::string> kRectFields = {"left", "top", "right", "bottom"};

class PageCompletion : public testing::Test {
protected:
    void SetUp() override {
        compiler = WriteWindowsLikeHeaders(folder);
        db.AddCompilerIncludes(compiler);
    }
    // Completion at the "|" of the lines (or at their end).
    CompletionLists Complete(const std::vector<std::string>& lines) {
        std::string text = Join(lines, "\r\n");
        size_t caret = text.find('|');
        if (caret == std::string::npos) caret = text.size();
        else text.erase(caret, 1);
        page.ScanText(text, pageFile);
        CompletionLookups lookups;
        lookups.findSymbol = [this](std::string_view name) { return page.FindSymbol(name); };
        lookups.findEntry = [this](std::string_view name) { return db.FindEntry(name); };
        lookups.resolveFields = [this](TField& entry) { return db.ResolveFields(entry); };
        lookups.findType = PageTypeLookup(text, pageFile, page, &db,
                                          IncludeSearchFolders({}, JoinPath(compiler, "fbc.exe")), chains);
        lookups.rescanPage = [this] { ++rescans; };
        lookups.showMembers = [this](const std::string& members) { shown.push_back(members); };
        return FindDotCompletion(text, caret, lookups);
    }
    // The names offered, with "#include once "windows.bi"" above the lines.
    std::vector<std::string> Offered(std::vector<std::string> lines) {
        lines.insert(lines.begin(), "#include once \"windows.bi\"");
        return Complete(lines).insert;
    }

    TempFolder folder;
    std::string compiler;
    std::string pageFile;  // never saved
    TDataBase db{""};
    TScanner page;
    IncludeChainCache chains;
    int rescans = 0;
    std::vector<std::string> shown;
};

TEST_F(PageCompletion, TheWin32RectOfTheIncludedHeaderNotGdiplusRect) {
    CompletionLists lists = Complete({"#include once \"windows.bi\"", "dim as RECT r", "r."});
    EXPECT_EQ(lists.insert, kRectFields);
    EXPECT_EQ(lists.items[0], "left\tfield\tLONG");
    EXPECT_EQ(Offered({"dim r as RECT", "r."}), kRectFields);
    EXPECT_EQ(rescans, 0);
    EXPECT_TRUE(shown.empty());
}

TEST_F(PageCompletion, GdiplusRectWhenThePageIncludesItWithOverloadsInOneRow) {
    CompletionLists lists = Complete({"#include once \"gdiplus.bi\"", "dim r as RECT", "r."});
    EXPECT_EQ(lists.insert, (std::vector<std::string>{"X", "Y", "Width", "Height", "constructor", "Clone", "GetLeft"}));
    EXPECT_EQ(lists.items[4], "constructor\tconstructor (3)\t");
    EXPECT_EQ(lists.items[6], "GetLeft\tfunction\tINT_");
}

TEST_F(PageCompletion, TypesOfTheHeadersBesideASavedPage) {
    folder.Write("project/forms.bi", "#include once \"windows.bi\"\ntype TForm\n  bounds as RECT\nend type\n");
    pageFile = folder.Path("project") + "\\main.bas";
    EXPECT_EQ(Complete({"#include once \"forms.bi\"", "dim f as TForm", "f."}).insert,
              std::vector<std::string>{"bounds"});
    EXPECT_EQ(Complete({"#include once \"forms.bi\"", "dim f as TForm", "f.bounds."}).insert, kRectFields)
        << "windows.bi reached through the page's own header";
}

TEST_F(PageCompletion, EveryFormOfDeclaration) {
    EXPECT_EQ(Offered({"dim r as RECT", "", "x = 1", "", "", "r."}), kRectFields) << "empty lines between";
    EXPECT_EQ(Offered({"dim a as POINT, r as RECT, b(3) as POINT", "r."}), kRectFields);
    EXPECT_EQ(Offered({"dim as POINT a, b", "dim as RECT c, r", "r."}), kRectFields);
    EXPECT_EQ(Offered({"dim shared r as RECT", "sub Draw()", "  r."}), kRectFields);
    EXPECT_EQ(Offered({"dim shared as RECT r", "r."}), kRectFields);
    EXPECT_EQ(Offered({"sub Draw()", "  static r as RECT", "  r."}), kRectFields);
    EXPECT_EQ(Offered({"redim rs(9) as RECT", "rs(2)."}), kRectFields);
    EXPECT_EQ(Offered({"dim rs() as RECT", "redim preserve rs(20)", "rs(i)."}), kRectFields);
    EXPECT_EQ(Offered({"common shared r as RECT", "r."}), kRectFields);
    EXPECT_EQ(Offered({"var r = type<RECT>(0, 0, 8, 8)", "r."}), kRectFields);
    EXPECT_EQ(Offered({"dim r as RECT", "var q = r", "q."}), kRectFields);
    EXPECT_EQ(Offered({"dim r as RECT : r."}), kRectFields);
    EXPECT_EQ(Offered({"dim r as RECT", "x = Area(r.|left) + 1"}), kRectFields) << "in the middle of a line";
}

TEST_F(PageCompletion, ParametersOfTheEnclosingProcedure) {
    EXPECT_EQ(Offered({"sub Paint(byval dc as HDC, r as RECT)", "  r."}), kRectFields);
    EXPECT_EQ(Offered({"function Area(byref r as const RECT) as long", "", "  return r."}), kRectFields);
    EXPECT_EQ(Offered({"sub Paint(byval dc as HDC, _", "          byval r as RECT)", "  dim x as long", "  r."}),
              kRectFields);
    EXPECT_EQ(Offered({"sub Paint(r as RECT)", "end sub", "sub Other()", "  r."}), std::vector<std::string>{})
        << "another procedure's parameter";
    EXPECT_EQ(Offered({"sub Paint()", "  dim r as RECT", "end sub", "r."}), std::vector<std::string>{})
        << "a local of a procedure that ended";
    EXPECT_EQ(Offered({"dim r as POINT", "sub Paint(r as RECT)", "  r."}), kRectFields) << "the parameter hides it";
}

TEST_F(PageCompletion, PointersTakeArrowsOrADereference) {
    EXPECT_EQ(Offered({"dim p as RECT ptr", "p->"}), kRectFields);
    EXPECT_EQ(Offered({"dim p as RECT ptr", "p."}), std::vector<std::string>{}) << "a pointer has no fields";
    EXPECT_EQ(Offered({"dim r as RECT", "r->"}), std::vector<std::string>{}) << "a value is no pointer";
    EXPECT_EQ(Offered({"dim p as RECT ptr", "(*p)."}), kRectFields);
    EXPECT_EQ(Offered({"dim p as RECT ptr", "p[3]."}), kRectFields);
    EXPECT_EQ(Offered({"dim pp as RECT ptr ptr", "pp->"}), std::vector<std::string>{});
    EXPECT_EQ(Offered({"dim pp as RECT ptr ptr", "(*pp)->"}), kRectFields);
    EXPECT_EQ(Offered({"dim lp as LPRECT", "lp->"}), kRectFields) << "the alias adds the pointer";
    EXPECT_EQ(Offered({"dim lp as LPRECT", "lp."}), std::vector<std::string>{});
    EXPECT_EQ(Offered({"var p = new RECT", "p->"}), kRectFields);
    EXPECT_EQ(Offered({"dim r as RECT", "var p = @r", "p->"}), kRectFields);
    EXPECT_EQ(Offered({"sub Paint(byval r as const RECT ptr)", "  r->"}), kRectFields);
}

TEST_F(PageCompletion, TheTypeOfAMethodAndChainsOfFields) {
    std::vector<std::string> type = {
        "type TShape",
        "  dim as RECT bounds",
        "  origin as POINT",
        "  declare sub Move(byval dx as long)",
        "end type",
    };
    auto inPage = [&](std::vector<std::string> more) {
        std::vector<std::string> lines = type;
        lines.insert(lines.end(), more.begin(), more.end());
        return Offered(lines);
    };
    EXPECT_EQ(inPage({"sub TShape.Move(byval dx as long)", "  this."}),
              (std::vector<std::string>{"bounds", "origin", "Move"}));
    EXPECT_EQ(inPage({"sub TShape.Move(byval dx as long)", "  this.bounds."}), kRectFields);
    EXPECT_EQ(inPage({"constructor TShape()", "  bounds."}), kRectFields) << "a field without \"this.\"";
    EXPECT_EQ(inPage({"dim s as TShape", "s.origin."}), (std::vector<std::string>{"x", "y"}));
    EXPECT_EQ(inPage({"dim shapes(4) as TShape", "shapes(1).bounds."}), kRectFields);
    EXPECT_EQ(inPage({"dim s as TShape", "s.Move."}), std::vector<std::string>{}) << "a sub has no members";
    EXPECT_EQ(inPage({"dim s as TShape", "s.missing."}), std::vector<std::string>{});
    EXPECT_EQ(inPage({"this."}), std::vector<std::string>{}) << "no method, no this";
}

TEST_F(PageCompletion, WithBlocks) {
    EXPECT_EQ(Offered({"dim r as RECT", "with r", "  ."}), kRectFields);
    EXPECT_EQ(Offered({"dim r as RECT", "with r", "  x = .left + ."}), kRectFields);
    EXPECT_EQ(Offered({"dim p as RECT ptr", "with *p", "  ."}), kRectFields);
    EXPECT_EQ(Offered({"dim r as RECT", "with r", "end with", "."}), std::vector<std::string>{});
}

TEST_F(PageCompletion, NothingInCommentsStringsNumbersOrForUnknownNames) {
    EXPECT_FALSE(Complete({"dim r as RECT", "' r."}).found);
    EXPECT_FALSE(Complete({"dim r as RECT", "print \"r."}).found);
    EXPECT_FALSE(Complete({"dim r as RECT", "x = 3."}).found);
    EXPECT_TRUE(Complete({"#include once \"windows.bi\"", "dim h as HWND", "h->"}).found)
        << "HWND's target is found through the alias in another file";
    EXPECT_FALSE(Complete({"#include once \"windows.bi\"", "dim x as LOOPA", "x."}).found);
    EXPECT_FALSE(Complete({"unknown."}).found);
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(rescans, 0);
}

TEST_F(PageCompletion, ATypeNameBeforeTheDotStillShowsItsMembersInAMessageBox) {
    CompletionLists lists = Complete({"#include once \"windows.bi\"", "x = RECT."});
    EXPECT_EQ(lists.insert, kRectFields) << "two words: the database, with the included file first";
    EXPECT_EQ(shown, std::vector<std::string>{"left\ntop\nright\nbottom"});
    EXPECT_EQ(rescans, 1);
    EXPECT_FALSE(Complete({"#include once \"windows.bi\"", "RECT."}).found) << "one word: not the database";
}

TEST(MemberRows, FieldsFirstThenProceduresOneRowPerName) {
    auto member = [](const char* name, const char* kind, const char* type) {
        auto record = std::make_shared<TField>();
        record->InitName(name);
        record->Kind = kind;
        record->Return = type;
        return record;
    };
    FieldList members = {member("constructor", "constructor", ""), member("Caption", "property", "string"),
                         member("Left", "field", "long"),           member("Caption", "property", ""),
                         member("Show", "sub", ""),                 member("constructor", "constructor", ""),
                         member("Tag", "", "integer"),              member("caption", "field", "long")};
    CompletionLists lists = MemberRows(members);
    EXPECT_TRUE(lists.found);
    EXPECT_EQ(lists.insert, (std::vector<std::string>{"Left", "Tag", "caption", "constructor", "Caption", "Show"}));
    EXPECT_EQ(lists.items, (std::vector<std::string>{"Left\tfield\tlong", "Tag\t\tinteger", "caption\tfield\tlong",
                                                     "constructor\tconstructor (2)\t",
                                                     "Caption\tproperty (2)\tstring", "Show\tsub\t"}));
    EXPECT_TRUE(MemberRows({}).found);
    EXPECT_TRUE(MemberRows({}).items.empty());
}

}  // namespace
}  // namespace tavrin::test
