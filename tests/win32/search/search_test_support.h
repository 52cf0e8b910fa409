// The search windows' tests: a workbench without pages, pages opened on
// texts, and the search windows and commands as the user reaches them.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <Scintilla.h>

#include "../workbench/workbench_fixture.h"
#include "app/search_wiring.h"
#include "projects/project.h"
#include "projects/project_list.h"
#include "workbench/projects_wiring.h"
#include "search/confirm_replace_window.h"
#include "search/find_in_files_window.h"
#include "search/go_to_line_window.h"
#include "search/search_replace_window.h"
#include "ui/component_names.h"
#include "workbench/code_page.h"
#include "workbench/code_window.h"
#include "workbench/main_window.h"
#include "workbench/workbench.h"

namespace tavrin::test {

class SearchWindowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureWorkbenchStarted();
        FreePages();
        Prompts().shown.clear();
        Prompts().answers.clear();
        App().Code->Results().SetText("");
    }
    void TearDown() override {
        for (FormWindow* window : {static_cast<FormWindow*>(Search().searchReplace),
                                   static_cast<FormWindow*>(Search().findInFiles),
                                   static_cast<FormWindow*>(Search().goToLine)})
            window->Hide();
        FreePages();
    }
    static void FreePages() {
        while (App().Code->PageCount() > 0) App().Code->FreePage(App().Code->Page(0));
    }
    static SearchWindows& Search() { return TheSearchWindows(); }
    static MainHooks& Hooks() { return App().Main->Hooks; }

    // A new page holding the text; it becomes the current document.
    TCodePage* NewPage(const std::string& text) {
        Hooks().newPage(false);
        auto* page = dynamic_cast<TCodePage*>(App().Code->ActivePage());
        EXPECT_NE(page, nullptr);
        page->Editor().Edit().SetText(text);
        Pump(10);
        return page;
    }
    static TELSuperEdit& Edit(TCodePage* page) { return page->Editor().Edit(); }
    static std::string Selected(TCodePage* page) {
        TELSuperEdit& edit = Edit(page);
        auto start = static_cast<std::size_t>(edit.Call(SCI_GETSELECTIONSTART));
        auto end = static_cast<std::size_t>(edit.Call(SCI_GETSELECTIONEND));
        return std::string(edit.TextView().substr(start, end - start));
    }
    // Whether "Find  Next" is enabled when the Search menu opens.
    static bool FindNextEnabled() {
        HMENU search = GetSubMenu(App().Main->MenuBar(), 1);
        App().Main->UpdateMenu(search);
        return !(GetMenuState(search, cmdFindNext, MF_BYCOMMAND) & MF_GRAYED);
    }
    // An empty scratch folder beside the test program.
    static std::string Scratch(const std::string& name) {
        std::string folder = TestProgramFolder() + "\\" + name;
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
        std::filesystem::create_directories(folder, ignored);
        return folder;
    }
    // Writes the bytes to the file (its folders made) and returns its path.
    static std::string WriteBytes(const std::string& path, const std::string& bytes) {
        std::error_code ignored;
        std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
        return path;
    }
};

}  // namespace tavrin::test
