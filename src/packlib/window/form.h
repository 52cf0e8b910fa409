// Top-level forms and the application form.
#pragma once

#include "packlib/lists/qlist.h"
#include "packlib/window/frame.h"

class QForm;
using QFormEvent = void(__stdcall*)(QForm* sender);
using QCloseEvent = void(__stdcall*)(QForm* sender, std::int32_t* action);

enum QWindowState : std::int32_t { wsNormal, wsHide, wsMinimized, wsMaximized, wsRestored };

class VELPACK_API QForm : public QFrame {
public:
    QForm();
    ~QForm();

    char* GetPropList() override;
    QPropInfo* GetPropInfo(std::string& name) override;
    char* GetPropValue(std::string& name) override;
    bool SetPropValue(std::string& name, const char* value) override;
    bool IsA(const std::string& className) override;
    void Dispatch(QMessage& message) override;
    void CreateWnd() override;

    // Shows the form with every other top-level window of the thread disabled until the
    // form's window is gone; returns ModalResult.
    int ShowModal();
    void Close();
    int GetWindowState();
    void SetWindowState(int state);
    QMainMenu* GetMainMenu() const { return MainMenu; }
    void SetMainMenu(QMainMenu* menu);
    QPopupMenu* GetPopupMenu() const { return PopupMenu; }
    void SetPopupMenu(QPopupMenu* menu);
    QPicture* GetFormPicture() const { return FormPicture; }
    void SetFormPicture(QPicture* picture);

    std::int32_t WindowState = wsNormal;
    QMainMenu* MainMenu;
    std::int32_t BorderIcons = 0;
    std::int32_t FormStyle = 0;
    std::int32_t FormBorder = 0;
    QFormEvent onFormCreate = nullptr;
    QFormEvent onShow = nullptr;
    QCloseEvent onClose = nullptr;

protected:
    // Set for the application form: closing its window ends the process.
    bool endsProcessOnClose_ = false;

private:
    void AttachMainMenu();
    QMainMenu* ownMainMenu_ = nullptr;
};

class VELPACK_API QApplication : public QForm {
public:
    QApplication();
    // Runs the thread's message loop until WM_QUIT.
    void Run();
    // Handles at most one waiting message; false when none was waiting. A WM_QUIT is put
    // back for the outer loop and marks QuitSeen.
    bool ProcessMessages();
    void Terminate();
    bool GetTerminated() const { return Terminated; }
    // True ends the process with exit code 0.
    void SetTerminated(bool on);
    int FormCount();
    HWND Form(int index);
    // Refills Forms with the thread's top-level windows.
    void RefreshForms();

    bool Terminated = false;
    QList Forms;
    bool QuitSeen = false;
};

// The library's application object.
extern VELPACK_API QApplication* Application;
