// A thin bar the user drags to resize a neighbouring panel.
#pragma once

#include <windows.h>

#include <functional>

#include "ui/bound_window.h"

namespace tavrin {

class Splitter : public BoundWindow {
public:
    // vertical: a bar between left and right panels (dragged horizontally).
    void Create(HWND parent, bool vertical);
    // Called while dragging with the bar's new position in parent client coordinates.
    std::function<void(int position)> OnMoved;
    bool Vertical() const { return vertical_; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wp, LPARAM lp) override;

private:
    bool vertical_ = true;
    bool dragging_ = false;
};

}  // namespace tavrin
