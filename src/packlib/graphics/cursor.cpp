#include "packlib/graphics/cursor.h"

#include "packlib/text/textutils.h"

namespace velpack {

LPCSTR SystemCursorOf(const std::string& name) {
    static const struct {
        const char* names[4];
        LPCSTR cursor;
    } kCursors[] = {
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
    // "crnone", "none" and "0" name no cursor, as every other name does.
    std::string lower = LowerCase(name);
    for (const auto& entry : kCursors)
        for (const char* known : entry.names)
            if (known && lower == known) return entry.cursor;
    return nullptr;
}

}  // namespace velpack

QCursor::QCursor() {
    ImageType = IMAGE_CURSOR;
}

QCursor::~QCursor() = default;

void QCursor::SetCursorName(const std::string& name) {
    ReleaseImage();
    LPCSTR cursor = velpack::SystemCursorOf(name);
    // System cursors are shared: the cursor shows them and never destroys them.
    Handle = cursor ? LoadCursorA(nullptr, cursor) : nullptr;
}

bool QCursor::ReadHotSpot(POINT& hotSpot) const {
    ICONINFO info{};
    if (!Handle || !GetIconInfo(static_cast<HICON>(Handle), &info)) return false;
    hotSpot = POINT{static_cast<LONG>(info.xHotspot), static_cast<LONG>(info.yHotspot)};
    // GetIconInfo hands out copies of the cursor's bitmaps.
    if (info.hbmMask) DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    return true;
}

int QCursor::GetHotSpotX() {
    POINT hotSpot;
    if (ReadHotSpot(hotSpot)) HotSpotX = hotSpot.x;
    return HotSpotX;
}

int QCursor::GetHotSpotY() {
    POINT hotSpot;
    if (ReadHotSpot(hotSpot)) HotSpotY = hotSpot.y;
    return HotSpotY;
}
