// Drawing objects give back every GDI object they make: making and destroying thousands of
// fonts, pens, brushes, bitmaps, pictures, cursors and canvases leaves the process's count
// of GDI objects where it was.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "packlib/velpack.h"

namespace {

// The process's GDI objects. Where GetGuiResources is not implemented (Wine answers 0 and
// ERROR_CALL_NOT_IMPLEMENTED) the live entries of the handle table are counted instead: a
// handle of an index alone names the live object at that index.
int GdiObjectCount() {
    SetLastError(0);
    DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (count != 0 || GetLastError() != ERROR_CALL_NOT_IMPLEMENTED) return static_cast<int>(count);
    int live = 0;
    for (UINT_PTR index = 1; index < 0x10000; ++index)
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0) ++live;
    return live;
}

std::string BesideProgram(const char* name) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return ExtractFilePath(path) + name;
}

TEST(GdiHandles, TheCountSeesEveryObjectMadeAndDeleted) {
    int before = GdiObjectCount();
    HFONT font = CreateFontA(-11, 0, 0, 0, 400, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma");
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    EXPECT_EQ(before + 2, GdiObjectCount());
    DeleteObject(font);
    DeleteObject(brush);
    EXPECT_EQ(before, GdiObjectCount());
}

// The objects the window system shares between the users of one drawing object.
struct GivenObjects {
    HBITMAP bitmap = CreateBitmap(8, 8, 1, 1, nullptr);
    HFONT font = CreateFontA(-20, 0, 0, 0, 600, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
    HBRUSH brush = CreateSolidBrush(RGB(4, 5, 6));
    std::string bitmapFile = BesideProgram("logo.bmp");
    ~GivenObjects() {
        DeleteObject(bitmap);
        DeleteObject(font);
        DeleteObject(brush);
    }
};

// One round of every drawing object, each made, changed and destroyed.
void MakeAndDestroyDrawingObjects(const GivenObjects& given, int round) {
    {
        QFont font;
        font.SetBold(true);
        font.SetSize(10 + round % 5);
        font.SetHandle(given.font);  // adopted: never deleted by the font
        font.SetItalic(true);        // made again; the one it replaced stays until the end
        font.Assign(given.font);
    }
    {
        QBrush brush;
        brush.SetColor(RGB(round % 256, 0, 0));
        brush.SetHandle(given.brush);
        brush.Create();
    }
    {
        QPen pen;
        pen.Width = 2;
        pen.Create();
    }
    {
        QBitmap bitmap;
        bitmap.Create();
        bitmap.Assign(given.bitmap);
        bitmap.Create();
    }
    {
        QCursor cursor;
        cursor.SetCursorName("hand");
        cursor.GetHotSpotX();  // the cursor's bitmaps are handed out while it is read
        QCanvas canvas;
        canvas.Create();
        canvas.Create();
    }
    if (round % 10 == 0) {
        QPicture picture;
        picture.LoadFromFile(given.bitmapFile);
        picture.Create();
        QButton button;  // a frame's own font and brush
    }
}

TEST(GdiHandles, TenThousandDrawingObjectsLeaveTheCountWhereItWas) {
    GivenObjects given;
    // The first round lets the window system make what it keeps for the whole process.
    MakeAndDestroyDrawingObjects(given, 0);
    const int start = GdiObjectCount();
    for (int round = 1; round <= 10000; ++round) MakeAndDestroyDrawingObjects(given, round);
    EXPECT_EQ(start, GdiObjectCount());
    EXPECT_EQ(static_cast<DWORD>(OBJ_FONT), GetObjectType(given.font));
    EXPECT_EQ(static_cast<DWORD>(OBJ_BRUSH), GetObjectType(given.brush));
    EXPECT_EQ(static_cast<DWORD>(OBJ_BITMAP), GetObjectType(given.bitmap));
}

}  // namespace
