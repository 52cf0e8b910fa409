// The inspector window over containers hosting live Velpack windows inside a
// window of this program: the rows it lists for a real QButton, edits typed
// into the grid reaching the live window and the dialog's code, the Events
// tab, the colour editor, and pictures of the window for the artefacts.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "designer/container.h"
#include "inspector/container_object.h"
#include "inspector/inspector_window.h"
#include "loaded_packs.h"
#include "support/win32_test_windows.h"

namespace tavrin::test {
namespace {

std::string WindowText(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

PackApi* Velpack() {
    TPack* pack = Packs().registry.PackOfClass("QButton");
    return pack ? pack->Api() : nullptr;
}

class InspectorWindowTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Velpack());
        Prompts().shown.clear();
        Prompts().colors.clear();
        dialog = CreateWindowExA(0, PlainWindowClass("InspectorTestDialog"), "Dialog1",
                                 WS_OVERLAPPEDWINDOW | WS_VISIBLE, 320, 60, 300, 200, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
        ASSERT_TRUE(dialog);
        inspector = std::make_unique<TInspector>([] { return Velpack(); }, [this](PackObject object) -> InspectedObject* {
            PackApi* pack = Velpack();
            TContainer* container = pack ? ContainerOfPackObject(*pack, object) : nullptr;
            auto found = adapters.find(container);
            return found == adapters.end() ? nullptr : found->second.get();
        });
        inspector->Create(nullptr);
        SetWindowPos(inspector->Handle(), nullptr, 20, 60, 280, 460, SWP_NOZORDER);
        inspector->Show();
        code.InsertLine(0, "constructor Dialog1");
        code.InsertLine(1, "end constructor");
    }
    void TearDown() override {
        inspector.reset();
        adapters.clear();
        containers.clear();
        DestroyWindow(dialog);
    }
    // A container hosting a QButton; withLines: its lines stand in the code.
    TContainer& Place(const std::string& name, bool withLines = true) {
        containers.push_back(std::make_unique<TContainer>(dialog));
        TContainer& container = *containers.back();
        container.SetBounds(10 + 90 * static_cast<int>(containers.size() - 1), 10, 80, 25);
        container.SetName(name);
        container.SetText(name);
        container.SetHost("QButton");
        EXPECT_TRUE(container.PackObject()) << name;
        adapters[&container] = std::make_unique<ContainerObject>(container, &code, CodeObject{&container, name, false});
        if (withLines) {
            int end = code.LineCount() - 1;
            code.InsertLine(end, name + ".Parent=@This", &container);
            code.InsertLine(end + 1, name + ".SetBounds(10,10,80,25)", &container);
        }
        return container;
    }
    int RowOf(const std::string& name) { return inspector->Rules().Grid().RowOf(name); }
    std::vector<std::string> ListedNames() {
        std::vector<std::string> names;
        HWND list = inspector->Grid()->List();
        for (int i = 0, count = ListView_GetItemCount(list); i < count; ++i) {
            char text[128] = {};
            ListView_GetItemText(list, i, 0, text, sizeof text);
            names.push_back(text);
        }
        return names;
    }
    std::string ListedValue(int row) {
        char text[256] = {};
        ListView_GetItemText(inspector->Grid()->List(), row, 1, text, sizeof text);
        return text;
    }
    // Selects the row in the list as a click would, and types text into its editor.
    void Type(const std::string& name, const std::string& text) {
        int row = RowOf(name);
        ASSERT_GE(row, 0) << name;
        inspector->Grid()->SelectRow(row);
        HWND editor = inspector->Grid()->ValueEditor();
        ASSERT_TRUE(editor);
        SetWindowTextA(editor, text.c_str());
        SendMessageA(editor, WM_KEYDOWN, VK_RETURN, 0);
    }

