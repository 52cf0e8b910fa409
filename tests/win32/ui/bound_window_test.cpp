// Windows of the workbench's own classes: an error raised while one of them
// handles a message is shown like a command's error and the window and the
// message loop go on; the binding follows the window's life; the splitter.
#include <gtest/gtest.h>

#include <stdexcept>

#include "common/commands.h"
#include "probe_form.h"
#include "ui/splitter.h"
#include "workbench/main_window.h"
#include "workbench/workbench.h"
#include "../workbench/workbench_fixture.h"

namespace tavrin::test {
namespace {

using Kind = ScriptedPrompts::Kind;

constexpr UINT kThrowCommandError = WM_APP + 1;
constexpr UINT kThrowAborted = WM_APP + 2;
constexpr UINT kThrowStandard = WM_APP + 3;
constexpr UINT kThrowUnknown = WM_APP + 4;
constexpr UINT kEcho = WM_APP + 5;

class BoundWindowTest : public testing::Test {
protected:
    void SetUp() override {
        EnsureWorkbenchStarted();
        Prompts().shown.clear();
    }
    std::vector<std::string> Errors() const { return Prompts().TextsOf(Kind::Error); }
};

// A form that throws one kind of error per private message and echoes kEcho.
void ThrowByMessage(ProbeForm& form, int& echoes) {
    form.handler = [&echoes](UINT message, WPARAM, LPARAM lp) -> std::optional<LRESULT> {
        switch (message) {
        case kThrowCommandError: throw CommandError("Internal error $2.\nNo dialog attached.");
        case kThrowAborted: throw CommandAborted{};
        case kThrowStandard: throw std::out_of_range("index out of range");
        case kThrowUnknown: throw 42;
        case kEcho: ++echoes; return lp;
        }
        return std::nullopt;
    };
}

TEST_F(BoundWindowTest, ErrorsInAFormsHandlersAreShownAsCommandErrorsAndTheFormGoesOn) {
    ProbeForm form;
    int echoes = 0;
    ThrowByMessage(form, echoes);
    form.Create();
    HWND window = form.Handle();
    ASSERT_NE(window, nullptr);

    EXPECT_EQ(SendMessageA(window, kThrowCommandError, 0, 0), 0);
    EXPECT_EQ(SendMessageA(window, kThrowAborted, 0, 0), 0);
    EXPECT_EQ(SendMessageA(window, kThrowStandard, 0, 0), 0);
    EXPECT_EQ(SendMessageA(window, kThrowUnknown, 0, 0), 0);
    EXPECT_EQ(Errors(), (std::vector<std::string>{"Internal error $2.\nNo dialog attached.",
                                                  "index out of range", "internal error. $01"}))
        << "a Cancel shows nothing; other errors as RunCommand shows them";
    EXPECT_EQ(SendMessageA(window, kEcho, 0, 1234), 1234) << "the form still answers";

    // Posted messages go through the message loop, which goes on after a failure.
    Prompts().shown.clear();
    PostMessageA(window, kThrowStandard, 0, 0);
    PostMessageA(window, kEcho, 0, 0);
    PostMessageA(window, kThrowCommandError, 0, 0);
    PostMessageA(window, kEcho, 0, 0);
    Pump(50);
    EXPECT_EQ(Errors(), (std::vector<std::string>{"index out of range",
                                                  "Internal error $2.\nNo dialog attached."}));
    EXPECT_EQ(echoes, 3);
    EXPECT_TRUE(IsWindow(window));
    EXPECT_TRUE(IsWindowEnabled(App().Main->Handle()));
}

TEST_F(BoundWindowTest, AFailedPaintIsReportedOnceAndNotRepeated) {
    ProbeForm form;
    int paints = 0;
    form.handler = [&paints](UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_PAINT) {
            ++paints;
            throw CommandError("cannot paint");
        }
        return std::nullopt;
    };
    form.Create();
    ShowWindow(form.Handle(), SW_SHOWNOACTIVATE);
    InvalidateRect(form.Handle(), nullptr, TRUE);
    UpdateWindow(form.Handle());
    // A bounded pump: a paint left invalid would come back for ever.
    MSG msg;
    for (int i = 0; i < 100 && PeekMessageA(&msg, form.Handle(), 0, 0, PM_REMOVE); ++i)
        DispatchMessageA(&msg);
    EXPECT_EQ(paints, 1) << "a paint left invalid comes back at once";
    EXPECT_FALSE(GetUpdateRect(form.Handle(), nullptr, FALSE));
    EXPECT_EQ(Errors(), (std::vector<std::string>{"cannot paint"}));
    form.Hide();
}

TEST_F(BoundWindowTest, AFormWhoseCreationFailsHasNoWindow) {
    ProbeForm form;
    form.handler = [](UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_NCCREATE) throw CommandError("no resources");
        return std::nullopt;
    };
    EXPECT_THROW(form.Create(), CommandError);
    EXPECT_EQ(form.Handle(), nullptr);
    EXPECT_EQ(Errors(), (std::vector<std::string>{"no resources"}));

