// The input box as a user meets it: caption, prompt and default text; OK,
// Cancel, Enter, Escape and the close box; and its modal loop: every window
// of the workbench is disabled while it is open, and a quit request ends it
// and reaches the main loop.
#include <gtest/gtest.h>

#include <functional>

#include "ui/input_box.h"
#include "workbench/code_window.h"
#include "workbench/main_window.h"
#include "workbench/workbench.h"
#include "../workbench/workbench_fixture.h"

namespace tavrin::test {
namespace {

constexpr const char* kCaption = "Find record:";
constexpr const char* kPrompt = "Type the record name:";

// Runs once inside the box's modal loop, as soon as the box shows.
std::function<void(HWND box)> whileOpen;
bool ranWhileOpen = false;
int ticksWaited = 0;

void CALLBACK RunWhileOpen(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = FindWindowA(TInputBox::kClassName, kCaption);
    if (!box || !IsWindowVisible(box) || ranWhileOpen) {
        // A box that never shows: end the loop rather than hang the test.
        if (++ticksWaited == 500) PostQuitMessage(99);
        return;
    }
    KillTimer(nullptr, timer);
    ranWhileOpen = true;
    whileOpen(box);
}

std::string TextOf(HWND window) {
    char text[128] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

class InputBoxTest : public testing::Test {
protected:
    void SetUp() override { EnsureWorkbenchStarted(); }
    // Opens the box over the main window with value as the default text.
    bool Ask(std::string& value, std::function<void(HWND box)> action) {
        whileOpen = std::move(action);
        ranWhileOpen = false;
        ticksWaited = 0;
        UINT_PTR timer = SetTimer(nullptr, 0, 10, RunWhileOpen);
        bool accepted = ShowInputBox(App().Main->Handle(), kCaption, kPrompt, value);
        KillTimer(nullptr, timer);
        EXPECT_TRUE(ranWhileOpen) << "the box was not seen open";
        EXPECT_EQ(FindWindowA(TInputBox::kClassName, kCaption), nullptr) << "the box is gone";
        return accepted;
    }
    static HWND Edit(HWND box) { return GetDlgItem(box, TInputBox::kEditId); }
    static void Key(HWND box, WPARAM key) {
        PostMessageA(Edit(box), WM_KEYDOWN, key, 1);
        PostMessageA(Edit(box), WM_KEYUP, key, 0xC0000001);
    }
};

TEST_F(InputBoxTest, ShowsCaptionPromptAndDefaultTextAndOkGivesTheEditedText) {
    std::string value = "TPoint";
    std::string caption, prompt, shownText;
    bool accepted = Ask(value, [&](HWND box) {
        caption = TextOf(box);
        prompt = TextOf(GetDlgItem(box, TInputBox::kPromptId));
        shownText = TextOf(Edit(box));
        SetWindowTextA(Edit(box), "TRect");
        SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    });
    EXPECT_TRUE(accepted);
    EXPECT_EQ(value, "TRect");
    EXPECT_EQ(caption, kCaption);
    EXPECT_EQ(prompt, kPrompt);
    EXPECT_EQ(shownText, "TPoint");
}

TEST_F(InputBoxTest, EnterAnswersOkAndEscapeCancelAndTheCloseBoxCancel) {
    std::string value = "first";
    EXPECT_TRUE(Ask(value, [](HWND box) {
        SetWindowTextA(Edit(box), "second");
        Key(box, VK_RETURN);
    }));
    EXPECT_EQ(value, "second");

    EXPECT_FALSE(Ask(value, [](HWND box) {
        SetWindowTextA(Edit(box), "third");
        Key(box, VK_ESCAPE);
    }));
    EXPECT_EQ(value, "second") << "a cancelled box leaves the value";

    EXPECT_FALSE(Ask(value, [](HWND box) {
        SetWindowTextA(Edit(box), "fourth");
        SendMessageA(GetDlgItem(box, IDCANCEL), BM_CLICK, 0, 0);
    }));
    EXPECT_FALSE(Ask(value, [](HWND box) {
        SetWindowTextA(Edit(box), "fifth");
        PostMessageA(box, WM_CLOSE, 0, 0);
    }));
    EXPECT_EQ(value, "second");
}

TEST_F(InputBoxTest, EveryWindowOfTheWorkbenchIsDisabledWhileTheBoxIsOpen) {
    HWND main = App().Main->Handle(), code = App().Code->Handle();
    ASSERT_TRUE(IsWindowVisible(main));
    ASSERT_TRUE(IsWindowVisible(code));
    bool mainEnabled = true, codeEnabled = true, boxEnabled = false;
    std::string value;
    Ask(value, [&](HWND box) {
        mainEnabled = IsWindowEnabled(main);
        codeEnabled = IsWindowEnabled(code);
        boxEnabled = IsWindowEnabled(box);
        SendMessageA(GetDlgItem(box, IDCANCEL), BM_CLICK, 0, 0);
    });
    EXPECT_FALSE(mainEnabled) << "the owner";
    EXPECT_FALSE(codeEnabled) << "not only the owner";
    EXPECT_TRUE(boxEnabled);
    EXPECT_TRUE(IsWindowEnabled(main));
    EXPECT_TRUE(IsWindowEnabled(code));
}

TEST_F(InputBoxTest, AQuitRequestEndsTheBoxAndReachesTheMainLoop) {
    std::string value = "kept";
    EXPECT_FALSE(Ask(value, [](HWND box) {
        SetWindowTextA(Edit(box), "typed");
        PostQuitMessage(3);
    }));
    EXPECT_EQ(value, "kept");
    MSG msg{};
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
        << "the quit request was swallowed";
    EXPECT_EQ(msg.wParam, 3u);
    EXPECT_TRUE(IsWindowEnabled(App().Main->Handle()));
    EXPECT_TRUE(IsWindowEnabled(App().Code->Handle()));
}

}  // namespace
}  // namespace tavrin::test
