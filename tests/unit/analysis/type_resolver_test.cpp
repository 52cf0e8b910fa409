// The members of a type as a page sees them: its own types, then the include
// database with the files the page includes preferred; aliases and base types.
#include <gtest/gtest.h>

#include "analysis/include_chain.h"
#include "analysis/include_database.h"
#include "analysis/type_resolver.h"
#include "common/file_search.h"
#include "support/header_trees.h"

namespace tavrin::test {
namespace {

// Two header trees under one compiler (see header_trees.h): GDI+'s "Rect"
// class and the Win32 "RECT" (an alias of tagRECT) are one name to FreeBASIC.
class HeaderTrees : public testing::Test {
protected:
    void SetUp() override {
        fb = WriteWindowsLikeHeaders(folder);
        db.AddCompilerIncludes(fb);
        search = {JoinPath(fb, "inc")};
    }
    TypeResolver Resolver(const IncludeChain* chain) {
        return TypeResolver([this](std::string_view name) { return page.FindSymbol(name); }, &db.Entries(), chain);
    }
    std::vector<std::string> Members(TypeResolver& resolver, std::string_view name) {
        auto type = resolver.Resolve(name);
        return type ? NamesOf(type->members) : std::vector<std::string>{"<none>"};
    }
    TempFolder folder;
    std::string fb;
    std::vector<std::string> search;
    TDataBase db{""};
    TScanner page;
};

TEST_F(HeaderTrees, TheDatabaseHoldsBothAndItsOrderAloneTakesTheWrongOne) {
    EXPECT_EQ(EntriesNamed(db.Entries(), "rect").size(), 2u);
    TypeResolver resolver = Resolver(nullptr);
    EXPECT_EQ(Members(resolver, "RECT")[0], "X") << "GDI+'s class comes first in the database";
}

TEST_F(HeaderTrees, TheFileThePageIncludesWins) {
    IncludeChain windows = ResolveIncludeChain("", {"windows.bi"}, search);
    TypeResolver resolver = Resolver(&windows);
    auto rect = resolver.Resolve("RECT");
    ASSERT_TRUE(rect);
    EXPECT_EQ(rect->typeName, "tagRECT") << "the alias is followed";
    EXPECT_EQ(NamesOf(rect->members), (std::vector<std::string>{"left", "top", "right", "bottom"}));
    EXPECT_EQ(rect->pointerDepth, 0);
    EXPECT_EQ(Members(resolver, "rect"), NamesOf(rect->members)) << "any letter case";

    IncludeChain gdiplus = ResolveIncludeChain("", {"gdiplus.bi"}, search);
    TypeResolver other = Resolver(&gdiplus);
    EXPECT_EQ(Members(other, "Rect"), (std::vector<std::string>{"X", "Y", "Width", "Height", "constructor",
                                                                "constructor", "constructor", "Clone", "GetLeft"}));
}

TEST_F(HeaderTrees, AliasesAddPointersAndCrossFiles) {
    IncludeChain windows = ResolveIncludeChain("", {"windows.bi"}, search);
    TypeResolver resolver = Resolver(&windows);
    auto lprect = resolver.Resolve("LPRECT");
    ASSERT_TRUE(lprect);
    EXPECT_EQ(lprect->pointerDepth, 1);
    EXPECT_EQ(lprect->members.size(), 4u);
    auto hwnd = resolver.Resolve("HWND");
    ASSERT_TRUE(hwnd) << "the alias's target is declared in another file";
    EXPECT_EQ(hwnd->typeName, "HWND__");
    EXPECT_EQ(hwnd->pointerDepth, 1);
    EXPECT_FALSE(resolver.Resolve("LOOPA")) << "aliases that name each other end";
    EXPECT_FALSE(resolver.Resolve("Unknown"));
    EXPECT_EQ(Members(resolver, "win.RECT").size(), 4u) << "a name inside a namespace";
    EXPECT_LE(resolver.FilesRead(), 3u) << "each file is read once";
}

TEST_F(HeaderTrees, ThePagesOwnTypesComeFirstButNotItsVariables) {
    IncludeChain windows = ResolveIncludeChain("", {"windows.bi"}, search);
    page.ScanText("type RECT\n  x1 as long\nend type\ndim shared tagRECT as integer\n", "page.bas");
    TypeResolver resolver = Resolver(&windows);
    EXPECT_EQ(Members(resolver, "rect"), std::vector<std::string>{"x1"});
    EXPECT_EQ(Members(resolver, "tagRECT").size(), 4u) << "a variable of that name is no type";
}

TEST_F(HeaderTrees, BaseTypesAddTheMembersTheTypeDoesNotHide) {
    page.ScanText(
        "type TBase\n  Left as integer\n  Tag as integer\n  declare sub Click()\nend type\n"
        "type TButton extends TBase\n  Caption as string\n  declare sub Click()\nend type\n"
        "type TWindowRect extends tagRECT\n  hwnd as HWND\nend type\n",
        "page.bas");
    IncludeChain windows = ResolveIncludeChain("", {"windows.bi"}, search);
    TypeResolver resolver = Resolver(&windows);
    EXPECT_EQ(Members(resolver, "TButton"), (std::vector<std::string>{"Caption", "Click", "Left", "Tag"}));
    EXPECT_EQ(Members(resolver, "TWindowRect"),
              (std::vector<std::string>{"hwnd", "left", "top", "right", "bottom"}));
}

TEST_F(HeaderTrees, AFileThatNoLongerDeclaresTheNameGivesWayToTheNext) {
    IncludeChain gdiplus = ResolveIncludeChain("", {"gdiplus.bi"}, search);
    folder.Write("fb/inc/gdiplus/GdiplusTypes.bi", "' emptied since the database was built\n");
    TypeResolver resolver = Resolver(&gdiplus);
    EXPECT_EQ(Members(resolver, "Rect"), (std::vector<std::string>{"left", "top", "right", "bottom"}));
}

TEST_F(HeaderTrees, ThePagesOwnHeadersBeforeTheFilesThePageDoesNotReach) {
    folder.Write("project/shapes.bi", "#include once \"more/kinds.bi\"\n");
    folder.Write("project/more/kinds.bi", "type RECT\n  corner as POINT\n  size as SIZE\nend type\n");
    IncludeChain local = ResolveIncludeChain(folder.Path("project"), {"shapes.bi"}, search);
    TypeResolver resolver = Resolver(&local);
    EXPECT_EQ(Members(resolver, "Rect"), (std::vector<std::string>{"corner", "size"}))
        << "the database does not know the page's folder";
    EXPECT_EQ(Members(resolver, "POINT"), (std::vector<std::string>{"x", "y"})) << "then the database's order";

    IncludeChain both = ResolveIncludeChain(folder.Path("project"), {"shapes.bi", "windows.bi"}, search);
    TypeResolver withWindows = Resolver(&both);
    EXPECT_EQ(Members(withWindows, "Rect"), (std::vector<std::string>{"left", "top", "right", "bottom"}));
}

}  // namespace
}  // namespace tavrin::test
