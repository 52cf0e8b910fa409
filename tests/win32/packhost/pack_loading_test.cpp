// Loading real libraries through the registry: packs beside this program that
// work, and libraries that are no packs, cannot be loaded or are missing. The
// workbench keeps going, with the pages loaded so far intact.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>

#include "beside_program.h"
#include "common/commands.h"
#include "packhost/pack_list.h"
#include "packhost/pack_registry.h"
#include "packhost/win32_pack_loader.h"
#include "settings/launcher.h"
#include "support/scripted_prompts.h"

namespace tavrin::test {
namespace {

using Kind = ScriptedPrompts::Kind;

class PackLoadingTest : public testing::Test {
protected:
    PackLoadingTest()
        : settings(BesideProgram("pack_loading.ini")),
          registry(settings, palette, loader, BesideProgram("").substr(0, BesideProgram("").size() - 1)) {
        palette.SetPageClientWidth(400);
    }
    ScriptedPrompts prompts;
    TLauncher settings;
    TPaletteControl palette;
    Win32PackLoader loader;
    PackRegistry registry;
};

TEST_F(PackLoadingTest, ALibraryWithoutRegisterStopsTheStartUpLoadingAfterVelpack) {
    settings.Libs.Add("Velpack.dll");
    settings.Libs.Add("partial_pack.dll");
    settings.Libs.Add("ProbePack.dll");
    registry.LoadPacks();
    EXPECT_EQ((std::vector<std::string>{"DLL are void."}), prompts.Texts());
    ASSERT_EQ(1u, palette.Pages().size());
    EXPECT_EQ(10u, palette.Pages()[0]->Buttons().size());
    EXPECT_EQ("Velpack", registry.CurrentPack->Name);
}

TEST_F(PackLoadingTest, AMissingPackFileStopsTheStartUpLoading) {
    settings.Libs.Add("NoSuchPack.dll");
    settings.Libs.Add("Velpack.dll");
    registry.LoadPacks();
    EXPECT_EQ((std::vector<std::string>{"File not exists."}), prompts.Texts());
    EXPECT_TRUE(palette.Pages().empty());
}

TEST_F(PackLoadingTest, AFileThatIsNoLibraryIsNamedAndTheOthersStillLoad) {
    std::string text = BesideProgram("text_pack.dll");
    std::ofstream(text, std::ios::binary) << "not a library";
    settings.Libs.Add(text);
    settings.Libs.Add("ProbePack.dll");
    registry.LoadPacks();
    ASSERT_EQ(1u, prompts.TextsOf(Kind::Error).size());
    EXPECT_EQ(0u, prompts.TextsOf(Kind::Error)[0].find("The pack file \"" + text + "\" could not be loaded"))
        << prompts.TextsOf(Kind::Error)[0];
    ASSERT_EQ(1u, palette.Pages().size());
    EXPECT_EQ("Probes", palette.Pages()[0]->Caption());
}

TEST_F(PackLoadingTest, InstallingANonPackReportsItByName) {
    PackList list(registry);
    list.Entries.push_back({BesideProgram("not_a_pack.dll"), nullptr, true});
    list.Entries.push_back({BesideProgram("partial_pack.dll"), nullptr, true});
    prompts.answers = {Answer::Yes};
    EXPECT_FALSE(RunCommand([&] { list.Install(); }));
    ASSERT_EQ(1u, prompts.TextsOf(Kind::Error).size());
    EXPECT_NE(std::string::npos, prompts.TextsOf(Kind::Error)[0].find("not_a_pack.dll"));
    prompts.shown.clear();
    list.Entries[0].checked = false;
    prompts.answers = {Answer::Yes};
    EXPECT_FALSE(RunCommand([&] { list.Install(); }));
    ASSERT_EQ(1u, prompts.TextsOf(Kind::Error).size());
    EXPECT_NE(std::string::npos, prompts.TextsOf(Kind::Error)[0].find("\"REGISTER@0\""));
    EXPECT_EQ(nullptr, list.Entries[1].pack);
    EXPECT_TRUE(settings.Libs.Empty());
}

TEST_F(PackLoadingTest, APackExportingOnlyRegisterIsInstalledAndWorks) {
    PackList list(registry);
    list.Entries.push_back({BesideProgram("ProbePack.dll"), nullptr, true});
    prompts.answers = {Answer::Yes, Answer::Yes};
    list.Install();
    EXPECT_EQ((std::vector<std::string>{
                  "Install ProbePack.dll package with his components?", "Register ProbePack pack and his components?",
                  "The ProbePack pack was loaded.\nThe following classes are registered: QProbe ,\nQRefuser"}),
              prompts.Texts());
    TPack* pack = list.Entries[0].pack;
    ASSERT_NE(nullptr, pack);
    EXPECT_FALSE(pack->Exports(PackEntry::Version));
    EXPECT_FALSE(pack->Exports(PackEntry::SetPropValue));
    EXPECT_EQ(BesideProgram("ProbePack.dll"), pack->ModulePath());
    EXPECT_EQ((std::vector<std::string>{BesideProgram("ProbePack.dll")}), settings.Libs.Texts());
}

}  // namespace
}  // namespace tavrin::test
