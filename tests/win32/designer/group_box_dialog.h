// A test fixture: a live dialog with its code page and a Velpack group box
// of 200 x 120 at (16, 16), and components inserted by mouse drags as a
// user inserts them.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>

#include "designer/dialog_code.h"
#include "designer/dialog_window.h"
#include "loaded_packs.h"

namespace tavrin::test {

class GroupBoxDialogTest : public testing::Test {
protected:
    void SetUp() override {
        WriteDialogSkeleton(code, "Dialog1", DialogCodeSettings{});
        dialog = std::make_unique<TDialog>("QForm", &Packs().registry);
        dialog->Create();
        dialog->SetName("Dialog1");
        dialog->Code = &code;
        dialog->Show();
        box = &Insert("QGroupBox", window(), 16, 16, 216, 136);
    }
    void TearDown() override {
        dialog.reset();
        Packs().registry.SelectedClassName.clear();
    }
    HWND window() { return dialog->Handle(); }
    TELDesigner& surface() { return dialog->ELDesigner; }
    // An insert drag of the class, pressed on a window (at its own coordinates), released on the dialog.
    TContainer& Insert(const std::string& packClass, HWND pressed, int x, int y, int toX, int toY) {
        Packs().registry.SelectedClassName = packClass;
        SendMessageA(pressed, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        POINT to{toX, toY};
        MapWindowPoints(pressed, window(), &to, 1);
        SendMessageA(window(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
        SendMessageA(window(), WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
        return *surface().Components().back();
    }

    VectorLineDocument code;
    std::unique_ptr<TDialog> dialog;
    TContainer* box = nullptr;
};

}  // namespace tavrin::test
