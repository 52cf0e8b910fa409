#include "packlib/graphics/pen_brush.h"

// ---- QPen ----

QPen::QPen() {
    Create();
}

QPen::~QPen() {
    ReleaseHandle();
}

void QPen::ReleaseHandle() {
    if (made_) DeleteObject(made_);
    made_ = nullptr;
    Handle = nullptr;
}

void QPen::Create() {
    ReleaseHandle();
    Record.lopnStyle = static_cast<UINT>(Style);
    Record.lopnWidth = POINT{Width, 0};
    Record.lopnColor = Color;
    Handle = made_ = CreatePenIndirect(&Record);
}

HPEN QPen::GetHandle() const {
    return Handle;
}

// ---- QBrush ----

QBrush::QBrush() {
    Color = GetSysColor(COLOR_WINDOW);
    Create();
}

QBrush::~QBrush() {
    ReleaseHandle();
}

void QBrush::ReleaseHandle() {
    if (made_) DeleteObject(made_);
    made_ = nullptr;
    Handle = nullptr;
}

void QBrush::Create() {
    ReleaseHandle();
    Record.lbStyle = BS_SOLID;
    Record.lbColor = Color;
    Record.lbHatch = static_cast<ULONG_PTR>(Hatch);
    Handle = made_ = CreateBrushIndirect(&Record);
}

COLORREF QBrush::GetColor() {
    if (Handle && GetObjectA(Handle, sizeof Record, &Record) != 0) Color = Record.lbColor;
    return Color;
}

void QBrush::SetColor(COLORREF color) {
    Color = color;
    Create();
}

HBRUSH QBrush::GetHandle() const {
    return Handle;
}

void QBrush::SetHandle(HBRUSH handle) {
    Handle = handle;
}
