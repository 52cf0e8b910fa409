// Component containers hosting live windows of Velpack's and ProbePack's
// classes inside a window of this program: the host style rules, the control
// id, size, text and font kept in step, the pack object read from "this", the
// mouse going to the container and never to the live window, and the classes
// that give no live window.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "designer/component_container.h"
#include "designer/container.h"
#include "designer/mouse_transparency.h"
#include "loaded_packs.h"
#include "support/win32_test_windows.h"

namespace tavrin::test {
namespace {

using Kind = ScriptedPrompts::Kind;

constexpr UINT kProbeMouseCount = WM_APP + 0x51;  // ProbePack's count of mouse messages seen

std::string WindowText(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

class RecordingNode : public ContainerNode {
public:
    explicit RecordingNode(std::vector<std::string>& texts) : texts_(&texts) {}
    void SetText(const std::string& text) override { texts_->push_back(text); }

private:
    std::vector<std::string>* texts_;
};

class RecordingGrid : public ContainerGrid {
public:
    std::vector<std::string> rows;
    void SetRowValue(const std::string& key, const std::string& value) override { rows.push_back(key + "=" + value); }
};

class ContainerTest : public testing::Test {
protected:
    void SetUp() override {
        Packs();
        Prompts().shown.clear();
        dialog = CreateWindowExA(0, PlainWindowClass("ContainerTestDialog"), "dialog", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 60, 60, 420, 300,
                                 nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_TRUE(dialog);
    }
    void TearDown() override {
        containers.clear();
        DestroyWindow(dialog);
    }
    TContainer& Make(const std::string& name, int left = 10, int top = 10, int width = 100, int height = 24) {
        containers.push_back(std::make_unique<TContainer>(dialog));
        TContainer& container = *containers.back();
        container.SetBounds(left, top, width, height);
        container.SetName(name);
        container.SetText(name);
        return container;
    }

    HWND dialog = nullptr;
    std::vector<std::unique_ptr<TContainer>> containers;
};

TEST_F(ContainerTest, AHostedButtonFillsTheContainerAndShowsItsName) {
    TContainer& container = Make("Container1", 10, 10, 100, 24);
    container.SetHost("QButton");
    HWND live = container.HostHandle();
    ASSERT_TRUE(IsWindow(live));
    EXPECT_EQ("QButton", ClassOf(live));
    EXPECT_EQ(container.Handle(), GetParent(live));
    EXPECT_EQ("Container1", WindowText(live));
    EXPECT_TRUE(IsWindowVisible(live));
    EXPECT_TRUE(GetWindowLongPtrA(live, GWL_STYLE) & WS_CHILD);
    EXPECT_EQ(&container, TContainer::OfWindow(live));
    RECT r = ChildRect(live);
    EXPECT_EQ(0, r.left);
    EXPECT_EQ(0, r.top);
    EXPECT_EQ(100, r.right);
    EXPECT_EQ(24, r.bottom);
    // The pack object is what Velpack left on the container's window.
    ASSERT_NE(nullptr, container.PackObject());
    EXPECT_EQ(container.PackObject(), GetPropA(container.Handle(), "THIS"));
    EXPECT_EQ(container.PackObject(), GetPropA(live, "FreeBasicObject"));
    EXPECT_TRUE(Prompts().shown.empty());
}

TEST_F(ContainerTest, CheckBoxStyleStaysWhenTheHostChangesToAButton) {
    TContainer& container = Make("Container1");
    container.SetHost("QCheckBox");
    EXPECT_EQ(2u, container.HostStyle());
    EXPECT_EQ(static_cast<LONG_PTR>(BS_CHECKBOX), GetWindowLongPtrA(container.HostHandle(), GWL_STYLE) & BS_TYPEMASK);
    HWND first = container.HostHandle();
    container.SetHost("QButton");
    EXPECT_FALSE(IsWindow(first)) << "the old live window goes first";
    EXPECT_EQ("QButton", ClassOf(container.HostHandle()));
    EXPECT_EQ(2u, container.HostStyle());
    EXPECT_EQ(static_cast<LONG_PTR>(BS_CHECKBOX), GetWindowLongPtrA(container.HostHandle(), GWL_STYLE) & BS_TYPEMASK);
    container.SetHost("QGroupBox");
    EXPECT_EQ(7u, container.HostStyle());
    container.SetHost("qradiobutton");
    EXPECT_EQ(4u, container.HostStyle());
}

TEST_F(ContainerTest, TheControlIdIsSetAtOnceOrRememberedForTheWindow) {
    TContainer& hosting = Make("Container1");
    hosting.SetHost("QEdit");
    hosting.Setid(100);
    EXPECT_EQ(100, GetDlgCtrlID(hosting.HostHandle()));
    TContainer& empty = Make("Container2");
    empty.Setid(100);
    EXPECT_EQ(nullptr, empty.HostHandle());
    empty.SetHost("QEdit");
    EXPECT_EQ(100, GetDlgCtrlID(empty.HostHandle()));
}

TEST_F(ContainerTest, ResizingMovesTheLiveWindowToTheWholeContainer) {
    TContainer& container = Make("Container1");
    RecordingGrid grid;
    container.Grid = &grid;
    container.SetHost("QButton");
    container.SetBounds(30, 40, 120, 30);
    RECT r = ChildRect(container.HostHandle());
    EXPECT_EQ(0, r.left);
    EXPECT_EQ(0, r.top);
    EXPECT_EQ(120, r.right - r.left);
    EXPECT_EQ(30, r.bottom - r.top);
    RECT own = ChildRect(container.Handle());
    EXPECT_EQ(30, own.left);
    EXPECT_EQ(40, own.top);
    EXPECT_NE(grid.rows.end(), std::find(grid.rows.begin(), grid.rows.end(), "width=120"));
    EXPECT_NE(grid.rows.end(), std::find(grid.rows.begin(), grid.rows.end(), "height=30"));
    EXPECT_NE(grid.rows.end(), std::find(grid.rows.begin(), grid.rows.end(), "left=30"));
    // A resize from outside (the design surface moves the window itself) is followed too.
    MoveWindow(container.Handle(), 5, 6, 80, 20, TRUE);
    EXPECT_EQ(80, container.Width());
    EXPECT_EQ(5, container.Left());
    r = ChildRect(container.HostHandle());
    EXPECT_EQ(80, r.right - r.left);
    EXPECT_EQ(20, r.bottom - r.top);
}

TEST_F(ContainerTest, TextReachesTheLiveWindowAndTheNode) {
    TContainer& container = Make("Container1");
    std::vector<std::string> nodeTexts;
    container.SetNode(std::make_unique<RecordingNode>(nodeTexts));
    container.SetHost("QButton");
    container.SetText("OK");
    EXPECT_EQ("OK", WindowText(container.HostHandle()));
    EXPECT_EQ("OK", container.Text());
    EXPECT_EQ((std::vector<std::string>{"Container1", "OK"}), nodeTexts);
    // A new host shows the container's text, not its name.
    container.SetHost("QEdit");
    EXPECT_EQ("OK", WindowText(container.HostHandle()));
}

TEST_F(ContainerTest, RenamingChangesTheTextOnlyWhileItFollowsTheName) {
    TContainer& container = Make("Container1");
    container.SetHost("QButton");
    container.SetName("Button1");
    EXPECT_EQ("Button1", WindowText(container.HostHandle()));
    container.SetText("Press");
    container.SetName("Button2");
    EXPECT_EQ("Press", WindowText(container.HostHandle()));
}

TEST_F(ContainerTest, TheFontIsKeptInStep) {
    TContainer& container = Make("Container1");
    container.SetHost("QButton");
    EXPECT_EQ(reinterpret_cast<LRESULT>(container.Font()), SendMessageA(container.HostHandle(), WM_GETFONT, 0, 0));
    HFONT font = CreateFontA(-14, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, DEFAULT_QUALITY, 0, "Tahoma");
    container.SetFont(font);
    EXPECT_EQ(reinterpret_cast<LRESULT>(font), SendMessageA(container.HostHandle(), WM_GETFONT, 0, 0));
    container.SetHost("QEdit");
    EXPECT_EQ(reinterpret_cast<LRESULT>(font), SendMessageA(container.HostHandle(), WM_GETFONT, 0, 0));
    containers.clear();
    DeleteObject(font);
}

TEST_F(ContainerTest, AnEmptyHostNameKeepsTheLiveWindow) {
    TContainer& container = Make("Container1");
    container.SetHost("QButton");
    HWND live = container.HostHandle();
    void* object = container.PackObject();
    container.SetHost("");
    EXPECT_EQ(live, container.HostHandle());
    EXPECT_EQ(object, container.PackObject());
    EXPECT_TRUE(IsWindow(live));
}

TEST_F(ContainerTest, DestroyingTheHostLeavesNoWindowAndNoObject) {
    TContainer& container = Make("Container1");
    container.SetHost("QButton");
    HWND live = container.HostHandle();
    container.DestroyHost();
    EXPECT_FALSE(IsWindow(live));
    EXPECT_EQ(nullptr, container.HostHandle());
    EXPECT_EQ(nullptr, container.PackObject());
    EXPECT_EQ(nullptr, GetPropA(container.Handle(), "this")) << "the pack took its object back";
    // Destroying the container takes its live window with it.
    container.SetHost("QEdit");
    live = container.HostHandle();
    containers.clear();
    EXPECT_FALSE(IsWindow(live));
}

TEST_F(ContainerTest, AClassNoPackRegisteredGivesAnEmptyContainerSilently) {
    TContainer& container = Make("Container1");
    container.SetHost("QButton");
    container.SetHost("QNoSuchClass");
    EXPECT_EQ(nullptr, container.HostHandle());
    EXPECT_EQ(nullptr, container.PackObject()) << "no stale object of the window that went";
    EXPECT_TRUE(IsWindow(container.Handle()));
    EXPECT_TRUE(Prompts().shown.empty());
}

TEST_F(ContainerTest, AClassThatRefusesItsWindowIsReportedByPack) {
    TContainer& container = Make("Container1");
    container.SetHost("QRefuser");
    EXPECT_EQ(nullptr, container.HostHandle());
    EXPECT_EQ(nullptr, container.PackObject());
    EXPECT_EQ((std::vector<std::string>{"The class \"QRefuser\" of the pack ProbePack did not create its window."}),
              Prompts().TextsOf(Kind::Error));
    // The container stays usable.
    container.SetHost("QProbe");
    EXPECT_TRUE(IsWindow(container.HostHandle()));
    EXPECT_NE(nullptr, container.PackObject());
}

// A class whose windows leave an object on their parent and never take it
// back, and one whose windows leave none.
LRESULT CALLBACK LeavesObjectBehind(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    static int object = 0;
    if (message == WM_NCCREATE) SetPropA(GetParent(window), "THIS", &object);
    return DefWindowProcA(window, message, wp, lp);
}

void RegisterTestClass(const char* name, WNDPROC procedure) {
    WNDCLASSA info{};
    info.lpfnWndProc = procedure;
    info.hInstance = GetModuleHandleA(nullptr);
    info.lpszClassName = name;
    RegisterClassA(&info);
}

TEST_F(ContainerTest, AWindowThatLeavesNoObjectGivesNoObject) {
    RegisterTestClass("LeavesObjectBehind", LeavesObjectBehind);
    RegisterTestClass("LeavesNoObject", DefWindowProcA);
    TContainer& container = Make("Container1");
    container.SetHost("LeavesObjectBehind");
    EXPECT_NE(nullptr, container.PackObject());
    container.SetHost("LeavesNoObject");
    EXPECT_TRUE(IsWindow(container.HostHandle()));
    EXPECT_EQ(nullptr, container.PackObject()) << "the object of the window before";
}

TEST_F(ContainerTest, TheLiveWindowAndItsChildrenAreTransparentToTheMouse) {
    TContainer& container = Make("Container1", 20, 20, 120, 40);
    container.SetHost("QProbe");
    HWND live = container.HostHandle();
    HWND child = GetWindow(live, GW_CHILD);
    ASSERT_TRUE(child) << "the probe makes a child window";
    EXPECT_TRUE(IsMouseTransparent(live));
    EXPECT_TRUE(IsMouseTransparent(child));
    EXPECT_NE(nullptr, GetPropA(live, "@@@proc"));
    // The system's hit test finds the container, not the live window or its child.
    RECT r{};
    GetWindowRect(live, &r);
    POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    POINT onChild{r.left + 4, r.top + 4};
    UpdateWindow(dialog);
    EXPECT_EQ(container.Handle(), WindowFromPoint(centre));
    EXPECT_EQ(container.Handle(), WindowFromPoint(onChild));
    // Messages other than the mouse's still reach the pack's procedure.
    EXPECT_EQ(0, SendMessageA(live, kProbeMouseCount, 0, 0));
    MakeMouseTransparent(live);  // a second time changes nothing
    EXPECT_EQ(0, SendMessageA(live, kProbeMouseCount, 0, 0));
}

// Two window procedures that answer a question with their own number.
constexpr UINT kWhichProcedure = WM_APP + 0x60;
LRESULT CALLBACK AnswersOne(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    return message == kWhichProcedure ? 1 : DefWindowProcA(window, message, wp, lp);
}
LRESULT CALLBACK AnswersTwo(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    return message == kWhichProcedure ? 2 : DefWindowProcA(window, message, wp, lp);
}

TEST_F(ContainerTest, EachFilteredWindowKeepsItsOwnProcedureAsWindowsComeAndGo) {
    RegisterTestClass("AnswersOne", AnswersOne);
    RegisterTestClass("AnswersTwo", AnswersTwo);
    auto make = [&](const char* windowClass) {
        HWND made = CreateWindowExA(0, windowClass, "", WS_CHILD, 0, 0, 10, 10, dialog, nullptr,
                                    GetModuleHandleA(nullptr), nullptr);
        MakeMouseTransparent(made);
        return made;
    };
    // Many windows made and destroyed, so that handles are used again.
    for (int round = 0; round < 50; ++round) {
        HWND one = make("AnswersOne"), two = make("AnswersTwo");
        ASSERT_EQ(1, SendMessageA(one, kWhichProcedure, 0, 0)) << "round " << round;
        ASSERT_EQ(2, SendMessageA(two, kWhichProcedure, 0, 0)) << "round " << round;
        DestroyWindow(round % 2 ? one : two);
        HWND again = make(round % 2 ? "AnswersTwo" : "AnswersOne");
        ASSERT_EQ(round % 2 ? 2 : 1, SendMessageA(again, kWhichProcedure, 0, 0)) << "round " << round;
        ASSERT_EQ(round % 2 ? 2 : 1, SendMessageA(round % 2 ? two : one, kWhichProcedure, 0, 0));
        DestroyWindow(round % 2 ? two : one);
        DestroyWindow(again);
    }
}

// Records the commands a container's window receives from its live window.
std::vector<UINT> commandsSeen;
WNDPROC containerProcedure = nullptr;
LRESULT CALLBACK RecordCommands(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    if (message == WM_COMMAND) commandsSeen.push_back(HIWORD(wp));
    return CallWindowProcA(containerProcedure, window, message, wp, lp);
}

void ClickAt(POINT screen) {
    int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input[3] = {};
    for (INPUT& one : input) {
        one.type = INPUT_MOUSE;
        one.mi.dx = screen.x * 65535 / (width - 1);
        one.mi.dy = screen.y * 65535 / (height - 1);
    }
    input[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
    input[2].mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
    SendInput(3, input, sizeof(INPUT));
}

TEST_F(ContainerTest, AClickOnAHostedButtonReachesTheContainerAndNotTheButton) {
    TContainer& button = Make("Button1", 20, 20, 120, 30);
    button.SetHost("QButton");
    TContainer& probe = Make("Probe1", 20, 80, 120, 30);
    probe.SetHost("QProbe");
    std::vector<std::string> seen;
    for (TContainer* container : {&button, &probe})
        container->OnMouse = [&seen](TContainer& clicked, UINT message, WPARAM, LPARAM) {
            if (message == WM_LBUTTONDOWN || message == WM_LBUTTONUP)
                seen.push_back(clicked.Name() + (message == WM_LBUTTONDOWN ? " down" : " up"));
        };
    commandsSeen.clear();
    containerProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(button.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordCommands)));
    SetForegroundWindow(dialog);
    PumpMessagesFor(100);
    for (TContainer* container : {&button, &probe}) {
        RECT r{};
        GetWindowRect(container->HostHandle(), &r);
        ClickAt({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
        PumpMessagesFor(300);
    }
    EXPECT_EQ((std::vector<std::string>{"Button1 down", "Button1 up", "Probe1 down", "Probe1 up"}), seen);
    EXPECT_TRUE(commandsSeen.empty()) << "the button was clicked";
    EXPECT_EQ(0, SendMessageA(probe.HostHandle(), kProbeMouseCount, 0, 0)) << "the probe saw the mouse";
    EXPECT_FALSE(SendMessageA(button.HostHandle(), BM_GETSTATE, 0, 0) & BST_PUSHED);
}

TEST_F(ContainerTest, DesignPropertiesAreSetByNameFromText) {
    TContainer& container = Make("Container1");
    const DesignProperties& properties = container.Properties();
    EXPECT_EQ((std::vector<std::string>{"Name", "Tag", "Left", "Top", "Width", "Height", "Cursor", "Hint", "HelpType",
                                        "HelpKeyword", "HelpContext", "Align", "Color", "Text", "id", "Host",
                                        "HostHandle", "Node", "Font", "Font->FaceName", "Font->Size"}),
              properties.Names());
    EXPECT_TRUE(properties.Set("host", "QButton"));
    EXPECT_TRUE(properties.Set("ID", "100"));
    EXPECT_TRUE(properties.Set("text", "OK"));
    EXPECT_TRUE(properties.Set("Width", "120"));
    EXPECT_TRUE(properties.Set("align", "ALCLIENT"));
    EXPECT_EQ("alClient", properties.Get("Align"));
    EXPECT_EQ(100, GetDlgCtrlID(container.HostHandle()));
    EXPECT_EQ("OK", WindowText(container.HostHandle()));
    EXPECT_EQ(120, ChildRect(container.HostHandle()).right);
    EXPECT_EQ(std::to_string(reinterpret_cast<UINT_PTR>(container.HostHandle())), properties.Get("HostHandle"));
    EXPECT_FALSE(properties.Set("Width", "wide"));
    EXPECT_FALSE(properties.Set("Align", "alMiddle"));
    EXPECT_FALSE(properties.Set("Caption", "x")) << "not a design property";
    EXPECT_FALSE(properties.Set("Node", "x")) << "read only";
    EXPECT_EQ("120", properties.Get("width"));
}

TEST_F(ContainerTest, AComponentContainerStaysTwentyEightPixelsSquare) {
    TComponentContainer placeholder(dialog);
    EXPECT_EQ(28, placeholder.Width());
    placeholder.SetBounds(10, 12, 100, 60);
    EXPECT_EQ(28, placeholder.Width());
    EXPECT_EQ(28, placeholder.Height());
    EXPECT_EQ(10, placeholder.Left());
    RECT own = ChildRect(placeholder.Handle());
    EXPECT_EQ(28, own.right - own.left);
    MoveWindow(placeholder.Handle(), 0, 0, 90, 90, TRUE);
    own = ChildRect(placeholder.Handle());
    EXPECT_EQ(28, own.right - own.left);
    EXPECT_EQ(28, own.bottom - own.top);
    EXPECT_TRUE(placeholder.Properties().Set("Height", "50"));
    EXPECT_EQ(28, placeholder.Height());
    // Its picture.
    placeholder.SetPath(ProgramFolder() + "\\controls\\QButton.bmp");
    EXPECT_TRUE(placeholder.HasPicture());
    placeholder.SetPath(ProgramFolder() + "\\controls\\none.bmp");
    EXPECT_TRUE(placeholder.HasPicture()) << "a missing file keeps the picture";
    EXPECT_EQ(ProgramFolder() + "\\controls\\none.bmp", placeholder.Properties().Get("Path"));
}

TEST(ContainerClasses, AreCreatedByName) {
    EXPECT_NE(nullptr, dynamic_cast<TComponentContainer*>(CreateContainerOfClass("tcomponentcontainer", nullptr).get()));
    auto plain = CreateContainerOfClass("TContainer", nullptr);
    ASSERT_NE(nullptr, plain);
    EXPECT_EQ(nullptr, dynamic_cast<TComponentContainer*>(plain.get()));
    EXPECT_EQ(nullptr, CreateContainerOfClass("TButton", nullptr));
}

TEST(LoadedBesideVelpack, BothPacksHaveTheirPages) {
    LoadedPacks& packs = Packs();
    ASSERT_EQ(2u, packs.palette.Pages().size());
    EXPECT_EQ("Standards", packs.palette.Pages()[0]->Caption());
    EXPECT_EQ("Probes", packs.palette.Pages()[1]->Caption());
    EXPECT_EQ(10u, packs.palette.Pages()[0]->Buttons().size());
    EXPECT_EQ(2u, packs.palette.Pages()[1]->Buttons().size());
    TPack* probe = packs.registry.PackOfClass("QRefuser");
    ASSERT_NE(nullptr, probe);
    EXPECT_EQ("ProbePack", probe->Name);
    EXPECT_TRUE(probe->Exports(PackEntry::Register));
    EXPECT_FALSE(probe->Exports(PackEntry::Version));
    EXPECT_FALSE(probe->Exports(PackEntry::GetPropList));
    EXPECT_EQ(probe, packs.registry.CurrentPack) << "the last pack of the list";
}

}  // namespace
}  // namespace tavrin::test
