// Velpack as a C++ program uses it: the classes of velpack.h, linked to Velpack.dll.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "captured_boxes.h"
#include "packlib/velpack.h"

namespace {

std::vector<std::string> calls;

class Program : public ::testing::Test {
protected:
    void SetUp() override {
        capturedBoxes.clear();
        capturedAnswer = IDOK;
        calls.clear();
        VelpackSetMessageBoxHook(CaptureBox);
    }
    void TearDown() override { VelpackSetMessageBoxHook(nullptr); }
};

std::string Take(char* text) {
    std::string result = text ? text : "<null>";
    std::free(text);
    return result;
}

std::string Value(QPersistent& object, const char* name) {
    std::string copy = name;
    return Take(object.GetPropValue(copy));
}

TEST_F(Program, IsAFollowsTheClassChain) {
    QForm form;
    for (const char* name : {"QFORM", "qframe", "Object", "qForm"}) EXPECT_TRUE(form.IsA(name)) << name;
    EXPECT_FALSE(form.IsA("QButton"));
    EXPECT_FALSE(form.IsA("qgeneric"));
    QButton button;
    EXPECT_TRUE(button.IsA("QButton"));
    EXPECT_TRUE(button.IsA("qbutton"));
    EXPECT_TRUE(button.IsA("QFrame"));
    EXPECT_FALSE(button.IsA("QStatic"));
    QGeneric generic;
    EXPECT_TRUE(generic.IsA("QGeneric"));
    EXPECT_FALSE(generic.IsA("qform"));
    QFont font;
    EXPECT_TRUE(font.IsA("object"));
    EXPECT_FALSE(font.IsA("qframe"));
    QMainMenu menu;
    EXPECT_TRUE(menu.IsA("QMenu"));
    EXPECT_TRUE(menu.IsA("QMainMenu"));
}

// Calls slot n of the object's dispatch table the way a program compiled against the
// table's layout does.
template <class Result>
Result CallSlot(void* object, int slot) {
    using Slot = Result(__thiscall*)(void*);
    Slot* table = *static_cast<Slot**>(object);
    return table[slot](object);
}

TEST_F(Program, ProtocolAndFrameOperationsKeepTheirSlots) {
    QButton button;
    EXPECT_EQ(Take(button.GetPropList()), Take(CallSlot<char*>(&button, 0)));
    QImage image;
    EXPECT_EQ(&image, CallSlot<QImage*>(&image, 12));
    QPicture picture;
    EXPECT_EQ(&picture, CallSlot<QPicture*>(&picture, 10));
    QBitmap bitmap;
    CallSlot<void>(&bitmap, 6);  // Create
    EXPECT_EQ(static_cast<DWORD>(OBJ_BITMAP), GetObjectType(bitmap.Handle));
    QCursor cursor;
    EXPECT_EQ(&cursor, CallSlot<QPicture*>(&cursor, 10));
    QCanvas canvas;
    CallSlot<void>(&canvas, 6);
    EXPECT_EQ(static_cast<DWORD>(OBJ_MEMDC), GetObjectType(canvas.Handle));
    QMenu menu;
    EXPECT_EQ(Take(menu.GetPropList()), Take(CallSlot<char*>(&menu, 0)));
    QFont font;
    EXPECT_EQ("FaceName\nSize\nColor\nBold\nItalic\nUnderline\nStrikeout\nHandle",
              Take(CallSlot<char*>(&font, 0)));
}

TEST_F(Program, InvokeKnowsRefresh) {
    QButton button;
    EXPECT_EQ(&button, button.Invoke("Refresh"));
    EXPECT_EQ(&button, button.Invoke("REFRESH"));
    EXPECT_EQ(nullptr, button.Invoke("Repaint"));
    QFont font;
    EXPECT_EQ(nullptr, font.Invoke("refresh"));
}

TEST_F(Program, NewControlsHaveTheirDefaults) {
    QButton button;
    EXPECT_EQ("75", Value(button, "Width"));
    EXPECT_EQ("35", Value(button, "Height"));
    EXPECT_EQ("Button", Value(button, "ClassAncestor"));
    EXPECT_EQ("0", Value(button, "Cursor"));
    EXPECT_EQ(nullptr, button.Handle);
    QStatic label;
    EXPECT_EQ(std::to_string(0x4000010B), Value(label, "Style"));
    EXPECT_EQ("16777215", Value(label, "Color"));
    QScrollBar bar;
    EXPECT_EQ("221", Value(bar, "Width"));
    bar.ClassName.clear();
    EXPECT_EQ("QScrollBar", bar.QueryClassName());
    QForm form;
    EXPECT_EQ("13565952", Value(form, "Style"));
    EXPECT_EQ("400", Value(form, "Width"));
    QGeneric generic;
    EXPECT_EQ("QGeneric", Value(generic, "Host"));
    EXPECT_EQ("50", Value(generic, "Width"));
    std::string list = Take(generic.GetPropList());
    EXPECT_EQ("\nHost", list.substr(list.size() - 5));
    std::string name = "Font";
    QPropInfo* info = button.GetPropInfo(name);
    EXPECT_EQ(info, LastPropInfo);
    QFont font;
    name = "Bold";
    QPropInfo* fontInfo = font.GetPropInfo(name);
    ASSERT_TRUE(fontInfo);
    EXPECT_EQ(info, LastPropInfo);  // font records stay private
}

TEST_F(Program, IndexPartIsCutInPlace) {
    QForm form;
    QButton first, second;
    form.AddControl(&first);
    form.AddControl(&second);
    std::string name = "Control(1)";
    EXPECT_EQ(std::to_string(reinterpret_cast<INT_PTR>(&second)), Take(form.GetPropValue(name)));
    EXPECT_EQ("Control", name);
    name = "Control(";
    EXPECT_EQ(std::to_string(reinterpret_cast<INT_PTR>(&first)), Take(form.GetPropValue(name)));
    name = "(3)";
    EXPECT_EQ("<null>", Take(form.GetPropValue(name)));
    form.RemoveControl(&first);
    form.RemoveControl(&second);
}

void __stdcall ButtonClick(QFrame*) { calls.push_back("onClick"); }
void __stdcall OtherClick(QFrame*) { calls.push_back("onButtonClick"); }

TEST_F(Program, ButtonClickPrefersOnClick) {
    QForm form;
    form.Style = WS_POPUP;
    form.CreateWnd();
    ASSERT_TRUE(form.HasWindow());
    QButton button;
    button.SetParent(&form);
    ASSERT_TRUE(button.HasWindow());
    button.onButtonClick = OtherClick;
    SendMessageA(button.Handle, BM_CLICK, 0, 0);
    button.onClick = ButtonClick;
    SendMessageA(button.Handle, BM_CLICK, 0, 0);
    EXPECT_EQ((std::vector<std::string>{"onButtonClick", "onClick"}), calls);
    button.SetParent(nullptr);
}

std::int32_t closeAction = 1;
void __stdcall OnClose(QForm*, std::int32_t* action) {
    calls.push_back("close " + std::to_string(*action));
    *action = closeAction;
}

TEST_F(Program, CloseActionsKeepHideOrClose) {
    QForm form;
    form.onClose = OnClose;
    form.CreateWnd();
    ASSERT_TRUE(form.HasWindow());
    HWND window = form.Handle;
    closeAction = 0;
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(window));
    EXPECT_TRUE(IsWindowVisible(window));
    closeAction = 2;
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(window));
    EXPECT_FALSE(IsWindowVisible(window));
    closeAction = 1;
    form.Close();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(form.HasWindow());
    EXPECT_EQ((std::vector<std::string>{"close 1", "close 1", "close 1"}), calls);
}

