#include "settings/launcher.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>

#include "support/temp_folder.h"
#include "support/file_bytes.h"
#include "editor/editor_options.h"
#include "settings/help_file.h"

namespace tavrin {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

class FakeWindow : public ApplicationWindow {
public:
    FakeWindow(std::string name, WindowBounds bounds, int fixedHeight = 0)
        : name_(std::move(name)), bounds_(bounds), fixedHeight_(fixedHeight) {}
    std::string Name() const override { return name_; }
    WindowBounds Bounds() const override { return bounds_; }
    void SetLeft(int v) override {
        bounds_.left = v;
        calls.push_back("left");
    }
    void SetTop(int v) override {
        bounds_.top = v;
        calls.push_back("top");
    }
    void SetWidth(int v) override {
        bounds_.width = v;
        calls.push_back("width");
    }
    void SetHeight(int v) override {
        bounds_.height = fixedHeight_ ? fixedHeight_ : v;
        calls.push_back("height");
    }
    std::vector<std::string> calls;

private:
    std::string name_;
    WindowBounds bounds_;
    int fixedHeight_;
};

class FakeRegistry : public WindowRegistry {
public:
    FakeWindow& Create(std::string name, WindowBounds bounds, int fixedHeight = 0) {
        windows_.push_back(std::make_unique<FakeWindow>(std::move(name), bounds, fixedHeight));
        return *windows_.back();
    }
    std::vector<ApplicationWindow*> Windows() const override {
        std::vector<ApplicationWindow*> result;
        for (const auto& window : windows_)
            result.push_back(window.get());
        return result;
    }
    DesktopGeometry Desktop() const override { return desktop; }
    DesktopGeometry desktop;

private:
    std::vector<std::unique_ptr<FakeWindow>> windows_;
};

class FakeMenu : public MRUMenuView {
public:
    void RemoveAllItems() override {
        items.clear();
        ++rebuilds;
    }
    void AddItem(const std::string& caption) override { items.push_back(caption); }
    std::vector<std::string> items;
    int rebuilds = 0;
};

bool SameBounds(const WindowBounds& a, const WindowBounds& b) {
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

class LauncherTest : public ::testing::Test {
protected:
    LauncherTest() {
        SharedEditorOptions() = EditorOptions{"stale font", 99};
        ApplicationHelpFile() = "stale.chm";
    }
    void Given(const std::string& content) { WriteBytes(path, content); }
    std::string Content() const { return ReadBytes(path); }

    TempFolder folder;
    std::string path = folder.Path("Tavrin2.ini");
};

TEST_F(LauncherTest, FreshStartWithoutFileGivesTheDefaults) {
    TLauncher launcher(path);
    launcher.MRUCount = 3;
    launcher.AutocreateForms = false;
    launcher.AllowCompletion = true;
    launcher.LoadSettings();
    EXPECT_EQ(launcher.MRUCount, 20);
    EXPECT_EQ(launcher.HostClass, "QForm");
    EXPECT_TRUE(launcher.AutocreateForms);
    EXPECT_TRUE(launcher.ExportSymbols);
    for (bool flag :
         {launcher.AllowCompletion, launcher.PredefinedControls, launcher.MultipleFileInstances,
          launcher.Minimizeonrun, launcher.DisableOnRun, launcher.GUIResources})
        EXPECT_FALSE(flag);
    EXPECT_EQ(SharedEditorOptions().fontName, "lucida console");
    EXPECT_EQ(SharedEditorOptions().fontSize, 10);
    EXPECT_EQ(ApplicationHelpFile(), "");
    EXPECT_TRUE(launcher.Compiler.empty());
    EXPECT_TRUE(launcher.MRU.Empty() && launcher.Libs.Empty() && launcher.Compilers.Empty());
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(LauncherTest, OpenedFileIsAppendedToTheMruSectionWhileOldEntriesKeepTheirPlaces) {
    Given("[mru]\r\nb.bas=0\r\na.bas=1\r\n[general]\r\nhelp=\r\n");
    TLauncher first(path);
    first.LoadSettings();
    ASSERT_EQ(first.MRU.Texts(), (std::vector<std::string>{"b.bas", "a.bas"}));
    EXPECT_TRUE(first.AddToMRU("c.bas"));
    ASSERT_TRUE(first.SaveSettings());
    EXPECT_EQ(Content().substr(0, 34), "[mru]\r\nb.bas=1\r\na.bas=2\r\nc.bas=0\r\n");

    TLauncher next(path);
    next.LoadSettings();
    EXPECT_EQ(next.MRU.Texts(), (std::vector<std::string>{"b.bas", "a.bas", "c.bas"}));
}

TEST_F(LauncherTest, OpeningAFileAlreadyListedLeavesTheMruUnchanged) {
    TLauncher launcher(path);
    EXPECT_TRUE(launcher.AddToMRU("C:\\src\\a.bas"));
    EXPECT_TRUE(launcher.AddToMRU("C:\\src\\b.bas"));
    EXPECT_FALSE(launcher.AddToMRU("c:\\SRC\\A.BAS"));
    EXPECT_FALSE(launcher.AddToMRU(""));
    EXPECT_EQ(launcher.MRU.Texts(), (std::vector<std::string>{"C:\\src\\b.bas", "C:\\src\\a.bas"}));
}

TEST_F(LauncherTest, ListEntriesDifferingOnlyInCaseShareOneKey) {
    TLauncher launcher(path);
    launcher.Directories.Add("C:\\FreeBASIC\\inc");
    launcher.Directories.Add("c:\\freebasic\\INC");
    launcher.Directories.Add("D:\\more");
    ASSERT_TRUE(launcher.SaveSettings());
    EXPECT_NE(Content().find("[directories]\r\nC:\\FreeBASIC\\inc=1\r\nD:\\more=2\r\n"),
              std::string::npos);
    TLauncher next(path);
    next.LoadSettings();
    EXPECT_EQ(next.Directories.Texts(),
              (std::vector<std::string>{"C:\\FreeBASIC\\inc", "D:\\more"}));
}

TEST_F(LauncherTest, MruCountFromTheFileLimitsTheMenuAndStaysInTheFile) {
    Given("[general]\nmrucount=5\n[mru]\n");
    TLauncher launcher(path);
    launcher.LoadSettings();
    for (int i = 0; i < 9; ++i)
        launcher.AddToMRU("f" + std::to_string(i) + ".bas");
    FakeMenu menu;
    launcher.AttachMRUMenu(&menu);
    EXPECT_EQ(menu.items, (std::vector<std::string>{"f8.bas", "f7.bas", "f6.bas", "f5.bas",
                                                    "f4.bas", "f3.bas"}));
    launcher.MRUCount = 7;
    ASSERT_TRUE(launcher.SaveSettings());
    TLauncher next(path);
    next.LoadSettings();
    EXPECT_EQ(next.MRUCount, 5);
    EXPECT_EQ(next.MRU.Count(), 9u);
}

TEST_F(LauncherTest, DefaultMenuShowsTwentyOneEntriesAndRebuildsOnlyForANewMenu) {
    TLauncher launcher(path);
    launcher.BuildMRUMenu();  // no menu yet: nothing happens
    for (int i = 0; i < 30; ++i)
        launcher.AddToMRU("f" + std::to_string(i) + ".bas");
    FakeMenu menu, other;
    menu.items = {"stale"};
    launcher.AttachMRUMenu(&menu);
    EXPECT_EQ(menu.items.size(), 21u);
    EXPECT_EQ(menu.items.front(), "f29.bas");
    launcher.AttachMRUMenu(&menu);
    EXPECT_EQ(menu.rebuilds, 1);
    launcher.AttachMRUMenu(&other);
    EXPECT_EQ(other.rebuilds, 1);
    EXPECT_EQ(launcher.MRUMenu, &other);
    launcher.AttachMRUMenu(nullptr);
    EXPECT_EQ(launcher.MRUMenu, nullptr);
}

TEST_F(LauncherTest, TheRecentFileListKeepsFiftyEntriesInMemoryAndInTheFile) {
    std::string mru = "[general]\nmrucount=100\n[mru]\n";
    for (int i = 0; i < 20000; ++i) mru += "old" + std::to_string(i) + ".bas=" + std::to_string(i) + "\n";
    Given(mru + "[editor]\nfont.size=11\n");
    TLauncher launcher(path);
    launcher.LoadSettings();
    ASSERT_EQ(launcher.MRU.Count(), 50u) << "the first fifty, as the menu shows them";
    EXPECT_EQ(launcher.MRU[0], "old0.bas");
    EXPECT_EQ(launcher.MRU[49], "old49.bas");
    EXPECT_EQ(SharedEditorOptions().fontSize, 11);

    EXPECT_TRUE(launcher.AddToMRU("new.bas"));
    EXPECT_EQ(launcher.MRU.Count(), 50u);
    EXPECT_EQ(launcher.MRU[0], "new.bas");
    EXPECT_EQ(launcher.MRU.IndexOf("old49.bas"), -1) << "the last entry made room";
    FakeMenu menu;
    launcher.AttachMRUMenu(&menu);
    EXPECT_EQ(menu.items.size(), 50u) << "MRUCount + 1 items, but no more than the list holds";

    ASSERT_TRUE(launcher.SaveSettings());
    TLauncher next(path);
    next.LoadSettings();
    EXPECT_EQ(next.MRU.Count(), 50u);
    IniFile file(path);
    EXPECT_EQ(file.ReadSectionKeys("mru").size(), 50u) << "the entries beyond the list left the file";
    EXPECT_EQ(file.ReadString("mru", "old48.bas", ""), "49");
    EXPECT_EQ(file.ReadString("mru", "new.bas", ""), "0");
    EXPECT_EQ(file.ReadString("editor", "font.size", ""), "11");
}

TEST_F(LauncherTest, FlagsStoredAsTextReadAsDefaultAndNonZeroNumbersAsTrue) {
    Given(
        "[general]\nAutocreateForms=true\nAllowCompletion=true\nGUIResources=2\n"
        "ExportSymbols=0\nDisableOnRun=-1\n");
    TLauncher launcher(path);
    launcher.LoadSettings();
    EXPECT_TRUE(launcher.AutocreateForms);
    EXPECT_FALSE(launcher.AllowCompletion);
    EXPECT_TRUE(launcher.GUIResources);
    EXPECT_FALSE(launcher.ExportSymbols);
    EXPECT_TRUE(launcher.DisableOnRun);
}

TEST_F(LauncherTest, LoadingAgainReplacesTheListsAndDropsTheirPacks) {
    Given("[libs]\nVelpack.dll=true\n[compilers]\nfbc.exe=0\n");
    TLauncher launcher(path);
    launcher.LoadSettings();
    int pack = 0;
    launcher.Libs.SetObject(0, &pack);
    launcher.Compilers.Add("extra.exe");
    launcher.LoadSettings();
    EXPECT_EQ(launcher.Libs.Texts(), std::vector<std::string>{"Velpack.dll"});
    EXPECT_EQ(launcher.Libs.Object(0), nullptr);
    EXPECT_EQ(launcher.Compilers.Texts(), std::vector<std::string>{"fbc.exe"});
}

TEST_F(LauncherTest, SaveWritesEverySettingInOrderAndRebuildsTheErasedSections) {
    Given(
        "[compilers]\nold.exe=0\n[libs]\nOld.dll=true\n[general]\nmrucount=7\nforms=Main\n"
        "[mru]\nx.bas=0\n");
    TLauncher launcher(path);
    launcher.Compiler = "C:\\fb\\fbc.exe";
    launcher.HelpFile = "help\\fb.chm";
    launcher.Compilers = StringList{"C:\\fb\\fbc.exe"};
    launcher.Files = StringList{"extra.bi"};
    launcher.Libs = StringList{"Velpack.dll", "Mine.dll"};
    launcher.AllowCompletion = true;
    launcher.ExportSymbols = false;
    launcher.PredefinedSwitches = "-s gui";
    SharedEditorOptions() = EditorOptions{"Courier New", 12};
    ASSERT_TRUE(launcher.SaveSettings());
    EXPECT_EQ(Content(),
              "[general]\nmrucount=7\nforms=Main\ncompiler=C:\\fb\\fbc.exe\nhelp=help\\fb.chm\n"
              "AllowCompletion=1\nAutocreateForms=1\nPredefinedControls=0\n"
              "MultipleFileInstances=0\nMinimizeonrun=0\nDisableOnRun=0\nGUIResources=0\n"
              "ExportSymbols=0\n"
              "[mru]\nx.bas=0\n"
              "[compilers]\nC:\\fb\\fbc.exe=0\n"
              "[files]\nextra.bi=0\n"
              "[editor]\nfont.name=Courier New\nfont.size=12\n"
              "[libs]\nVelpack.dll=true\nMine.dll=true\n");

    TLauncher next(path);
    next.LoadSettings();
    EXPECT_EQ(next.PredefinedSwitches, "");
    EXPECT_EQ(next.HelpFile, "help\\fb.chm");
    EXPECT_EQ(ApplicationHelpFile(), "help\\fb.chm");
    EXPECT_EQ(next.Libs.Texts(), (std::vector<std::string>{"Velpack.dll", "Mine.dll"}));
    EXPECT_EQ(next.MRU.Texts(), std::vector<std::string>{"x.bas"});
    EXPECT_TRUE(next.AllowCompletion);
    EXPECT_FALSE(next.ExportSymbols);
}

TEST_F(LauncherTest, SaveReportsFailureWithoutThrowingWhenTheFileCannotBeWritten) {
    std::filesystem::create_directories(path + "/inner");
    TLauncher launcher(path);
    launcher.MRU.Add("a.bas");
    EXPECT_NO_THROW(EXPECT_FALSE(launcher.SaveSettings()));
    EXPECT_NO_THROW(launcher.LoadSettings());
    EXPECT_EQ(launcher.MRUCount, 20);
}

TEST_F(LauncherTest, WindowBoundsAreAppliedInOrderWithDefaultsAndUnknownNamesSkipped) {
    Given(
        "[general]\nforms=Main,, Ghost ,Code,\n[Main]\nleft=10\ntop=20\nwidth=800\nheight=600\n"
        "[code]\nleft=abc\ntop=5\n[Ghost]\nleft=1\n");
    FakeRegistry registry;
    FakeWindow& main = registry.Create("Main", {1, 1, 1, 1}, 119);
    FakeWindow& code = registry.Create("Code", {1, 1, 1, 1});
    FakeWindow& inspector = registry.Create("Inspector", {7, 7, 7, 7});
    TLauncher launcher(path, &registry);
    launcher.LoadSettings();
    EXPECT_TRUE(SameBounds(main.Bounds(), {10, 20, 800, 119}));
    EXPECT_TRUE(SameBounds(code.Bounds(), {0, 5, 300, 200}));
    EXPECT_TRUE(SameBounds(inspector.Bounds(), {7, 7, 7, 7}));
    EXPECT_EQ(main.calls, (std::vector<std::string>{"left", "top", "width", "height"}));
}

TEST_F(LauncherTest, WindowBoundsOffEveryScreenAreBroughtOntoTheDesktop) {
    Given(
        "[general]\nforms=Main,Code\n[Main]\nleft=-32000\ntop=-32000\nwidth=900\nheight=119\n"
        "[Code]\nleft=2147483647\ntop=20\nwidth=640\nheight=420\n");
    FakeRegistry registry;
    registry.desktop = {{{0, 0, 1280, 1000}, {1280, 0, 2560, 1000}}, 30};
    FakeWindow& main = registry.Create("Main", {1, 1, 1, 1}, 119);
    FakeWindow& code = registry.Create("Code", {1, 1, 1, 1});
    TLauncher launcher(path, &registry);
    launcher.LoadSettings();
    EXPECT_TRUE(SameBounds(main.Bounds(), {0, 0, 900, 119}));
    EXPECT_TRUE(SameBounds(code.Bounds(), {1920, 20, 640, 420})) << "onto the nearest monitor";
    EXPECT_EQ(code.calls, (std::vector<std::string>{"left", "top", "width", "height"}));
    ASSERT_TRUE(launcher.SaveForms());
    EXPECT_EQ(IniFile(path).ReadInteger("Code", "left", 0), 1920) << "the placed bounds are saved";
}

TEST_F(LauncherTest, SavedWindowsAreWrittenInCreationOrderAndReadBack) {
    FakeRegistry registry;
    registry.Create("Main", {5, 6, 700, 119}, 119);
    registry.Create("FindInFilesDialog", {-4, 300, 420, 250});
    registry.Create("Code", {0, 125, 1024, 600});
    TLauncher launcher(path, &registry);
    ASSERT_TRUE(launcher.SaveForms());
    EXPECT_EQ(Content(),
              "[Main]\r\nleft=5\r\ntop=6\r\nwidth=700\r\nheight=119\r\n"
              "[FindInFilesDialog]\r\nleft=-4\r\ntop=300\r\nwidth=420\r\nheight=250\r\n"
              "[Code]\r\nleft=0\r\ntop=125\r\nwidth=1024\r\nheight=600\r\n"
              "[general]\r\nforms=Main,FindInFilesDialog,Code\r\n");

    FakeRegistry restarted;
    FakeWindow& main = restarted.Create("Main", {0, 0, 10, 119}, 119);
    FakeWindow& find = restarted.Create("FindInFilesDialog", {0, 0, 10, 10});
    TLauncher next(path, &restarted);
    next.LoadSettings();
    EXPECT_TRUE(SameBounds(main.Bounds(), {5, 6, 700, 119}));
    EXPECT_TRUE(SameBounds(find.Bounds(), {-4, 300, 420, 250}));
}

TEST_F(LauncherTest, WithoutWindowRegistryFormsAreNeitherAppliedNorWritten) {
    Given("[general]\nforms=Main\n[Main]\nleft=3\n");
    TLauncher launcher(path);
    EXPECT_NO_THROW(launcher.LoadSettings());
    ASSERT_TRUE(launcher.SaveSettings());
    EXPECT_NE(Content().find("forms=Main\n"), std::string::npos);
    EXPECT_NE(Content().find("[Main]\nleft=3\n"), std::string::npos);
    EXPECT_EQ(Content().find("width"), std::string::npos);
}

}  // namespace
}  // namespace tavrin
