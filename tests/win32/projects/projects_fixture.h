// The running workbench (started inside the test program) with its project
// and units windows: a folder per test, the fake compiler as the configured
// compiler, and helpers that drive the windows as their controls do.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "../compiler/test_files.h"
#include "../workbench/workbench_fixture.h"
#include "projects/project.h"

namespace tavrin {
class TProjects;
class TUnits;
class TCodePage;
class ProjectList;
}  // namespace tavrin

namespace tavrin::test {

class ProjectsTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    static TProjects& Window();
    static TUnits& Units();
    static ProjectList& List();
    static HWND Tree();
    // A toolbar button of the project window, a main window command.
    static void Press(int command);
    static void MainCommand(int command);

    // The tree's root nodes and a node's children, their texts.
    static std::vector<HTREEITEM> Roots();
    static std::vector<HTREEITEM> Children(HTREEITEM node);
    static std::string NodeText(HTREEITEM node);
    static std::vector<std::string> Texts(const std::vector<HTREEITEM>& nodes);
    // A click on a node, as the mouse gives it (with Ctrl held when asked).
    static void ClickNode(HTREEITEM node, bool control = false);

    // A file of the test's folder.
    std::string Write(const std::string& name, const std::string& text);
    // The next open or save box answers with these files.
    static void Choose(std::vector<std::string> files, int filterIndex = 1);
    static TCodePage* PageShowing(const std::string& file);
    static std::string PageText(TCodePage* page);
    static TCodePage* ActivePage();

    // The fake compiler's record of its command line; compilations take no switch question.
    std::string Record() const;
    void UseFakeCompiler();

    std::string folder_, record_;
};

inline std::string ReadText(const std::string& path) { return ReadAll(path); }
// The number of times a text occurs.
int Occurrences(const std::string& text, const std::string& part);

}  // namespace tavrin::test
