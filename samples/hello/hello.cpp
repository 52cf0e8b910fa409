// Hello, Velpack: a form with a button and a static text. Clicking the button changes
// the text; closing the form ends the program.
#include "packlib/velpack.h"

namespace {

QStatic* greeting = nullptr;
int clicks = 0;

void __stdcall ButtonClick(QFrame*) {
    ++clicks;
    greeting->SetText(Format("Clicked %i time%s", clicks, clicks == 1 ? "" : "s"));
}

void __stdcall FormClose(QForm*, std::int32_t* action) {
    *action = 1;  // let the window close
    Application->Terminate();
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    QForm form;
    form.Text = "Velpack hello";
    form.SetBounds(100, 100, 320, 160);
    form.onClose = FormClose;
    form.CreateWnd();

    QStatic text;
    text.Text = "Press the button";
    // A left-aligned text that erases its background when it changes.
    text.Style = WS_CHILD | SS_NOTIFY | SS_LEFT;
    text.SetBounds(20, 20, 200, 20);
    text.SetParent(&form);
    greeting = &text;

    QButton button;
    button.Text = "Click me";
    button.Id = 1;
    button.SetBounds(20, 60, 100, 30);
    button.onClick = ButtonClick;
    button.SetParent(&form);

    Application->Run();
    return 0;
}
