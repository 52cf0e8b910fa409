// Base of the workbench's own top-level windows: a registered window class
// named after the workbench class (TMain, TCode, ...), a name under which the
// settings keep its bounds, modeless and modal showing, and helpers to add
// child controls. Subclasses handle messages by overriding HandleMessage.
#pragma once

#include <windows.h>

#include <string>

#include "ui/app_windows.h"

namespace tavrin {

class FormWindow : public ApplicationWindow {
public:
    FormWindow(std::string className, std::string name, std::string caption);
    ~FormWindow() override;
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    // Creates the (hidden) window. Owner may be null.
    void Create(HWND owner = nullptr);
    HWND Handle() const { return handle_; }
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
    // Shows the window modally: every other top-level window of the thread is
    // disabled until EndModal; returns the result given to EndModal.
    int ShowModal();
    void EndModal(int result);
    bool InModalLoop() const { return modalRunning_; }

protected:
    virtual DWORD Style() const { return WS_OVERLAPPEDWINDOW; }
    virtual DWORD ExStyle() const { return 0; }
    // Initial outer size when created.
    virtual SIZE InitialSize() const { return SIZE{300, 200}; }
    virtual void OnCreate() {}
    // Called by Show and ShowModal before the window becomes visible.
    virtual void OnShow() {}
    virtual void OnCommand(int id, int code, HWND control) {}
    virtual void OnSize(int width, int height) {}
    // Closing a tool window only hides it (the default); modal windows end
    // their modal loop with IDCANCEL.
    virtual void OnClose();
    virtual LRESULT HandleMessage(UINT message, WPARAM wp, LPARAM lp);
    // Size limits of the window (tracking sizes); the default keeps none.
    virtual void OnGetMinMaxInfo(MINMAXINFO* info) {}

    // Child control helpers (client coordinates); the GUI font is applied.
    HWND AddControl(const char* windowClass, const char* text, DWORD style, int x, int y,
                    int width, int height, int id = -1, DWORD exStyle = 0);
    HWND AddButton(const char* text, int x, int y, int width, int height, int id,
                   bool isDefault = false);
    HWND AddLabel(const char* text, int x, int y, int width, int height);

    LRESULT DefaultProc(UINT message, WPARAM wp, LPARAM lp);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wp, LPARAM lp);
    void RegisterWindowClass();
    void MoveTo(const WindowBounds& bounds);
    // The current bounds with one field changed.
    WindowBounds WithField(int WindowBounds::*field, int value) const;

    std::string className_;
    std::string name_;
    std::string caption_;
    HWND handle_ = nullptr;
    bool modalRunning_ = false;
    int modalResult_ = 0;
};

HFONT GuiFont();

}  // namespace tavrin
