// Saved dialogs a user may bring from elsewhere or damage by hand, rebuilt
// with Velpack's live windows: absurd bounds, classes no pack offers and
// values that are no values. Each opens without a crash or a hang, shows
// what it can and keeps the text as it was.
#include <gtest/gtest.h>

#include <windows.h>
#undef CreateDialog  // the code reader's builder has a member of that name

#include <memory>
#include <string>
#include <vector>

#include "designer/dialog_reader.h"
#include "designer/dialog_window.h"
#include "designer/live_design_builder.h"
#include "loaded_packs.h"

namespace tavrin::test {
namespace {

std::string DialogText(const std::string& fields, const std::string& body) {
    return "type QDialog1 extends QForm\r\n" + fields +
           "   declare constructor\r\n"
           "   declare operator cast as QForm ptr\r\n"
           "end type\r\n"
           "\r\n"
           "var shared Dialog1=QDialog1\r\n"
           "\r\n"
           "constructor QDialog1\r\n"
           "this.Parent=application'0\r\n" +
           body +
           "end constructor\r\n"
           "\r\n"
           "operator QDialog1.cast as QForm ptr\r\n"
           "   return @this\r\n"
           "end operator\r\n";
}

class HostileDialogTest : public testing::Test {
protected:
    DialogsRead Read(const std::string& text) {
        document.SetText(text);
        LiveDesignBuilder builder([&]() -> TDialog& {
            built.push_back(std::make_unique<TDialog>("QForm", &Packs().registry));
            built.back()->Create();
            return *built.back();
        });
        DialogsRead read = ParseDialogs(document, builder, "QForm");
        EXPECT_EQ(document.Text(), text) << "reading changes no line";
        return read;
    }
    std::vector<std::unique_ptr<TDialog>> built;
    VectorLineDocument document;
};

TEST_F(HostileDialogTest, AbsurdBoundsOpenWithoutACrashAndTheWindowsExist) {
    DWORD start = GetTickCount();
    Read(DialogText("   Container1 as QButton\r\n   Container2 as QEdit\r\n",
                    "this.SetBounds(-2147483648,2147483647,2147483647,-2147483648)\r\n"
                    "Container1.Parent=@This\r\n"
                    "Container1.SetBounds(2147483647,2147483647,2147483647,2147483647)\r\n"
                    "Container2.Parent=@This\r\n"
                    "Container2.SetBounds(-5,-5,-100,-100)\r\n"));
    EXPECT_LT(GetTickCount() - start, 10000u) << "no hang";
    ASSERT_EQ(built.size(), 1u);
    ASSERT_EQ(built[0]->ELDesigner.Components().size(), 2u);
    for (const auto& c : built[0]->ELDesigner.Components()) {
        EXPECT_TRUE(IsWindow(c->Handle()));
        EXPECT_NE(c->HostHandle(), nullptr) << c->Name() << " has its live window";
    }
    EXPECT_TRUE(IsWindow(built[0]->Handle()));
}

TEST_F(HostileDialogTest, AClassNoPackOffersAndValuesThatAreNoValuesLeaveTheRestStanding) {
    DialogsRead read = Read(DialogText("   Container1 as QNoSuchClass\r\n   Container2 as QButton\r\n",
                                       "this.SetBounds(10,10,300,200)\r\n"
                                       "Container1.Parent=@This\r\n"
                                       "Container1.SetBounds(8,8,80,24)\r\n"
                                       "Container2.Parent=@This\r\n"
                                       "Container2.SetBounds(8,40,80,24)\r\n"
                                       "Container2.Left=abc\r\n"
                                       "Container2.Text=\"unclosed\r\n"
                                       "Container2.Enabled=Perhaps\r\n"));
    ASSERT_EQ(built.size(), 1u);
    TContainer* button = nullptr;
    for (const auto& c : built[0]->ELDesigner.Components())
        if (c->Name() == "Container2") button = c.get();
    ASSERT_NE(button, nullptr) << "the button after the unknown class is read";
    EXPECT_NE(button->HostHandle(), nullptr);
    EXPECT_EQ(button->Top(), 40);
    EXPECT_EQ(built[0]->ELDesigner.Components()[0]->HostHandle(), nullptr) << "no live window for an unknown class";
    ASSERT_TRUE(read.error) << "a value that is no value stops the reading at its line";
    EXPECT_EQ(document.Line(read.error->line), "Container2.Left=abc");
}

}  // namespace
}  // namespace tavrin::test
