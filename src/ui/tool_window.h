// A workbench tool window with a fixed class, name, caption and size. Windows
// whose commands live in other subsystems start as tool windows and grow
// their controls there.
#pragma once

#include "ui/form_window.h"

namespace tavrin {

struct ToolWindowLook {
    int width = 300;
    int height = 200;
    bool stayOnTop = false;
    bool fixedBorder = false;
    int minWidth = 0;
    int minHeight = 0;
};

class ToolWindow : public FormWindow {
public:
    ToolWindow(std::string className, std::string name, std::string caption, ToolWindowLook look = {});

protected:
    DWORD Style() const override;
    DWORD ExStyle() const override;
    SIZE InitialSize() const override { return SIZE{look_.width, look_.height}; }
    void OnGetMinMaxInfo(MINMAXINFO* info) override;

private:
    ToolWindowLook look_;
};

}  // namespace tavrin
