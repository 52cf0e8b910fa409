// The settings dialog on live windows: what showing copies in, what "OK"
// copies back, and the actions that take effect at once (choosing a
// compiler, clearing the MRU list, the hint boxes).
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <memory>

#include "../../support/temp_folder.h"
#include "../../support/win32_test_windows.h"
#include "common/ini_file.h"
#include "designer/global_designer.h"
#include "settings/launcher.h"
#include "workbench/settings_dialog.h"
#include "workbench_fixture.h"

namespace tavrin::test {
namespace {

std::string Text(HWND window) {
    char buffer[512] = {};
    GetWindowTextA(window, buffer, sizeof buffer);
    return buffer;
}

int Count(HWND list) { return static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0)); }

class SettingsDialogTest : public testing::Test {
protected:
    void SetUp() override {
        Prompts().shown.clear();
        Prompts().fileResults.clear();
        Prompts().inputs.clear();
        folder.Write("highlighters/FreeBasic.ini", "[Keywords]\nDim\n");
        folder.Write("highlighters/Assembler.ini", "[Keywords]\nmov\n");
        folder.Write("highlighters/nested/Other.ini", "");
        folder.Write("highlighters/readme.txt", "");
        settings = std::make_unique<TLauncher>(folder.Path("Tavrin2.ini"));
        settings->Compiler = "C:\\fbc\\fbc.exe";
        settings->Compilers = {"C:\\fbc\\fbc.exe", "C:\\old\\fbc.exe"};
        settings->Directories = {"C:\\a", "C:\\b", "C:\\c"};
        settings->MRU = {"C:\\x.bas", "C:\\y.bas"};
        settings->SaveSettings();
        preview.Create();
    }
    std::unique_ptr<TSettings> Open() {
        auto dialog = std::make_unique<TSettings>(*settings, verbose, folder.Path(), &preview);
        dialog->Create();
        dialog->Show();
        return dialog;
    }
    void Press(TSettings& dialog, int button) {
        SendMessageA(dialog.Handle(), WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    }

    TempFolder folder;
    std::unique_ptr<TLauncher> settings;
    bool verbose = true;
    TGlobalDesigner preview;
};

TEST_F(SettingsDialogTest, EachOpeningListsTheDialectFilesOnceAndCopiesTheSettingsIn) {
    for (int opening = 0; opening < 2; ++opening) {
        auto dialog = Open();
        HWND dialects = dialog->Item(TSettings::lbxDialects);
        ASSERT_EQ(Count(dialects), 2) << "opening " << opening;
        EXPECT_EQ(Text(dialog->Item(TSettings::cbxCompilers)), "C:\\fbc\\fbc.exe");
        EXPECT_EQ(SendMessageA(dialog->Item(TSettings::cbxCompilers), CB_GETCOUNT, 0, 0), 2);
        EXPECT_EQ(Count(dialog->Item(TSettings::lbxDirectories)), 3);
        EXPECT_EQ(SendMessageA(dialog->Item(TSettings::cbxVerbose), BM_GETCHECK, 0, 0), BST_CHECKED);
        EXPECT_TRUE(IsWindowEnabled(dialog->Item(TSettings::btnClearMRU)));
        EXPECT_FALSE(IsWindowEnabled(dialog->Item(TSettings::btnEdit)));
        // The preview stands on the "Designer" tab, at (22, 78).
        EXPECT_EQ(GetParent(preview.Handle()), dialog->Page(4));
        RECT r{};
        GetWindowRect(preview.Handle(), &r);
        MapWindowPoints(nullptr, dialog->Page(4), reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ(r.left, 22);
        EXPECT_EQ(r.top, 78);
        // Clicking a dialect enables "Edit..." and loads the file into the preview highlighter.
        SendMessageA(dialects, LB_SETCURSEL, 0, 0);
        dialog->Click(TSettings::lbxDialects);
        EXPECT_TRUE(IsWindowEnabled(dialog->Item(TSettings::btnEdit)));
        EXPECT_EQ(dialog->PreviewDialect(), "[Keywords]\nmov\n");
    }
    // The preview outlives the dialogs.
    EXPECT_TRUE(IsWindow(preview.Handle()));
    EXPECT_EQ(GetParent(preview.Handle()), nullptr);
}

TEST_F(SettingsDialogTest, ACompilerChosenWithTheButtonIsTakenByOkOnly) {
    FileBoxResult chosen;
    chosen.accepted = true;
    chosen.files = {"D:\\new\\fbc.exe"};
    {
        Prompts().fileResults.push_back(chosen);
        auto dialog = Open();
        dialog->Click(TSettings::btnCompiler);
        EXPECT_EQ(Prompts().fileRequests.back().filter, "Executable (*.exe)|*.exe");
        EXPECT_EQ(Text(dialog->Item(TSettings::cbxCompilers)), "D:\\new\\fbc.exe");
        EXPECT_EQ(SendMessageA(dialog->Item(TSettings::cbxCompilers), CB_GETCOUNT, 0, 0), 3);
        Press(*dialog, IDCANCEL);
        EXPECT_EQ(settings->Compiler, "C:\\fbc\\fbc.exe");
        EXPECT_EQ(settings->Compilers.Count(), 2u);
    }
    {
        Prompts().fileResults.push_back(chosen);
        Prompts().fileResults.push_back(chosen);
        auto dialog = Open();
        dialog->Click(TSettings::btnCompiler);
        dialog->Click(TSettings::btnCompiler);  // listed once only
        Press(*dialog, IDOK);
        EXPECT_EQ(settings->Compiler, "D:\\new\\fbc.exe");
        EXPECT_EQ(settings->Compilers.Count(), 3u);
    }
}

TEST_F(SettingsDialogTest, ClearMRUActsAtOnceAndOnlyOkCopiesTheBoxesBack) {
    auto dialog = Open();
    dialog->Click(TSettings::btnClearMRU);
    dialog->Click(TSettings::cbxGUIResources);
    dialog->Click(TSettings::cbxVerbose);
    Press(*dialog, IDCANCEL);
    EXPECT_TRUE(settings->MRU.Empty());
    EXPECT_TRUE(IniFile(folder.Path("Tavrin2.ini")).ReadSectionKeys("mru").empty());
    EXPECT_FALSE(settings->GUIResources);
    EXPECT_TRUE(verbose);
    auto again = Open();
    EXPECT_FALSE(IsWindowEnabled(again->Item(TSettings::btnClearMRU)));
    for (TSettings::Control box : {TSettings::cbxGUIResources, TSettings::cbxVerbose, TSettings::cbxCompletionProposal,
                                   TSettings::cbxPredefCtrls, TSettings::cbxMultiInstances, TSettings::cbxMinimizeonrun,
                                   TSettings::cbxDisableonrun, TSettings::cbxAutocreateForms})
        again->Click(box);
    SetWindowTextA(again->Item(TSettings::cbxHelps), "C:\\help\\fb.chm");
    Press(*again, IDOK);
    EXPECT_TRUE(settings->GUIResources);
    EXPECT_FALSE(verbose);
    EXPECT_TRUE(settings->AllowCompletion);
    EXPECT_TRUE(settings->PredefinedControls);
    EXPECT_TRUE(settings->MultipleFileInstances);
    EXPECT_TRUE(settings->Minimizeonrun);
    EXPECT_TRUE(settings->DisableOnRun);
    EXPECT_FALSE(settings->AutocreateForms);
    EXPECT_EQ(settings->HelpFile, "C:\\help\\fb.chm");
}

TEST_F(SettingsDialogTest, DeleteDirRemovesTheSelectedEntriesAndStaysEnabledWhileEntriesRemain) {
    auto dialog = Open();
    HWND dirs = dialog->Item(TSettings::lbxDirectories);
    EXPECT_FALSE(IsWindowEnabled(dialog->Item(TSettings::btnDelDir)));
    SendMessageA(dirs, LB_SETSEL, TRUE, 0);
    SendMessageA(dirs, LB_SETSEL, TRUE, 2);
    dialog->Click(TSettings::lbxDirectories);
    EXPECT_TRUE(IsWindowEnabled(dialog->Item(TSettings::btnDelDir)));
    dialog->Click(TSettings::btnDelDir);
    ASSERT_EQ(Count(dirs), 1);
    char entry[64] = {};
    SendMessageA(dirs, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(entry));
    EXPECT_STREQ(entry, "C:\\b");
    EXPECT_TRUE(IsWindowEnabled(dialog->Item(TSettings::btnDelDir)));
    Prompts().inputs.push_back("C:\\b");
    Prompts().inputs.push_back("C:\\d");
    dialog->Click(TSettings::btnDirs);
    dialog->Click(TSettings::btnDirs);
    EXPECT_EQ(Count(dirs), 2);  // "C:\b" was listed already
    Press(*dialog, IDOK);
    EXPECT_EQ(settings->Directories.Texts(), (std::vector<std::string>{"C:\\b", "C:\\d"}));
}

TEST_F(SettingsDialogTest, TheHintBoxesGiveThePreviewItsHintSetAtOnce) {
    auto dialog = Open();
    int told = -1;
    dialog->OnHints = [&](int hints) { told = hints; };
    EXPECT_FALSE(IsWindowEnabled(dialog->Item(TSettings::cbxMove)));
    dialog->Click(TSettings::cbxShowHints);
    EXPECT_TRUE(IsWindowEnabled(dialog->Item(TSettings::cbxMove)));
    EXPECT_EQ(preview.ELDesigner.ShowingHints, 0);
    dialog->Click(TSettings::cbxMove);
    constexpr int htControl = TELDesigner::htControl, htSize = TELDesigner::htSize, htMove = TELDesigner::htMove;
    EXPECT_EQ(preview.ELDesigner.ShowingHints, htMove);
    dialog->Click(TSettings::cbxControl);
    dialog->Click(TSettings::cbxSize);
    EXPECT_EQ(preview.ELDesigner.ShowingHints, htMove | htControl | htSize);
    EXPECT_EQ(told, htMove | htControl | htSize);
    // Unchecking "Show Hints" turns every hint off, whatever the boxes show.
    dialog->Click(TSettings::cbxShowHints);
    EXPECT_EQ(preview.ELDesigner.ShowingHints, 0);
    EXPECT_EQ(told, 0);
    EXPECT_FALSE(IsWindowEnabled(dialog->Item(TSettings::cbxMove)));
    Press(*dialog, IDCANCEL);
    EXPECT_EQ(preview.ELDesigner.ShowingHints, 0);  // an immediate action
}

// Pictures of every tab for the test artefacts: with TAVRIN_SETTINGS_SHOT
// naming a folder, the dialog is shown and each tab saved as settings_<n>.bmp.
TEST_F(SettingsDialogTest, PicturesOfEachTab) {
    const char* folderName = std::getenv("TAVRIN_SETTINGS_SHOT");
    if (!folderName) GTEST_SKIP() << "TAVRIN_SETTINGS_SHOT names no folder";
    auto dialog = Open();
    SetWindowPos(dialog->Handle(), HWND_TOP, 20, 20, 0, 0, SWP_NOSIZE);
    dialog->Click(TSettings::cbxShowHints);
    for (int tab = 0; tab < 5; ++tab) {
        dialog->ShowTab(tab);
        PumpMessagesFor(400);
        RECT area{};
        GetWindowRect(dialog->Handle(), &area);
        EXPECT_TRUE(SaveScreenArea(area, std::string(folderName) + "\\settings_" + std::to_string(tab) + ".bmp"));
    }
}

}  // namespace
}  // namespace tavrin::test
