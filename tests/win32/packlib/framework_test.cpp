// Message rows of the frame dispatcher, menus, images and the custom-class window, driven
// through the classes a linked program uses.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "packlib/velpack.h"

namespace {

std::vector<std::string> events;

std::string Take(char* text) {
    std::string result = text ? text : "<null>";
    std::free(text);
    return result;
}

void __stdcall OnClick(QFrame*) { events.push_back("click"); }
void __stdcall OnDblClick(QFrame*) { events.push_back("dblclick"); }
void __stdcall OnPaint(QFrame*) { events.push_back("paint"); }
void __stdcall OnData(QFrame*, HWND, COPYDATASTRUCT* data) {
    events.push_back("data " + std::to_string(data ? data->dwData : 0));
}
void __stdcall OnMouseDown(QFrame*, int button, int x, int y, int keys) {
    events.push_back("down " + std::to_string(button) + " " + std::to_string(x) + "," +
                     std::to_string(y) + " " + std::to_string(keys));
}
void __stdcall OnMouseUp(QFrame*, int button, int, int, int) {
    events.push_back("up " + std::to_string(button));
}
void __stdcall OnMouseMove(QFrame*, int x, int y, int) {
    events.push_back("move " + std::to_string(x) + "," + std::to_string(y));
}
void __stdcall OnKeyDown(QFrame*, int key, int) { events.push_back("keydown " + std::to_string(key)); }
void __stdcall OnKeyUp(QFrame*, int key, int) { events.push_back("keyup " + std::to_string(key)); }
void __stdcall OnKeyPress(QFrame*, int c) { events.push_back("press " + std::to_string(c)); }
void __stdcall OnFormCreate(QForm*) { events.push_back("formcreate"); }
void __stdcall OnShow(QForm*) { events.push_back("show"); }

class Framework : public ::testing::Test {
protected:
    void SetUp() override {
        events.clear();
        form.Style = WS_POPUP;
        form.SetBounds(0, 0, 300, 200);
        form.CreateWnd();
        ASSERT_TRUE(form.HasWindow());
    }
    QForm form;
};

TEST_F(Framework, MouseAndKeyMessagesCallTheirHandlers) {
    form.onMouseDown = OnMouseDown;
    form.onMouseUp = OnMouseUp;
    form.onMouseMove = OnMouseMove;
    form.onKeyDown = OnKeyDown;
    form.onKeyUp = OnKeyUp;
    form.onKeyPress = OnKeyPress;
    form.Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 20));
    form.Perform(WM_RBUTTONUP, 0, MAKELPARAM(1, 1));
    form.Perform(WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(3, 4));
    form.Perform(WM_MOUSEMOVE, 0, MAKELPARAM(7, 8));
    form.Perform(WM_KEYDOWN, VK_F9, 0);
    form.Perform(WM_KEYUP, VK_F9, 0);
    form.Perform(WM_CHAR, 0x1241, 0);  // the low byte is the character
    EXPECT_EQ((std::vector<std::string>{"down 1 10,20 1", "up 2", "down 16 3,4 16", "move 7,8",
                                        "keydown 120", "keyup 120", "press 65"}),
              events);
    EXPECT_EQ(DLGC_WANTALLKEYS, form.Perform(WM_GETDLGCODE, 0, 0));
}

