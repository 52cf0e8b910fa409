// The objects tree's content and rules: the menu bar and its items, the
// components nested as on the dialog without the dialog's own container, the
// click, rename and "Delete Selection".
#include <gtest/gtest.h>

#include "inspector/objects_tree_model.h"

namespace tavrin::test {
namespace {

void* Obj(int n) { return reinterpret_cast<void*>(static_cast<std::uintptr_t>(n) * 16); }

std::vector<std::string> Texts(const ObjectsTreeModel& tree) {
    std::vector<std::string> texts;
    for (const TreeNode& node : tree.Nodes()) {
        std::string parent = node.parent < 0 ? "-" : tree.Nodes()[node.parent].text;
        texts.push_back(parent + ">" + node.text);
    }
    return texts;
}

class ObjectsTreeTest : public testing::Test {
protected:
    void SetUp() override {
        tree.AddNode("Dialog1", Obj(1), TreeObjectKind::Dialog);
        tree.SelectContainer = [this](void* object) { log.push_back("select " + Name(object)); };
        tree.ActivateMenu = [this](void* object) { log.push_back("menu " + Name(object)); };
        tree.Rename = [this](void* object, const std::string& name) { log.push_back("rename " + Name(object) + " " + name); };
        tree.CloseDialog = [this](void* object) { log.push_back("close " + Name(object)); };
    }
    std::string Name(void* object) { return std::to_string(reinterpret_cast<std::uintptr_t>(object) / 16); }

    ObjectsTreeModel tree;
    std::vector<std::string> log;
    std::vector<TreeControl> controls{{"this", Obj(2), nullptr},
                                      {"Panel1", Obj(3), nullptr},
                                      {"Button1", Obj(4), Obj(3)},
                                      {"Edit1", Obj(5), nullptr}};
};

TEST_F(ObjectsTreeTest, WithoutMenuBarOnlyComponentsStandUnderTheDialog) {
    tree.FillTree(nullptr, controls);
    EXPECT_EQ(Texts(tree), (std::vector<std::string>{"->Dialog1", "Dialog1>Panel1", "Panel1>Button1", "Dialog1>Edit1"}));
    EXPECT_EQ(tree.NodeOf(Obj(2)), -1);  // "this" never a node
    EXPECT_EQ(tree.NodeOf(Obj(4)), 2);
    EXPECT_EQ(tree.NodeOf(nullptr), -1);
}

TEST_F(ObjectsTreeTest, MenuBarItemsAndTheirLeafEntries) {
    TreeMenuBar bar{"MainMenu1", Obj(10),
                    {{"&File", Obj(11), {{"&Open", Obj(12), {}}, {"Recent", Obj(13), {{"a.bas", Obj(14), {}}}}}},
                     {"&Help", Obj(15), {}}}};
    tree.FillTree(&bar, controls);
    EXPECT_EQ(Texts(tree), (std::vector<std::string>{"->Dialog1", "Dialog1>MainMenu1", "MainMenu1>&File",
                                                     "MainMenu1>&Help", "&File>&Open", "->a.bas", "Dialog1>Panel1",
                                                     "Panel1>Button1", "Dialog1>Edit1"}));
    EXPECT_EQ(tree.NodeOf(Obj(13)), -1);  // an entry holding entries has no node
}

TEST_F(ObjectsTreeTest, ClickSelectsContainersAndActivatesMenuItems) {
    TreeMenuBar bar{"MainMenu1", Obj(10), {{"&File", Obj(11), {}}}};
    tree.FillTree(&bar, controls);
    tree.Click(tree.NodeOf(Obj(4)));
    tree.Click(tree.NodeOf(Obj(11)));
    tree.Click(0);
    tree.Click(42);
    EXPECT_EQ(log, (std::vector<std::string>{"select 4", "menu 11"}));
}

TEST_F(ObjectsTreeTest, RenamingAMenuItemChangesOnlyItsText) {
    TreeMenuBar bar{"MainMenu1", Obj(10), {{"&File", Obj(11), {}}}};
    tree.FillTree(&bar, controls);
    int item = tree.NodeOf(Obj(11));
    EXPECT_TRUE(tree.NodeEdited(item, "&Datei"));
    EXPECT_EQ(tree.Nodes()[item].text, "&Datei");
    EXPECT_TRUE(log.empty());
    tree.NodeEdited(tree.NodeOf(Obj(5)), "NameEdit");
    tree.NodeEdited(0, "MainDialog");
    EXPECT_EQ(log, (std::vector<std::string>{"rename 5 NameEdit", "rename 1 MainDialog"}));
    EXPECT_FALSE(tree.NodeEdited(-1, "x"));
}

TEST_F(ObjectsTreeTest, DeleteSelectionClosesOnlyDialogsLastFirst) {
    tree.FillTree(nullptr, controls);
    tree.DeleteSelection({1, 2, 3});
    EXPECT_TRUE(log.empty());
    int other = tree.AddNode("Dialog2", Obj(20), TreeObjectKind::Dialog);
    tree.DeleteSelection({0, 1, other});
    EXPECT_EQ(log, (std::vector<std::string>{"close 20", "close 1"}));
    EXPECT_TRUE(tree.CanDelete(1));
    EXPECT_FALSE(tree.CanDelete(tree.AddNode("empty", nullptr, TreeObjectKind::MenuItem)));
}

}  // namespace
}  // namespace tavrin::test
