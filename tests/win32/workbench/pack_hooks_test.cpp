// The packs in the running workbench: the main window's palette filled by the
// loadPacks hook from the settings' list, a palette click shown in the code
// window's status bar, and the menu entries that show the Packs and
// customize-palette windows.
#include <gtest/gtest.h>

#include "packhost/pack_registry.h"
#include "settings/launcher.h"
#include "workbench/code_window.h"
#include "workbench/main_window.h"
#include "workbench/workbench.h"
#include "workbench_fixture.h"

namespace tavrin::test {
namespace {

class PackHooksTest : public testing::Test {
protected:
    void SetUp() override {
        EnsureWorkbenchStarted();
        Prompts().shown.clear();
        Prompts().answers.clear();
    }
    // Velpack and ProbePack listed in the settings and loaded as at start-up (once).
    void LoadPacks() {
        TPaletteControl& palette = App().Main->Palette();
        if (!palette.Pages().empty()) return;
        TLauncher& settings = *App().Launcher;
        settings.Libs.Clear();
        settings.Libs.Add("Velpack.dll");
        settings.Libs.Add("ProbePack.dll");
        App().Main->Hooks.loadPacks();
    }
};

TEST_F(PackHooksTest, TheLoadPacksHookFillsTheMainWindowsPalette) {
    LoadPacks();
    EXPECT_TRUE(Prompts().shown.empty());
    TPaletteControl& palette = App().Main->Palette();
    ASSERT_EQ(2u, palette.Pages().size());
    EXPECT_EQ("Standards", palette.ActivePalette()->Caption());
    EXPECT_TRUE(palette.Flat());
    EXPECT_TRUE(palette.FindButton("QScrollBar")->Flat());
    EXPECT_EQ(App().Main->PaletteArea(), App().Main->PaletteStrip().Handle());
    ASSERT_NE(nullptr, App().Packs);
    EXPECT_EQ("ProbePack", App().Packs->CurrentPack->Name);
    // The glyphs come from the controls folder beside the program.
    EXPECT_EQ(App().ApplicationDirectory + "\\controls\\QScrollBar.bmp", palette.FindButton("QScrollBar")->Glyph());
}

TEST_F(PackHooksTest, APaletteClickIsShownInTheCodeWindowsStatusBar) {
    LoadPacks();
    PaletteWindow& strip = App().Main->PaletteStrip();
    TPaletteButton* button = App().Main->Palette().FindButton("QButton");
    ASSERT_NE(nullptr, button);
    SendMessageA(strip.ButtonWindow(*button), BM_CLICK, 0, 0);
    EXPECT_EQ("QButton", App().Packs->SelectedClassName);
    EXPECT_EQ("QButton :Velpack.dll", App().Code->StatusText(1));
}

TEST_F(PackHooksTest, TheMenusShowThePacksAndTheCustomizePaletteWindows) {
    LoadPacks();
    HWND main = App().Main->Handle();
    FormWindow* packs = App().FindWindowByName("Packs");
    ASSERT_NE(nullptr, packs);
    EXPECT_EQ("TPacks", packs->ClassName());
    SendMessageA(main, WM_COMMAND, cmdComponentsPacks, 0);
    EXPECT_TRUE(packs->Visible());
    packs->Hide();
    FormWindow* customize = App().FindWindowByName("CustomizePalette");
    ASSERT_NE(nullptr, customize);
    PostMessageA(customize->Handle(), WM_COMMAND, IDCANCEL, 0);  // ends the modal loop once it runs
    SendMessageA(main, WM_COMMAND, cmdComponentPalette, 0);
    EXPECT_FALSE(customize->Visible());
    EXPECT_EQ(2u, App().Main->Palette().Pages().size()) << "Cancel removes nothing";
}

}  // namespace
}  // namespace tavrin::test
