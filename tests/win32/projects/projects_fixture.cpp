#include "projects_fixture.h"

#include <fstream>

#include "compiler/compiler.h"
#include "compiler/switch_window.h"
#include "app/build_wiring.h"
#include "projects/project_list.h"
#include "projects/project_window.h"
#include "projects/units_window.h"
#include "settings/launcher.h"
#include "workbench/code_page.h"
#include "workbench/code_window.h"
#include "workbench/main_window.h"
#include "workbench/projects_wiring.h"
#include "workbench/workbench.h"

namespace tavrin::test {

int Occurrences(const std::string& text, const std::string& part) {
    int count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++count;
    return count;
}

void ProjectsTest::SetUp() {
    EnsureWorkbenchStarted();
    Prompts().shown.clear();
    Prompts().answers.clear();
    Prompts().fileResults.clear();
    Prompts().fileRequests.clear();
    const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
    std::string base = TestProgramFolder() + "\\projects";
    CreateDirectoryA(base.c_str(), nullptr);
    folder_ = base + "\\" + info->name();
    CreateDirectoryA(folder_.c_str(), nullptr);
    record_ = folder_ + "\\record.txt";
    DeleteFileA(record_.c_str());
}

void ProjectsTest::TearDown() {
    while (List().Count() > 0) {
        TProject& project = List().At(0);
        project.SetSaved(true);
        List().CloseProject(project, false);
    }
    while (App().Code->PageCount() > 0) App().Code->FreePage(App().Code->Page(0));
    App().CurrentDocument = nullptr;
    App().ActiveCodePage = nullptr;
    Window().Hide();
    Units().Hide();
}

TProjects& ProjectsTest::Window() { return *TheProjects().window; }
TUnits& ProjectsTest::Units() { return *TheProjects().units; }
ProjectList& ProjectsTest::List() { return *TheProjects().list; }
HWND ProjectsTest::Tree() { return Window().Tree(); }

void ProjectsTest::Press(int command) { SendMessageA(Window().Handle(), WM_COMMAND, command, 0); }

void ProjectsTest::MainCommand(int command) { SendMessageA(App().Main->Handle(), WM_COMMAND, command, 0); }

std::vector<HTREEITEM> ProjectsTest::Roots() { return Children(TVI_ROOT); }

std::vector<HTREEITEM> ProjectsTest::Children(HTREEITEM node) {
    std::vector<HTREEITEM> nodes;
    UINT first = node == TVI_ROOT ? TVGN_ROOT : TVGN_CHILD;
    auto next = [](HTREEITEM item, UINT relation) {
        return reinterpret_cast<HTREEITEM>(
            SendMessageA(Tree(), TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
    };
    for (HTREEITEM item = next(node == TVI_ROOT ? nullptr : node, first); item; item = next(item, TVGN_NEXT))
        nodes.push_back(item);
    return nodes;
}

std::string ProjectsTest::NodeText(HTREEITEM node) {
    char text[256] = {};
    TVITEMA item{};
    item.mask = TVIF_TEXT;
    item.hItem = node;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(Tree(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return text;
}

std::vector<std::string> ProjectsTest::Texts(const std::vector<HTREEITEM>& nodes) {
    std::vector<std::string> texts;
    for (HTREEITEM node : nodes) texts.push_back(NodeText(node));
    return texts;
}

void ProjectsTest::ClickNode(HTREEITEM node, bool control) {
    RECT r{};
    *reinterpret_cast<HTREEITEM*>(&r) = node;
    SendMessageA(Tree(), TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&r));
    POINT at{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    POINT screen = at;
    ClientToScreen(Tree(), &screen);
    SetCursorPos(screen.x, screen.y);  // the tree reads the click's place from the cursor
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    BYTE saved = keys[VK_CONTROL];
    keys[VK_CONTROL] = control ? 0x80 : 0;
    SetKeyboardState(keys);
    WPARAM flags = MK_LBUTTON | (control ? MK_CONTROL : 0);
    // The tree waits for the button's release inside its button-down handling.
    PostMessageA(Tree(), WM_LBUTTONUP, flags & ~MK_LBUTTON, MAKELPARAM(at.x, at.y));
    SendMessageA(Tree(), WM_LBUTTONDOWN, flags, MAKELPARAM(at.x, at.y));
    Pump(30);
    keys[VK_CONTROL] = saved;
    SetKeyboardState(keys);
}

std::string ProjectsTest::Write(const std::string& name, const std::string& text) {
    std::string path = folder_ + "\\" + name;
    std::string dir = path.substr(0, path.find_last_of('\\'));
    CreateDirectoryA(dir.c_str(), nullptr);
    WriteAll(path, text);
    return path;
}

void ProjectsTest::Choose(std::vector<std::string> files, int filterIndex) {
    FileBoxResult result;
    result.accepted = true;
    result.files = std::move(files);
    result.filterIndex = filterIndex;
    Prompts().fileResults.push_back(result);
}

TCodePage* ProjectsTest::PageShowing(const std::string& file) {
    int index = App().Code->PageIndexOf(file);
    return index < 0 ? nullptr : dynamic_cast<TCodePage*>(App().Code->Page(index));
}

std::string ProjectsTest::PageText(TCodePage* page) {
    return page ? std::string(page->Editor().Edit().TextView()) : std::string("<no page>");
}

TCodePage* ProjectsTest::ActivePage() { return dynamic_cast<TCodePage*>(App().Code->ActivePage()); }

std::string ProjectsTest::Record() const { return ReadText(record_); }

void ProjectsTest::UseFakeCompiler() {
    std::string dir = FAKE_FBC_DIR;
    for (char& c : dir)
        if (c == '/') c = '\\';
    App().Launcher->Compiler = (dir.rfind("\\", 0) == 0 ? "Z:" + dir : dir) + "\\fake_fbc.exe";
    App().Launcher->Directories.Clear();
    App().Launcher->Files.Clear();
    App().Launcher->PredefinedSwitches = "-g";
    TheBuildLoop().switchWindow->SetMemoText("");
    std::string script = Write("fake_fbc.script", "");
    SetEnvironmentVariableA("FAKE_FBC_SCRIPT", script.c_str());
    SetEnvironmentVariableA("FAKE_FBC_RECORD", record_.c_str());
    SetEnvironmentVariableA("FAKE_PROGRAM_LOG", (folder_ + "\\program.log").c_str());
    SetEnvironmentVariableA("FAKE_PROGRAM_SLEEP_MS", "0");
}

}  // namespace tavrin::test
