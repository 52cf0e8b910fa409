// The scanner as its owners use it: files and texts, notifications, the
// explorer tree, and scans interrupted by the message pump.
#include <gtest/gtest.h>

#include <memory>

#include "analysis/explorer_tree_model.h"
#include "analysis/scanner.h"
#include "analysis_test_support.h"
#include "common/message_pump.h"

namespace tavrin::test {
namespace {

using S = TScanner;

class PumpGuard {
public:
    explicit PumpGuard(std::function<void()> pump) { SetMessagePump(std::move(pump)); }
    ~PumpGuard() { SetMessagePump(nullptr); }
};

TEST_F(ScannerTest, ScanLoadsAFileReplacingTabsAndNuls) {
    TempFolder folder;
    std::string path = folder.Write("a.bi", std::string("dim\tshared x as\0integer\r\n", 26));
    scanner.Scan(path);
    EXPECT_EQ(scanner.FileName(), path);
    EXPECT_EQ(scanner.Line(0), "dim shared x as integer");
    ASSERT_EQ(Names(S::Variables), std::vector<std::string>{"x"});
    EXPECT_EQ(List(S::Variables)[0]->FileName(), path);
}

TEST_F(ScannerTest, LinesSplitAtEveryBreakStyleAndPosition) {
    const char* const breaks[] = {"\r\n", "\n", "\r"};
    std::string text;
    std::vector<std::string> expected;
    for (int i = 0; i < 60; ++i) {
        std::string line(static_cast<size_t>(i % 21), 'a' + i % 26);
        if (i % 7 == 3) line += "\t\x01 x";  // control characters are no breaks
        expected.push_back(line);
        text += line + breaks[i % 3];
    }
    text += "last";
    expected.push_back("last");
    scanner.SetText(text);
    ASSERT_EQ(scanner.LineCount(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(scanner.Line(i), expected[i]) << i;
    scanner.SetText("a\r");
    EXPECT_EQ(scanner.LineCount(), 1u);
    scanner.SetText("\n\r\n\r");
    EXPECT_EQ(scanner.LineCount(), 3u);
}

TEST_F(ScannerTest, CommentMarksFoundAtAnyColumn) {
    std::vector<std::string> lines;
    for (int column = 0; column < 20; ++column)
        lines.push_back("const C" + std::to_string(column) + " = 1" + std::string(column + 1, ' ') +
                        (column % 2 ? "' x" : "\"'\" ' y"));
    ScanLines(lines);
    ASSERT_EQ(List(S::Constants).size(), 20u);
    for (int column = 0; column < 20; ++column)
        EXPECT_EQ(List(S::Constants)[column]->Return, "1") << column;
}

TEST_F(ScannerTest, FilesWithAByteOrderMarkAreRead) {
    TempFolder folder;
    std::string utf8 = folder.Write("utf8.bi", "\xEF\xBB\xBFtype First\r\nend type\r\n");
    scanner.Scan(utf8);
    EXPECT_EQ(Names(S::Types), std::vector<std::string>{"First"});

    std::string wide;
    for (char c : std::string("const K = 1\r\nconst L = 2")) wide += {c, '\0'};
    std::string utf16 = folder.Write("utf16.bi", "\xFF\xFE" + wide + "\x01");
    scanner.Scan(utf16);
    EXPECT_EQ(Names(S::Constants), (std::vector<std::string>{"K", "L"}));
    std::string bigEndian;
    for (char c : std::string("const B = 3")) bigEndian += {'\0', c};
    scanner.Scan(folder.Write("utf16be.bi", "\xFE\xFF" + bigEndian + "\x04\x30"));
    ASSERT_EQ(Names(S::Constants), std::vector<std::string>{"B"});
    EXPECT_EQ(List(S::Constants)[0]->Return, "3?");
}

TEST_F(ScannerTest, ScanOfATextThatIsNoFile) {
    scanner.Scan("\x01  const A = 1\nconst B = 2 \t\n\x02");
    EXPECT_EQ(scanner.LineCount(), 2u);
    EXPECT_EQ(Names(S::Constants), (std::vector<std::string>{"A", "B"}));
    EXPECT_FALSE(scanner.ScanFile("/no/such/folder/file.bi"));
}

TEST_F(ScannerTest, EmptyTextClearsListsAndTree) {
    ExplorerTreeModel tree;
    scanner.SetTreeView(&tree);
    int begins = 0, ends = 0;
    scanner.OnBegin = [&](TScanner&, const std::string&) { ++begins; };
    scanner.OnEnd = [&](TScanner&, double) { ++ends; };
    ScanLines({"type T", "end type", "const C = 1"});
    EXPECT_EQ(tree.Roots().size(), 2u);
    scanner.ScanText("", "empty.bas");
    for (int c = 0; c < S::CategoryCount; ++c)
        EXPECT_TRUE(List(static_cast<S::Category>(c)).empty());
    EXPECT_EQ(tree.NodeCount(), 0u);
    EXPECT_EQ(begins, 1);
    EXPECT_EQ(ends, 1);
}

TEST_F(ScannerTest, NotificationsReportFileLinesAndTime) {
    std::vector<std::string> events;
    scanner.OnBegin = [&](TScanner& s, const std::string& name) {
        events.push_back("begin " + name + " " + std::to_string(s.LineCount()));
    };
    scanner.OnLine = [&](TScanner&, std::string_view text, int index) {
        events.push_back(std::to_string(index) + ":" + std::string(text));
    };
    scanner.OnEnd = [&](TScanner&, double ms) {
        events.push_back(ms >= 0 ? "end" : "negative time");
    };
    ScanLines({"enum E", "  A", "end enum", "", "end", "  const C = 1  ' c"});
    EXPECT_EQ(events, (std::vector<std::string>{"begin test.bas 6", "0:enum E", "5:const C = 1",
                                                "end"}));
}

TEST_F(ScannerTest, TreeShowsCategoriesInOrderWithTheirData) {
    ExplorerTreeModel tree;
    scanner.SetTreeView(&tree);
    ScanLines({"type Base", "x as integer", "end type", "type Derived as Base",
               "type Later as Missing", "type Missing", "end type", "sub S1", "end sub",
               "function F1() as integer", "end function", "dim shared V as integer",
               "const K = 1", "enum E", "A", "end enum", "operator O(a as integer) as integer",
               "property P as integer"});
    EXPECT_EQ(tree.ChildTexts(ExplorerTree::kNoParent),
              (std::vector<std::string>{"Types", "Properties", "Enumerations", "Functions",
                                        "Subroutines", "Operators", "Constants", "Variables"}));
    EXPECT_TRUE(tree.Expanded());
    auto types = tree.FindChild(ExplorerTree::kNoParent, "Types");
    EXPECT_EQ(tree.ChildTexts(types), (std::vector<std::string>{"Base", "Later", "Missing"}));
    auto base = tree.FindChild(types, "Base");
    EXPECT_EQ(tree.ChildTexts(base), (std::vector<std::string>{"x", "Derived"}));
    // Enumeration members are not shown.
    EXPECT_TRUE(tree.ChildTexts(tree.FindPath({"Enumerations", "E"})).empty());

    const auto& root = tree.At(tree.FindChild(ExplorerTree::kNoParent, "Functions"));
    ASSERT_EQ(root.data.kind, ExplorerNodeData::Kind::Category);
    EXPECT_EQ(CategoryNamesText(*root.data.category), "F1");
    const auto& symbol = tree.At(tree.FindPath({"Constants", "K"}));
    ASSERT_EQ(symbol.data.kind, ExplorerNodeData::Kind::Symbol);
    EXPECT_EQ(symbol.data.symbol->Line, 13);
}

TEST_F(ScannerTest, TreeDataOutlivesTheNextScan) {
    ExplorerTreeModel kept;
    ScanLines({"sub A", "end sub", "sub B", "end sub"});
    scanner.SetTreeView(&kept);
    auto category = kept.At(kept.Roots()[0]).data.category;
    scanner.SetTreeView(nullptr);
    ScanLines({"const Other = 1"});
    EXPECT_EQ(CategoryNamesText(*category), "A\nB");
}

TEST_F(ScannerTest, SetTreeViewRebuildsOnlyForAnotherView) {
    ExplorerTreeModel first, second;
    ScanLines({"const K = 1"});
    scanner.SetTreeView(&first);
    EXPECT_EQ(first.ClearCount(), 1);
    scanner.SetTreeView(&first);
    EXPECT_EQ(first.ClearCount(), 1);
    scanner.SetTreeView(&second);
    EXPECT_EQ(second.NodeCount(), 2u);
}

TEST_F(ScannerTest, ReportsGoToTheSharedSinkWithoutAnOwnOne) {
    std::vector<std::string> sunk;
    SetScanReportSink([&](const std::string& line) { sunk.push_back(line); });
    TScanner plain;
    plain.ScanText("x\nend", "page.bas");
    SetScanReportSink(nullptr);
    EXPECT_EQ(sunk, std::vector<std::string>{"page.bas(1) Line: end"});
}

TEST_F(ScannerTest, NameChangesAreNotified) {
    TField field;
    int changes = 0;
    field.onNameChanged = [&](TField& f) { changes += f.Name() == "b" ? 1 : 100; };
    field.SetName("b");
    field.SetName("b");
    EXPECT_EQ(changes, 1);
    field.SetName("B");
    EXPECT_EQ(changes, 101);
}

TEST_F(ScannerTest, PumpIsThrottledAndANestedScanRestartsTheRunningOne) {
    std::vector<std::string> lines(5000, "const Old = 1");
    int pumps = 0;
    bool nested = false;
    PumpGuard guard([&] {
        ++pumps;
        if (pumps == 2 && !nested) {
            nested = true;
            scanner.ScanText("const New = 2", "new.bas");
        }
    });
    int ends = 0;
    scanner.OnEnd = [&](TScanner&, double) { ++ends; };
    ScanLines(lines);
    EXPECT_EQ(Names(S::Constants), std::vector<std::string>{"New"});
    EXPECT_EQ(scanner.FileName(), "new.bas");
    EXPECT_EQ(ends, 1);
    EXPECT_LE(pumps, 10);
}

TEST_F(ScannerTest, ScannerDestroyedByAPumpedMessageEndsTheScanSafely) {
    auto owned = std::make_unique<TScanner>();
    std::vector<std::string> lines(3000, "dim shared x as integer");
    bool ended = false;
    owned->OnEnd = [&](TScanner&, double) { ended = true; };
    int pumps = 0;
    PumpGuard guard([&] {
        if (++pumps == 2) owned.reset();
    });
    owned->ScanText(Join(lines, "\n"), "gone.bas");
    EXPECT_EQ(owned, nullptr);
    EXPECT_FALSE(ended);
}

}  // namespace
}  // namespace tavrin::test