TEST_F(Framework, NotificationsAreReflectedToTheControl) {
    QListBox list;
    list.SetParent(&form);
    ASSERT_TRUE(list.HasWindow());
    list.onClick = OnClick;
    list.onDblClick = OnDblClick;
    NMHDR header{list.Handle, 0, static_cast<UINT>(-2)};
    form.Perform(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
    header.code = static_cast<UINT>(-3);
    form.Perform(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
    header.code = static_cast<UINT>(-5);
    form.Perform(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
    form.Perform(WM_NOTIFY, 0, 0);  // no record: nothing happens
    EXPECT_EQ((std::vector<std::string>{"click", "dblclick"}), events);
    list.SetParent(nullptr);
}

TEST_F(Framework, ColourRequestsAnswerWithTheControlsBrush) {
    QStatic label;
    label.SetParent(&form);
    ASSERT_TRUE(label.HasWindow());
    label.SetColor(RGB(10, 20, 30));
    label.Font->Color = RGB(200, 0, 0);
    HDC dc = GetDC(label.Handle);
    LRESULT brush = form.Perform(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                 reinterpret_cast<LPARAM>(label.Handle));
    EXPECT_EQ(reinterpret_cast<LRESULT>(label.Brush->Handle), brush);
    EXPECT_EQ(RGB(10, 20, 30), GetBkColor(dc));
    EXPECT_EQ(RGB(200, 0, 0), GetTextColor(dc));
    EXPECT_EQ(RGB(10, 20, 30), label.Brush->GetColor());
    ReleaseDC(label.Handle, dc);
    label.SetParent(nullptr);
}

TEST_F(Framework, NotifyReachesTheParentAndTheWindow) {
    QEdit edit;
    edit.SetParent(&form);
    ASSERT_TRUE(edit.HasWindow());
    form.onData = OnData;
    edit.Notify();
    EXPECT_EQ((std::vector<std::string>{"data 10001"}), events);
    edit.SetParent(nullptr);
}

TEST_F(Framework, PaintAndFocusRows) {
    form.onPaint = OnPaint;
    InvalidateRect(form.Handle, nullptr, TRUE);
    UpdateWindow(form.Handle);
    EXPECT_EQ((std::vector<std::string>{"paint"}), events);
    QButton button;
    button.SetParent(&form);
    ASSERT_TRUE(button.HasWindow());
    button.Perform(WM_SETFOCUS, 0, 0);
    EXPECT_EQ(&button, form.ActiveControl);
    button.Perform(WM_KILLFOCUS, 0, 0);
    EXPECT_EQ(nullptr, form.ActiveControl);
    button.SetParent(nullptr);
}

TEST_F(Framework, ChildrenAreMadeWhenTheFormWindowIsMade) {
    QForm second;
    second.onFormCreate = OnFormCreate;
    second.onShow = OnShow;
    QButton button;
    button.Text = "inside";
    button.SetParent(&second);  // no window yet: made with the form's
    second.Visible = true;
    second.CreateWnd();
    ASSERT_TRUE(second.HasWindow());
    EXPECT_TRUE(button.HasWindow());
    EXPECT_EQ(second.Handle, GetParent(button.Handle));
    EXPECT_EQ("inside", button.GetText());
    ASSERT_FALSE(events.empty());
    EXPECT_EQ("formcreate", events.front());
    EXPECT_NE(std::find(events.begin(), events.end(), "show"), events.end());
    // Hiding and showing keeps the children's windows and what they hold.
    HWND made = button.Handle;
    SetWindowTextA(made, "typed");
    ShowWindow(second.Handle, SW_HIDE);
    ShowWindow(second.Handle, SW_SHOW);
    EXPECT_EQ(made, button.Handle);
    EXPECT_EQ("typed", button.GetText());
    button.SetParent(nullptr);
}

TEST_F(Framework, WindowStateAndClientRect) {
    form.SetWindowState(wsHide);
    EXPECT_EQ(wsHide, form.GetWindowState());
    form.SetWindowState(wsNormal);
    EXPECT_EQ(wsNormal, form.GetWindowState());
    RECT wanted{0, 0, 120, 80};
    std::string name = "ClientRect";
    std::string address = std::to_string(reinterpret_cast<UINT_PTR>(&wanted));
    EXPECT_TRUE(form.SetPropValue(name, address.c_str()));
    EXPECT_EQ(120 + 2 * GetSystemMetrics(SM_CXBORDER), form.GetWidth());
    name = "Cursor";
    EXPECT_FALSE(form.SetPropValue(name, "5"));  // a frame has no cursor object
}

TEST_F(Framework, MenuItemsGetCommandIdentifiers) {
    QPopupMenu popup;
    QMenu first, separator, second;
    separator.Caption = "-";
    EXPECT_EQ(" ", first.Caption);
    int base = LastCommandID;
    popup.Add(&first);
    popup.Add(&separator);
    popup.Add(&second);
    popup.Add(&first);  // once only
    EXPECT_EQ(3, GetMenuItemCount(popup.Handle));
    EXPECT_EQ(3, popup.Count);
    EXPECT_EQ(static_cast<UINT>(base + 1), GetMenuItemID(popup.Handle, 0));
    EXPECT_EQ(static_cast<UINT>(-1), GetMenuItemID(popup.Handle, 1));
    EXPECT_EQ(static_cast<UINT>(base + 2), GetMenuItemID(popup.Handle, 2));
    EXPECT_EQ(&popup, second.Parent);
    EXPECT_EQ(2, second.Position);
    // The item keeps its entry's identifier, so that its setters find the entry.
    EXPECT_EQ(base + 1, first.CommandID);
    EXPECT_EQ(base + 2, second.CommandID);
    EXPECT_EQ(0, separator.CommandID);
    second.SetChecked(true);
    EXPECT_TRUE(GetMenuState(popup.Handle, static_cast<UINT>(base + 2), MF_BYCOMMAND) & MF_CHECKED);
    second.SetChecked(false);
    EXPECT_FALSE(GetMenuState(popup.Handle, static_cast<UINT>(base + 2), MF_BYCOMMAND) & MF_CHECKED);
    first.SetVisible(false);
    EXPECT_EQ(2, GetMenuItemCount(popup.Handle));
    first.SetVisible(true);
    EXPECT_EQ(3, GetMenuItemCount(popup.Handle));
    EXPECT_EQ(static_cast<UINT>(base + 1), GetMenuItemID(popup.Handle, 0));
    second.SetCommandID(base + 7);  // the entry follows
    EXPECT_EQ(static_cast<UINT>(base + 7), GetMenuItemID(popup.Handle, 2));
    std::string name = "Checked";
    EXPECT_EQ("0", Take(second.GetPropValue(name)));
    name = "Enabled";
    EXPECT_EQ("true", Take(second.GetPropValue(name)));
    EXPECT_EQ("ClassName\nClassAncestor\nTag\nCaption\nChecked\nRadioItem\nEnabled\nVisible\n"
              "Parent\nCommandID",
              Take(second.GetPropList()));
    name = "Parent";
    QPropInfo* parent = second.GetPropInfo(name);
    ASSERT_TRUE(parent);
    EXPECT_EQ(std::to_string(reinterpret_cast<INT_PTR>(&popup)), parent->Value);
    name = "Caption";
    QPropInfo* caption = second.GetPropInfo(name);
    ASSERT_TRUE(caption);
    EXPECT_EQ(nullptr, caption->Value);
}

TEST_F(Framework, MainMenuIsAttachedWhenTheFormIsMade) {
    QForm withMenu;
    QMenu item;
    item.Caption = "File";
    withMenu.MainMenu->Add(&item);
    withMenu.CreateWnd();
    ASSERT_TRUE(withMenu.HasWindow());
    EXPECT_EQ(withMenu.MainMenu->Handle, GetMenu(withMenu.Handle));
    // The menu bar outlives the window and is attached to the next one.
    withMenu.DestroyWnd();
    EXPECT_TRUE(IsMenu(withMenu.MainMenu->Handle));
    withMenu.CreateWnd();
    EXPECT_EQ(withMenu.MainMenu->Handle, GetMenu(withMenu.Handle));
    EXPECT_EQ(1, GetMenuItemCount(withMenu.MainMenu->Handle));
}

TEST_F(Framework, ImageAdoptsTheImageItIsGiven) {
    QImage image;
    image.SetParent(&form);
    ASSERT_TRUE(image.HasWindow());
    HBITMAP bitmap = CreateBitmap(8, 8, 1, 1, nullptr);
    image.Perform(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
    EXPECT_EQ(bitmap, image.Picture->Handle);
    image.SetCenterImage(true);
    EXPECT_TRUE(image.Style & SS_CENTERIMAGE);
    EXPECT_TRUE(image.GetCenterImage());
    EXPECT_EQ(&image, image.Self());
    image.SetParent(nullptr);
}

TEST_F(Framework, GenericTakesItsClassFromHost) {
    QGeneric generic;
    generic.ParentWnd = form.Handle;
    std::string name = "Host";
    EXPECT_TRUE(generic.SetPropValue(name, "static"));
    EXPECT_EQ("static", generic.ClassName);
    EXPECT_TRUE(generic.HasWindow());
    char className[32] = {};
    GetClassNameA(generic.Handle, className, sizeof className);
    EXPECT_STREQ("Static", className);
    EXPECT_EQ("QGeneric", Take(generic.GetPropValue(name)));
}

TEST_F(Framework, PicturesAndCursors) {
    QCursor cursor;
    cursor.SetCursorName("Hand");
    EXPECT_EQ(LoadCursorA(nullptr, IDC_HAND), cursor.Handle);
    cursor.SetCursorName("crPoint");
    EXPECT_EQ(LoadCursorA(nullptr, IDC_HAND), cursor.Handle);
    cursor.SetCursorName("target");
    EXPECT_EQ(LoadCursorA(nullptr, IDC_CROSS), cursor.Handle);
    cursor.SetCursorName("beam");
    EXPECT_EQ(nullptr, cursor.Handle);
    QBitmap bitmap;
    EXPECT_EQ(nullptr, bitmap.Handle);
    bitmap.Create();
    EXPECT_NE(nullptr, bitmap.Handle);
    QPicture picture;
    picture.ImageType = IMAGE_ICON;
    picture.SetFileName("photo.png");  // unknown extension: the type stays
    EXPECT_EQ(IMAGE_ICON, picture.ImageType);
    QBrush brush;
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), brush.GetColor());
    brush.SetColor(RGB(1, 2, 3));
    EXPECT_EQ(RGB(1, 2, 3), brush.GetColor());
}

TEST_F(Framework, ProgramsRegisterTheirOwnFormClasses) {
    EXPECT_TRUE(RegisterFormClass("VelpackTestForm"));
    EXPECT_FALSE(RegisterFormClass("VelpackTestForm"));
    EXPECT_FALSE(RegisterFormClass(""));
    QForm own;
    own.ClassName = "VelpackTestForm";
    own.Style = WS_POPUP;
    own.SetBounds(30, 40, 200, 100);
    own.Id = 12345;  // no menu handle for a top-level window
    own.CreateWnd();
    ASSERT_TRUE(own.HasWindow());
    EXPECT_EQ(&own, QFrame::FromWindow(own.Handle));
    EXPECT_EQ(30, own.GetLeft());
    EXPECT_EQ(40, own.GetTop());
    own.SetWidth(150);
    EXPECT_EQ(30, own.GetLeft());
    EXPECT_EQ(150, own.GetWidth());
    EXPECT_EQ(100, own.GetHeight());
}

}  // namespace
