// Subclassed windows: an error raised by a subclass handler is shown like a
// command's error and the control goes on; subclasses chain, detach and end
// with their window. The code explorer's subclass of the tree's parent.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "analysis/explorer_tree_view.h"
#include "common/commands.h"
#include "probe_form.h"
#include "ui/window_subclass.h"
#include "../workbench/workbench_fixture.h"

namespace tavrin::test {
namespace {

using Kind = ScriptedPrompts::Kind;

class WindowSubclassTest : public testing::Test {
protected:
    void SetUp() override {
        EnsureWorkbenchStarted();
        Prompts().shown.clear();
        form_.Create();
        edit_ = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 200, 22, form_.Handle(),
                                nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(edit_, nullptr);
    }
    void Type(const char* text) {
        for (const char* c = text; *c; ++c) SendMessageA(edit_, WM_CHAR, static_cast<WPARAM>(*c), 1);
    }
    std::string EditText() const {
        char text[64] = {};
        GetWindowTextA(edit_, text, sizeof text);
        return text;
    }
    std::vector<std::string> Errors() const { return Prompts().TextsOf(Kind::Error); }

    ProbeForm form_;
    HWND edit_ = nullptr;
};

TEST_F(WindowSubclassTest, AFailingHandlerIsReportedAndTheControlGoesOn) {
    WindowSubclass subclass;
    ASSERT_TRUE(subclass.Attach(edit_, [&](UINT message, WPARAM wp, LPARAM lp) -> LRESULT {
        if (message == WM_CHAR && wp == 'x') throw CommandError("No x here.");
        if (message == WM_CHAR && wp == 'q') throw CommandAborted{};
        if (message == WM_CHAR && wp == 'z') throw 7;
        return subclass.CallNext(message, wp, lp);
    }));
    EXPECT_EQ(subclass.Window(), edit_);
    Type("axbqcz");
    EXPECT_EQ(EditText(), "abc") << "the failed characters are not typed, the others are";
    EXPECT_EQ(Errors(), (std::vector<std::string>{"No x here.", "internal error. $01"}));

    // Through the message loop as well.
    PostMessageA(edit_, WM_CHAR, 'x', 1);
    PostMessageA(edit_, WM_CHAR, 'd', 1);
    Pump(30);
    EXPECT_EQ(EditText(), "abcd");
    EXPECT_EQ(Errors().size(), 3u);
}

TEST_F(WindowSubclassTest, SubclassesChainAndDetach) {
    std::string seen;
    WindowSubclass first, second;
    first.Attach(edit_, [&](UINT message, WPARAM wp, LPARAM lp) -> LRESULT {
        if (message == WM_CHAR) seen += "1";
        return first.CallNext(message, wp, lp);
    });
    second.Attach(edit_, [&](UINT message, WPARAM wp, LPARAM lp) -> LRESULT {
        if (message == WM_CHAR) {
            seen += "2";
            if (wp == 'u') return first.Window() ? second.CallNext(message, 'U', lp) : 0;
        }
        return second.CallNext(message, wp, lp);
    });
    Type("u");
    EXPECT_EQ(seen, "21") << "the subclass attached last sees a message first";
    EXPECT_EQ(EditText(), "U") << "a handler may change what it passes on";

    first.Detach();
    seen.clear();
    Type("k");
    EXPECT_EQ(seen, "2");
    EXPECT_EQ(EditText(), "Uk");
    EXPECT_EQ(first.Window(), nullptr);

    // A subclass ends with its window.
    DestroyWindow(edit_);
    EXPECT_EQ(second.Window(), nullptr);
    EXPECT_TRUE(Errors().empty());
}

TEST_F(WindowSubclassTest, NoWindowNoSubclass) {
    WindowSubclass subclass;
    EXPECT_FALSE(subclass.Attach(nullptr, [](UINT, WPARAM, LPARAM) -> LRESULT { return 0; }));
    EXPECT_FALSE(subclass.Attach(edit_, nullptr));
    EXPECT_EQ(subclass.Window(), nullptr);
    EXPECT_EQ(subclass.CallNext(WM_GETTEXTLENGTH, 0, 0), 0);
}

// The explorer, with an update that fails when asked to: expanding a node
// fills it inside the explorer's subclass of the tree's parent.
class FailingExplorer : public TreeViewExplorer {
public:
    using TreeViewExplorer::TreeViewExplorer;
    void BeginUpdate() override {
        if (failUpdates) throw CommandError("The explorer cannot update.");
        TreeViewExplorer::BeginUpdate();
    }
    bool failUpdates = false;
};

TEST_F(WindowSubclassTest, AnExplorerThatFailsToFillANodeIsReportedAndGoesOn) {
    HWND tree = CreateWindowExA(0, WC_TREEVIEWA, "", WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS, 0, 30,
                                200, 200, form_.Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(tree, nullptr);
    FailingExplorer explorer(tree);
    ExplorerTree::NodeId types = explorer.AddNode(ExplorerTree::kNoParent, "Types", {});
    explorer.AddNode(types, "TPoint", {});
    ExplorerTree::NodeId subs = explorer.AddNode(ExplorerTree::kNoParent, "Subroutines", {});
    explorer.AddNode(subs, "Main", {});
    ASSERT_EQ(explorer.ItemCount(), 2u) << "children wait for their node to expand";
    HTREEITEM typesItem = TreeView_GetRoot(tree);
    HTREEITEM subsItem = TreeView_GetNextSibling(tree, typesItem);

    explorer.failUpdates = true;
    TreeView_Expand(tree, typesItem, TVE_EXPAND);
    EXPECT_EQ(Prompts().TextsOf(Kind::Error),
              (std::vector<std::string>{"The explorer cannot update."}));
    EXPECT_EQ(explorer.ItemCount(), 2u);

    explorer.failUpdates = false;
    TreeView_Expand(tree, subsItem, TVE_EXPAND);
    EXPECT_EQ(explorer.ItemCount(), 3u) << "the next node fills as usual";
    EXPECT_TRUE(IsWindow(form_.Handle()));
    EXPECT_EQ(Prompts().TextsOf(Kind::Error).size(), 1u);
}

}  // namespace
}  // namespace tavrin::test
