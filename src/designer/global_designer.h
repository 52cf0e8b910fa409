// TGlobalDesigner: the designer preview, a small window with one button on
// its own design surface, where the settings dialog lets the user try the
// hint kinds at once. Created once; the settings dialog borrows it as a
// child of its "Designer" tab and gives it back when it goes.
#pragma once

#include "designer/design_surface.h"
#include "ui/form_window.h"

namespace tavrin {

class TGlobalDesigner : public FormWindow {
public:
    static constexpr int kClientWidth = 186;
    static constexpr int kClientHeight = 93;

    TGlobalDesigner();
    ~TGlobalDesigner() override;

    TELDesigner ELDesigner;
    // The one control to play with, "x" at (56, 24), 75 x 25.
    TContainer& btnX() { return *button_; }

    // Makes the window a visible child of parent at (left, top), unless it
    // already is its child, and switches its surface on (once).
    void PlaceOn(HWND parent, int left, int top);
    // Turns the window back into a hidden top-level window (before parent goes).
    void TakeBack();

protected:
    DWORD Style() const override { return WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN; }
    DWORD ExStyle() const override { return WS_EX_TOOLWINDOW; }
    void OnCreate() override;
    LRESULT HandleMessage(UINT message, WPARAM wp, LPARAM lp) override;

private:
    std::unique_ptr<TContainer> ownedButton_;
    TContainer* button_ = nullptr;
};

}  // namespace tavrin
