// The inspector and the objects tree wired to a real dialog under design
// with Velpack's buttons on it: the selection choosing the rows and the
// object box entry, edits reaching the live window and the dialog's code
// (the font in a form the code reader takes back), moves showing at once,
// the tree and the object box selecting on the surface, renames following
// into the code, and deletion.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

// The system's headers name a function CreateDialog too; the code reader's builder has one.
#undef CreateDialog

#include <memory>
#include <string>
#include <vector>

#include "app/inspector_wiring.h"
#include "common/commands.h"
#include "designer/dialog_code.h"
#include "designer/dialog_commands.h"
#include "designer/dialog_menus.h"
#include "designer/dialog_reader.h"
#include "designer/dialog_window.h"
#include "designer/live_design_builder.h"
#include "editor/line_document.h"
#include "inspector/inspector_window.h"
#include "inspector/objects_tree_window.h"
#include "loaded_packs.h"
#include "support/win32_test_windows.h"

namespace tavrin::test {
namespace {

PackApi* Velpack() {
    TPack* pack = Packs().registry.PackOfClass("QButton");
    return pack ? pack->Api() : nullptr;
}

std::string WindowText(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string FaceOf(HWND window) {
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font.lfFaceName;
}

int CountLines(const LineDocument& code, const std::string& text) {
    int count = 0;
    for (int i = 0; i < code.LineCount(); ++i) count += code.Line(i) == text;
    return count;
}

class InspectorWiringTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Velpack());
        Prompts().shown.clear();
        inspector = std::make_unique<TInspector>([] { return Velpack(); },
                                                 [this](PackObject object) { return link->ObjectOf(object); });
        inspector->Create(nullptr);
        SetWindowPos(inspector->Handle(), nullptr, 10, 10, 280, 460, SWP_NOZORDER);
        inspector->Show();
        tree.Create(nullptr);
        tree.Show();
        link = std::make_unique<InspectorLink>(*inspector, tree, [] { return Velpack(); });
        inspector->Rules().OnPropertyEdited = [this](const PropertyEdit& edit) { edits.push_back(edit); };
        dialog = std::make_unique<TDialog>("QForm", &Packs().registry);
        dialog->Create();
        dialog->SetName("Dialog1");
        WriteDialogSkeleton(code, "Dialog1", {});
        dialog->Code = &code;
        dialog->Show();
        dialog->WriteOwnContainerLines();
        SendMessageA(dialog->Handle(), WM_ACTIVATE, WA_ACTIVE, 0);
    }
    void TearDown() override {
        link.reset();
        dialog.reset();
        inspector.reset();
        Packs().registry.SelectedClassName.clear();
    }

    void Send(HWND window, UINT message, int x, int y, WPARAM keys = 0) {
        SendMessageA(window, message, keys, MAKELPARAM(x, y));
    }
    // A QButton dragged out on the dialog as a user places it.
    TContainer& Place(int x, int y, int toX, int toY) {
        Packs().registry.SelectedClassName = "QButton";
        Send(dialog->Handle(), WM_LBUTTONDOWN, x, y, MK_LBUTTON);
        Send(dialog->Handle(), WM_MOUSEMOVE, toX, toY, MK_LBUTTON);
        Send(dialog->Handle(), WM_LBUTTONUP, toX, toY);
        return *dialog->ELDesigner.Components().back();
    }
    int RowOf(const std::string& name) { return inspector->Rules().Grid().RowOf(name); }
    std::string Shown(const std::string& name) {
        char text[256] = {};
        ListView_GetItemText(inspector->Grid()->List(), RowOf(name), 1, text, sizeof text);
        return text;
    }
    void Type(const std::string& name, const std::string& text) {
        ASSERT_GE(RowOf(name), 0) << name;
        inspector->Grid()->SelectRow(RowOf(name));
        HWND editor = inspector->Grid()->ValueEditor();
        ASSERT_TRUE(editor);
        SetWindowTextA(editor, text.c_str());
        SendMessageA(editor, WM_KEYDOWN, VK_RETURN, 0);
    }
    std::string BoxText() { return WindowText(inspector->ObjectBox()); }
    std::vector<std::string> BoxEntries() {
        std::vector<std::string> entries;
        for (const ObjectEntry& entry : inspector->ObjectEntries()) entries.push_back(entry.text);
        return entries;
    }
    std::vector<TELDesigner::Item> Selected() {
        std::vector<TELDesigner::Item> items;
        for (int i = 0; i < dialog->ELDesigner.SelectionCount(); ++i) items.push_back(dialog->ELDesigner.Selection(i));
        return items;
    }
    std::vector<PackObject> Inspected() { return inspector->Rules().Grid().Objects(); }
    PackObject FormObject() { return dialog->OwnContainer().PackObject(); }

