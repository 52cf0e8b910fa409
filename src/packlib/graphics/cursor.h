// QCursor: an icon that is a cursor, chosen by file, resource or by a name of the system's
// cursors ("crHand", "wait" ...).
#pragma once

#include "packlib/graphics/picture.h"

class VELPACK_API QCursor : public QIcon {
public:
    QCursor();
    ~QCursor();
    // The system cursor of the name (compared in lower case); a name that is not one of
    // them gives no cursor.
    void SetCursorName(const std::string& name);
    // The hot spot read from the cursor, or the stored one when it cannot be read.
    int GetHotSpotX();
    int GetHotSpotY();
    void SetHotSpotX(int x) { HotSpotX = x; }
    void SetHotSpotY(int y) { HotSpotY = y; }

    std::int32_t HotSpotX = 0;
    std::int32_t HotSpotY = 0;

private:
    // Reads the cursor's hot spot; false when the handle names no cursor.
    bool ReadHotSpot(POINT& hotSpot) const;
};

namespace velpack {

// The system cursor a cursor name stands for (IDC_HAND ...), or null.
LPCSTR SystemCursorOf(const std::string& name);

}  // namespace velpack
