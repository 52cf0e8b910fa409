// Library windows created by class name inside a host window, driven by window messages
// and read through the exports.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "velpack_binding.h"

namespace {

std::string Address(const void* pointer) {
    return std::to_string(reinterpret_cast<UINT_PTR>(pointer));
}

std::vector<std::string> calls;

void __stdcall RecordMenu(void*, int id) { calls.push_back("menu " + std::to_string(id)); }
void __stdcall RecordAccel(void*, int id) { calls.push_back("accel " + std::to_string(id)); }
void __stdcall RecordClick(void*) { calls.push_back("click"); }
void __stdcall RecordCommand(void*, int code, int id, HWND) {
    calls.push_back("command " + std::to_string(code) + " " + std::to_string(id));
}

class Windows : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Velpack().Loaded());
        calls.clear();
    }
    // A form window inside the host with a client area of the given size, and its object.
    void* MakeForm(int width, int height) {
        form = CreateByName("QForm", host.handle, 0, 0, width, height);
        return form ? ObjectOf(host.handle) : nullptr;
    }
    // A child of the class inside the form, joined to the form's frame.
    void* MakeChild(const char* className, int width, int height, int id = 0) {
        HWND child = CreateByName(className, form, 0, 0, width, height, WS_CHILD | WS_VISIBLE, id);
        void* object = child ? ObjectOf(form) : nullptr;
        if (object) vp.Set(object, "ParentWnd", Address(form));
        return object;
    }
    std::string Bounds(void* object) {
        return vp.Value(object, "Left") + "," + vp.Value(object, "Top") + "," +
               vp.Value(object, "Width") + "," + vp.Value(object, "Height");
    }
    const VelpackBinding& vp = Velpack();
    HostWindow host;
    HWND form = nullptr;
};

TEST_F(Windows, HostSeesThisUntilTheButtonIsDestroyed) {
    HWND button = CreateByName("QButton", host.handle, 5, 5, 60, 20);
    ASSERT_TRUE(button);
    void* object = GetPropA(host.handle, "THIS");
    ASSERT_TRUE(object);
    EXPECT_EQ(object, GetPropA(button, "FreeBasicObject"));
    EXPECT_EQ("QButton", vp.Value(object, "ClassName"));
    EXPECT_EQ(Address(button), vp.Value(object, "Handle"));
    HWND other = CreateByName("QEdit", host.handle, 5, 40, 60, 20);
    void* edit = ObjectOf(host.handle);
    ASSERT_TRUE(other && edit);
    EXPECT_NE(object, edit);
    // Destroying the first window leaves the newer object in place.
    DestroyWindow(button);
    EXPECT_EQ(edit, ObjectOf(host.handle));
    EXPECT_EQ("0", vp.Value(object, "Handle"));  // the frame lives on without a window
    // Its drawing handles went with the window; the objects themselves stay readable.
    void* font = reinterpret_cast<void*>(std::stoul(vp.Value(object, "Font")));
    EXPECT_EQ("0", vp.Value(font, "Handle"));
    EXPECT_EQ("Tahoma", vp.Value(font, "FaceName"));
    DestroyWindow(other);
    EXPECT_EQ(nullptr, ObjectOf(host.handle));
}

TEST_F(Windows, EveryStandardClassIsCreatedByName) {
    std::string text = Text(vp.registerClasses());
    std::string classes = text.substr(text.find(':') + 1);
    const std::vector<std::pair<std::string, std::string>> ancestors = {
        {"QStatic", "static"},     {"QImage", "static"},       {"QButton", "Button"},
        {"QCheckBox", "Button"},   {"QRadioButton", "Button"}, {"QGroupBox", "Button"},
        {"QEdit", "edit"},         {"QComboBox", "combobox"},  {"QListBox", "listbox"},
        {"QScrollBar", "scrollbar"}};
    std::string joined;
    for (const auto& [name, ancestor] : ancestors) {
        joined += (joined.empty() ? "" : ",") + name;
        HWND window = CreateByName(name.c_str(), host.handle, 0, 0, 50, 50);
        ASSERT_TRUE(window) << name;
        void* object = ObjectOf(host.handle);
        EXPECT_EQ(name, vp.Value(object, "ClassName"));
        EXPECT_EQ(ancestor, vp.Value(object, "ClassAncestor"));
        DestroyWindow(window);
    }
    EXPECT_EQ(joined, classes);
}

