// Fonts, brushes, pictures, bitmaps, icons, cursors and canvases of the library loaded by
// name: made and driven through the members a program calls and the property exports.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "library_members.h"
#include "support/temp_folder.h"
#include "velpack_binding.h"

namespace {

std::string Address(const void* pointer) {
    return std::to_string(reinterpret_cast<UINT_PTR>(pointer));
}

// A file beside the test program.
std::string BesideProgram(const char* name) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of("\\/") + 1) + name;
}

int pictureChanges = 0;
void CountChange(void*) { ++pictureChanges; }

LOGFONTA LogFontOf(HFONT font) {
    LOGFONTA logFont{};
    GetObjectA(font, sizeof logFont, &logFont);
    return logFont;
}

class Graphics : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(vp.Loaded());
        pictureChanges = 0;
    }

    LibraryInstance& Make(const char* className) {
        made.push_back(className == std::string("QPicture")
                           ? std::make_unique<LibraryInstance>(members, className, "P7QObject", nullptr)
                           : std::make_unique<LibraryInstance>(members, className));
        return *made.back();
    }
    static HANDLE PictureHandle(LibraryInstance& picture) {
        return picture.CallConst<HANDLE>("QPicture", "GetHandle", "v");
    }
    static int ImageType(LibraryInstance& picture) {
        return picture.CallConst<int>("QPicture", "GetImageType", "v");
    }
    static void SetFileName(LibraryInstance& picture, const std::string& name) {
        picture.Call("QPicture", "SetFileName", kStringParameter, &name);
    }

    const VelpackBinding& vp = Velpack();
    LibraryMembers members{vp.library ? vp.library->Module() : nullptr};
    std::vector<std::unique_ptr<LibraryInstance>> made;
    tavrin::test::TempFolder folder;
};

