// Object addresses given as value texts: only a live library object of the right class is
// taken; any other number is refused and the old value stays. Handlers that point at no
// code are stored but never called.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "library_objects.h"

namespace {

// Numbers that lead to no readable memory: the edges, texts that read as such numbers
// and a page the host released.
std::vector<std::string> UnmappedAddresses() {
    void* page = VirtualAlloc(nullptr, 4096, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    VirtualFree(page, 0, MEM_RELEASE);
    return {"-1", "2147483648", "1e308", "4294967295", "&HFFFFFFF0", AddressText(page)};
}

// Those and numbers that lead to memory of the host: a block it freed, a structure of
// its own, numbers that may lie anywhere.
std::vector<std::string> ForeignAddresses() {
    std::vector<std::string> texts = UnmappedAddresses();
    auto* block = new int[16];
    std::string freed = AddressText(block);
    delete[] block;
    static RECT hostRecord{1, 2, 3, 4};
    for (const std::string& text :
         {freed, AddressText(&hostRecord), std::string("12345678"), std::string("65536")})
        texts.push_back(text);
    return texts;
}

class Addresses : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(Velpack().Loaded()); }
    // Each text is refused and leaves the value as it was.
    void ExpectRefused(void* object, const char* name, const std::vector<std::string>& texts) {
        std::string before = vp.Value(object, name);
        for (const std::string& text : texts) {
            EXPECT_FALSE(vp.Set(object, name, text)) << name << " " << text;
            EXPECT_EQ(before, vp.Value(object, name)) << name << " " << text;
        }
    }
    const VelpackBinding& vp = Velpack();
    HostWindow host{600, 400};
    LibraryObjects made{host.handle};
};

TEST_F(Addresses, FontTakesOnlyALiveFont) {
    void* edit = made.Of("QEdit");
    std::vector<std::string> texts = ForeignAddresses();
    for (const char* other : {"mainmenu", "popupmenu", "frame", "QButton"})
        texts.push_back(AddressText(made.Of(other)));
    texts.push_back(vp.Value(edit, "ClientRect"));
    texts.push_back("0");
    ExpectRefused(edit, "Font", texts);
    std::string font = vp.Value(made.Of("QButton"), "Font");
    EXPECT_TRUE(vp.Set(edit, "Font", font));
    EXPECT_EQ(font, vp.Value(edit, "Font"));
}

TEST_F(Addresses, ParentTakesOnlyALiveFrameOutsideTheFramesOwnSubtree) {
    void* form = made.Of("QForm");
    void* child = made.Of("frame");  // a child of the form
    std::vector<std::string> texts = ForeignAddresses();
    texts.push_back(AddressText(made.Of("font")));
    texts.push_back(AddressText(made.Of("mainmenu")));
    texts.push_back(AddressText(form));   // itself
    texts.push_back(AddressText(child));  // its own child
    ExpectRefused(form, "Parent", texts);
    void* button = made.Of("QButton");
    EXPECT_TRUE(vp.Set(button, "Parent", AddressText(form)));
    EXPECT_EQ(AddressText(form), vp.Value(button, "Parent"));
    EXPECT_TRUE(vp.Set(button, "Parent", "0"));
    EXPECT_EQ("0", vp.Value(button, "Parent"));
}

TEST_F(Addresses, ClientRectIsReadOnlyFromReadableMemory) {
    void* edit = made.Of("QEdit");
    std::vector<std::string> texts = UnmappedAddresses();
    texts.push_back("0");
    std::string width = vp.Value(edit, "Width");
    for (const std::string& text : texts) {
        EXPECT_FALSE(vp.Set(edit, "ClientRect", text)) << text;
        EXPECT_EQ(width, vp.Value(edit, "Width")) << text;
    }
    static RECT wanted{0, 0, 50, 20};
    EXPECT_TRUE(vp.Set(edit, "ClientRect", AddressText(&wanted)));
    EXPECT_EQ(std::to_string(50 + 2 * GetSystemMetrics(SM_CXBORDER)), vp.Value(edit, "Width"));
    // The address the frame reports for its own rectangle is taken back.
    EXPECT_TRUE(vp.Set(edit, "ClientRect", vp.Value(edit, "ClientRect")));
}

TEST_F(Addresses, MenusTakeOnlyLiveMenusOfTheirClass) {
    void* form = made.Of("QForm");
    void* mainMenu = made.Of("mainmenu");
    void* popupMenu = made.Of("popupmenu");
    std::vector<std::string> texts = ForeignAddresses();
    texts.push_back(AddressText(made.Of("font")));
    texts.push_back(AddressText(made.Of("QButton")));
    ExpectRefused(form, "MainMenu", [&] {
        auto more = texts;
        more.push_back(AddressText(popupMenu));
        return more;
    }());
    ExpectRefused(form, "PopupMenu", [&] {
        auto more = texts;
        more.push_back(AddressText(mainMenu));
        return more;
    }());
    // Another form's menus are menus of the right class.
    HWND second = CreateByName("QForm", host.handle, 0, 0, 50, 50);
    void* secondForm = ObjectOf(host.handle);
    ASSERT_TRUE(second && secondForm);
    std::string otherMain = vp.Value(secondForm, "MainMenu");
    EXPECT_TRUE(vp.Set(form, "MainMenu", otherMain));
    EXPECT_EQ(otherMain, vp.Value(form, "MainMenu"));
    EXPECT_TRUE(vp.Set(form, "MainMenu", "0"));
    EXPECT_EQ("0", vp.Value(form, "MainMenu"));
    std::string popup = vp.Value(secondForm, "PopupMenu");
    EXPECT_TRUE(vp.Set(form, "PopupMenu", popup));
    EXPECT_EQ(popup, vp.Value(form, "PopupMenu"));
}

