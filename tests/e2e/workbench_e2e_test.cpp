// The workbench started as a user starts it: its own folder, its settings
// file, windows seen from outside, closed with the main window's close box.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "workbench_process.h"

namespace {

std::string tavrinExe;
std::string appFolder;  // the assembled application folder: Velpack.dll and the glyphs

const char* const kWindowOrder =
    "Main,FindInFilesDialog,GoToLine,SearchReplaceDialog,Code,Inspector,ObjectsTree,FormsList,"
    "Settings,Projects,Packs,Switch,About,imageShow,Shell,Helps,ConfirmReplaceDialog,PrintDialog,"
    "ControlAlignment,Units,GlobalDesigner,Resources,Splash,Dialog,LanguagesDlg,CustomizePalette,"
    "InstallClass";

struct ExpectedWindow {
    const char* className;
    const char* caption;
};

const ExpectedWindow kWindows[] = {
    {"TMain", "Tavrin2"}, {"TFindInFilesDialog", "Find In Files..."}, {"TGoToLine", "GoToLine"},
    {"TSearchReplaceDialog", nullptr}, {"TCode", "Code"}, {"TInspector", "Inspector"},
    {"TObjectsTree", "ObjectsTree"}, {"TFormsList", "FormsList"}, {"TSettings", "Settings"},
    {"TProjects", "Projects"}, {"TPacks", "Packs"}, {"TSwitch", "Switch"}, {"TAbout", "About"},
    {"TimageShow", "image"}, {"TShell", "Shell"}, {"THelps", "Helps"},
    {"TConfirmReplaceDialog", "Confirm replace"}, {"TPrintDialog", nullptr},
    {"TControlAlignment", "Control Alignment"}, {"TUnits", "Units"},
    {"TGlobalDesigner", "GlobalDesigner"}, {"TResources", "Resources"}, {"TSplash", nullptr},
    {"TDialog", "Dialog"}, {"TLanguagesDlg", nullptr}, {"TCustomizePalette", "CustomizePalette"},
    {"TInstallClass", "Install Class"},
};

int Height(const RECT& r) { return r.bottom - r.top; }

TEST(Workbench, StartsWithEveryWindowAndWritesItsSettingsWhenClosed) {
    e2e::AppFolder folder(tavrinExe);
    e2e::WorkbenchProcess process(folder);
    long startMs = process.WaitUntilIdle();
    ASSERT_GE(startMs, 0) << "the main window never finished its first showing";
    std::printf("start to idle: %ld ms (from process creation to the code window, objects tree "
                "and inspector shown and the workbench waiting for input)\n", startMs);

    auto windows = process.Windows();
    for (const auto& expected : kWindows) {
        auto found = windows.find(expected.className);
        ASSERT_NE(found, windows.end()) << expected.className << " was not created";
        if (expected.caption) EXPECT_EQ(found->second.caption, expected.caption) << expected.className;
    }
    EXPECT_EQ(Height(windows["TMain"].bounds), 119);
    for (const char* shown : {"TMain", "TCode", "TObjectsTree", "TInspector"})
        EXPECT_TRUE(windows[shown].visible) << shown << " should be visible after start";
    for (const char* hidden : {"TSplash", "TDialog", "TSettings", "TAbout"})
        EXPECT_FALSE(windows[hidden].visible) << hidden << " should stay hidden";

    EXPECT_EQ(process.CloseAndWait(), 0);
    EXPECT_EQ(folder.IniValue("general", "forms"), kWindowOrder);
    for (const char* name : {"Main", "Code", "InstallClass", "Splash"})
        for (const char* key : {"left", "top", "width", "height"})
            EXPECT_NE(folder.IniValue(name, key), "<missing>") << name << "/" << key;
    EXPECT_EQ(folder.IniValue("Main", "height"), "119");
    EXPECT_EQ(folder.IniValue("general", "AutocreateForms"), "1");
    EXPECT_EQ(folder.IniValue("editor", "font.name"), "lucida console");
}

TEST(Workbench, AppliesSavedWindowBoundsAtTheNextStart) {
    e2e::AppFolder folder(tavrinExe);
    folder.WriteIni(
        "[general]\r\nforms=Main,Code,NoSuchWindow,Inspector\r\n"
        "[Main]\r\nleft=10\r\ntop=5\r\nwidth=900\r\nheight=400\r\n"
        "[Code]\r\nleft=40\r\ntop=180\r\nwidth=640\r\nheight=420\r\n"
        "[Inspector]\r\nleft=700\r\ntop=200\r\n\r\n");
    e2e::WorkbenchProcess process(folder);
    ASSERT_GE(process.WaitUntilIdle(), 0);
    auto windows = process.Windows();
    RECT code = windows["TCode"].bounds;
    EXPECT_EQ(code.left, 40);
    EXPECT_EQ(code.top, 180);
    EXPECT_EQ(code.right - code.left, 640);
    EXPECT_EQ(code.bottom - code.top, 420);
    RECT main = windows["TMain"].bounds;
    EXPECT_EQ(main.left, 10);
    EXPECT_EQ(main.right - main.left, 900);
    EXPECT_EQ(Height(main), 119) << "the main window keeps its fixed height";
    RECT inspector = windows["TInspector"].bounds;
    EXPECT_EQ(inspector.left, 700);
    EXPECT_EQ(inspector.right - inspector.left, 300) << "a missing width takes the default";
    EXPECT_EQ(Height(inspector), 200) << "a missing height takes the default";
    EXPECT_EQ(process.CloseAndWait(), 0);
    EXPECT_EQ(folder.IniValue("Code", "left"), "40");
    EXPECT_EQ(folder.IniValue("general", "forms"), kWindowOrder);
}

TEST(Workbench, KeepsOtherSectionsOfItsSettingsFile) {
    e2e::AppFolder folder(tavrinExe);
    folder.WriteIni("; a comment the user wrote\r\n[mine]\r\nkey=value\r\n[mru]\r\nb.bas=7\r\na.bas=3\r\n");
    e2e::WorkbenchProcess process(folder);
    ASSERT_GE(process.WaitUntilIdle(), 0);
    EXPECT_EQ(process.CloseAndWait(), 0);
    EXPECT_EQ(folder.IniValue("mine", "key"), "value");
    EXPECT_EQ(folder.IniValue("mru", "b.bas"), "0");
    EXPECT_EQ(folder.IniValue("mru", "a.bas"), "1");
    EXPECT_NE(folder.ReadIni().find("; a comment the user wrote"), std::string::npos);
}

TEST(Workbench, StartsAndSavesOverASettingsFileFullOfJunk) {
    e2e::AppFolder folder(tavrinExe);
    std::string junk = "[general]\r\nmrucount=abc\r\nforms=Main,,Code,\x01\x02\r\n[Code]\r\nleft=-99999999999\r\n";
    for (int i = 0; i < 4096; ++i) junk += static_cast<char>((i * 37 + 11) % 256);
    junk += std::string(100000, 'x');  // a very long last line without a line break
    folder.WriteIni(junk);
    e2e::WorkbenchProcess process(folder);
    ASSERT_GE(process.WaitUntilIdle(), 0) << "the workbench did not start over a damaged settings file";
    EXPECT_EQ(process.CloseAndWait(), 0);
    EXPECT_EQ(folder.IniValue("general", "forms"), kWindowOrder);
    EXPECT_EQ(folder.IniValue("general", "mrucount"), "abc") << "mrucount is never written";
}

// The first start over a compiler folder named in the settings file: the
// splash builds DataBase.ini from the compiler's "inc" tree ("*.bi" only) and
// then from the include directories; a later start loads it and keeps it.
TEST(Workbench, FirstStartBuildsTheIncludeDatabaseAndALaterStartKeepsIt) {
    e2e::AppFolder folder(tavrinExe);
    const std::string& app = folder.Path();
    folder.WriteText("fbc\\inc\\win\\windef.bi",
                     "type RECT\r\n  left as long\r\n  top as long\r\nend type\r\n");
    folder.WriteText("fbc\\inc\\crt.bi", "type tm\r\n  tm_sec as long\r\nend type\r\n");
    folder.WriteText("fbc\\inc\\sample.bas", "type NotAnInclude\r\n  x as long\r\nend type\r\n");
    folder.WriteText("mine\\shapes.inc", "type Shape\r\n  sides as integer\r\nend type\r\n");
    folder.WriteIni("[general]\r\ncompiler=" + app + "\\fbc\\fbc.exe\r\n[directories]\r\n" + app +
                    "\\mine=0\r\n");

    std::string expected = "tm=" + app + "\\fbc\\inc\\crt.bi\r\nRECT=" + app +
                           "\\fbc\\inc\\win\\windef.bi\r\nShape=" + app +
                           "\\mine\\shapes.inc\r\n";
    {
        e2e::WorkbenchProcess process(folder);
        ASSERT_GE(process.WaitUntilIdle(), 0);
        EXPECT_EQ(folder.ReadText("DataBase.ini"), expected)
            << "DataBase.ini must be complete once the tool windows are shown";
        EXPECT_EQ(process.CloseAndWait(), 0);
    }
    folder.WriteText("fbc\\inc\\later.bi", "type Later\r\n  y as long\r\nend type\r\n");
    e2e::WorkbenchProcess process(folder);
    ASSERT_GE(process.WaitUntilIdle(), 0);
    EXPECT_EQ(process.CloseAndWait(), 0);
    EXPECT_EQ(folder.ReadText("DataBase.ini"), expected) << "a database with entries is not rebuilt";
}

TEST(Workbench, StartsWithVelpacksPaletteAndAnExistingDatabaseWithinASecond) {
    if (appFolder.empty()) GTEST_SKIP() << "no application folder given";
    e2e::AppFolder folder(tavrinExe);
    folder.CopyIn(appFolder + "/Velpack.dll", "Velpack.dll");
    for (const char* name : {"QStatic", "QImage", "QButton", "QCheckBox", "QRadioButton", "QGroupBox", "QEdit",
                             "QComboBox", "QListBox", "QScrollBar"})
        folder.CopyIn(appFolder + "/controls/" + name + ".bmp", std::string("controls\\") + name + ".bmp");
    folder.WriteText("DataBase.ini", "QFORM=C:\\FreeBASIC\\inc\\velpack.bi\r\nQBUTTON=C:\\FreeBASIC\\inc\\velpack.bi\r\n");
    folder.WriteIni("[libs]\r\nVelpack.dll=true\r\n");
    e2e::WorkbenchProcess process(folder);
    long startMs = process.WaitUntilIdle();
    ASSERT_GE(startMs, 0) << "the main window never finished its first showing";
    std::printf("start to idle (Velpack loaded, existing database): %ld ms\n", startMs);
    EXPECT_LE(startMs, 3000) << "far slower than the one second aimed at";

    // The palette: one page of Velpack's ten classes beside its arrow button.
    std::vector<HWND> pages;
    for (int tries = 0; tries < 100 && pages.empty(); ++tries, Sleep(20))
        pages = e2e::ChildrenOfClass(process.Main(), "TPalettePage");
    ASSERT_EQ(1u, pages.size());
    EXPECT_TRUE(IsWindowVisible(pages[0]));
    EXPECT_EQ(11u, e2e::ChildrenOfClass(pages[0], "Button").size());
    std::vector<HWND> tabs = e2e::ChildrenOfClass(process.Main(), "SysTabControl32");
    ASSERT_EQ(1u, tabs.size());
    EXPECT_EQ(1, SendMessageA(tabs[0], TCM_GETITEMCOUNT, 0, 0));
    for (const auto& [className, window] : process.Windows())
        EXPECT_TRUE(className.rfind("#32770", 0) != 0 || !window.visible) << "a message box came up: " << window.caption;

    EXPECT_EQ(process.CloseAndWait(), 0);
    EXPECT_EQ(folder.IniValue("libs", "Velpack.dll"), "true");
    std::string ini = folder.ReadIni();
    EXPECT_EQ(ini.find("Velpack.dll"), ini.rfind("Velpack.dll")) << "listed once";
}

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: workbench_e2e_test <path of Tavrin2.exe> [application folder]\n");
        return 2;
    }
    tavrinExe = argv[1];
    if (argc > 2) appFolder = argv[2];
    return RUN_ALL_TESTS();
}
