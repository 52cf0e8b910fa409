// The language chosen last, seen from outside the workbench at its next
// start: the settings' "ActiveLang" applied again (also when the application
// folder moved, not at all when the file is gone). With a picture folder in
// TAVRIN_LANGUAGE_PICTURES, pictures of the workbench in German and of the
// find-and-replace window are saved there.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "e2e/workbench_process.h"
#include "support/win32_test_windows.h"
#include "workbench/main_window.h"

namespace {

std::string tavrinExe;
std::string languagesFolder;  // the shipped language files

std::string Shipped(const std::string& name) {
    std::ifstream in(e2e::WindowsPath(languagesFolder + "/" + name), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string CaptionOf(const e2e::WorkbenchProcess& process, const char* className) {
    auto windows = process.Windows();
    auto found = windows.find(className);
    return found == windows.end() ? "<none>" : found->second.caption;
}

TEST(LanguageAtStart, TheLanguageChosenLastIsAppliedAgain) {
    e2e::AppFolder folder(tavrinExe);
    folder.WriteText("Languages\\German.txt", Shipped("German.txt"));
    const std::string chosen = folder.Path() + "\\Languages\\German.txt";
    folder.WriteIni("[Main]\r\nActiveLang=" + chosen + "\r\n");
    e2e::WorkbenchProcess process(folder);
    ASSERT_GE(process.WaitUntilIdle(), 0);
    EXPECT_EQ(CaptionOf(process, "TCode"), "Quelltext");
    EXPECT_EQ(CaptionOf(process, "TSearchReplaceDialog"), "Suchen und Ersetzen");
    EXPECT_EQ(CaptionOf(process, "TFindInFilesDialog"), "In Dateien suchen");
    EXPECT_EQ(CaptionOf(process, "TGoToLine"), "Gehe zu Zeile");
    EXPECT_EQ(CaptionOf(process, "TMain"), "Tavrin2");
    EXPECT_EQ(process.CloseAndWait(), 0);
    EXPECT_EQ(folder.IniValue("Main", "ActiveLang"), chosen) << "kept when the settings are saved";
}

TEST(LanguageAtStart, AFileThatMovedWithTheApplicationFolderIsFound) {
    e2e::AppFolder folder(tavrinExe);
    folder.WriteText("Languages\\French.txt", Shipped("French.txt"));
    folder.WriteIni("[Main]\r\nActiveLang=C:\\where it was\\Languages\\French.txt\r\n");
    e2e::WorkbenchProcess process(folder);
    ASSERT_GE(process.WaitUntilIdle(), 0);
    EXPECT_EQ(CaptionOf(process, "TSearchReplaceDialog"), "Rechercher et remplacer");
    EXPECT_EQ(process.CloseAndWait(), 0);
}

TEST(LanguageAtStart, AMissingFileLeavesTheBaseTexts) {
    e2e::AppFolder folder(tavrinExe);
    folder.WriteIni("[Main]\r\nActiveLang=C:\\nowhere\\Klingon.txt\r\n");
    e2e::WorkbenchProcess process(folder);
    ASSERT_GE(process.WaitUntilIdle(), 0);
    EXPECT_EQ(CaptionOf(process, "TSearchReplaceDialog"), "Find and Replace");
    EXPECT_EQ(CaptionOf(process, "TCode"), "Code");
    EXPECT_EQ(process.CloseAndWait(), 0);
}

// The workbench with a source file open and the find-and-replace window up
// (in replace mode); saves the screen and the window.
void TakePictures(const std::string& language, const std::string& pictures, const std::string& prefix) {
    e2e::AppFolder folder(tavrinExe);
    std::string ini = "[mru]\r\n" + folder.Path() + "\\hello.bas=0\r\n";
    if (!language.empty()) {
        folder.WriteText("Languages\\" + language, Shipped(language));
        ini += "[Main]\r\nActiveLang=" + folder.Path() + "\\Languages\\" + language + "\r\n";
    }
    folder.WriteIni(ini);
    folder.WriteText("hello.bas",
                     "' A first program\r\n#include \"windows.bi\"\r\n\r\nSub Greet(ByVal name As String)\r\n"
                     "    Print \"Hello, \"; name\r\nEnd Sub\r\n\r\nDim window As HWND\r\nGreet \"Tavrin2\"\r\n");
    e2e::WorkbenchProcess process(folder);
    ASSERT_GE(process.WaitUntilIdle(), 0);
    std::set<HWND> before = process.Editors();
    process.PostCommand(tavrin::cmdMRUFirst);
    HWND editor = process.WaitForNewEditor(before);
    ASSERT_NE(editor, nullptr);
    Sleep(300);
    SendMessageA(editor, 2160 /* SCI_SETSEL */, 119, 125);  // "window" on the line "Dim window As HWND"
    process.PostCommand(tavrin::cmdReplace);
    HWND search = nullptr;
    for (int i = 0; i < 200 && !(search && IsWindowVisible(search)); ++i, Sleep(20))
        search = process.Windows()["TSearchReplaceDialog"].handle;
    ASSERT_TRUE(search && IsWindowVisible(search));
    Sleep(800);
    RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    EXPECT_TRUE(tavrin::test::SaveScreenArea(screen, pictures + "\\" + prefix + "workbench.bmp"));
    RECT window{};
    GetWindowRect(search, &window);
    EXPECT_TRUE(tavrin::test::SaveScreenArea(window, pictures + "\\" + prefix + "find_replace.bmp"));
    EXPECT_EQ(process.CloseAndWait(), 0);
}

TEST(LanguagePictures, TheWorkbenchInGermanAndTheFindAndReplaceWindow) {
    const char* pictures = std::getenv("TAVRIN_LANGUAGE_PICTURES");
    if (!pictures) GTEST_SKIP() << "TAVRIN_LANGUAGE_PICTURES names no folder";
    TakePictures("German.txt", pictures, "german_");
    TakePictures("", pictures, "english_");
}

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: languages_e2e_test <path of Tavrin2.exe> <languages folder>\n");
        return 2;
    }
    tavrinExe = argv[1];
    languagesFolder = argv[2];
    return RUN_ALL_TESTS();
}
