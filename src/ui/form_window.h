// Base of the workbench's own top-level windows: a registered window class
// named after the workbench class (TMain, TCode, ...), a name under which the
// settings keep its bounds, modeless and modal showing, and helpers to add
// child controls. Subclasses handle messages by overriding HandleMessage; the
// window is bound to the object and every message runs inside the exception
// barrier of BoundWindow.
#pragma once

#include <windows.h>

#include <string>

#include "ui/app_windows.h"
#include "ui/bound_window.h"

namespace tavrin {

// BoundWindow comes first, so that the object the window is bound to (its
// user data) has the FormWindow's address as well.
class FormWindow : public BoundWindow, public ApplicationWindow {
public:
    FormWindow(std::string className, std::string name, std::string caption);
    ~FormWindow() override;

    // Creates the (hidden) window. Owner may be null.
    void Create(HWND owner = nullptr);
    const std::string& ClassName() const { return className_; }
    std::string Caption() const;
    void SetCaption(const std::string& caption);

    // ApplicationWindow: bounds as the settings keep them (screen coordinates).
    std::string Name() const override { return name_; }
    WindowBounds Bounds() const override;
    void SetLeft(int left) override;
    void SetTop(int top) override;
    void SetWidth(int width) override;
    void SetHeight(int height) override;

    void Show();
    void Hide();
    bool Visible() const;
    // Shows the window modally: every other visible top-level window of the
    // thread is disabled until EndModal; returns the result given to EndModal.
    // A WM_QUIT that arrives meanwhile ends the modal loop with IDCANCEL and
    // is posted again for the main loop.
    int ShowModal();
    void EndModal(int result);
    bool InModalLoop() const { return modalRunning_; }

    // The resolution the window is shown at (dots per inch): its monitor's
    // when created, then the one each WM_DPICHANGED brings.
    int Dpi() const;
    // A size given for 96 dots per inch, in pixels at the window's resolution.
    int Scale(int pixels) const;

protected:
    virtual DWORD Style() const { return WS_OVERLAPPEDWINDOW; }
    virtual DWORD ExStyle() const { return 0; }
    // Initial outer size when created, for 96 dots per inch (scaled to the
    // system's resolution when the window is created).
    virtual SIZE InitialSize() const { return SIZE{300, 200}; }
    virtual void OnCreate() {}
    // Called by Show and ShowModal before the window becomes visible.
    virtual void OnShow() {}
    virtual void OnCommand(int id, int code, HWND control) {}
    virtual void OnSize(int width, int height) {}
    // Closing a tool window only hides it (the default); modal windows end
    // their modal loop with IDCANCEL.
    virtual void OnClose();
    LRESULT HandleMessage(UINT message, WPARAM wp, LPARAM lp) override;
    // Size limits of the window (tracking sizes); the default keeps none.
    virtual void OnGetMinMaxInfo(MINMAXINFO* info) {}
    // The window moved to a resolution of newDpi: its child windows are
    // already rescaled and its bounds are the suggested ones; Dpi() tells the
    // new resolution. Windows with sizes of their own lay themselves out again.
    virtual void OnDpiChanged(int oldDpi, int newDpi) {}

    // Child control helpers (client coordinates given for 96 dots per inch,
    // scaled to the window's resolution); the GUI font is applied.
    HWND AddControl(const char* windowClass, const char* text, DWORD style, int x, int y,
                    int width, int height, int id = -1, DWORD exStyle = 0);
    HWND AddButton(const char* text, int x, int y, int width, int height, int id,
                   bool isDefault = false);
    HWND AddLabel(const char* text, int x, int y, int width, int height);

private:
    void RegisterWindowClass();
    void MoveTo(const WindowBounds& bounds);
    // The current bounds with one field changed.
    WindowBounds WithField(int WindowBounds::*field, int value) const;

    std::string className_;
    std::string name_;
    std::string caption_;
    bool modalRunning_ = false;
    int modalResult_ = 0;
    int dpi_ = 0;  // 0: not known yet (no window)
};

// The shared GUI font at the system's resolution (ui/gui_font.h has it for the others).
HFONT GuiFont();

}  // namespace tavrin
