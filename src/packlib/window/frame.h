// Frames: every window of the library is a QFrame bound to a window-system window.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "packlib/core/object.h"
#include "packlib/graphics/font.h"
#include "packlib/graphics/graphics.h"
#include "packlib/menus/menu.h"

class QFrame;

// The record handed to Dispatch and DefaultHandler: six 32-bit fields.
struct QMessage {
    HWND Handle;
    UINT Msg;
    WPARAM wParam;
    LPARAM lParam;
    LRESULT Result;
    QFrame* Sender;
};

// Event handlers: stdcall procedures whose first argument is the frame.
using QEvent = void(__stdcall*)(QFrame* sender);
using QDataEvent = void(__stdcall*)(QFrame* sender, HWND from, COPYDATASTRUCT* data);
using QCommandEvent = void(__stdcall*)(QFrame* sender, int code, int id, HWND control);
using QMenuEvent = void(__stdcall*)(QFrame* sender, int id);
using QMouseEvent = void(__stdcall*)(QFrame* sender, int button, int x, int y, int keys);
using QMouseMoveEvent = void(__stdcall*)(QFrame* sender, int x, int y, int keys);
using QKeyEvent = void(__stdcall*)(QFrame* sender, int key, int key2);
using QCharEvent = void(__stdcall*)(QFrame* sender, int character);
using QMouseWheelEvent = void(__stdcall*)(QFrame* sender, int delta, int x, int y, int keys);

// Private messages of the library.
enum : UINT {
    QM_NOTIFY = 10001,      // a frame's notification (Notify)
    QM_COMMAND = 10002,     // WM_COMMAND reflected to the control that sent it
    QM_NOTIFYCODE = 10003,  // WM_NOTIFY reflected to the control that sent it
    QM_CTLCOLOR = 10006,    // colour request reflected to the control
};

enum QAlign : std::int32_t { alNone, alLeft, alRight, alTop, alBottom, alClient };

// The window base: its protocol operations are QObject's.
class VELPACK_API QWinFrame : public QObject {
public:
    std::int32_t Align = alNone;
    HWND Handle = nullptr;
    HWND ParentWnd = nullptr;
    QFrame* Parent = nullptr;
    QFrame* ActiveControl = nullptr;
    COLORREF Color = 0;
    QFont* Font = nullptr;
    QCursor* Cursor = nullptr;
    QBrush* Brush = nullptr;
    QPicture* FormPicture = nullptr;
    std::int32_t ExStyle = 0;
    std::int32_t Style = 0;
    std::int32_t Id = 0;
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::int32_t ClientWidth = 0;
    std::int32_t ClientHeight = 0;
    std::int32_t ControlStyle = 0;
    std::int32_t ControlState = 0;
    std::int32_t ModalResult = 0;
    std::string Text;
    std::string Hint;
    RECT ClientRect{};
    RECT WindowRect{};
    bool Enabled = true;
    bool Visible = true;
    bool ShowHint = false;
    bool Clipped = false;
    bool TabStop = false;
    bool Grouped = false;
    QEvent onPaint = nullptr;
};

class VELPACK_API QFrame : public QWinFrame {
public:
    QFrame();
    ~QFrame();
    QFrame(const QFrame&) = delete;
    QFrame& operator=(const QFrame&) = delete;

    // Protocol (slots 0 to 5).
    char* GetPropList() override;
    QPropInfo* GetPropInfo(std::string& name) override;
    char* GetPropValue(std::string& name) override;
    bool SetPropValue(std::string& name, const char* value) override;
    bool IsA(const std::string& className) override;
    QPersistent* Invoke(const std::string& method) override;

    // Slots 6 to 11.
    virtual void Dispatch(QMessage& message);
    virtual void DefaultHandler(QMessage& message);
    virtual void CreateWnd();
    virtual void Refresh();
    virtual void Update();
    virtual void Notify();

    bool HasWindow() const;
    void SetBounds(int left, int top, int width, int height);
    void Realign();
    void Invalidate();
    void Repaint();
    void SetFocus();
    void BringToFront();
    void ClientToScreen(POINT& point);
    void ScreenToClient(POINT& point);
    LRESULT Perform(UINT msg, WPARAM wParam, LPARAM lParam);
    void KillFocus();
    void DestroyWnd();
    void AddControl(QFrame* frame);
    void RemoveControl(QFrame* frame);
    int IndexOf(QFrame* frame) const;
    // Whether this frame may go inside the given one (null: none): not inside itself nor
    // inside one of its own descendants.
    bool CanGoInside(const QFrame* parent) const;

    // Property setters and getters behind the protocol.
    int GetLeft();
    int GetTop();
    int GetWidth();
    int GetHeight();
    void SetLeft(int value);
    void SetTop(int value);
    void SetWidth(int value);
    void SetHeight(int value);
    int GetClientWidth();
    int GetClientHeight();
    RECT& GetClientRect();
    void SetClientRect(const RECT& rect);
    RECT& GetWindowRect();
    int GetStyle();
    void SetStyle(int style);
    int GetExStyle();
    void SetExStyle(int exStyle);
    std::string GetText();
    void SetText(const std::string& text);
    bool GetEnabled();
    void SetEnabled(bool on);
    bool GetVisible();
    void SetVisible(bool on);
    COLORREF GetColor() const { return Color; }
    void SetColor(COLORREF color);
    QFont* GetFont() { return Font; }
    void SetFont(QFont* font);
    int GetAlign() const { return Align; }
    void SetAlign(int align);
    QFrame* GetParent() const { return Parent; }
    void SetParent(QFrame* parent);
    HWND GetParentWnd();
    void SetParentWnd(HWND parent);
    void SetOnPaint(QEvent handler);

    // The live frame bound to a library window, or null for any other window.
    static QFrame* FromWindow(HWND window);

    std::int32_t ControlCount = 0;
    std::vector<QFrame*> Controls;
    QPopupMenu* PopupMenu;
    QEvent onInit = nullptr;
    QEvent onClick = nullptr;
    QEvent onDblClick = nullptr;
    QEvent onCreate = nullptr;
    QEvent onDestroy = nullptr;
    QDataEvent onData = nullptr;
    QCommandEvent onCommand = nullptr;
    QMenuEvent onMenu = nullptr;
    QMenuEvent onAccel = nullptr;
    QMouseEvent onMouseDown = nullptr;
    QMouseEvent onMouseUp = nullptr;
    QMouseMoveEvent onMouseMove = nullptr;
    QKeyEvent onKeyDown = nullptr;
    QKeyEvent onKeyUp = nullptr;
    QCharEvent onKeyPress = nullptr;
    QMouseWheelEvent onMouseWheel = nullptr;

    // Set for a frame that the window procedure made for a window someone else created
    // by class name; its drawing handles are released when that window is destroyed.
    bool MadeForWindow = false;
    // Deletes the font, brush and pop-up menu handles; the objects stay.
    void ReleaseHandles();

protected:
    // Reads the window's bounds into the four fields (when the window exists).
    void ReadBounds();
    void MoveToStoredBounds();
    // Stored handlers by name; null for an unknown name.
    void** HandlerField(const std::string& lowerName);
    // Whether a window-system class or a class of the executable names ClassAncestor.
    WNDPROC AncestorProc();

private:
    void RealignParent();
    QFont* ownFont_ = nullptr;
    QPopupMenu* ownPopupMenu_ = nullptr;
    bool realigning_ = false;
    std::string ancestorName_;
    WNDPROC ancestorProc_ = nullptr;
    bool ancestorLooked_ = false;
};

// The frame whose window is being created, or null.
extern VELPACK_API QFrame* CreatingObject;
