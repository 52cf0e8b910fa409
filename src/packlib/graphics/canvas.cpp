#include "packlib/graphics/canvas.h"

QCanvas::QCanvas() : Pen(new QPen), Brush(new QBrush), Font(new QFont) {
    ownPen_ = Pen;
    ownBrush_ = Brush;
    ownFont_ = Font;
}

QCanvas::~QCanvas() {
    ReleaseDCs();
    delete ownPen_;
    delete ownBrush_;
    delete ownFont_;
}

// The device contexts the canvas took or made; one that was given to it stays.
void QCanvas::ReleaseDCs() {
    if (Handle == memoryDC_ || Handle == windowDC_) Handle = nullptr;
    if (memoryDC_) DeleteDC(memoryDC_);
    if (windowDC_) ReleaseDC(windowOfDC_, windowDC_);
    memoryDC_ = windowDC_ = nullptr;
    windowOfDC_ = nullptr;
}

void QCanvas::Create() {
    ReleaseDCs();
    Handle = memoryDC_ = CreateCompatibleDC(nullptr);
}

void QCanvas::FromWindow(HWND window) {
    ReleaseDCs();
    windowDC_ = GetWindowDC(window);
    windowOfDC_ = windowDC_ ? window : nullptr;
    Handle = windowDC_;
}

QPen* QCanvas::GetPen() const {
    return Pen;
}

QBrush* QCanvas::GetBrush() const {
    return Brush;
}

QFont* QCanvas::GetFont() const {
    return Font;
}

void QCanvas::SetPen(QPen* pen) {
    if (pen) Pen = pen->Self();
}

void QCanvas::SetBrush(QBrush* brush) {
    if (brush) Brush = brush->Self();
}

void QCanvas::SetFont(QFont* font) {
    if (font) Font = font->Self();
}

COLORREF QCanvas::GetBkColor() {
    if (Handle) BkColor = ::GetBkColor(DeviceContext());
    return BkColor;
}

void QCanvas::SetBkColor(COLORREF color) {
    BkColor = color;
    if (Handle) ::SetBkColor(DeviceContext(), color);
}

void QCanvas::RedrawWindow() {
    if (!Window || !IsWindow(Window)) return;
    ::RedrawWindow(Window, nullptr, nullptr, RDW_INTERNALPAINT | RDW_ERASENOW);
    UpdateWindow(Window);
}

void QCanvas::SetTextColor(COLORREF color) {
    if (Font) Font->SetColor(color);
    RedrawWindow();
}

HWND QCanvas::GetWindow() {
    Window = DCWindow();
    return Window;
}

void QCanvas::SetWindow(HWND window) {
    Window = window;
    RedrawWindow();
}

HWND QCanvas::DCWindow() const {
    return Handle ? WindowFromDC(DeviceContext()) : nullptr;
}
