// The Packs window's list and commands over packs held in memory.
#include <gtest/gtest.h>

#include "common/commands.h"
#include "common/ini_file.h"
#include "packhost/pack_list.h"
#include "registry_fixture.h"

namespace tavrin::test {
namespace {

using Kind = ScriptedPrompts::Kind;

class PackListTest : public RegistryFixture {
protected:
    PackListTest() : list(registry) {}
    // The settings' list loaded at start-up, then the window shown.
    void StartWith(const std::vector<std::string>& paths) {
        for (const auto& path : paths) settings.Libs.Add(path);
        registry.LoadPacks();
        list.Show();
        prompts.shown.clear();
    }
    void Check(std::size_t index, bool checked = true) { list.Entries.at(index).checked = checked; }

    PackList list;
};

TEST_F(PackListTest, ShowTakesTheSettingsListAndChecksLoadedPacks) {
    std::string small = Library("Small.dll", {"Tools:QA"});
    StartWith({small, folder.Path("Gone.dll")});
    ASSERT_EQ(2u, list.Entries.size());
    EXPECT_EQ(small, list.Entries[0].text);
    EXPECT_TRUE(list.Entries[0].checked);
    EXPECT_EQ(settings.Libs.Object(0), list.Entries[0].pack);
    EXPECT_FALSE(list.Entries[1].checked) << "its pack never loaded";
    EXPECT_NE(nullptr, list.Entries[1].pack);
}

TEST_F(PackListTest, WithoutPacksInTheSettingsAddedPathsStay) {
    prompts.fileResults.push_back({true, {"C:\\Packs\\Extra.dll"}, 1});
    list.Add();
    ASSERT_EQ(1u, prompts.fileRequests.size());
    EXPECT_EQ("Pack file (*.dll)|*.dll", prompts.fileRequests[0].filter);
    list.Add();  // cancelled
    list.Entries[0].checked = true;
    list.Show();
    ASSERT_EQ(1u, list.Entries.size());
    EXPECT_EQ("C:\\Packs\\Extra.dll", list.Entries[0].text);
    EXPECT_TRUE(list.Entries[0].checked) << "an entry without pack keeps its mark";
    EXPECT_EQ(nullptr, list.Entries[0].pack);
    EXPECT_TRUE(settings.Libs.Empty()) << "Add writes nothing to the settings";
}

TEST_F(PackListTest, InstallLoadsRegistersAndListsACheckedPath) {
    std::string path = Library("Small.dll", {"Tools:QA,QB"});
    prompts.fileResults.push_back({true, {path}, 1});
    list.Add();
    list.Add();  // a second, unchecked entry is left alone
    Check(0);
    prompts.shown.clear();
    prompts.answers = {Answer::Yes, Answer::Yes};
    list.Install();
    EXPECT_EQ((std::vector<std::string>{"Install Small.dll package with his components?",
                                        "Register Small pack and his components?",
                                        "The Small pack was loaded.\nThe following classes are registered: QA ,\nQB"}),
              prompts.Texts());
    TPack* pack = list.Entries[0].pack;
    ASSERT_NE(nullptr, pack);
    EXPECT_EQ(pack, registry.CurrentPack);
    EXPECT_EQ((std::vector<std::string>{path}), settings.Libs.Texts());
    EXPECT_EQ((std::vector<std::string>{"QA", "QB"}), list.ComponentsOf(0));
    // Installing it again loads nothing.
    prompts.shown.clear();
    prompts.answers = {Answer::Yes};
    list.Install();
    EXPECT_EQ((std::vector<std::string>{"Install Small.dll package with his components?",
                                        "The Small.dll package are allready installed."}),
              prompts.Texts());
    EXPECT_EQ(1u, loader.opened.size());
}

TEST_F(PackListTest, InstallOfANonPackEndsWithAnErrorAndLeavesTheEntryWithoutPack) {
    std::string path = Library("NoPack.dll", {"X:QX", {}, PackFailure::MissingEntry});
    list.Entries.push_back({path, nullptr, true});
    prompts.answers = {Answer::Yes};
    EXPECT_FALSE(RunCommand([&] { list.Install(); }));
    ASSERT_EQ(1u, prompts.TextsOf(Kind::Error).size());
    EXPECT_NE(std::string::npos, prompts.TextsOf(Kind::Error)[0].find("REGISTER@0"));
    EXPECT_EQ(nullptr, list.Entries[0].pack);
    EXPECT_EQ(nullptr, registry.CurrentPack);
    EXPECT_TRUE(registry.Packs().empty());
}

TEST_F(PackListTest, InstallAnswersNoSkipsAndCancelStopsTheRest) {
    std::string a = Library("A.dll", {"Tools:QA"});
    std::string b = Library("B.dll", {"Tools:QB"});
    std::string c = Library("C.dll", {"Tools:QC"});
    list.Entries = {{a, nullptr, true}, {b, nullptr, true}, {c, nullptr, true}};
    prompts.answers = {Answer::Yes, Answer::Yes, Answer::No, Answer::Cancel};
    EXPECT_FALSE(RunCommand([&] { list.Install(); }));
    EXPECT_NE(nullptr, list.Entries[0].pack) << "what was done stays";
    EXPECT_EQ(nullptr, list.Entries[1].pack);
    EXPECT_EQ(nullptr, list.Entries[2].pack);
    EXPECT_EQ((std::vector<std::string>{"QA"}), palette.ClassList().Texts());
}

TEST_F(PackListTest, InstallReloadsAPackThatIsNotLoaded) {
    std::string late = folder.Path("Late.dll");
    StartWith({late});
    Library("Late.dll", {"Tools:QL"});  // the file appears afterwards
    Check(0);
    prompts.answers = {Answer::Yes, Answer::Yes};
    TPack* pack = list.Entries[0].pack;
    list.Install();
    EXPECT_EQ(pack, list.Entries[0].pack);
    EXPECT_NE(0u, pack->Handle());
    EXPECT_TRUE(list.Entries[0].checked);
    EXPECT_NE(nullptr, palette.FindButton("QL"));
}

TEST_F(PackListTest, UninstallRemovesTheClassesTheEntryAndTheListing) {
    std::string a = Library("A.dll", {"Tools:QA,QB"});
    std::string b = Library("B.dll", {"Other:QC"});
    StartWith({a, b});
    prompts.answers = {Answer::Yes, Answer::No};
    list.Current = 1;
    list.Uninstall();
    EXPECT_EQ((std::vector<std::string>{"Uninstall A.dll package with his components?", "The package was removed.",
                                        "Uninstall B.dll package with his components?"}),
              prompts.Texts());
    EXPECT_EQ((std::vector<std::string>{"QC"}), palette.ClassList().Texts());
    EXPECT_NE(nullptr, palette.FindPage("Tools")) << "the emptied page stays";
    EXPECT_EQ((std::vector<std::string>{b}), settings.Libs.Texts());
    ASSERT_EQ(1u, list.Entries.size());
    EXPECT_EQ(b, list.Entries[0].text);
    EXPECT_EQ(0, list.Current) << "the current entry follows its move";
    prompts.answers = {Answer::Cancel};
    EXPECT_FALSE(RunCommand([&] { list.Uninstall(); }));
    EXPECT_EQ(1u, list.Entries.size());
}

TEST_F(PackListTest, RemoveAsksByWhatTheEntryHolds) {
    std::string loaded = Library("Loaded.dll", {"Tools:QA"});
    std::string gone = folder.Path("Gone.dll");
    IniFile& file = settings.SettingsFile();
    file.WriteString("libs", loaded, "true");
    file.WriteString("libs", gone, "true");
    file.WriteString("libs", "Other.dll", "true");
    settings.Libs.Add(loaded);
    settings.Libs.Add(gone);
    registry.LoadPacks();
    list.Show();
    list.Entries.push_back({"Added.dll", nullptr, true});
    Check(1);
    prompts.shown.clear();
    prompts.answers = {Answer::Yes, Answer::Yes};
    list.Remove();
    EXPECT_EQ((std::vector<std::string>{"Internal error $5. Pack are missing.",
                                        "Remove " + gone + " package from list?",
                                        "The " + loaded + " package are register, also unregister package?"}),
              prompts.Texts());
    EXPECT_EQ(Kind::ConfirmYesNo, prompts.shown[1].kind);
    ASSERT_EQ(1u, list.Entries.size());
    EXPECT_EQ("Added.dll", list.Entries[0].text);
    EXPECT_TRUE(settings.Libs.Empty());
    EXPECT_TRUE(palette.ClassList().Empty());
    EXPECT_TRUE(registry.Packs().empty());
    // Only the unloaded pack's key left the file at once; the rest waits for the exit.
    EXPECT_EQ((std::vector<std::string>{loaded, "Other.dll"}), file.ReadSectionKeys("libs"));
}

TEST_F(PackListTest, RemoveAnsweredNoChangesNothing) {
    std::string loaded = Library("Loaded.dll", {"Tools:QA"});
    StartWith({loaded});
    Check(0);
    prompts.answers = {Answer::No};
    list.Remove();
    EXPECT_EQ(1u, list.Entries.size());
    EXPECT_EQ(1u, settings.Libs.Count());
    EXPECT_NE(nullptr, palette.FindButton("QA"));
}

TEST_F(PackListTest, CommandsAreEnabledForACheckedCurrentEntry) {
    EXPECT_FALSE(list.CommandsEnabled());
    EXPECT_FALSE(list.RemoveMenuEnabled());
    list.Entries = {{"A.dll", nullptr, false}, {"B.dll", nullptr, true}};
    list.Current = 0;
    EXPECT_FALSE(list.CommandsEnabled());
    EXPECT_TRUE(list.RemoveMenuEnabled());
    list.Current = 1;
    EXPECT_TRUE(list.CommandsEnabled());
    list.Current = 2;
    EXPECT_FALSE(list.CommandsEnabled());
    EXPECT_TRUE(list.ComponentsOf(1).empty());
    EXPECT_TRUE(list.ComponentsOf(7).empty());
}

}  // namespace
}  // namespace tavrin::test
