#include "languages/languages_dialog.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/file_search.h"
#include "common/string_list.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

namespace tavrin {
namespace {

using test::ScriptedPrompts;

struct LanguagesDialogTest : ::testing::Test {
    test::TempFolder app;
    ScriptedPrompts prompts;
    IniFile settings{app.Path("Tavrin2.ini")};
    std::string current;
    std::vector<std::string> applied, shownFiles;
    int baseWrites = 0;

    LanguagesHost Host() {
        LanguagesHost host;
        host.applicationDirectory = app.Path();
        host.settings = &settings;
        host.baseLines = [this] {
            ++baseWrites;
            return std::vector<std::string>{"[Main]", "caption=Tavrin2 " + std::to_string(baseWrites)};
        };
        host.apply = [this](const std::string& path) { applied.push_back(path); };
        host.showFile = [this](const std::string& path) { shownFiles.push_back(path); };
        host.makeFolder = [](const std::string& folder) {
            return std::filesystem::create_directory(NativePath(folder));
        };
        host.currentLanguage = &current;
        return host;
    }
    std::string BaseText() {
        std::string text;
        ReadWholeFile(app.Path("Languages/Base.txt"), text);
        return text;
    }
    std::string InFolder(const std::string& name) { return JoinPath(JoinPath(app.Path(), "Languages"), name); }
};

TEST_F(LanguagesDialogTest, ShowingWritesTheBaseFileEveryTimeAndListsTheFiles) {
    LanguagesDialog dialog(Host());
    dialog.Shown();
    EXPECT_TRUE(dialog.Languages().empty());  // no folder yet: nothing written
    dialog.Created();
    ASSERT_TRUE(std::filesystem::is_directory(app.Path("Languages")));
    app.Write("Languages/German.txt", "[Main]\ncaption=Werkbank\n");
    app.Write("Languages/more/French.txt", "[Main]\n");
    app.Write("Languages/notes.doc", "");
    dialog.Shown();
    EXPECT_EQ(BaseText(), "[Main]\r\ncaption=Tavrin2 1\r\n");
    EXPECT_EQ(dialog.Entries(), (std::vector<std::string>{"Base.txt", "German.txt", "French.txt"}));
    EXPECT_EQ(dialog.Languages()[1].Name, InFolder("German"));
    EXPECT_EQ(dialog.Selected(), -1);
    EXPECT_FALSE(dialog.SetEnabled() || dialog.ShowEnabled());
    dialog.Shown();
    EXPECT_EQ(BaseText(), "[Main]\r\ncaption=Tavrin2 2\r\n");
    EXPECT_EQ(dialog.Languages().size(), 3u);
}

TEST_F(LanguagesDialogTest, ChoosingSettingAndShowingALanguage) {
    app.Write("Languages/German.txt", "[Main]\n");
    LanguagesDialog dialog(Host());
    dialog.Shown();
    dialog.Choose(1);
    EXPECT_EQ(current, InFolder("German.txt"));
    EXPECT_TRUE(dialog.SetEnabled() && dialog.ShowEnabled());
    dialog.Set();
    EXPECT_EQ(applied, (std::vector<std::string>{InFolder("German.txt")}));
    EXPECT_EQ(settings.ReadString("Main", "ActiveLang", ""), InFolder("German.txt"));
    dialog.Show();
    EXPECT_EQ(shownFiles, applied);
    // The choice outlives the dialog: a new one selects it again.
    LanguagesDialog again(Host());
    again.Shown();
    EXPECT_EQ(again.Selected(), 1);
    again.Choose(-1);
    EXPECT_TRUE(current.empty());
    EXPECT_FALSE(again.SetEnabled());
    again.Set();
    EXPECT_EQ(applied.size(), 1u);
}

TEST_F(LanguagesDialogTest, LoadingAListedFileAddsNoSecondEntry) {
    std::string outside = app.Write("elsewhere/Dutch.txt", "[Main]\n");
    app.Write("Languages/German.txt", "[Main]\n");
    LanguagesDialog dialog(Host());
    dialog.Shown();
    FileBoxResult german{true, {InFolder("GERMAN.TXT")}, 1};
    FileBoxResult dutch{true, {outside}, 1};
    prompts.fileResults = {german, dutch, dutch};
    dialog.Load();
    EXPECT_EQ(dialog.Languages().size(), 2u);
    EXPECT_EQ(dialog.Selected(), 1);
    EXPECT_EQ(prompts.TextsOf(ScriptedPrompts::Kind::Information),
              (std::vector<std::string>{"The language GERMAN.TXT is already in the list."}));
    dialog.Load();
    dialog.Load();
    EXPECT_EQ(dialog.Entries(), (std::vector<std::string>{"Base.txt", "German.txt", "Dutch.txt"}));
    EXPECT_EQ(current, outside);
    EXPECT_EQ(prompts.fileRequests[0].filter, "ActiveLang file (*.txt)| *.txt");
}

TEST_F(LanguagesDialogTest, RemovingAsksAndKeepsTheFile) {
    std::string german = app.Write("Languages/German.txt", "[Main]\n");
    LanguagesDialog dialog(Host());
    dialog.Shown();
    dialog.Choose(1);
    prompts.answers = {Answer::No, Answer::Yes};
    dialog.Remove();
    EXPECT_EQ(dialog.Languages().size(), 2u);
    dialog.Remove();
    EXPECT_EQ(dialog.Entries(), (std::vector<std::string>{"Base.txt"}));
    EXPECT_TRUE(std::filesystem::exists(german));
    EXPECT_EQ(dialog.Selected(), -1);
    EXPECT_TRUE(dialog.ShowEnabled() && dialog.SetEnabled());  // the list still has entries
    EXPECT_FALSE(dialog.RemoveEnabled());
}

TEST_F(LanguagesDialogTest, SavingTheBaseAsksBeforeOverwriting) {
    LanguagesDialog dialog(Host());
    dialog.Created();
    dialog.SaveBase();  // no file yet: written without a question
    EXPECT_EQ(BaseText(), "[Main]\r\ncaption=Tavrin2 1\r\n");
    prompts.answers = {Answer::No, Answer::Yes};
    dialog.SaveBase();
    EXPECT_EQ(BaseText(), "[Main]\r\ncaption=Tavrin2 1\r\n");
    dialog.SaveBase();
    EXPECT_EQ(BaseText(), "[Main]\r\ncaption=Tavrin2 2\r\n");
    EXPECT_EQ(prompts.Texts(), (std::vector<std::string>{"The Base.txt already exists\nOwerwritte?",
                                                         "The Base.txt already exists\nOwerwritte?"}));
}

}  // namespace
}  // namespace tavrin
