// QCanvas: a device context with the pen, brush and font to draw with, taken from a window
// or made in memory.
#pragma once

#include <windows.h>

#include "packlib/graphics/font.h"
#include "packlib/graphics/pen_brush.h"
#include "packlib/graphics/picture.h"

class VELPACK_API QCanvas : public QPicture {
public:
    // A canvas with a new pen, brush and font of its own and no device context.
    QCanvas();
    ~QCanvas();

    // A device context of the canvas's own in memory, compatible with the screen (the one
    // it made before is deleted).
    void Create() override;
    // The device context of the whole window (the one taken from a window before is
    // given back).
    void FromWindow(HWND window);
    HDC DeviceContext() const { return static_cast<HDC>(Handle); }

    // The pen, brush and font are taken by reference; the canvas destroys only its own.
    QPen* GetPen() const;
    void SetPen(QPen* pen);
    QBrush* GetBrush() const;
    void SetBrush(QBrush* brush);
    QFont* GetFont() const;
    void SetFont(QFont* font);

    COLORREF GetBkColor();
    void SetBkColor(COLORREF color);
    // Sets the font's colour and redraws the canvas's window.
    void SetTextColor(COLORREF color);
    // The window of the device context (stored).
    HWND GetWindow();
    // Stores the window and redraws it.
    void SetWindow(HWND window);
    // The window of the device context, not stored.
    HWND DCWindow() const;

    HWND Window = nullptr;
    QPen* Pen;
    QBrush* Brush;
    QFont* Font;
    COLORREF BkColor = 0;

private:
    void RedrawWindow();
    void ReleaseDCs();

    QPen* ownPen_;
    QBrush* ownBrush_;
    QFont* ownFont_;
    HDC memoryDC_ = nullptr;
    HDC windowDC_ = nullptr;
    HWND windowOfDC_ = nullptr;
};
