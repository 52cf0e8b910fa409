#include "packlib/graphics/graphics.h"

#include <cstring>

#include "packlib/text/textutils.h"

QPen::QPen() { Create(); }
QPen::~QPen() { ReleaseHandle(); }

void QPen::ReleaseHandle() {
    if (Handle) DeleteObject(Handle);
    Handle = nullptr;
}

void QPen::Create() {
    ReleaseHandle();
    Record.lopnStyle = static_cast<UINT>(Style);
    Record.lopnWidth = POINT{Width, 0};
    Record.lopnColor = Color;
    Handle = CreatePenIndirect(&Record);
}

QBrush::QBrush() {
    Color = GetSysColor(COLOR_WINDOW);
    Create();
}

QBrush::~QBrush() { ReleaseHandle(); }

void QBrush::ReleaseHandle() {
    if (Handle) DeleteObject(Handle);
    Handle = nullptr;
}

void QBrush::Create() {
    ReleaseHandle();
    Record.lbStyle = BS_SOLID;
    Record.lbColor = Color;
    Record.lbHatch = static_cast<ULONG_PTR>(Hatch);
    Handle = CreateBrushIndirect(&Record);
}

COLORREF QBrush::GetColor() {
    if (Handle && GetObjectA(Handle, sizeof Record, &Record) != 0) Color = Record.lbColor;
    return Color;
}

void QBrush::SetColor(COLORREF color) {
    Color = color;
    Create();
}

QPicture::QPicture(QObject* owner) : Owner(owner) {}

void QPicture::ReleaseImage() {
    if (Handle) DeleteObject(Handle);
    Handle = nullptr;
}

void QPicture::Changed() {
    if (OnChange) OnChange(this);
}

void QPicture::Create() {
    // A plain picture makes the same image a bitmap makes.
    ReleaseImage();
    BITMAP record{};
    record.bmWidth = 24;
    record.bmHeight = 24;
    record.bmPlanes = 1;
    record.bmBitsPixel = 1;
    record.bmWidthBytes = 4;
    Handle = CreateBitmapIndirect(&record);
    ImageType = IMAGE_BITMAP;
}

void QPicture::LoadFromFile(const std::string& name) {
    FileName = name;
    ReleaseImage();
    UINT flags = LR_LOADFROMFILE | LR_DEFAULTSIZE;
    if (Transparent) flags |= LR_LOADTRANSPARENT | LR_LOADMAP3DCOLORS;
    Handle = LoadImageA(nullptr, name.c_str(), static_cast<UINT>(ImageType), 0, 0, flags);
    Changed();
}

void QPicture::LoadFromResource(const std::string& name) {
    ReleaseImage();
    FileName = name;
    LPCSTR type = ImageType == IMAGE_ICON ? RT_ICON : ImageType == IMAGE_CURSOR ? RT_CURSOR
                                                                                : RT_BITMAP;
    UINT flags = LR_DEFAULTSIZE;
    if (Transparent) flags |= LR_LOADTRANSPARENT | LR_LOADMAP3DCOLORS;
    if (!name.empty()) {
        HMODULE program = GetModuleHandleA(nullptr);
        if (FindResourceA(nullptr, name.c_str(), type))
            Handle = LoadImageA(nullptr, name.c_str(), static_cast<UINT>(ImageType), 0, 0, flags);
        else if (FindResourceA(program, name.c_str(), type))
            Handle = LoadImageA(program, name.c_str(), static_cast<UINT>(ImageType), 0, 0, flags);
    }
    Changed();
}

void QPicture::SetFileName(const std::string& name) {
    if (velpack::EqualsNoCase(name, FileName)) return;
    FileName = name;
    std::string extension = velpack::LowerCase(ExtractFileExt(name));
    if (extension == ".bmp") ImageType = IMAGE_BITMAP;
    else if (extension == ".ico") ImageType = IMAGE_ICON;
    else if (extension == ".cur") ImageType = IMAGE_CURSOR;
    if (GetFileAttributesA(name.c_str()) != INVALID_FILE_ATTRIBUTES) LoadFromFile(name);
    else LoadFromResource(name);
    Changed();
}

QCanvas::QCanvas() : Pen(new QPen), Brush(new QBrush), Font(new QFont) {}

QCanvas::~QCanvas() {
    delete Pen;
    delete Brush;
    delete Font;
    Handle = nullptr;  // the device context belongs to its window
}

void QCanvas::FromWindow(HWND window) {
    Handle = GetWindowDC(window);
    Window = window;
}

COLORREF QCanvas::GetBkColor() {
    if (Handle) BkColor = ::GetBkColor(static_cast<HDC>(Handle));
    return BkColor;
}

void QCanvas::SetBkColor(COLORREF color) {
    BkColor = color;
    if (Handle) ::SetBkColor(static_cast<HDC>(Handle), color);
}

void QBitmap::Create() {
    QPicture::Create();
}

void QBitmap::Assign(HBITMAP bitmap) {
    BITMAP record{};
    if (!bitmap || GetObjectA(bitmap, sizeof record, &record) == 0) return;
    Width = record.bmWidth;
    Height = record.bmHeight;
    record.bmBits = nullptr;  // the copy gets a blank image of the same format
    Handle = CreateBitmapIndirect(&record);
}

void QIcon::LoadIconFile(const std::string& name) {
    if (GetFileAttributesA(name.c_str()) == INVALID_FILE_ATTRIBUTES) return;
    Handle = LoadImageA(nullptr, name.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE);
}

void QCursor::SetCursorName(const std::string& name) {
    static const struct { const char* names[4]; LPCSTR cursor; } kCursors[] = {
        {{"crnone", "none", "0", nullptr}, nullptr},
        {{"crarrow", "arrow", "crdefault", "default"}, IDC_ARROW},
        {{"crsize", "size", "crsizeall", "sizeall"}, IDC_SIZEALL},
        {{"crsizenwse", "sizenwse", nullptr, nullptr}, IDC_SIZENWSE},
        {{"crsizenesw", "sizenesw", nullptr, nullptr}, IDC_SIZENESW},
        {{"crsizewe", "sizewe", nullptr, nullptr}, IDC_SIZEWE},
        {{"crsizens", "sizens", nullptr, nullptr}, IDC_SIZENS},
        {{"crwait", "wait", "hourglass", nullptr}, IDC_WAIT},
        {{"crhand", "crpoint", "hand", "point"}, IDC_HAND},
        {{"crcross", "cross", "crtargrt", "target"}, IDC_CROSS},
    };
    std::string lower = velpack::LowerCase(name);
    Handle = nullptr;
    for (const auto& entry : kCursors)
        for (const char* known : entry.names)
            if (known && lower == known) {
                Handle = entry.cursor ? LoadCursorA(nullptr, entry.cursor) : nullptr;
                return;
            }
}

int QCursor::GetHotSpotX() {
    ICONINFO info{};
    if (Handle && GetIconInfo(static_cast<HICON>(Handle), &info)) {
        HotSpotX = static_cast<std::int32_t>(info.xHotspot);
        if (info.hbmMask) DeleteObject(info.hbmMask);
        if (info.hbmColor) DeleteObject(info.hbmColor);
    }
    return HotSpotX;
}

int QCursor::GetHotSpotY() {
    ICONINFO info{};
    if (Handle && GetIconInfo(static_cast<HICON>(Handle), &info)) {
        HotSpotY = static_cast<std::int32_t>(info.yHotspot);
        if (info.hbmMask) DeleteObject(info.hbmMask);
        if (info.hbmColor) DeleteObject(info.hbmColor);
    }
    return HotSpotY;
}
