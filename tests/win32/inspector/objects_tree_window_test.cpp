// The objects tree window over containers hosting live Velpack windows: the
// nodes shown, a click selecting a container, renaming through a node's
// label edit, and "Delete Selection" on component nodes.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "designer/container.h"
#include "inspector/objects_tree_window.h"
#include "loaded_packs.h"
#include "support/win32_test_windows.h"

namespace tavrin::test {
namespace {

std::string ItemText(HWND tree, HTREEITEM item) {
    char text[128] = {};
    TVITEMA data{};
    data.mask = TVIF_TEXT;
    data.hItem = item;
    data.pszText = text;
    data.cchTextMax = sizeof text;
    TreeView_GetItem(tree, &data);
    return text;
}

// The tree's texts in tree order, each indented by its depth.
void Collect(HWND tree, HTREEITEM item, int depth, std::vector<std::string>& texts) {
    for (; item; item = TreeView_GetNextSibling(tree, item)) {
        texts.push_back(std::string(depth, ' ') + ItemText(tree, item));
        Collect(tree, TreeView_GetChild(tree, item), depth + 1, texts);
    }
}

class ObjectsTreeWindowTest : public testing::Test {
protected:
    void SetUp() override {
        Packs();
        dialog = CreateWindowExA(0, PlainWindowClass("ObjectsTreeTestDialog"), "Dialog1", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                 320, 60, 300, 200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        own = Make("this", "QForm");
        panel = Make("Panel1", "QGroupBox");
        button = Make("Button1", "QButton");
        tree.Create(nullptr);
        tree.Show();
        tree.Model().SelectContainer = [this](void* object) { selected.push_back(static_cast<TContainer*>(object)); };
        tree.Model().Rename = [](void* object, const std::string& name) { static_cast<TContainer*>(object)->SetName(name); };
        tree.Model().CloseDialog = [this](void*) { ++closed; };
    }
    void TearDown() override {
        containers.clear();
        DestroyWindow(dialog);
    }
    TContainer* Make(const std::string& name, const std::string& host) {
        containers.push_back(std::make_unique<TContainer>(dialog));
        containers.back()->SetName(name);
        containers.back()->SetHost(host);
        return containers.back().get();
    }
    std::vector<std::string> Shown() {
        std::vector<std::string> texts;
        Collect(tree.TreeView(), TreeView_GetRoot(tree.TreeView()), 0, texts);
        return texts;
    }
    void Fill(const TreeMenuBar* bar = nullptr) {
        tree.ShowDialog("Dialog1", &dialog, bar, {{"this", own, nullptr}, {"Panel1", panel, nullptr}, {"Button1", button, panel}});
    }

    HWND dialog = nullptr;
    std::vector<std::unique_ptr<TContainer>> containers;
    TContainer* own = nullptr;
    TContainer* panel = nullptr;
    TContainer* button = nullptr;
    TObjectsTree tree;
    std::vector<TContainer*> selected;
    int closed = 0;
};

TEST_F(ObjectsTreeWindowTest, ComponentsNestUnderTheDialogWithoutItsOwnContainer) {
    Fill();
    EXPECT_EQ(Shown(), (std::vector<std::string>{"Dialog1", " Panel1", "  Button1"}));
    EXPECT_EQ(tree.Model().NodeOf(own), -1);
    EXPECT_FALSE(IsWindowEnabled(tree.ToolBar()));
    tree.AddComponent("Edit1", Make("Edit1", "QEdit"), nullptr);
    EXPECT_EQ(Shown().back(), " Edit1");
}

TEST_F(ObjectsTreeWindowTest, ClickingANodeSelectsItsContainer) {
    Fill();
    TreeView_SelectItem(tree.TreeView(), tree.ItemOf(tree.Model().NodeOf(button)));
    EXPECT_EQ(selected, (std::vector<TContainer*>{button}));
}

TEST_F(ObjectsTreeWindowTest, LabelEditRenamesContainersButOnlyTheTextOfMenuItems) {
    int item = 0;
    TreeMenuBar bar{"MainMenu1", &item, {{"&File", &item + 1, {}}}};
    Fill(&bar);
    EXPECT_EQ(Shown(), (std::vector<std::string>{"Dialog1", " MainMenu1", "  &File", " Panel1", "  Button1"}));
    auto rename = [&](int node, const char* text) {
        SetFocus(tree.TreeView());
        HWND edit = TreeView_EditLabel(tree.TreeView(), tree.ItemOf(node));
        ASSERT_TRUE(edit);
        SetWindowTextA(edit, text);
        TreeView_EndEditLabelNow(tree.TreeView(), FALSE);
    };
    rename(tree.Model().NodeOf(button), "OkButton");
    EXPECT_EQ(button->Name(), "OkButton");
    rename(tree.Model().NodeOf(&item + 1), "&Datei");
    EXPECT_EQ(Shown()[2], "  &Datei");
    EXPECT_EQ(Shown()[4], "  OkButton");
    EXPECT_EQ(panel->Name(), "Panel1");
}

TEST_F(ObjectsTreeWindowTest, ContainerRenamesFollowToItsNode) {
    Fill();
    button->SetNode(tree.NodeFor(tree.Model().NodeOf(button)));
    button->SetName("Renamed");
    EXPECT_EQ(Shown()[2], "  Renamed");
}

TEST_F(ObjectsTreeWindowTest, DeleteSelectionOnAComponentNodeDoesNothing) {
    Fill();
    TreeView_SelectItem(tree.TreeView(), tree.ItemOf(tree.Model().NodeOf(panel)));
    EXPECT_TRUE(tree.DeleteSelectionEnabled());
    tree.DeleteSelection();
    EXPECT_EQ(closed, 0);
    EXPECT_EQ(Shown().size(), 3u);
    TreeView_SelectItem(tree.TreeView(), tree.ItemOf(0));
    tree.DeleteSelection();
    EXPECT_EQ(closed, 1);
}

TEST_F(ObjectsTreeWindowTest, AThousandComponentsFillTheShownTreeAtOnceAndItDrawsAgain) {
    std::vector<TreeControl> controls;
    static int objects[1000];
    for (int i = 0; i < 1000; ++i) controls.push_back({"Container" + std::to_string(i + 1), &objects[i], nullptr});
    tree.Show();
    DWORD start = GetTickCount();
    tree.ShowDialog("Dialog1", &dialog, nullptr, controls);
    // Drawn after each node, this took seconds under Wine.
    EXPECT_LT(GetTickCount() - start, 2000u);
    EXPECT_EQ(TreeView_GetCount(tree.TreeView()), 1001u);
    EXPECT_TRUE(IsWindowVisible(tree.TreeView())) << "drawing is on again";
    RECT shown{};
    *reinterpret_cast<HTREEITEM*>(&shown) = TreeView_GetRoot(tree.TreeView());
    EXPECT_TRUE(SendMessageA(tree.TreeView(), TVM_GETITEMRECT, FALSE, reinterpret_cast<LPARAM>(&shown)));
    EXPECT_GT(shown.bottom, shown.top);
    EXPECT_EQ(Shown()[1000], " Container1000");
}

// Counts the text sets the tree control receives: each makes it measure all
// its items again.
int textSets = 0;
WNDPROC treeProcedure = nullptr;
LRESULT CALLBACK CountingTreeProc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    if (message == TVM_SETITEMA || message == TVM_SETITEMW) ++textSets;
    return CallWindowProcA(treeProcedure, window, message, wp, lp);
}

TEST_F(ObjectsTreeWindowTest, NodesGivenAfterFillingSetNoTextTheTreeShowsAlreadyButRenamesStillShow) {
    std::vector<std::unique_ptr<TContainer>> many;
    std::vector<TreeControl> controls;
    for (int i = 0; i < 300; ++i) {
        many.push_back(std::make_unique<TContainer>(dialog));
        many.back()->SetName("Container" + std::to_string(i + 1));
        controls.push_back({many.back()->Name(), many.back().get(), nullptr});
    }
    tree.ShowDialog("Dialog1", &dialog, nullptr, controls);
    textSets = 0;
    treeProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(tree.TreeView(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountingTreeProc)));
    for (auto& container : many) container->SetNode(tree.NodeFor(tree.Model().NodeOf(container.get())));
    EXPECT_EQ(textSets, 0) << "a thousand of these took seconds under Wine";
    tree.NodeFor(tree.Model().NodeOf(many[7].get()))->SetText("Container8x");
    tree.NodeFor(tree.Model().NodeOf(many[8].get()))->SetText("container9");
    EXPECT_EQ(textSets, 2);
    std::vector<std::string> shown = Shown();
    EXPECT_EQ(shown[8], " Container8x");
    EXPECT_EQ(shown[9], " container9");
    EXPECT_EQ(shown[300], " Container300");
    SetWindowLongPtrA(tree.TreeView(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(treeProcedure));
    for (auto& container : many) container->SetNode(nullptr);
}

}  // namespace
}  // namespace tavrin::test
