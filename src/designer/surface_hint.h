// The design surface's hint: a small tip window beside the mouse that shows
// a component's name and class when the mouse rests on it, or the position
// and size while a component is moved, sized or inserted.
#pragma once

#include <windows.h>

#include <string>

namespace tavrin {

class SurfaceHint {
public:
    SurfaceHint() = default;
    ~SurfaceHint();
    SurfaceHint(const SurfaceHint&) = delete;
    SurfaceHint& operator=(const SurfaceHint&) = delete;

    // Shows text (lines split at "\n") at a screen point, for the window owner;
    // the same text shown again keeps its place.
    void Show(HWND owner, const std::string& text, POINT at);
    void Hide();
    bool Showing() const { return showing_; }
    // The text shown, or empty.
    std::string Text() const { return showing_ ? text_ : std::string(); }

private:
    void Create(HWND owner);

    HWND tip_ = nullptr;
    HWND owner_ = nullptr;
    bool showing_ = false;
    std::string text_;
};

}  // namespace tavrin