    std::unique_ptr<TInspector> inspector;
    TObjectsTree tree;
    std::unique_ptr<InspectorLink> link;
    std::unique_ptr<TDialog> dialog;
    VectorLineDocument code;
    std::vector<PropertyEdit> edits;
};

TEST_F(InspectorWiringTest, TheSelectionChoosesTheRowsAndTheObjectBoxEntry) {
    EXPECT_EQ(Inspected(), std::vector<PackObject>{FormObject()}) << "the dialog itself is selected at first";
    TContainer& first = Place(21, 19, 100, 50);
    TContainer& second = Place(150, 19, 230, 50);
    EXPECT_EQ(BoxEntries(), (std::vector<std::string>{"this :QForm", "Container1 :QButton", "Container2 :QButton"}));
    EXPECT_EQ(BoxText(), "Container2 :QButton");
    EXPECT_EQ(Inspected(), std::vector<PackObject>{second.PackObject()});
    // The place is the container's (the live window sits at 0,0 inside it).
    EXPECT_EQ(Shown("Left"), "144");
    EXPECT_EQ(Shown("Top"), "16");
    EXPECT_EQ(Shown("Text"), "Container2");

    SendMessageA(first.Handle(), WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(5, 5));
    SendMessageA(first.Handle(), WM_LBUTTONUP, MK_SHIFT, MAKELPARAM(5, 5));
    ASSERT_EQ(Selected().size(), 2u);
    EXPECT_EQ(BoxText(), "multiple items selected");
    EXPECT_EQ(Inspected(), (std::vector<PackObject>{second.PackObject(), first.PackObject()}));
    EXPECT_EQ(Shown("Top"), "16") << "both stand at 16";
    EXPECT_EQ(Shown("Left"), "") << "they stand apart";

    Send(dialog->Handle(), WM_LBUTTONDOWN, 400, 200, MK_LBUTTON);
    Send(dialog->Handle(), WM_LBUTTONUP, 400, 200);
    EXPECT_EQ(BoxText(), "this :QForm");
    EXPECT_EQ(Inspected(), std::vector<PackObject>{FormObject()});
    EXPECT_EQ(Shown("Left"), std::to_string(dialog->WindowBounds().left)) << "the dialog's place";
    SendMessageA(dialog->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(Selected().empty());
    EXPECT_EQ(Inspected(), std::vector<PackObject>{FormObject()}) << "nothing selected shows the dialog";
}

TEST_F(InspectorWiringTest, AnEditReachesTheLiveWindowAndOneCodeLine) {
    TContainer& button = Place(21, 19, 100, 50);
    Type("Text", "OK");
    EXPECT_EQ(WindowText(button.HostHandle()), "OK");
    EXPECT_EQ(CountLines(code, "Container1.Text=\"OK\""), 1);
    Type("Text", "Go");
    EXPECT_EQ(CountLines(code, "Container1.Text=\"OK\""), 0);
    EXPECT_EQ(CountLines(code, "Container1.Text=\"Go\""), 1);
    ASSERT_EQ(edits.size(), 2u);
    EXPECT_EQ(edits[1].name, "Text");
    EXPECT_EQ(edits[1].oldValue, "OK");
    EXPECT_EQ(edits[1].newValue, "Go");
    EXPECT_EQ(edits[1].object, link->ObjectOf(button.PackObject()));

    // An edit of the dialog goes to the dialog's own lines, named "this".
    SendMessageA(dialog->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    Type("Left", "300");
    EXPECT_EQ(dialog->WindowBounds().left, 300);
    EXPECT_EQ(CountLines(code, "this.Left=300"), 1);
    EXPECT_EQ(button.Left(), 16) << "the button stays";
}

TEST_F(InspectorWiringTest, TheFontEditorsChoiceReachesTheWindowAndIsReadBack) {
    TContainer& button = Place(21, 19, 100, 50);
    Prompts().fonts.push_back({"Courier New", 12});
    inspector->Grid()->SelectRow(RowOf("Font"));
    SendMessageA(inspector->Handle(), WM_COMMAND, MAKEWPARAM(213, BN_CLICKED),
                 reinterpret_cast<LPARAM>(inspector->Grid()->EllipsisButton()));
    EXPECT_EQ(Shown("Font"), "Courier New,12");
    EXPECT_EQ(FaceOf(button.HostHandle()), "Courier New");
    EXPECT_EQ(CountLines(code, "Container1.Font->FaceName=\"Courier New\""), 1);
    EXPECT_EQ(CountLines(code, "Container1.Font->Size=12"), 1);

    // The code reader makes the same font from those lines.
    VectorLineDocument copy;
    copy.SetText(code.Text());
    std::vector<std::unique_ptr<TDialog>> read;
    LiveDesignBuilder builder([&]() -> TDialog& {
        read.push_back(std::make_unique<TDialog>("QForm", &Packs().registry));
        read.back()->Create();
        return *read.back();
    });
    ParseDialogs(copy, builder, "QForm");
    ASSERT_EQ(read.size(), 1u);
    ASSERT_EQ(read[0]->ELDesigner.Components().size(), 1u);
    TContainer& again = *read[0]->ELDesigner.Components()[0];
    EXPECT_EQ(again.Properties().Get("Font"), "Courier New,12");
    EXPECT_EQ(FaceOf(again.HostHandle()), "Courier New");
}

TEST_F(InspectorWiringTest, MovesAndResizesShowAtOnce) {
    TContainer& button = Place(21, 19, 100, 50);
    SendMessageA(button.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    Send(dialog->Handle(), WM_MOUSEMOVE, 16 + 10 + 45, 16 + 10 + 13, MK_LBUTTON);
    Send(dialog->Handle(), WM_LBUTTONUP, 16 + 10 + 45, 16 + 10 + 13);
    EXPECT_EQ(button.Left(), 64);
    EXPECT_EQ(Shown("Left"), "64");
    EXPECT_EQ(Shown("Top"), "32");
    button.SetBounds(64, 32, 120, 40);
    EXPECT_EQ(Shown("Width"), "120");
    EXPECT_EQ(Shown("Height"), "40");

    SendMessageA(dialog->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    SetWindowPos(dialog->Handle(), nullptr, 420, 230, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(Shown("Left"), "420");
    EXPECT_EQ(Shown("Top"), "230");
}

TEST_F(InspectorWiringTest, TheTreeAndTheObjectBoxSelectOnTheSurface) {
    TContainer& first = Place(21, 19, 100, 50);
    TContainer& second = Place(150, 19, 230, 50);
    EXPECT_EQ(tree.Model().Nodes().size(), 3u);
    int node = tree.Model().NodeOf(&first);
    ASSERT_GE(node, 0);
    TreeView_SelectItem(tree.TreeView(), tree.ItemOf(node));
    EXPECT_EQ(Selected(), std::vector<TELDesigner::Item>{&first});
    EXPECT_EQ(Inspected(), std::vector<PackObject>{first.PackObject()});
    EXPECT_EQ(BoxText(), "Container1 :QButton");

    SendMessageA(inspector->ObjectBox(), CB_SETCURSEL, 2, 0);
    SendMessageA(inspector->Handle(), WM_COMMAND, MAKEWPARAM(200, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(inspector->ObjectBox()));
    EXPECT_EQ(Selected(), std::vector<TELDesigner::Item>{&second});
    EXPECT_EQ(Inspected(), std::vector<PackObject>{second.PackObject()});
    SendMessageA(inspector->ObjectBox(), CB_SETCURSEL, 0, 0);
    SendMessageA(inspector->Handle(), WM_COMMAND, MAKEWPARAM(200, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(inspector->ObjectBox()));
    EXPECT_EQ(Selected(), std::vector<TELDesigner::Item>{nullptr}) << "\"this\" stands for the dialog";
}

TEST_F(InspectorWiringTest, ARenameInTheTreeFollowsIntoTheCodeAndTheObjectBox) {
    TContainer& button = Place(21, 19, 100, 50);
    Type("Text", "OK");
    int node = tree.Model().NodeOf(&button);
    HWND edit = TreeView_EditLabel(tree.TreeView(), tree.ItemOf(node));
    ASSERT_TRUE(edit);
    SetWindowTextA(edit, "OkButton");
    TreeView_EndEditLabelNow(tree.TreeView(), FALSE);
    EXPECT_EQ(button.Name(), "OkButton");
    EXPECT_EQ(CountLines(code, "   OkButton as QButton"), 1);
    EXPECT_EQ(CountLines(code, "OkButton.Parent=@This"), 1);
    EXPECT_EQ(CountLines(code, "OkButton.SetBounds(16,16,80,32)"), 1);
    EXPECT_EQ(CountLines(code, "OkButton.Text=\"OK\""), 1);
    EXPECT_EQ(code.Text().find("Container1"), std::string::npos);
    EXPECT_EQ(BoxEntries()[1], "OkButton :QButton");
    EXPECT_EQ(WindowText(button.HostHandle()), "OK") << "a text of its own stays";

    std::string before = code.Text();
    for (const char* refused : {"1st", "this", "my-button"}) {
        EXPECT_THROW(tree.Model().NodeEdited(node, refused), CommandError) << refused;
        EXPECT_EQ(button.Name(), "OkButton");
        EXPECT_EQ(tree.Model().Nodes()[node].text, "OkButton") << "the node keeps its text";
    }
    EXPECT_EQ(code.Text(), before);

    tree.Model().NodeEdited(0, "Main");
    EXPECT_EQ(dialog->Name(), "Main");
    EXPECT_NE(code.Text().find("type QMain extends QForm"), std::string::npos);
    EXPECT_NE(code.Text().find("constructor QMain"), std::string::npos);
    EXPECT_NE(code.Text().find("var shared Main=QMain"), std::string::npos);
}

TEST_F(InspectorWiringTest, EditsAndRenamesAreEachOneStepOfTheDialogsUndo) {
    Place(21, 19, 100, 50);
    std::string placed = code.Text();
    Type("Text", "OK");
    std::string edited = code.Text();
    tree.Model().NodeEdited(tree.Model().NodeOf(dialog->ELDesigner.Components().back().get()), "OkButton");
    ASSERT_NE(code.Text().find("OkButton.Text=\"OK\""), std::string::npos);

    dialog->Commands().Undo();
    EXPECT_EQ(code.Text(), edited);
    EXPECT_EQ(dialog->ELDesigner.Components().back()->Name(), "Container1");
    dialog->Commands().Undo();
    EXPECT_EQ(code.Text(), placed);
    EXPECT_NE(WindowText(dialog->ELDesigner.Components().back()->HostHandle()), "OK");
    dialog->Commands().Redo();
    EXPECT_EQ(code.Text(), edited);
    EXPECT_EQ(WindowText(dialog->ELDesigner.Components().back()->HostHandle()), "OK");

    // Older steps hold the dialog's old name: after renaming the dialog there is nothing to undo.
    tree.Model().NodeEdited(0, "Main");
    EXPECT_FALSE(dialog->Commands().CanUndo());
    std::string renamed = code.Text();
    dialog->Commands().Undo();
    EXPECT_EQ(code.Text(), renamed);
}

TEST_F(InspectorWiringTest, DeletingAComponentTakesItsNodeAndEntry) {
    TContainer& button = Place(21, 19, 100, 50);
    PackObject gone = button.PackObject();
    SendMessageA(dialog->Handle(), WM_KEYDOWN, VK_DELETE, 0);
    EXPECT_TRUE(dialog->ELDesigner.Components().empty());
    EXPECT_EQ(tree.Model().Nodes().size(), 1u) << "only the dialog is left";
    EXPECT_EQ(BoxEntries(), std::vector<std::string>{"this :QForm"});
    EXPECT_EQ(Inspected(), std::vector<PackObject>{FormObject()});
    EXPECT_EQ(link->ObjectOf(gone), nullptr);
    EXPECT_EQ(code.Text().find("Container1"), std::string::npos);
}

TEST_F(InspectorWiringTest, ADialogAboutToBeFreedLeavesTheInspectorTheBoxAndTheTree) {
    TContainer& button = Place(21, 19, 100, 50);
    PackObject buttonObject = button.PackObject();
    ASSERT_EQ(Inspected(), std::vector<PackObject>{buttonObject});
    ASSERT_EQ(tree.Model().Nodes().size(), 2u);
    for (DialogEvents* listener : std::vector<DialogEvents*>(DialogListeners())) listener->OnDialogClosing(*dialog);
    EXPECT_TRUE(Inspected().empty());
    EXPECT_TRUE(BoxEntries().empty());
    EXPECT_TRUE(tree.Model().Nodes().empty());
    EXPECT_EQ(TreeView_GetCount(tree.TreeView()), 0u);
    EXPECT_EQ(link->ObjectOf(buttonObject), nullptr) << "its design objects are gone";
    EXPECT_EQ(link->ActiveDialog(), nullptr);
    dialog.reset();  // freed: nothing the link keeps points into it
    auto other = std::make_unique<TDialog>("QForm", &Packs().registry);
    other->Create();
    other->Show();
    SendMessageA(other->Handle(), WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_EQ(link->ActiveDialog(), other.get());
    EXPECT_EQ(Inspected(), std::vector<PackObject>{other->OwnContainer().PackObject()});
}

TEST_F(InspectorWiringTest, MenuItemsInTheTreeActivateAndTheToolBarFollowsTheCurrentProperty) {
    TContainer& button = Place(21, 19, 100, 50);
    std::vector<std::string> status;
    dialog->OnStatus = [&](const std::string& text) { status.push_back(text); };
    Prompts().inputs.push_back("MainMenu");
    dialog->Menus().AddMainMenu();
    Prompts().inputs.push_back("&File");
    dialog->Menus().AddItem();
    DesignMenu* file = dialog->Menus().MainMenu()->children.at(0);
    DialogMenus::ActiveMenu() = nullptr;
    SendMessageA(dialog->Handle(), WM_ACTIVATE, WA_ACTIVE, 0);
    std::vector<std::string> texts;
    for (const TreeNode& node : tree.Model().Nodes()) texts.push_back(node.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"Dialog1", "MainMenu", "&File", "Container1"}));
    TreeView_SelectItem(tree.TreeView(), tree.ItemOf(tree.Model().NodeOf(file)));
    EXPECT_EQ(DialogMenus::ActiveMenu(), file);
    ASSERT_FALSE(status.empty());
    EXPECT_EQ(status.back(), "Active Menu:File");
    EXPECT_EQ(Selected(), std::vector<TELDesigner::Item>{&button}) << "a menu item selects nothing on the surface";

    EXPECT_FALSE(IsWindowEnabled(tree.ToolBar()));
    inspector->Grid()->SelectRow(RowOf("Font"));
    TreeView_SelectItem(tree.TreeView(), tree.ItemOf(tree.Model().NodeOf(&button)));
    EXPECT_TRUE(IsWindowEnabled(tree.ToolBar())) << "the font has an editor";
    inspector->Grid()->SelectRow(RowOf("Text"));
    TreeView_SelectItem(tree.TreeView(), tree.ItemOf(0));
    TreeView_SelectItem(tree.TreeView(), tree.ItemOf(tree.Model().NodeOf(&button)));
    EXPECT_FALSE(IsWindowEnabled(tree.ToolBar())) << "the text has none";
    dialog->OnStatus = nullptr;
}

}  // namespace
}  // namespace tavrin::test