QForm* modalForm = nullptr;
HWND otherWindow = nullptr;
bool otherWasDisabled = false;

void CALLBACK EndModal(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    otherWasDisabled = !IsWindowEnabled(otherWindow);
    modalForm->ModalResult = 3;
    modalForm->Close();
}

TEST_F(Program, ShowModalDisablesTheOtherWindowsUntilItEnds) {
    QForm main;
    main.CreateWnd();
    QForm dialog;
    dialog.CreateWnd();
    ASSERT_TRUE(main.HasWindow() && dialog.HasWindow());
    modalForm = &dialog;
    otherWindow = main.Handle;
    SetTimer(nullptr, 0, 50, EndModal);
    int result = dialog.ShowModal();
    EXPECT_TRUE(otherWasDisabled);
    EXPECT_FALSE(dialog.HasWindow());
    EXPECT_TRUE(IsWindowEnabled(main.Handle));
    EXPECT_EQ(3, result);  // the result the form was closed with
}

TEST_F(Program, StringListErrorsShowBoxes) {
    QStringList list;
    list.SetText("a\nb");
    EXPECT_EQ(2, list.Count());
    EXPECT_EQ("", list.Item(3));
    ASSERT_EQ(1u, capturedBoxes.size());
    EXPECT_EQ("Index out of range.3..2", capturedBoxes[0].text);
    EXPECT_EQ("QStringList", capturedBoxes[0].caption);
    EXPECT_EQ(270352u, capturedBoxes[0].style);
    list.Exchange(0, 9);
    EXPECT_EQ("Out of range. Invalid string index.", capturedBoxes[1].text);
    EXPECT_EQ("QList", capturedBoxes[1].caption);
    QList values;
    values.Add(1);
    values.Add(2);
    values.Insert(2, 5);
    EXPECT_EQ("Index out of range.2", capturedBoxes[2].text);
    EXPECT_EQ("QList", capturedBoxes[2].caption);
    list.LoadFromFile("Z:\\no\\such\\file.txt");
    EXPECT_EQ("File not exists.", capturedBoxes[3].text);
    EXPECT_EQ(nullptr, capturedBoxes[3].owner);
}

