// A thin bar the user drags to resize a neighbouring panel.
#pragma once

#include <windows.h>

#include <functional>

namespace tavrin {

class Splitter {
public:
    // vertical: a bar between left and right panels (dragged horizontally).
    void Create(HWND parent, bool vertical);
    HWND Handle() const { return handle_; }
    // Called while dragging with the bar's new position in parent client coordinates.
    std::function<void(int position)> OnMoved;
    bool Vertical() const { return vertical_; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wp, LPARAM lp);
    HWND handle_ = nullptr;
    bool vertical_ = true;
    bool dragging_ = false;
};

}  // namespace tavrin
