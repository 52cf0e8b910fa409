// Errors raised while the editor's windows handle messages: the editor frame
// (a notice of the editor control), the editor control's subclass (a key)
// and the completion box (a double click) each show the error like a command
// and go on working.
#include <gtest/gtest.h>

#include <Scintilla.h>

#include "common/commands.h"
#include "page_test_support.h"

namespace tavrin::test {
namespace {

using Kind = ScriptedPrompts::Kind;

class EditorBarrierTest : public EditorFrameTest {
protected:
    void SetUp() override {
        EditorFrameTest::SetUp();
        savedOnChanged_ = page_->Editor().OnChanged;
    }
    void TearDown() override {
        if (page_) page_->Editor().OnChanged = savedOnChanged_;
        EditorFrameTest::TearDown();
    }
    std::vector<std::string> Errors() const { return Prompts().TextsOf(Kind::Error); }

    std::function<void()> savedOnChanged_;
};

TEST_F(EditorBarrierTest, AFailingChangeNoticeInTheFrameIsReportedAndEditingGoesOn) {
    int notices = 0;
    page_->Editor().OnChanged = [&] {
        ++notices;
        throw CommandError("The page cannot change.");
    };
    Edit().InsertBytes(0, "one");  // the control's change notice reaches the frame
    EXPECT_EQ(notices, 1);
    EXPECT_EQ(Errors(), (std::vector<std::string>{"The page cannot change."}));
    EXPECT_EQ(Edit().Line(0), "one") << "the edit itself is kept";

    page_->Editor().OnChanged = savedOnChanged_;
    ASSERT_TRUE(page_->Saved());
    SendMessageA(Edit().Handle(), WM_CHAR, 'x', 1);
    Pump(20);
    EXPECT_FALSE(page_->Saved()) << "the frame still passes the notices on";
    EXPECT_EQ(Errors().size(), 1u);
}

TEST_F(EditorBarrierTest, AFailingKeyInTheEditorsSubclassIsReportedAndTypingGoesOn) {
    page_->Editor().OnChanged = [] { throw std::runtime_error("no overtype today"); };
    SendMessageA(Edit().Handle(), WM_KEYDOWN, VK_INSERT, 0);
    EXPECT_EQ(Errors(), (std::vector<std::string>{"no overtype today"}));
    EXPECT_EQ(Edit().Call(SCI_GETOVERTYPE), 1) << "the control had the key before the notice failed";

    page_->Editor().OnChanged = savedOnChanged_;
    SendMessageA(Edit().Handle(), WM_KEYDOWN, VK_INSERT, 0);
    EXPECT_EQ(Edit().Call(SCI_GETOVERTYPE), 0);
    SendMessageA(Edit().Handle(), WM_CHAR, 'a', 1);
    SendMessageA(Edit().Handle(), WM_CHAR, 'b', 1);
    EXPECT_EQ(Edit().Line(0), "ab");
    EXPECT_EQ(Errors().size(), 1u);
}

TEST_F(EditorBarrierTest, AFailingChoiceInTheCompletionBoxIsReportedAndTheBoxGoesOn) {
    CompletionBox& box = page_->Editor().Completion();
    std::function<void()> savedOnChoose = box.OnChoose;
    int choices = 0;
    box.OnChoose = [&] {
        ++choices;
        throw CommandError("Internal error $5. Pack are missing.");
    };
    box.Show(App().Code->Handle(), POINT{100, 100}, {"x\tfield\tinteger", "y\tfield\tinteger"}, {"x", "y"});
    ASSERT_TRUE(box.Visible());
    NMHDR doubleClick{};
    doubleClick.hwndFrom = box.Handle();
    doubleClick.code = NM_DBLCLK;
    EXPECT_EQ(SendMessageA(box.Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&doubleClick)), 0);
    EXPECT_EQ(choices, 1);
    EXPECT_EQ(Errors(), (std::vector<std::string>{"Internal error $5. Pack are missing."}));

    // The box still answers: it never takes the focus, a second choice runs,
    // its close box hides it.
    EXPECT_EQ(SendMessageA(box.Handle(), WM_MOUSEACTIVATE, 0, 0), MA_NOACTIVATE);
    box.OnChoose = [&] { ++choices; };
    SendMessageA(box.Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&doubleClick));
    EXPECT_EQ(choices, 2);
    SendMessageA(box.Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(box.Visible());
    EXPECT_TRUE(IsWindow(box.Handle()));
    box.OnChoose = savedOnChoose;
    EXPECT_EQ(Errors().size(), 1u);
}

}  // namespace
}  // namespace tavrin::test