TEST_F(Windows, TopAndClientChildrenShareTheClientArea) {
    void* formObject = MakeForm(200, 100);
    ASSERT_TRUE(formObject);
    void* top = MakeChild("QStatic", 50, 20);
    void* client = MakeChild("QStatic", 50, 50);
    ASSERT_TRUE(top && client);
    EXPECT_TRUE(vp.Set(top, "Align", "3"));
    EXPECT_TRUE(vp.Set(client, "Align", "5"));
    EXPECT_EQ("0,0,200,20", Bounds(top));
    EXPECT_EQ("0,20,200,80", Bounds(client));
}

TEST_F(Windows, LeftAndRightChildrenLineUp) {
    void* formObject = MakeForm(200, 100);
    ASSERT_TRUE(formObject);
    void* left1 = MakeChild("QStatic", 30, 10);
    void* left2 = MakeChild("QStatic", 40, 10);
    void* right = MakeChild("QStatic", 50, 10);
    ASSERT_TRUE(left1 && left2 && right);
    vp.Set(left1, "Align", "1");
    vp.Set(left2, "Align", "1");
    vp.Set(right, "Align", "2");
    EXPECT_EQ("0,0,30,100", Bounds(left1));
    EXPECT_EQ("30,0,40,100", Bounds(left2));
    EXPECT_EQ("150,0,50,100", Bounds(right));
    // Resizing the form lays the children out again.
    SetWindowPos(form, nullptr, 0, 0, 300, 120, SWP_NOZORDER | SWP_NOMOVE);
    EXPECT_EQ("250,0,50,120", Bounds(right));
}

TEST_F(Windows, InvisibleAlignedChildTakesNoSpace) {
    void* formObject = MakeForm(200, 100);
    ASSERT_TRUE(formObject);
    void* hidden = MakeChild("QStatic", 50, 30);
    void* bottom = MakeChild("QStatic", 50, 25);
    void* client = MakeChild("QStatic", 10, 10);
    ASSERT_TRUE(hidden && bottom && client);
    vp.Set(hidden, "Visible", "0");
    vp.Set(hidden, "Align", "3");
    vp.Set(bottom, "Align", "4");
    vp.Set(client, "Align", "5");
    EXPECT_EQ("0,75,200,25", Bounds(bottom));
    EXPECT_EQ("0,0,200,75", Bounds(client));
}

TEST_F(Windows, MenuAndAcceleratorCommandsReachTheirHandlers) {
    void* formObject = MakeForm(200, 100);
    ASSERT_TRUE(formObject);
    EXPECT_TRUE(vp.Set(formObject, "onMenu", Address(reinterpret_cast<void*>(RecordMenu))));
    EXPECT_TRUE(vp.Set(formObject, "onAccel", Address(reinterpret_cast<void*>(RecordAccel))));
    SendMessageA(form, WM_COMMAND, MAKEWPARAM(105, 0), 0);
    SendMessageA(form, WM_COMMAND, MAKEWPARAM(105, 1), 0);
    SendMessageA(form, WM_COMMAND, MAKEWPARAM(7, 2), 0);  // neither menu nor accelerator
    EXPECT_EQ((std::vector<std::string>{"menu 105", "accel 105"}), calls);
}

TEST_F(Windows, ControlClicksFollowTheNotificationCode) {
    ASSERT_TRUE(MakeForm(300, 200));
    void* check = MakeChild("QCheckBox", 80, 20, 7);
    ASSERT_TRUE(check);
    EXPECT_TRUE(vp.Set(check, "onclick", Address(reinterpret_cast<void*>(RecordClick))));
    EXPECT_TRUE(vp.Set(check, "onCommand", Address(reinterpret_cast<void*>(RecordCommand))));
    HWND window = reinterpret_cast<HWND>(std::stoul(vp.Value(check, "Handle")));
    SendMessageA(window, BM_CLICK, 0, 0);
    EXPECT_EQ((std::vector<std::string>{"command 0 7", "click"}), calls);
    calls.clear();
    // Another notification from the same control is no click.
    SendMessageA(form, WM_COMMAND, MAKEWPARAM(7, BN_SETFOCUS), reinterpret_cast<LPARAM>(window));
    EXPECT_EQ((std::vector<std::string>{"command 6 7"}), calls);
}

