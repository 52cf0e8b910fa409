// The pack registry over packs held in memory: registration with its question
// and reports, the start-up loading from the settings' list, the palette
// click, and the failures that a pack can bring.
#include <gtest/gtest.h>

#include <filesystem>

#include "common/commands.h"
#include "registry_fixture.h"

namespace tavrin::test {
namespace {

using Kind = ScriptedPrompts::Kind;

const char* const kStandards =
    "Standards:QStatic,QImage,QButton,QCheckBox,QRadioButton,QGroupBox,QEdit,QComboBox,QListBox,QScrollBar";

class PackRegistryTest : public RegistryFixture {
protected:
    std::string Velpack() { return Library("Velpack.dll", {kStandards}); }

    // A pack loaded by hand, as Install does it.
    TPack& Load(const std::string& path, bool autoLoad = false) {
        TPack& pack = registry.CreatePack();
        pack.AutoLoad = autoLoad;
        pack.OnLoad = [this](TPack& loaded) { registry.RegisterPack(loaded); };
        pack.Load(path);
        return pack;
    }
};

TEST_F(PackRegistryTest, RegisteringAsksThenReportsAndListsThePack) {
    std::string path = Library("Small.dll", {"Tools:QA,QB"});
    prompts.answers = {Answer::Yes};
    TPack& pack = Load(path);
    EXPECT_EQ("Small", pack.Name);
    EXPECT_EQ(path, pack.FileName);
    EXPECT_NE(0u, pack.Handle());
    EXPECT_EQ((std::vector<std::string>{"Register Small pack and his components?",
                                        "The Small pack was loaded.\nThe following classes are registered: QA ,\nQB"}),
              prompts.Texts());
    EXPECT_EQ(Kind::ConfirmYesNoCancel, prompts.shown[0].kind);
    EXPECT_EQ((std::vector<std::string>{"QA", "QB"}), pack.Classes.Texts());
    ASSERT_EQ(1u, settings.Libs.Count());
    EXPECT_EQ(path, settings.Libs[0]);
    EXPECT_EQ(&pack, settings.Libs.Object(0));
    TPaletteButton* button = palette.FindButton("QB");
    ASSERT_NE(nullptr, button);
    EXPECT_EQ("Tools", button->Page().Caption());
    EXPECT_EQ(&pack, button->PackData.pack);
    EXPECT_EQ("QB", button->PackData.className);
    EXPECT_EQ(pack.Handle(), button->PackData.module);
    EXPECT_EQ(path, button->PackData.fileName);
}

TEST_F(PackRegistryTest, TwoLinesForOnePageShareItAndReportTwice) {
    prompts.answers = {Answer::Yes};
    Load(Library("Two.dll", {"Tools:QA\nTools:QB,QC"}));
    ASSERT_EQ(1u, palette.Pages().size());
    EXPECT_EQ(3u, palette.Pages()[0]->Buttons().size());
    EXPECT_EQ((std::vector<std::string>{
                  "The Two pack was loaded.\nThe following classes are registered: QA\n",
                  "The Two pack was loaded.\nThe following classes are registered: QA ,\nQB ,QC"}),
              prompts.TextsOf(Kind::Information));
    EXPECT_EQ(1u, settings.Libs.Count());
}

TEST_F(PackRegistryTest, APageWithoutClassesStillReportsAndIsListed) {
    prompts.answers = {Answer::Yes};
    TPack& pack = Load(Library("Bare.dll", {"Standards"}));
    EXPECT_TRUE(pack.Classes.Empty());
    EXPECT_TRUE(palette.Pages().empty());
    EXPECT_EQ((std::vector<std::string>{"The Bare pack was loaded.\nThe following classes are registered: "}),
              prompts.TextsOf(Kind::Information));
    EXPECT_EQ(1u, settings.Libs.Count());
}

TEST_F(PackRegistryTest, TenClassesGiveExactlyTwoLineBreaksInTheReport) {
    prompts.answers = {Answer::Yes};
    Load(Velpack());
    std::string report = prompts.TextsOf(Kind::Information).at(0);
    std::string list = report.substr(report.find("registered: ") + 12);
    EXPECT_EQ("QStatic ,\nQImage ,QButton ,QCheckBox ,QRadioButton ,QGroupBox ,\nQEdit ,QComboBox ,QListBox ,QScrollBar",
              list);
}

TEST_F(PackRegistryTest, APathAlreadyListedIsNotAddedTwice) {
    std::string path = Library("Small.dll", {"Tools:QA"});
    settings.Libs.Add(path);
    prompts.answers = {Answer::Yes};
    Load(path);
    EXPECT_EQ(1u, settings.Libs.Count());
    // Listed in another letter case: the same entry.
    std::string upper = path;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    settings.Libs.Clear();
    settings.Libs.Add(upper);
    prompts.answers = {Answer::Yes};
    Load(path);
    EXPECT_EQ(1u, settings.Libs.Count());
}

TEST_F(PackRegistryTest, NoLeavesTheLibraryLoadedAndCancelAbortsTheCommand) {
    std::string path = Library("Small.dll", {"Tools:QA"});
    prompts.answers = {Answer::No};
    TPack& declined = Load(path);
    EXPECT_NE(0u, declined.Handle());
    EXPECT_TRUE(palette.Pages().empty());
    EXPECT_TRUE(settings.Libs.Empty());
    prompts.answers = {Answer::Cancel};
    bool ran = RunCommand([&] { Load(path); });
    EXPECT_FALSE(ran);
    EXPECT_TRUE(palette.Pages().empty());
    EXPECT_TRUE(prompts.TextsOf(Kind::Error).empty()) << "a Cancel ends the command silently";
}

TEST_F(PackRegistryTest, AutoLoadedPacksAskAndReportNothing) {
    TPack& pack = Load(Velpack(), true);
    EXPECT_EQ(10u, pack.Classes.Count());
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(PackRegistryTest, APackExportingOnlyRegisterWorks) {
    FakeLibrary only{"Probes:QProbe"};
    only.missing = {PackEntry::Version, PackEntry::GetPropList, PackEntry::GetPropInfo, PackEntry::GetPropValue,
                    PackEntry::SetPropValue};
    TPack& pack = Load(Library("Only.dll", only), true);
    EXPECT_TRUE(pack.Exports(PackEntry::Register));
    EXPECT_FALSE(pack.Exports(PackEntry::Version));
    EXPECT_FALSE(pack.Exports(PackEntry::SetPropValue));
    ASSERT_NE(nullptr, palette.FindButton("QProbe"));
    palette.FindButton("QProbe")->Click();
    EXPECT_EQ("QProbe", registry.SelectedClassName);
    EXPECT_EQ(&pack, registry.CurrentPack);
}

TEST_F(PackRegistryTest, AClassOfAnotherPackIsTakenOverWithOneInformation) {
    TPack& first = Load(Library("First.dll", {"Standards:QButton"}), true);
    TPack& second = Load(Library("Second.dll", {"user:QButton,QOwn"}), true);
    EXPECT_EQ((std::vector<std::string>{"The QButton class allready registered."}), prompts.Texts());
    TPaletteButton* button = palette.FindButton("QButton");
    EXPECT_EQ("Standards", button->Page().Caption());
    EXPECT_EQ(&second, button->PackData.pack);
    EXPECT_EQ(second.FileName, button->PackData.fileName);
    EXPECT_EQ((std::vector<std::string>{"QButton", "QOwn"}), second.Classes.Texts());
    EXPECT_EQ((std::vector<std::string>{"QButton"}), first.Classes.Texts());
}

TEST_F(PackRegistryTest, EmptyAndMalformedRegistrationsAreReportedByPackName) {
    Load(Library("Empty.dll", {std::nullopt}), true);
    Load(Library("Blank.dll", {"\r\n"}), true);
    Load(Library("Odd.dll", {":QLost\nOdd:QA,,QB"}), true);
    EXPECT_EQ((std::vector<std::string>{"The Empty pack registered no classes.",
                                        "The Blank pack registered no classes.",
                                        "The Odd pack registered a malformed line: \":QLost\".",
                                        "The Odd pack registered a malformed line: \"Odd:QA,,QB\"."}),
              prompts.TextsOf(Kind::Error));
    EXPECT_EQ(nullptr, palette.FindButton("QLost"));
    EXPECT_NE(nullptr, palette.FindButton("QB"));
    EXPECT_EQ(1u, settings.Libs.Count()) << "only the pack that registered something is listed";
}

TEST_F(PackRegistryTest, GlyphsComeFromTheControlsFolder) {
    std::string glyph = folder.Write("controls/QButton.bmp", "BM");
    Load(Velpack(), true);
    std::string loaded = palette.FindButton("QButton")->Glyph();
    EXPECT_EQ(registry.GlyphFile("QButton"), loaded);
    EXPECT_TRUE(std::filesystem::equivalent(glyph, loaded)) << loaded;
    EXPECT_EQ("", palette.FindButton("QEdit")->Glyph());
}

TEST_F(PackRegistryTest, LoadFailuresOfOnePack) {
    // A missing file, a library the system refuses, a library without "REGISTER@0".
    TPack& missing = Load(folder.Path("Gone.dll"));
    EXPECT_EQ(0u, missing.Handle());
    EXPECT_EQ("Gone", missing.Name);
    EXPECT_EQ((std::vector<std::string>{"internal error. $01"}), prompts.Texts());
    prompts.shown.clear();
    TPack& refused = Load(Library("Bad.dll", {"X:QX", {}, PackFailure::NotLoadable}));
    EXPECT_EQ(0u, refused.Handle());
    ASSERT_EQ(1u, prompts.TextsOf(Kind::Error).size());
    EXPECT_NE(std::string::npos, prompts.TextsOf(Kind::Error)[0].find("Bad.dll")) << prompts.TextsOf(Kind::Error)[0];
    std::string noPack = Library("NoPack.dll", {"X:QX", {}, PackFailure::MissingEntry});
    EXPECT_THROW(Load(noPack), PackError);
    EXPECT_TRUE(palette.Pages().empty());
    EXPECT_TRUE(settings.Libs.Empty());
}

TEST_F(PackRegistryTest, LoadPacksLoadsTheListQuietlyAndResetsThePalette) {
    std::string velpack = Velpack();
    std::string probes = Library("Probes.dll", {"Probes:QProbe,QRefuser"});
    settings.Libs.Add(velpack);
    settings.Libs.Add(probes);
    registry.LoadPacks();
    EXPECT_TRUE(prompts.shown.empty());
    ASSERT_EQ(2u, palette.Pages().size());
    EXPECT_EQ(palette.Pages()[0].get(), palette.ActivePalette()) << "the first page after the reset";
    auto* last = static_cast<TPack*>(settings.Libs.Object(1));
    EXPECT_EQ(last, registry.CurrentPack);
    EXPECT_EQ(probes, last->FileName);
    EXPECT_EQ(2u, settings.Libs.Count());
    // The arrow now reaches the registry: nothing is selected, and no pack.
    registry.SelectedClassName = "QButton";
    palette.Pages()[1]->Arrow().Click();
    EXPECT_EQ("", registry.SelectedClassName);
    EXPECT_EQ(nullptr, registry.CurrentPack);
}

TEST_F(PackRegistryTest, APackListedWithoutFolderIsFoundInTheApplicationFolder) {
    Velpack();
    settings.Libs.Add("Velpack.dll");
    registry.LoadPacks();
    EXPECT_TRUE(prompts.shown.empty()) << (prompts.shown.empty() ? "" : prompts.shown[0].text);
    EXPECT_EQ(1u, palette.Pages().size());
    EXPECT_EQ((std::vector<std::string>{"Velpack.dll"}), settings.Libs.Texts()) << "no second entry with a folder";
}

TEST_F(PackRegistryTest, LoadPacksStopsAtAMissingFile) {
    std::string velpack = Velpack();
    settings.Libs.Add(folder.Path("Gone.dll"));
    settings.Libs.Add(velpack);
    palette.AddButton("Mine", "QMine", "");
    palette.FindButton("QMine")->Click();
    registry.LoadPacks();
    EXPECT_EQ((std::vector<std::string>{"File not exists."}), prompts.Texts());
    EXPECT_EQ(1u, palette.Pages().size()) << "the entries after it stay unloaded";
    auto* after = static_cast<TPack*>(settings.Libs.Object(1));
    ASSERT_NE(nullptr, after) << "but keep their pack";
    EXPECT_EQ(0u, after->Handle());
    EXPECT_FALSE(palette.FindPage("Mine")->Arrow().Pressed()) << "no palette reset";
    EXPECT_FALSE(palette.OnClick);
}

TEST_F(PackRegistryTest, LoadPacksStopsAtALibraryThatIsNoPack) {
    settings.Libs.Add(Velpack());
    settings.Libs.Add(Library("NoPack.dll", {"X:QX", {}, PackFailure::MissingEntry}));
    settings.Libs.Add(Library("Probes.dll", {"Probes:QProbe"}));
    registry.LoadPacks();
    EXPECT_EQ((std::vector<std::string>{"DLL are void."}), prompts.Texts());
    EXPECT_EQ(1u, palette.Pages().size()) << "Velpack's page stays";
    EXPECT_EQ(static_cast<TPack*>(settings.Libs.Object(0)), registry.CurrentPack);
    EXPECT_EQ(3u, settings.Libs.Count());
}

TEST_F(PackRegistryTest, AnUnreadableRegistrationCountsAsAVoidLibrary) {
    FakeLibrary noRegister{"X:QX"};
    noRegister.missing = {PackEntry::Register};  // the call itself fails
    settings.Libs.Add(Library("Broken.dll", noRegister));
    registry.LoadPacks();
    EXPECT_EQ((std::vector<std::string>{"DLL are void."}), prompts.Texts());
}

TEST_F(PackRegistryTest, APaletteClickSelectsTheClassAndShowsItsModule) {
    std::vector<std::string> status;
    registry.ShowStatus = [&](const std::string& text) { status.push_back(text); };
    settings.Libs.Add(Velpack());
    registry.LoadPacks();
    palette.FindButton("QEdit")->Click();
    EXPECT_EQ("QEdit", registry.SelectedClassName);
    EXPECT_EQ(settings.Libs.Object(0), registry.CurrentPack);
    EXPECT_EQ((std::vector<std::string>{"QEdit :Velpack.dll"}), status);
    palette.FindPage("Standards")->Arrow().Click();
    EXPECT_EQ(1u, status.size()) << "the arrow carries no pack to show";
}

TEST_F(PackRegistryTest, DestroyingAPackTakesItsButtonsAndForgetsIt) {
    settings.Libs.Add(Velpack());
    registry.LoadPacks();
    auto* pack = static_cast<TPack*>(settings.Libs.Object(0));
    palette.AddButton("Standards", "QMine", "");
    EXPECT_EQ(pack, registry.PackOfClass("qedit"));
    registry.DestroyPack(*pack);
    EXPECT_EQ(nullptr, registry.CurrentPack);
    EXPECT_EQ(nullptr, settings.Libs.Object(0));
    EXPECT_EQ((std::vector<std::string>{"QMine"}), palette.ClassList().Texts());
    EXPECT_EQ(nullptr, registry.PackOfClass("QEdit"));
    EXPECT_TRUE(registry.Packs().empty());
}

TEST_F(PackRegistryTest, AnInstalledClassButtonSelectsItsClassSoItCanBePlaced) {
    TPaletteButton* button = registry.InstallClassButton("user", "Button");
    ASSERT_NE(nullptr, button);
    EXPECT_EQ("user", button->Page().Caption());
    button->Click();
    EXPECT_EQ("Button", registry.SelectedClassName);
    EXPECT_EQ(nullptr, registry.CurrentPack);

    prompts.answers = {Answer::Yes};
    TPack& pack = Load(Velpack());
    registry.SelectedClassName.clear();
    prompts.shown.clear();
    EXPECT_EQ(palette.FindButton("QEdit"), registry.InstallClassButton("user", "QEdit"));
    EXPECT_EQ((std::vector<std::string>{"The QEdit class allready registered."}), prompts.Texts());
    palette.FindButton("QEdit")->Click();
    EXPECT_EQ(&pack, registry.CurrentPack) << "a pack's button keeps its pack";
}

}  // namespace
}  // namespace tavrin::test