    HWND dialog = nullptr;
    VectorLineDocument code;
    std::vector<std::unique_ptr<TContainer>> containers;
    std::map<TContainer*, std::unique_ptr<ContainerObject>> adapters;
    std::unique_ptr<TInspector> inspector;
};

TEST_F(InspectorWindowTest, AButtonsRowsHideWindowInternalsAndShowBooleansByName) {
    TContainer& button = Place("Container1");
    inspector->InspectObjects({button.PackObject()});
    std::vector<std::string> names = ListedNames();
    ASSERT_FALSE(names.empty());
    for (const std::string& name : names) {
        EXPECT_NE(name, "Handle");
        EXPECT_NE(name, "ParentWnd");
    }
    EXPECT_EQ(ListedValue(RowOf("Enabled")), "True");
    EXPECT_EQ(ListedValue(RowOf("Text")), "Container1");
    EXPECT_EQ(ListedValue(RowOf("ClassName")), "QButton");
    inspector->Grid()->SelectRow(RowOf("Align"));
    HWND picker = inspector->Grid()->ValueEditor();
    ASSERT_TRUE(picker);
    EXPECT_EQ(SendMessageA(picker, CB_GETCOUNT, 0, 0), 6);
    EXPECT_EQ(WindowText(picker), "");  // the ordinal "0" is no item name: nothing picked
}

TEST_F(InspectorWindowTest, TypedTextReachesTheLiveWindowAndTheCode) {
    TContainer& button = Place("Container1");
    inspector->InspectObjects({button.PackObject()});
    Type("Text", "OK");
    EXPECT_EQ(button.Text(), "OK");
    EXPECT_EQ(WindowText(button.HostHandle()), "OK");
    EXPECT_EQ(code.Line(3), "Container1.Text=\"OK\"");
    inspector->Rules().Validate("text", "OK");
    EXPECT_EQ(code.Line(3), "Container1.text=\"OK\"");
    Type("Left", "30");
    EXPECT_EQ(button.Left(), 30);
    EXPECT_EQ(ChildRect(button.Handle()).left, 30);
    EXPECT_EQ(code.Line(4), "Container1.Left=30");
}

TEST_F(InspectorWindowTest, NamesTheContainerDoesNotPublishChangeNothing) {
    TContainer& button = Place("Container1");
    inspector->InspectObjects({button.PackObject()});
    std::string before = code.Text();
    inspector->Rules().Validate("caption", "Go");
    Type("Hint", "a hint");  // published: it changes
    Type("ShowHint", "1");   // not published
    EXPECT_EQ(WindowText(button.HostHandle()), "Container1");
    EXPECT_EQ(code.LineCount(), 5);
    EXPECT_EQ(code.Line(3), "Container1.Hint=\"a hint\"");
}

TEST_F(InspectorWindowTest, AContainerWithoutLinesGetsNone) {
    TContainer& button = Place("Container1", false);
    inspector->InspectObjects({button.PackObject()});
    Type("Text", "OK");
    EXPECT_EQ(WindowText(button.HostHandle()), "OK");
    EXPECT_EQ(code.LineCount(), 2);
}

TEST_F(InspectorWindowTest, EventsTabListsOnlyEventsWithAnEllipsis) {
    TContainer& button = Place("Container1");
    inspector->InspectObjects({button.PackObject()});
    inspector->Rules().SelectedObjects = [&] { return std::optional<std::vector<PackObject>>({button.PackObject()}); };
    inspector->SelectTab(InspectorTab::Events);
    std::vector<std::string> names = ListedNames();
    ASSERT_FALSE(names.empty());
    EXPECT_EQ(names.front(), "onCreate");
    for (const InspectorRow& row : inspector->Rules().Grid().Rows()) {
        ASSERT_TRUE(row.info);
        EXPECT_EQ(KindOf(*row.info), pkEvent) << row.name;
        EXPECT_EQ(row.style, EditStyle::Ellipsis) << row.name;
    }
    inspector->Grid()->SelectRow(0);
    HWND ellipsis = inspector->Grid()->EllipsisButton();
    EXPECT_TRUE(IsWindowVisible(ellipsis));
    RECT place = ChildRect(ellipsis), client{};
    GetClientRect(inspector->Handle(), &client);
    EXPECT_LE(place.right, client.right);  // inside the window, where it can be clicked
    char status[64] = {};
    SendMessageA(inspector->StatusBar(), SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(status));
    EXPECT_STREQ(status, "Events");
}

TEST_F(InspectorWindowTest, ObjectOutsideTheListIsNone) {
    TContainer& button = Place("Container1");
    inspector->InspectObjects({button.PackObject()});
    EXPECT_EQ(inspector->Rules().Grid().Object(-1), nullptr);
    EXPECT_EQ(inspector->Rules().Grid().Object(1), nullptr);
    EXPECT_EQ(inspector->Rules().Grid().Object(0), button.PackObject());
}

TEST_F(InspectorWindowTest, PureRedFromTheColourBoxIsWrittenAs255) {
    TContainer& button = Place("Container1");
    inspector->InspectObjects({button.PackObject()});
    Prompts().colors.push_back(0x0000FF);
    inspector->Grid()->SelectRow(RowOf("Color"));
    SendMessageA(inspector->Handle(), WM_COMMAND, MAKEWPARAM(213, BN_CLICKED),
                 reinterpret_cast<LPARAM>(inspector->Grid()->EllipsisButton()));
    EXPECT_EQ(ListedValue(RowOf("Color")), "255");
    EXPECT_EQ(button.Properties().Get("Color"), "255");
    EXPECT_EQ(code.Line(3), "Container1.Color=255");
}

TEST_F(InspectorWindowTest, SeveralButtonsShareRowsAndEveryOneTakesTheEdit) {
    TContainer& first = Place("Container1");
    TContainer& second = Place("Container2");
    inspector->InspectObjects({first.PackObject(), second.PackObject()});
    EXPECT_EQ(ListedValue(RowOf("Text")), "");        // the texts differ
    EXPECT_EQ(ListedValue(RowOf("Width")), "80");     // the widths agree
    Type("Text", "Same");
    EXPECT_EQ(WindowText(first.HostHandle()), "Same");
    EXPECT_EQ(WindowText(second.HostHandle()), "Same");
    EXPECT_EQ(code.Line(3), "Container1.Text=\"Same\"");
    EXPECT_EQ(code.Line(6), "Container2.Text=\"Same\"");
}

// With TAVRIN_INSPECTOR_SHOT naming a folder: pictures of the inspector
// showing a QButton's Properties and Events tabs.
TEST(InspectorShot, PropertiesAndEventsOfAButton) {
    const char* folder = std::getenv("TAVRIN_INSPECTOR_SHOT");
    if (!folder) GTEST_SKIP() << "TAVRIN_INSPECTOR_SHOT names no folder";
    ASSERT_TRUE(Velpack());
    HWND dialog = CreateWindowExA(0, PlainWindowClass("InspectorShotDialog"), "Dialog1", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                  320, 40, 260, 160, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    auto button = std::make_unique<TContainer>(dialog);
    button->SetBounds(20, 20, 90, 28);
    button->SetName("Button1");
    button->SetText("OK");
    button->SetHost("QButton");
    TInspector inspector([] { return Velpack(); }, [](PackObject) -> InspectedObject* { return nullptr; });
    inspector.Create(nullptr);
    SetWindowPos(inspector.Handle(), nullptr, 20, 40, 290, 520, SWP_NOZORDER);
    inspector.Show();
    inspector.SetObjectEntries({{"Button1 :QButton", button.get()}}, 0);
    PackObject object = button->PackObject();
    inspector.Rules().SelectedObjects = [object] { return std::optional<std::vector<PackObject>>({object}); };
    inspector.InspectObjects({object});
    inspector.Grid()->SelectRow(inspector.Rules().Grid().RowOf("Text"));
    PumpMessagesFor(600);
    RECT area{};
    GetWindowRect(inspector.Handle(), &area);
    std::string base = std::string(folder) + "\\inspector_";
    EXPECT_TRUE(SaveScreenArea(area, base + "properties.bmp"));
    inspector.SelectTab(InspectorTab::Events);
    inspector.Grid()->SelectRow(1);
    PumpMessagesFor(600);
    EXPECT_TRUE(SaveScreenArea(area, base + "events.bmp"));
    button.reset();
    DestroyWindow(dialog);
}

}  // namespace
}  // namespace tavrin::test
