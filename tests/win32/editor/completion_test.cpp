// Completion in the running workbench on a page that includes a generated
// Windows-like header tree: the box offers the fields of the type the page's
// includes bring in, not those of a same-named class of another header; Enter
// completes a field; changing the include line changes the type.
//
// With TAVRIN_COMPLETION_SHOT set to a file path, the screen with the open
// box is saved there as a bitmap (see tests/e2e/completion_screenshot.sh).
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <Scintilla.h>

#include <cstdio>
#include <cstdlib>

#include "analysis/include_chain.h"
#include "analysis/include_database.h"
#include "page_test_support.h"
#include "settings/launcher.h"
#include "support/header_trees.h"
#include "workbench/file_commands.h"

namespace tavrin::test {
namespace {

// Saves the whole screen as a 24-bit bitmap file.
bool SaveScreen(const std::string& path) {
    int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    GdiFlush();
    DWORD rowBytes = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    DWORD imageBytes = rowBytes * static_cast<DWORD>(height);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info.bmiHeader);
    file.bfSize = file.bfOffBits + imageBytes;
    bool saved = false;
    if (FILE* out = std::fopen(path.c_str(), "wb")) {
        saved = std::fwrite(&file, sizeof(file), 1, out) == 1 &&
                std::fwrite(&info.bmiHeader, sizeof(info.bmiHeader), 1, out) == 1 &&
                std::fwrite(bits, imageBytes, 1, out) == 1;
        saved = std::fclose(out) == 0 && saved;
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return saved;
}

class CompletionInWorkbench : public PageTest {
protected:
    void SetUp() override {
        PageTest::SetUp();
        TLauncher& settings = *App().Launcher;
        savedCompiler_ = settings.Compiler;
        savedDirectories_ = settings.Directories;
        savedAllow_ = settings.AllowCompletion;
        std::string compiler = WriteWindowsLikeHeaders(headers_, "fb", "MYRECT", "MyRect");
        settings.Compiler = compiler + "\\fbc.exe";
        settings.Directories.Clear();
        settings.AllowCompletion = true;
        App().DataBase->Clear();
        App().DataBase->AddCompilerIncludes(compiler);
        SharedIncludeChains().Clear();
    }
    void TearDown() override {
        TLauncher& settings = *App().Launcher;
        settings.Compiler = savedCompiler_;
        settings.Directories = savedDirectories_;
        settings.AllowCompletion = savedAllow_;
        App().DataBase->Clear();
        SharedIncludeChains().Clear();
        PageTest::TearDown();
    }
    TELSuperEdit& Edit() { return page_->Editor().Edit(); }
    void Type(const std::string& text) {
        for (char c : text) SendMessageA(Edit().Handle(), WM_CHAR, static_cast<unsigned char>(c), 0);
    }
    void OpenPage(const std::string& text) {
        OpenFile(WriteScratch("shapes.bas", text));
        page_ = ActivePage();
        ASSERT_NE(page_, nullptr);
        SetForegroundWindow(App().Code->Handle());
        SetFocus(Edit().Handle());
        Edit().Call(SCI_DOCUMENTEND);
    }
    // Types the text and waits for the box; the milliseconds it took to show.
    long TypeAndWaitForTheBox(const std::string& text) {
        DWORD start = GetTickCount();
        Type(text);
        CompletionBox& box = page_->Editor().Completion();
        while (!box.Visible() && GetTickCount() - start < 3000) Pump(1);
        return box.Visible() ? static_cast<long>(GetTickCount() - start) : -1;
    }
    // The first column of every row the box shows.
    std::vector<std::string> BoxNames() {
        HWND list = FindWindowExA(page_->Editor().Completion().Handle(), nullptr, WC_LISTVIEWA, nullptr);
        std::vector<std::string> names;
        int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
        for (int row = 0; row < count; ++row) {
            char text[128] = {};
            LVITEMA item{};
            item.iSubItem = 0;
            item.pszText = text;
            item.cchTextMax = sizeof(text);
            SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
            names.push_back(text);
        }
        return names;
    }

    TempFolder headers_;
    TCodePage* page_ = nullptr;
    std::string savedCompiler_;
    StringList savedDirectories_;
    bool savedAllow_ = false;
};

TEST_F(CompletionInWorkbench, TheBoxOffersTheIncludedTypesFieldsAndEnterCompletesOne) {
    ASSERT_EQ(EntriesNamed(App().DataBase->Entries(), "myrect").size(), 2u) << "both headers are in the database";
    OpenPage("#include once \"windows.bi\"\r\n\r\nsub Paint()\r\n    dim r as MYRECT\r\n\r\n    ");
    long shownAfter = TypeAndWaitForTheBox("r.");
    ASSERT_GE(shownAfter, 0) << "the box did not open";
    std::printf("the box opened %ld ms after the \".\"\n", shownAfter);
    EXPECT_LT(shownAfter, 1000);
    EXPECT_EQ(BoxNames(), (std::vector<std::string>{"left", "top", "right", "bottom"}));
    EXPECT_EQ(GetFocus(), Edit().Handle());

    if (const char* shot = std::getenv("TAVRIN_COMPLETION_SHOT")) {
        Pump(300);
        EXPECT_TRUE(SaveScreen(shot)) << shot;
    }

    Type("b");
    EXPECT_EQ(BoxNames(), std::vector<std::string>{"bottom"}) << "the box follows the typed text";
    SendMessageA(Edit().Handle(), WM_KEYDOWN, VK_RETURN, 0);
    Type("\r");
    EXPECT_FALSE(page_->Editor().Completion().Visible());
    EXPECT_EQ(Edit().Line(Edit().CaretLine()), "    r.bottom") << "Enter completes and breaks no line";
    EXPECT_TRUE(Prompts().shown.empty()) << "no message box for a declared variable";
}

TEST_F(CompletionInWorkbench, ChangingTheIncludeLineChangesTheType) {
    OpenPage("#include once \"gdiplus.bi\"\r\ndim r as MYRECT\r\n");
    ASSERT_GE(TypeAndWaitForTheBox("r."), 0);
    EXPECT_EQ(BoxNames(), (std::vector<std::string>{"X", "Y", "Width", "Height", "constructor", "Clone", "GetLeft"}))
        << "each member once, fields first";
    SendMessageA(Edit().Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    Type("\x1b");

    page_->Editor().Lines().SetLine(0, "#include once \"windows.bi\"");
    Edit().Call(SCI_DOCUMENTEND);
    Type("\r\n");
    ASSERT_GE(TypeAndWaitForTheBox("r."), 0);
    EXPECT_EQ(BoxNames(), (std::vector<std::string>{"left", "top", "right", "bottom"}));
}

}  // namespace
}  // namespace tavrin::test