TEST_F(Addresses, MenuParentTakesOnlyALiveMenuThatMakesNoLoop) {
    void* mainMenu = made.Of("mainmenu");
    void* popupMenu = made.Of("popupmenu");
    std::vector<std::string> texts = ForeignAddresses();
    texts.push_back(AddressText(made.Of("QForm")));
    texts.push_back(AddressText(made.Of("font")));
    texts.push_back(AddressText(popupMenu));  // itself
    ExpectRefused(popupMenu, "Parent", texts);
    EXPECT_TRUE(vp.Set(popupMenu, "Parent", AddressText(mainMenu)));
    EXPECT_EQ(std::to_string(reinterpret_cast<INT_PTR>(mainMenu)), vp.Value(popupMenu, "Parent"));
    ExpectRefused(mainMenu, "Parent", {AddressText(popupMenu)});  // its own item
    EXPECT_TRUE(vp.Set(popupMenu, "Parent", "0"));
}

TEST_F(Addresses, ChildSlotsTakeOnlyLiveFramesThatMakeNoLoop) {
    void* form = made.Of("QForm");
    void* child = made.Of("frame");
    int last = std::stoi(vp.Value(form, "ControlCount")) - 1;
    ASSERT_GE(last, 0);
    std::string slot = "Control(" + std::to_string(last) + ")";
    std::vector<std::string> texts = ForeignAddresses();
    texts.push_back(AddressText(made.Of("font")));
    texts.push_back(AddressText(form));  // itself
    ExpectRefused(form, slot.c_str(), texts);
    // A frame's parent may not become its child either.
    EXPECT_TRUE(vp.Set(child, "ControlCount", "1"));
    ExpectRefused(child, "Control(0)", {AddressText(form), AddressText(child)});
    void* button = made.Of("QButton");
    EXPECT_TRUE(vp.Set(form, slot.c_str(), AddressText(button)));
    EXPECT_EQ(std::to_string(reinterpret_cast<INT_PTR>(button)), vp.Value(form, slot.c_str()));
}

TEST_F(Addresses, FontHandleMustNameAFont) {
    void* font = made.Of("font");
    std::vector<std::string> texts = {
        "12345678", "-1", AddressText(GetStockObject(WHITE_BRUSH)), AddressText(host.handle)};
    ExpectRefused(font, "Handle", texts);
    HFONT other = CreateFontA(-20, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
    ASSERT_TRUE(other);
    EXPECT_TRUE(vp.Set(font, "Handle", AddressText(other)));
    EXPECT_EQ(AddressText(other), vp.Value(font, "Handle"));
    EXPECT_EQ("true", vp.Value(font, "Bold"));
}

TEST_F(Addresses, HandlersThatPointAtNoCodeAreStoredButNeverCalled) {
    void* form = made.Of("QForm");
    HWND window = made.WindowOf("QForm");
    static int hostData[4] = {};
    const std::string foreign[] = {"12345678", "4294967295", AddressText(hostData)};
    for (const std::string& address : foreign) {
        for (const char* name : {"onPaint", "onMouseMove", "onMouseDown", "onKeyDown", "onKeyPress",
                                 "onCommand", "onMenu", "onAccel", "onkeyup", "onclick"})
            EXPECT_TRUE(vp.Set(form, name, address)) << name;
        EXPECT_EQ(std::to_string(static_cast<std::int32_t>(std::stoul(address))),
                  vp.Value(form, "onPaint"));
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(3, 4));
        SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 4));
        SendMessageA(window, WM_KEYDOWN, 'A', 0);
        SendMessageA(window, WM_KEYUP, 'A', 0);
        SendMessageA(window, WM_CHAR, 'a', 0);
        SendMessageA(window, WM_COMMAND, MAKEWPARAM(5, 0), 0);
        SendMessageA(window, WM_COMMAND, MAKEWPARAM(5, 1), 0);
        NMHDR header{window, 0, static_cast<UINT>(-2)};
        SendMessageA(window, 10003, 0, reinterpret_cast<LPARAM>(&header));
    }
    void* check = made.Of("QCheckBox");
    EXPECT_TRUE(vp.Set(check, "onclick", "4660"));
    SendMessageA(made.WindowOf("QCheckBox"), BM_CLICK, 0, 0);
    EXPECT_EQ("4660", vp.Value(check, "onclick"));
}

TEST_F(Addresses, ControlCountMakesAtMostAThousandChildren) {
    void* label = made.Of("QStatic");
    EXPECT_FALSE(vp.Set(label, "ControlCount", "1001"));
    EXPECT_TRUE(vp.Set(label, "ControlCount", "999"));
    EXPECT_TRUE(vp.Set(label, "ControlCount", "1"));
    EXPECT_FALSE(vp.Set(label, "ControlCount", "1"));
    EXPECT_EQ("1000", vp.Value(label, "ControlCount"));
}

}  // namespace