TEST_F(Graphics, NewFontIsTahomaEightOfHeightMinusElevenAtNinetySixDotsAnInch) {
    HDC screen = GetDC(nullptr);
    ASSERT_EQ(96, GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
    void* font = Make("QFont").get();
    EXPECT_EQ("Tahoma", vp.Value(font, "FaceName"));
    EXPECT_EQ("8", vp.Value(font, "Size"));
    HFONT handle = reinterpret_cast<HFONT>(std::stoul(vp.Value(font, "Handle")));
    LOGFONTA logFont = LogFontOf(handle);
    EXPECT_EQ(-11, logFont.lfHeight);
    EXPECT_EQ(400, logFont.lfWeight);
    EXPECT_EQ(DEFAULT_CHARSET, logFont.lfCharSet);
    EXPECT_STREQ("Tahoma", logFont.lfFaceName);
    EXPECT_TRUE(vp.Set(font, "Size", "12"));
    EXPECT_EQ(-16, LogFontOf(reinterpret_cast<HFONT>(std::stoul(vp.Value(font, "Handle")))).lfHeight);
    EXPECT_EQ("12", vp.Value(font, "Size"));
}

TEST_F(Graphics, BoldMeansExactlyWeightSevenHundred) {
    void* font = Make("QFont").get();
    EXPECT_TRUE(vp.Set(font, "Bold", "1"));
    EXPECT_EQ(700, LogFontOf(reinterpret_cast<HFONT>(std::stoul(vp.Value(font, "Handle")))).lfWeight);
    EXPECT_EQ("true", vp.Value(font, "Bold"));
    vp.Set(font, "Bold", "0");
    EXPECT_EQ("false", vp.Value(font, "Bold"));
    // A handle of weight 600 counts as bold when adopted: the next font made is bold.
    HFONT semiBold = CreateFontA(-20, 0, 0, 0, 600, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
    EXPECT_TRUE(vp.Set(font, "Handle", Address(semiBold)));
    vp.Set(font, "Italic", "1");
    HFONT remade = reinterpret_cast<HFONT>(std::stoul(vp.Value(font, "Handle")));
    EXPECT_NE(semiBold, remade);
    EXPECT_EQ(700, LogFontOf(remade).lfWeight);
    EXPECT_STREQ("Arial", LogFontOf(remade).lfFaceName);
    EXPECT_EQ("true", vp.Value(font, "Bold"));
    // But read from the handle itself, only 700 is bold.
    EXPECT_TRUE(vp.Set(font, "Handle", Address(semiBold)));
    EXPECT_EQ("false", vp.Value(font, "Bold"));
    // The font never deletes a handle it was given.
    made.clear();
    EXPECT_EQ(static_cast<DWORD>(OBJ_FONT), GetObjectType(semiBold));
    EXPECT_EQ(0u, GetObjectType(remade));
    DeleteObject(semiBold);
}

TEST_F(Graphics, IconFileByNameAndTheSameNameInOtherCase) {
    std::string icon = folder.Path("logo.ICO");
    ASSERT_TRUE(std::filesystem::exists(BesideProgram("logo.ico")));
    std::filesystem::copy_file(BesideProgram("logo.ico"), icon);
    LibraryInstance& picture = Make("QPicture");
    picture.Call("QPicture", "SetOnChange", "PFvPS_E", &CountChange);
    EXPECT_EQ(IMAGE_BITMAP, ImageType(picture));
    SetFileName(picture, icon);
    EXPECT_EQ(IMAGE_ICON, ImageType(picture));
    HANDLE loaded = PictureHandle(picture);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(static_cast<HICON>(loaded), &info));
    EXPECT_TRUE(info.fIcon);
    DeleteObject(info.hbmMask);
    DeleteObject(info.hbmColor);
    EXPECT_EQ(2, pictureChanges);  // once by the load, once by the name
    // The same name in other letter case: nothing happens.
    std::string other = icon.substr(0, icon.size() - 8) + "LOGO.ico";
    SetFileName(picture, other);
    EXPECT_EQ(loaded, PictureHandle(picture));
    EXPECT_EQ(2, pictureChanges);
    // An extension of no image type keeps the type (no such file or resource: no image).
    SetFileName(picture, folder.Path("photo.png"));
    EXPECT_EQ(IMAGE_ICON, ImageType(picture));
    EXPECT_EQ(nullptr, PictureHandle(picture));
    EXPECT_EQ(4, pictureChanges);
    // The icon it loaded before was destroyed with the new load.
    EXPECT_FALSE(GetIconInfo(static_cast<HICON>(loaded), &info));
}

TEST_F(Graphics, IconFileLoadedByTheIconItself) {
    LibraryInstance& icon = Make("QIcon");
    EXPECT_EQ(IMAGE_ICON, ImageType(icon));
    std::string missing = folder.Path("none.ico");
    icon.Call("QIcon", "LoadIconFile", kStringParameter, &missing);
    EXPECT_EQ(nullptr, PictureHandle(icon));
    std::string file = BesideProgram("logo.ico");
    icon.Call("QIcon", "LoadIconFile", kStringParameter, &file);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(static_cast<HICON>(PictureHandle(icon)), &info));
    DeleteObject(info.hbmMask);
    DeleteObject(info.hbmColor);
    icon.Call("QIcon", "Create", "v");  // icons are loaded, not made: the icon stays
    EXPECT_TRUE(GetIconInfo(static_cast<HICON>(PictureHandle(icon)), &info));
    DeleteObject(info.hbmMask);
    DeleteObject(info.hbmColor);
}

TEST_F(Graphics, ResourcesOfTheProgramLoadByName) {
    LibraryInstance& icon = Make("QIcon");
    icon.Call("QPicture", "SetOnChange", "PFvPS_E", &CountChange);
    std::string name = "VELPACKICON";
    icon.Call("QPicture", "LoadFromResource", kStringParameter, &name);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(static_cast<HICON>(PictureHandle(icon)), &info));
    EXPECT_TRUE(info.fIcon);
    DeleteObject(info.hbmMask);
    DeleteObject(info.hbmColor);
    LibraryInstance& bitmap = Make("QBitmap");
    std::string bitmapName = "VELPACKBITMAP";
    bitmap.Call("QPicture", "LoadFromResource", kStringParameter, &bitmapName);
    BITMAP record{};
    ASSERT_TRUE(GetObjectA(PictureHandle(bitmap), sizeof record, &record));
    EXPECT_EQ(32, record.bmWidth);
    // An unknown name: no image, and the change is reported all the same.
    std::string unknown = "NOSUCHICON";
    icon.Call("QPicture", "LoadFromResource", kStringParameter, &unknown);
    EXPECT_EQ(nullptr, PictureHandle(icon));
    EXPECT_EQ(2, pictureChanges);
}