TEST_F(Windows, StaticAlignmentAdjustsTheStoredStyle) {
    HWND window = CreateByName("QStatic", host.handle, 0, 0, 50, 20);
    void* object = ObjectOf(host.handle);
    ASSERT_TRUE(window && object);
    DestroyWindow(window);  // without a window the stored style is what "Style" reads
    EXPECT_EQ(std::to_string(0x4000010B), vp.Value(object, "Style"));
    EXPECT_TRUE(vp.Set(object, "Alignment", "1"));
    EXPECT_EQ(std::to_string(0x40000109), vp.Value(object, "Style"));
    EXPECT_TRUE(vp.Set(object, "Alignment", "2"));
    EXPECT_EQ(std::to_string(0x4000010A), vp.Value(object, "Style"));
    EXPECT_EQ("2", vp.Value(object, "Alignment"));
    EXPECT_TRUE(vp.Set(object, "Alignment", "0"));
    EXPECT_EQ(std::to_string(0x40000108), vp.Value(object, "Style"));
    QPropInfo* info = vp.Info(object, "Alignment");
    ASSERT_TRUE(info);
    EXPECT_EQ("taLeft,taCenter,taRight", Text(info->Items));
}

TEST_F(Windows, RadioButtonGetsItsClassStyleBackAtCreation) {
    HWND window = CreateByName("QRadioButton", host.handle, 0, 0, 80, 20);
    void* object = ObjectOf(host.handle);
    ASSERT_TRUE(window && object);
    DestroyWindow(window);
    EXPECT_TRUE(vp.Set(object, "Style", "0"));
    EXPECT_EQ("0", vp.Value(object, "Style"));
    // Joining a parent window makes a new window for the frame.
    EXPECT_TRUE(vp.Set(object, "ParentWnd", Address(host.handle)));
    HWND made = reinterpret_cast<HWND>(std::stoul(vp.Value(object, "Handle")));
    ASSERT_TRUE(IsWindow(made));
    EXPECT_EQ(host.handle, GetParent(made));
    LONG style = GetWindowLongA(made, GWL_STYLE);
    EXPECT_EQ(BS_AUTORADIOBUTTON, style & 0xF);
    EXPECT_TRUE(style & WS_CHILD);
    EXPECT_EQ(object, ObjectOf(host.handle));
}

TEST_F(Windows, RefreshThroughPropertiesKeepsTheWindow) {
    HWND window = CreateByName("QEdit", host.handle, 0, 0, 80, 20);
    void* object = ObjectOf(host.handle);
    ASSERT_TRUE(window && object);
    EXPECT_TRUE(vp.Set(object, "Color", "255"));
    EXPECT_EQ("255", vp.Value(object, "Color"));
    EXPECT_TRUE(vp.Set(object, "Exstyle", std::to_string(WS_EX_CLIENTEDGE)));
    EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_EQ(Address(host.handle), vp.Value(object, "ParentWnd"));
}

TEST_F(Windows, DefaultHandlingTakesOnlyTheClassTheWindowBuildsOn) {
    // Another class's procedure would read the window's extra bytes as its own records,
    // and a class of the library would hand every message straight back.
    const char* ancestors[] = {"QForm", "QButton", "QStatic", "edit", "listbox", "combobox",
                               "scrollbar", "Button", "#32770", "nosuchclass"};
    for (const char* className : {"QForm", "QEdit", "QListBox", "QComboBox", "QScrollBar", "QButton"}) {
        for (const char* ancestor : ancestors) {
            HWND window = CreateByName(className, host.handle, 0, 0, 80, 30);
            void* object = ObjectOf(host.handle);
            ASSERT_TRUE(window && object) << className;
            EXPECT_TRUE(vp.Set(object, "ClassAncestor", ancestor));
            SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("text"));
            EXPECT_EQ(4, SendMessageA(window, WM_GETTEXTLENGTH, 0, 0)) << className << " " << ancestor;
            SendMessageA(window, WM_KEYDOWN, VK_DOWN, 0);
            RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            DestroyWindow(window);
        }
    }
    // With the class it builds on, an edit window keeps an edit's handling.
    HWND edit = CreateByName("QEdit", host.handle, 0, 0, 80, 30);
    void* object = ObjectOf(host.handle);
    ASSERT_TRUE(vp.Set(object, "ClassAncestor", "EDIT"));
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    SendMessageA(edit, EM_LIMITTEXT, 3, 0);
    SendMessageA(edit, WM_CHAR, 'a', 0);
    SendMessageA(edit, WM_CHAR, 'b', 0);
    SendMessageA(edit, WM_CHAR, 'c', 0);
    SendMessageA(edit, WM_CHAR, 'd', 0);
    EXPECT_EQ("abc", vp.Value(object, "Text"));
}

}  // namespace
