// The small hint window of the design surface: the name and class of the
// component under the mouse, and the position or size during a drag. The
// kinds of hint the surface shows are bits of its ShowingHints set.
#pragma once

#include <windows.h>

#include <string>

namespace tavrin {

// The hint kinds, as bits of the surface's ShowingHints.
inline constexpr int htControl = 1;
inline constexpr int htSize = 2;
inline constexpr int htMove = 4;
inline constexpr int htInsert = 8;
inline constexpr int kAllHints = htControl | htSize | htMove | htInsert;

class SurfaceHint {
public:
    SurfaceHint() = default;
    ~SurfaceHint();
    SurfaceHint(const SurfaceHint&) = delete;
    SurfaceHint& operator=(const SurfaceHint&) = delete;

    // Shows text (lines separated by "\n") below and right of a screen point.
    void Show(const std::string& text, POINT screen);
    void Hide();
    bool Visible() const;
    const std::string& Text() const { return text_; }
    HWND Window() const { return window_; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wp, LPARAM lp);

    HWND window_ = nullptr;
    std::string text_;
};

}  // namespace tavrin
