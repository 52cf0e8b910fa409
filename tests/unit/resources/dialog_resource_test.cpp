#include "resources/dialog_resource.h"

#include <gtest/gtest.h>

#include <map>

#include "editor/line_document.h"
#include "resources/dialog_import.h"
#include "resources/resource_script.h"
#include "resources/resource_types.h"

namespace tavrin {
namespace {

// 52 letters 312 pixels wide: average width (312/26+1)/2 = 6; height 13.
constexpr DialogUnitsFont kFont{312, 13};

class FixedFacts : public DialogWindowFacts {
public:
    std::map<std::string, WindowFacts> components;
    WindowFacts Dialog() const override { return {0, 0x80C80000u, 0x100u, ""}; }
    WindowFacts Component(const ComponentDesign& component) const override {
        auto found = components.find(component.name);
        return found == components.end() ? WindowFacts{} : found->second;
    }
};

constexpr const char* kPage =
    "type QDialog1 extends QForm\n"
    "   Panel1 as QPanel\n"
    "   Button1 as QButton\n"
    "   Edit1 as QEdit\n"
    "   MainMenu1 as QMainMenu\n"
    "   File1 as QMenu\n"
    "   Open1 as QMenu\n"
    "   Recent1 as QMenu\n"
    "   Help1 as QMenu\n"
    "   declare constructor\n"
    "end type\n"
    "constructor QDialog1\n"
    "this.SetBounds(60,26,300,130)\n"
    "Caption=\"My \"\"best\"\" dialog\"\n"
    "Panel1.SetBounds(6,13,120,65)\n"
    "Button1.SetBounds(12,26,60,26)\n"
    "Button1.id=77\n"
    "Edit1.SetBounds(150,13,-6,20)\n"
    "File1.Caption=\"&File\"\n"
    "Open1.Caption=\"Open\"\n"
    "Open1.CommandID=101\n"
    "Recent1.Caption=\"Recent\"\n"
    "Recent1.CommandID=102\n"
    "Help1.Caption=\"Help\"\n"
    "Help1.CommandID=103\n"
    "MainMenu1.Add(@File1)\n"
    "File1.Add(@Open1)\n"
    "File1.Add(@Recent1)\n"
    "MainMenu1.Add(@Help1)\n"
    "end constructor\n";

std::string ReadBack(const FixedFacts& facts) {
    VectorLineDocument page;
    page.SetText(kPage);
    std::optional<DialogResource> dialog = ReadDialogResource(page, "dialog1", "QForm", facts);
    EXPECT_TRUE(dialog);
    return dialog ? DialogResourceText(*dialog, kFont) : std::string();
}

TEST(DialogResource, PixelsBecomeDialogUnitsWithIntegerDivisions) {
    EXPECT_EQ(ToDialogUnits({6, 13, 61, 27}, kFont), (Bounds{4, 8, 40, 16}));
    EXPECT_EQ(ToDialogUnits({-7, 0, 5, 12}, kFont), (Bounds{-4, 0, 3, 7}));
    EXPECT_EQ(ToDialogUnits({10, 10, 10, 10}, DialogUnitsFont{}), (Bounds{40, 80, 40, 80}))
        << "a font that measures nothing must not divide by zero";
}

TEST(DialogResource, ADesignedDialogIsWrittenAsMenuAndDialogexBlocks) {
    FixedFacts facts;
    facts.components["Panel1"] = {5, 0x50000000u, 0x200u, ""};
    facts.components["Button1"] = {6, 0x50010000u, 0, "Panel1"};
    facts.components["Edit1"] = {7, 0x50800080u, 0x200u, ""};
    EXPECT_EQ(ReadBack(facts),
              "MainMenu1 MENU\r\n"
              "BEGIN\r\n"
              "POPUP \"&File\"\r\n"
              "BEGIN\r\n"
              " MENUITEM \"Open\", 101\r\n"
              " MENUITEM \"Recent\", 102\r\n"
              "END\r\n"
              "MENUITEM \"Help\", 103\r\n"
              "END\r\n"
              "Dialog1 DIALOGEX 40, 16, 200, 80\r\n"
              "CAPTION \"My \"\"best\"\" dialog\"\r\n"
              "STYLE 2160590848\r\n"
              "EXSTYLE 256\r\n"
              "BEGIN\r\n"
              "   CONTROL \"Panel1\",5,\"QPanel\",1342177280, 4, 8, 80, 40, 512\r\n"
              "   CONTROL \"Button1\",77,\"QButton\",1342242816, 12, 24, 40, 16, 0\r\n"
              "   CONTROL \"Edit1\",7,\"QEdit\",1350566016, 100, 8, -4, 12, 512\r\n"
              "END\r\n");
}

TEST(DialogResource, ControlsFollowTheComponentTheyStandInWhateverTheCodeOrder) {
    FixedFacts facts;
    facts.components["Panel1"] = {1, 0, 0, "Edit1"};
    facts.components["Button1"] = {2, 0, 0, "Nowhere"};
    std::string text = ReadBack(facts);
    size_t edit = text.find("\"Edit1\""), panel = text.find("\"Panel1\""), button = text.find("\"Button1\"");
    ASSERT_NE(button, std::string::npos) << "a component whose parent is unknown is still written";
    EXPECT_LT(edit, panel);
    EXPECT_LT(panel, button);
}

TEST(DialogImport, ADialogChosenTwiceIsImportedOnceAndRenewedEachTime) {
    ResourceItems items;
    DialogImport import;
    int dialogA = 0, dialogB = 0;
    int generation = 0;
    auto describe = [&](const void* dialog) {
        return DialogText{dialog == &dialogA ? "DialogA" : "DialogB", "A DIALOGEX " + std::to_string(++generation)};
    };
    import.Import({&dialogA, &dialogA}, items, describe);
    ASSERT_EQ(items.Items().size(), 1u);
    EXPECT_EQ(items.Items()[0]->ResType, rtDialog);
    EXPECT_EQ(items.Items()[0]->Name, "DialogA");

    import.Import({&dialogB, &dialogA}, items, describe);
    ASSERT_EQ(items.Items().size(), 2u);
    EXPECT_EQ(import.Dialogs(), (std::vector<const void*>{&dialogA, &dialogB}));
    std::vector<ScriptLine> script = GenerateScript(items);
    ASSERT_EQ(script.size(), 2u);
    EXPECT_EQ(script[0].text, "A DIALOGEX 2") << "the text is generated again at each import";
    EXPECT_EQ(script[1].text, "A DIALOGEX 3");
}

TEST(DialogImport, APageWithoutTheDialogGivesNothing) {
    VectorLineDocument page;
    page.SetText(kPage);
    EXPECT_FALSE(ReadDialogResource(page, "Dialog2", "QForm", FixedFacts{}));
}

}  // namespace
}  // namespace tavrin