TEST_F(Graphics, CursorNamesGiveTheSystemCursors) {
    LibraryInstance& cursor = Make("QCursor");
    EXPECT_EQ(IMAGE_CURSOR, ImageType(cursor));
    auto named = [&](const std::string& name) {
        cursor.Call("QCursor", "SetCursorName", kStringParameter, &name);
        return PictureHandle(cursor);
    };
    HANDLE hand = LoadCursorA(nullptr, IDC_HAND);
    EXPECT_EQ(hand, named("Hand"));
    EXPECT_EQ(hand, named("CRPOINT"));
    EXPECT_EQ(LoadCursorA(nullptr, IDC_CROSS), named("target"));
    EXPECT_EQ(LoadCursorA(nullptr, IDC_CROSS), named("crTargrt"));
    EXPECT_EQ(LoadCursorA(nullptr, IDC_WAIT), named("Hourglass"));
    EXPECT_EQ(LoadCursorA(nullptr, IDC_SIZENS), named("crSizeNS"));
    EXPECT_EQ(nullptr, named("beam"));
    EXPECT_EQ(nullptr, named("crNone"));
    named("arrow");
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(static_cast<HICON>(PictureHandle(cursor)), &info));
    DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    EXPECT_EQ(static_cast<int>(info.xHotspot), cursor.Call<int>("QCursor", "GetHotSpotX", "v"));
    EXPECT_EQ(static_cast<int>(info.yHotspot), cursor.Call<int>("QCursor", "GetHotSpotY", "v"));
    // The shared system cursor outlives the cursor object.
    made.clear();
    EXPECT_TRUE(GetIconInfo(LoadCursorA(nullptr, IDC_ARROW), &info));
    DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
}

TEST_F(Graphics, NewBrushHasTheWindowColourAndColourRoundTrips) {
    LibraryInstance& brush = Make("QBrush");
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), brush.Call<COLORREF>("QBrush", "GetColor", "v"));
    HBRUSH first = brush.CallConst<HBRUSH>("QBrush", "GetHandle", "v");
    brush.Call("QBrush", "SetColor", "m", RGB(10, 20, 30));
    HBRUSH second = brush.CallConst<HBRUSH>("QBrush", "GetHandle", "v");
    EXPECT_EQ(0u, GetObjectType(first));  // the old brush was deleted
    LOGBRUSH record{};
    ASSERT_TRUE(GetObjectA(second, sizeof record, &record));
    EXPECT_EQ(RGB(10, 20, 30), record.lbColor);
    EXPECT_EQ(static_cast<UINT>(BS_SOLID), record.lbStyle);
    EXPECT_EQ(RGB(10, 20, 30), brush.Call<COLORREF>("QBrush", "GetColor", "v"));
    // A brush given to it is used and read, never deleted.
    HBRUSH given = CreateSolidBrush(RGB(1, 2, 3));
    brush.Call("QBrush", "SetHandle", "P8HBRUSH__", given);
    EXPECT_EQ(RGB(1, 2, 3), brush.Call<COLORREF>("QBrush", "GetColor", "v"));
    made.clear();
    EXPECT_EQ(static_cast<DWORD>(OBJ_BRUSH), GetObjectType(given));
    EXPECT_EQ(0u, GetObjectType(second));
    DeleteObject(given);
}

