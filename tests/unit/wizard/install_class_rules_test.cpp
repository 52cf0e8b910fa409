#include "wizard/install_class_rules.h"

#include <gtest/gtest.h>

#include "../packhost/registry_fixture.h"
#include "support/file_bytes.h"

namespace tavrin::test {
namespace {

class FakePage : public InstallPage {
public:
    std::string file;
    std::string text = "' my class\r\n";
    std::string caption = "Untitled";
    std::string FileName() const override { return file; }
    std::string Text() const override { return text; }
    void SetCaption(const std::string& value) override { caption = value; }
};

struct Installed {
    std::vector<std::string> buttons;
    void Install(const std::string& selected, const std::string& page, bool known) {
        InstallClass(selected, page, [known](const std::string&) { return known; },
                     [this](const std::string& where, const std::string& name) { buttons.push_back(where + ":" + name); });
    }
};

TEST(InstallClass, AnEmptyOrUnknownClassIsNotRegisteredAndButtonGoesToItsPage) {
    ScriptedPrompts prompts;
    EXPECT_EQ(InstallPathFor("C:\\App", ""), "") << "no class, no path";
    EXPECT_EQ(InstallPathFor("C:\\App", "ButtonEx"), "C:\\App\\ButtonEx.bas");
    Installed installed;
    installed.Install("", "user", true);
    installed.Install("NoSuchClass", "user", false);
    EXPECT_EQ(prompts.Texts(), (std::vector<std::string>{"The classname is not registered.",
                                                         "The classname is not registered."}));
    installed.Install("Button", "user", true);
    EXPECT_EQ(installed.buttons, (std::vector<std::string>{"user:Button"}));
    EXPECT_EQ(prompts.shown.size(), 2u);
}

TEST(InstallClass, OkSavesOnlyAPageThatWasNeverSaved) {
    ScriptedPrompts prompts;
    TempFolder folder;
    FakePage saved;
    saved.file = folder.Write("Mine.bas", "kept");
    std::string target = folder.Path("ButtonEx.bas");
    SaveClassSource(&saved, target, "ButtonEx");
    EXPECT_FALSE(Exists(target)) << "a page with a file is not saved";
    EXPECT_EQ(saved.caption, "Untitled");

    FakePage fresh;
    SaveClassSource(&fresh, target, "ButtonEx");
    EXPECT_EQ(ReadBytes(target), fresh.text);
    EXPECT_EQ(fresh.caption, "ButtonEx");
    EXPECT_TRUE(prompts.shown.empty());

    SaveClassSource(nullptr, target, "ButtonEx");  // no active page: nothing to do
    FakePage noPath;
    SaveClassSource(&noPath, "", "");
    EXPECT_EQ(noPath.caption, "Untitled") << "no path, nothing saved, the caption stays";
    FakePage unsavable;
    SaveClassSource(&unsavable, folder.Path("no/such/folder/x.bas"), "X");
    EXPECT_EQ(prompts.Texts(), (std::vector<std::string>{"Invalid format for filename.\nCan't save."}));
}

class LoadPackLibraryTest : public RegistryFixture {};

TEST_F(LoadPackLibraryTest, ALibLoadsOnceWithoutPaletteButtonsAndIsListed) {
    std::string path = Library("Extra.lib", {"Tools:QA"});
    LoadPackLibrary(registry, path);
    LoadPackLibrary(registry, path);
    EXPECT_EQ(prompts.Texts(), (std::vector<std::string>{"The Extra was loaded with success."}));
    ASSERT_EQ(settings.Libs.Count(), 1u);
    EXPECT_NE(settings.Libs.Object(0), nullptr);
    EXPECT_TRUE(palette.Pages().empty()) << "no registration: no buttons";
    LoadPackLibrary(registry, Library("Other.dll", {"Tools:QB"}));
    EXPECT_EQ(settings.Libs.Count(), 1u) << "only .lib paths load here";
}

}  // namespace
}  // namespace tavrin::test