TEST_F(Program, FormatAndTextUtilitiesAreExported) {
    EXPECT_EQ("5%", Format("%i%", 5));
    EXPECT_EQ("x=2.5", Format("x=%f", 2.5));
    EXPECT_EQ("file.txt", ExtractFileName("C:\\dir/file.txt"));
    // The entry points are declared for programs too.
    QButton button;
    EXPECT_STREQ("Button", GETPROPVALUE(&button, "ClassAncestor"));
    EXPECT_STREQ("freebasic package", VERSION());
}

// The application form ends the process: checked in a child process of this program.
DWORD RunChild(const char* mode) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string command = std::string("\"") + path + "\" --gtest_filter=ApplicationEnd.*";
    SetEnvironmentVariableA("VELPACK_TEST_CHILD", mode);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    DWORD exitCode = 99;
    if (CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &process)) {
        if (WaitForSingleObject(process.hProcess, 20000) != WAIT_OBJECT_0)
            TerminateProcess(process.hProcess, 98);
        GetExitCodeProcess(process.hProcess, &exitCode);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    SetEnvironmentVariableA("VELPACK_TEST_CHILD", nullptr);
    return exitCode;
}

TEST(ApplicationEnd, ClosingOrTerminatingEndsTheProcessWithCodeZero) {
    char mode[16] = {};
    if (GetEnvironmentVariableA("VELPACK_TEST_CHILD", mode, sizeof mode)) {
        if (std::string(mode) == "close") {
            Application->Style = WS_POPUP;
            Application->CreateWnd();
            SendMessageA(Application->Handle, WM_CLOSE, 0, 0);
        } else {
            Application->SetTerminated(true);
        }
        std::exit(7);  // reached only when the process did not end
    }
    EXPECT_EQ(0u, RunChild("close"));
    EXPECT_EQ(0u, RunChild("terminate"));
}

}  // namespace