TEST_F(Graphics, NewBitmapHasNoImageUntilCreateALoadOrAssign) {
    LibraryInstance& created = Make("QBitmap");
    EXPECT_EQ(nullptr, PictureHandle(created));
    created.Call("QBitmap", "Create", "v");
    BITMAP record{};
    ASSERT_TRUE(GetObjectA(PictureHandle(created), sizeof record, &record));
    EXPECT_EQ(24, record.bmWidth);
    EXPECT_EQ(24, record.bmHeight);

    LibraryInstance& loaded = Make("QBitmap");
    EXPECT_EQ(nullptr, PictureHandle(loaded));
    std::string file = BesideProgram("logo.bmp");
    loaded.Call("QPicture", "LoadFromFile", kStringParameter, &file);
    ASSERT_TRUE(GetObjectA(PictureHandle(loaded), sizeof record, &record));
    EXPECT_EQ(32, record.bmWidth);

    // Assign copies the picture, not only its size.
    HDC screen = GetDC(nullptr);
    HBITMAP source = CreateCompatibleBitmap(screen, 5, 3);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, source);
    SetPixel(dc, 4, 2, RGB(255, 0, 0));
    SelectObject(dc, old);
    LibraryInstance& assigned = Make("QBitmap");
    EXPECT_EQ(nullptr, PictureHandle(assigned));
    assigned.Call("QBitmap", "Assign", "P9HBITMAP__", source);
    HANDLE copy = PictureHandle(assigned);
    ASSERT_TRUE(copy);
    EXPECT_NE(static_cast<HANDLE>(source), copy);
    ASSERT_TRUE(GetObjectA(copy, sizeof record, &record));
    EXPECT_EQ(5, record.bmWidth);
    EXPECT_EQ(3, record.bmHeight);
    old = SelectObject(dc, copy);
    EXPECT_EQ(RGB(255, 0, 0), GetPixel(dc, 4, 2));
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    made.clear();  // the copies go with their bitmaps; the source stays the caller's
    EXPECT_EQ(0u, GetObjectType(copy));
    EXPECT_EQ(static_cast<DWORD>(OBJ_BITMAP), GetObjectType(source));
    DeleteObject(source);
}

TEST_F(Graphics, CreateOfAPlainPictureOrCanvasEnds) {
    LibraryInstance& bitmapPicture = Make("QPicture");
    bitmapPicture.Call("QPicture", "Create", "v");
    EXPECT_EQ(static_cast<DWORD>(OBJ_BITMAP), GetObjectType(PictureHandle(bitmapPicture)));
    // A picture of an icon: icons are only loaded, so nothing is made.
    LibraryInstance& iconPicture = Make("QPicture");
    std::string icon = BesideProgram("logo.ico");
    SetFileName(iconPicture, icon);
    HANDLE loadedIcon = PictureHandle(iconPicture);
    iconPicture.Call("QPicture", "Create", "v");
    EXPECT_EQ(loadedIcon, PictureHandle(iconPicture));
    // A canvas makes a device context of its own in memory, and gives it back at its end.
    LibraryInstance& canvas = Make("QCanvas");
    EXPECT_EQ(nullptr, PictureHandle(canvas));
    canvas.Call("QCanvas", "Create", "v");
    HANDLE dc = PictureHandle(canvas);
    EXPECT_EQ(static_cast<DWORD>(OBJ_MEMDC), GetObjectType(dc));
    canvas.Call("QCanvas", "SetBkColor", "m", RGB(9, 8, 7));
    EXPECT_EQ(RGB(9, 8, 7), GetBkColor(static_cast<HDC>(dc)));
    EXPECT_EQ(RGB(9, 8, 7), canvas.Call<COLORREF>("QCanvas", "GetBkColor", "v"));
    made.clear();
    EXPECT_EQ(0u, GetObjectType(dc));
}

TEST_F(Graphics, CanvasOfAWindowDrawsWithItsOwnFont) {
    HostWindow host(200, 100);
    ShowWindow(host.handle, SW_SHOW);
    LibraryInstance& canvas = Make("QCanvas");
    canvas.Call("QCanvas", "FromWindow", "P6HWND__", host.handle);
    HANDLE dc = PictureHandle(canvas);
    ASSERT_TRUE(dc);
    EXPECT_EQ(host.handle, canvas.CallConst<HWND>("QCanvas", "DCWindow", "v"));
    EXPECT_EQ(host.handle, canvas.Call<HWND>("QCanvas", "GetWindow", "v"));
    canvas.Call("QCanvas", "SetTextColor", "m", RGB(0, 0, 255));
    void* font = canvas.CallConst<void*>("QCanvas", "GetFont", "v");
    EXPECT_EQ(std::to_string(RGB(0, 0, 255)), vp.Value(font, "Color"));
}

}  // namespace
