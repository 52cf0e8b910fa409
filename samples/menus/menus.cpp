// Velpack menus: a form with a menu bar and a pop-up menu (right mouse button), a title in a
// font of its own, a background brush colour chosen from the menus and a picture loaded from
// the file velpack.bmp beside the program. Every command reaches the form's onMenu handler
// with the command identifier of its item; the status line names what was chosen.
#include <string>

#include "packlib/velpack.h"

namespace {

struct Sample {
    QForm form;
    QStatic title;
    QStatic status;
    QImage picture;
    QFont titleFont;

    QMainMenu bar;
    QMenu file, showPicture, separator, exit;
    QMenu view, bold, large;
    QMenu red, blue, white;  // items of the pop-up menu
};

Sample* sample = nullptr;

std::string ProgramFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return ExtractFilePath(path);
}

void Say(const std::string& text) {
    sample->status.SetText(text);
}

// The form's background: its brush colour, under the two texts as well.
void SetBackground(COLORREF color, const char* name) {
    sample->form.SetColor(color);
    sample->title.SetColor(color);
    sample->status.SetColor(color);
    RedrawWindow(sample->form.Handle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    Say(std::string("Background: ") + name);
}

void ApplyTitleFont() {
    QFont& font = sample->titleFont;
    font.SetBold(sample->bold.Checked);
    font.SetSize(sample->large.Checked ? 20 : 14);
    sample->title.SetFont(&font);
    sample->title.Invalidate();
}

void __stdcall MenuChosen(QFrame*, int id) {
    Sample& s = *sample;
    if (id == s.showPicture.CommandID) {
        s.showPicture.SetChecked(!s.showPicture.Checked);
        s.picture.SetVisible(s.showPicture.Checked);
        Say(s.showPicture.Checked ? "Picture shown" : "Picture hidden");
    } else if (id == s.exit.CommandID) {
        s.form.Close();
    } else if (id == s.bold.CommandID) {
        s.bold.SetChecked(!s.bold.Checked);
        ApplyTitleFont();
        Say(s.bold.Checked ? "Bold title" : "Plain title");
    } else if (id == s.large.CommandID) {
        s.large.SetChecked(!s.large.Checked);
        ApplyTitleFont();
        Say(s.large.Checked ? "Large title" : "Small title");
    } else if (id == s.red.CommandID) {
        s.red.SetRadioItem(true);
        SetBackground(RGB(250, 215, 210), "red");
    } else if (id == s.blue.CommandID) {
        s.blue.SetRadioItem(true);
        SetBackground(RGB(210, 225, 250), "blue");
    } else if (id == s.white.CommandID) {
        s.white.SetRadioItem(true);
        SetBackground(RGB(255, 255, 255), "white");
    }
}

// The library shows no pop-up menu by itself: the program opens the form's pop-up menu
// where the right mouse button was let go.
void __stdcall MouseUp(QFrame* frame, int button, int x, int y, int) {
    if (button != 2) return;
    POINT point{x, y};
    frame->ClientToScreen(point);
    TrackPopupMenu(sample->form.PopupMenu->Handle, TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x,
                   point.y, 0, frame->Handle, nullptr);
}

void __stdcall FormClose(QForm*, std::int32_t* action) {
    *action = 1;
    Application->Terminate();
}

void AddItem(QMenu& menu, QMenu& item, const char* caption) {
    item.SetCaption(caption);
    menu.Add(&item);
}

void BuildMenus(Sample& s) {
    // Built from the bar down: an item that gets children opens them as a sub-menu.
    AddItem(s.bar, s.file, "&File");
    AddItem(s.file, s.showPicture, "Show &picture");
    AddItem(s.file, s.separator, "-");
    AddItem(s.file, s.exit, "E&xit");
    s.showPicture.SetChecked(true);
    AddItem(s.bar, s.view, "&Title");
    AddItem(s.view, s.bold, "&Bold");
    AddItem(s.view, s.large, "&Large");
    s.bold.SetChecked(true);
    AddItem(*s.form.PopupMenu, s.red, "&Red background");
    AddItem(*s.form.PopupMenu, s.blue, "&Blue background");
    AddItem(*s.form.PopupMenu, s.white, "&White background");
    s.blue.SetRadioItem(true);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    Sample s;
    sample = &s;
    BuildMenus(s);

    s.form.Text = "Velpack menus";
    s.form.SetBounds(100, 100, 420, 260);
    s.form.SetMainMenu(&s.bar);
    s.form.onMenu = MenuChosen;
    s.form.onMouseUp = MouseUp;
    s.form.onClose = FormClose;
    s.form.CreateWnd();

    s.titleFont.SetFaceName("Tahoma");
    s.titleFont.Color = RGB(30, 60, 114);
    s.title.Text = "Velpack menus";
    s.title.Style = WS_CHILD | SS_LEFT;
    s.title.SetBounds(130, 24, 260, 34);
    s.title.SetParent(&s.form);
    ApplyTitleFont();

    s.status.Text = "Right-click for the pop-up menu";
    s.status.Style = WS_CHILD | SS_LEFT;
    s.status.SetBounds(130, 70, 260, 20);
    s.status.SetParent(&s.form);

    s.picture.SetBounds(20, 20, 96, 96);
    s.picture.SetParent(&s.form);
    s.picture.Picture->SetFileName(ProgramFolder() + "velpack.bmp");

    SetBackground(RGB(210, 225, 250), "blue");
    Say("Right-click for the pop-up menu");
    Application->Run();
    return 0;
}