    form.handler = nullptr;  // a later try creates it
    form.Create();
    EXPECT_NE(form.Handle(), nullptr);
}

TEST_F(BoundWindowTest, AWindowDestroyedWithItsParentLeavesNoHandleBehind) {
    auto parent = std::make_unique<ProbeForm>();
    int destroyed = 0;
    parent->handler = [&destroyed](UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_DESTROY) ++destroyed;
        return std::nullopt;
    };
    parent->Create();
    Splitter splitter;
    splitter.Create(parent->Handle(), true);
    ASSERT_NE(splitter.Handle(), nullptr);
    EXPECT_EQ(GetParent(splitter.Handle()), parent->Handle());

    DestroyWindow(parent->Handle());
    EXPECT_EQ(destroyed, 1) << "the form saw its own destruction";
    EXPECT_EQ(parent->Handle(), nullptr);
    EXPECT_EQ(splitter.Handle(), nullptr);
    EXPECT_FALSE(parent->Visible());
    parent.reset();  // destroys nothing twice

    // An object that goes first destroys its window without being called back.
    auto form = std::make_unique<ProbeForm>();
    form->Create();
    HWND window = form->Handle();
    form.reset();
    EXPECT_FALSE(IsWindow(window));
}

class SplitterTest : public BoundWindowTest {
protected:
    void SetUp() override {
        BoundWindowTest::SetUp();
        parent_.Create();
        SetWindowPos(parent_.Handle(), nullptr, 0, 0, 400, 300, SWP_NOZORDER | SWP_NOACTIVATE);
        splitter_.Create(parent_.Handle(), true);
        MoveWindow(splitter_.Handle(), 100, 0, 4, 200, FALSE);
    }
    void Drag(int x) {
        SendMessageA(splitter_.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 5));
        SendMessageA(splitter_.Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, 5));
    }
    void Release(int x) { SendMessageA(splitter_.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(x, 5)); }

    ProbeForm parent_;
    Splitter splitter_;
};

TEST_F(SplitterTest, ADragReportsTheBarsPositionInTheParent) {
    std::vector<int> positions;
    splitter_.OnMoved = [&](int x) { positions.push_back(x); };
    Drag(30);
    EXPECT_EQ(GetCapture(), splitter_.Handle());
    SendMessageA(splitter_.Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-20, 5));
    Release(-20);
    EXPECT_NE(GetCapture(), splitter_.Handle());
    SendMessageA(splitter_.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(50, 5));
    EXPECT_EQ(positions, (std::vector<int>{130, 80})) << "moves after the release are no drag";
    EXPECT_TRUE(Errors().empty());
}

TEST_F(SplitterTest, AMoveThatFailsIsReportedAndEndsTheDrag) {
    int calls = 0;
    splitter_.OnMoved = [&](int) {
        ++calls;
        throw CommandError("cannot move");
    };
    Drag(30);
    EXPECT_EQ(Errors(), (std::vector<std::string>{"cannot move"}));
    EXPECT_NE(GetCapture(), splitter_.Handle()) << "the mouse is not kept captured";
    SendMessageA(splitter_.Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(40, 5));
    EXPECT_EQ(calls, 1) << "one failure, not one error box per mouse move";

    // The splitter still works.
    std::vector<int> positions;
    splitter_.OnMoved = [&](int x) { positions.push_back(x); };
    Drag(10);
    Release(10);
    EXPECT_EQ(positions, (std::vector<int>{110}));
    EXPECT_EQ(Errors().size(), 1u);
}

}  // namespace
}  // namespace tavrin::test
