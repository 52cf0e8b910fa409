// Registration texts and the service exports for user programs.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "captured_boxes.h"
#include "velpack_binding.h"

namespace {


class Services : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Velpack().Loaded());
        ASSERT_TRUE(vp.setMessageBoxHook);
        capturedBoxes.clear();
        capturedAnswer = IDNO;
        vp.setMessageBoxHook(CaptureBox);
    }
    void TearDown() override { vp.setMessageBoxHook(nullptr); }
    const VelpackBinding& vp = Velpack();
};

const char kStandards[] =
    "Standards:QStatic,QImage,QButton,QCheckBox,QRadioButton,QGroupBox,QEdit,QComboBox,"
    "QListBox,QScrollBar";

TEST_F(Services, RegistrationTextsAreNewBlocks) {
    char* first = vp.registerClasses();
    char* second = vp.registerClasses();
    ASSERT_TRUE(first && second);
    EXPECT_NE(first, second);
    EXPECT_STREQ(kStandards, first);
    EXPECT_STREQ(first, second);
    EXPECT_STREQ(kStandards, vp.standards());
    EXPECT_STREQ("Standards:QMainMenu,QPopupMenu", vp.menus());
    EXPECT_STREQ("freebasic package", vp.version());
}

TEST_F(Services, MessageBoxesUseTheProgramNameAndTheGivenFlags) {
    const char* message = "hello";
    FbText text{message, 5, 6};
    vp.showMessage(&text);
    ASSERT_EQ(1u, capturedBoxes.size());
    EXPECT_EQ("hello", capturedBoxes[0].text);
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string program = path;
    program = program.substr(program.find_last_of("/\\") + 1);
    EXPECT_EQ(program, capturedBoxes[0].caption);
    EXPECT_EQ(static_cast<unsigned>(MB_OK | MB_TOPMOST), capturedBoxes[0].style);
    const char* title = "Title";
    FbText caption{title, 5, 6};
    EXPECT_EQ(IDNO, vp.messageDlg(&text, &caption, MB_YESNO));
    ASSERT_EQ(2u, capturedBoxes.size());
    EXPECT_EQ("Title", capturedBoxes[1].caption);
    EXPECT_EQ(static_cast<unsigned>(MB_YESNO | MB_TOPMOST), capturedBoxes[1].style);
    vp.showMessage(nullptr);  // no text: an empty box, no crash
    EXPECT_EQ("", capturedBoxes[2].text);
}

TEST_F(Services, SystemTextsAndClassNames) {
    FbText* known = vp.sysErrorMessage(ERROR_FILE_NOT_FOUND);
    ASSERT_TRUE(known && known->data);
    EXPECT_GT(known->length, 0);
    EXPECT_LE(known->length, 200);
    EXPECT_NE(' ', known->data[known->length - 1]);
    FbText* unknown = vp.sysErrorMessage(0x7FFFFFF0);
    ASSERT_TRUE(unknown);
    EXPECT_EQ(0, unknown->length);
    HostWindow host;
    HWND button = CreateByName("QButton", host.handle, 0, 0, 10, 10);
    FbText* name = vp.classNameIs(button);
    ASSERT_TRUE(name);
    EXPECT_EQ("QButton", Text(name->data));
    FbText* none = vp.classNameIs(reinterpret_cast<HWND>(0x1234));
    ASSERT_TRUE(none);
    EXPECT_EQ("", Text(none->data));
    EXPECT_EQ(0, none->length);
}

DWORD WINAPI MainWindowThread(LPVOID results) {
    auto* found = static_cast<std::vector<HWND>*>(results);
    const VelpackBinding& vp = Velpack();
    found->push_back(vp.mainWindow());
    HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, "static", "main", WS_POPUP, 0, 0, 10, 10,
                                  nullptr, nullptr, nullptr, nullptr);
    found->push_back(window);
    found->push_back(vp.mainWindow());
    DestroyWindow(window);
    found->push_back(vp.mainWindow());
    return 0;
}

TEST_F(Services, MainWindowKeepsTheLastWindowFound) {
    std::vector<HWND> found;
    HANDLE thread = CreateThread(nullptr, 0, MainWindowThread, &found, 0, nullptr);
    ASSERT_TRUE(thread);
    WaitForSingleObject(thread, 10000);
    CloseHandle(thread);
    ASSERT_EQ(4u, found.size());
    EXPECT_EQ(nullptr, found[0]);
    EXPECT_EQ(found[1], found[2]);
    EXPECT_EQ(found[1], found[3]);
}

TEST_F(Services, DebugWritesALineToStandardOutput) {
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    std::string path = std::string(folder) + "velpack_debug.txt";
    std::fflush(stdout);
    int saved = _dup(_fileno(stdout));
    int file = _open(path.c_str(), _O_WRONLY | _O_CREAT | _O_TRUNC, _S_IREAD | _S_IWRITE);
    ASSERT_GE(file, 0);
    _dup2(file, _fileno(stdout));
    const char* message = "debug line";
    FbText text{message, 10, 11};
    vp.debug(&text);
    vp.debug(nullptr);
    std::fflush(stdout);
    _dup2(saved, _fileno(stdout));
    _close(file);
    _close(saved);
    std::ifstream written(path, std::ios::binary);
    std::string content{std::istreambuf_iterator<char>(written), std::istreambuf_iterator<char>()};
    written.close();
    DeleteFileA(path.c_str());
    EXPECT_EQ("debug line\r\n\r\n", content);
}

}  // namespace
