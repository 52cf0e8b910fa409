#include "app/startup.h"

#include "app/resources_wiring.h"  // first: it keeps the system's CreateDialog macro away

#include <windows.h>

#include <memory>

#include "workbench/code_window.h"
#include "app/build_wiring.h"
#include "app/component_wiring.h"
#include "app/database_wiring.h"
#include "app/dialog_wiring.h"
#include "app/inspector_wiring.h"
#include "app/language_wiring.h"
#include "app/pack_wiring.h"
#include "app/search_wiring.h"
#include "app/settings_wiring.h"
#include "app/user_data_folder.h"
#include "compiler/switch_window.h"
#include "designer/forms_list.h"
#include "inspector/inspector_window.h"
#include "inspector/objects_tree_window.h"
#include "inspector/property_edit_dialog.h"
#include "languages/languages_window.h"
#include "packhost/customize_palette_window.h"
#include "packhost/packs_window.h"
#include "projects/project_window.h"
#include "projects/units_window.h"
#include "common/message_pump.h"
#include "workbench/about_window.h"
#include "workbench/file_commands.h"
#include "ui/dpi_scale.h"
#include "ui/file_system.h"
#include "workbench/helps_window.h"
#include "settings/launcher.h"
#include "workbench/main_window.h"
#include "workbench/projects_wiring.h"
#include "compiler/result_line.h"
#include "search/confirm_replace_window.h"
#include "search/find_in_files_window.h"
#include "search/go_to_line_window.h"
#include "search/search_replace_window.h"

#include "workbench/splash_window.h"
#include "designer/global_designer.h"
#include "ui/tool_window.h"
#include "workbench/workbench.h"

namespace tavrin {

namespace {

WorkbenchWindows windowRegistry;
std::unique_ptr<TLauncher> launcher;

template <typename T, typename... Args>
T* AddWindow(Args&&... args) {
    auto window = std::make_unique<T>(std::forward<Args>(args)...);
    T* raw = window.get();
    App().Windows.push_back(std::move(window));
    raw->Create(nullptr);
    return raw;
}

void AddTool(const char* className, const char* name, const char* caption, ToolWindowLook look = {}) {
    AddWindow<ToolWindow>(className, name, caption, look);
}

// The windows of the workbench, in their fixed creation order.
void CreateWindows() {
    Workbench& app = App();
    app.Main = AddWindow<TMain>();
    SearchWindows& search = TheSearchWindows();
    search.findInFiles = AddWindow<TFindInFilesDialog>(TheSearchWorkspace());
    search.goToLine = AddWindow<TGoToLine>(TheSearchWorkspace());
    search.searchReplace = AddWindow<TSearchReplaceDialog>(TheSearchWorkspace());
    app.Code = AddWindow<TCode>();
    // The inspector asks the palette's current pack; the containers of its
    // objects come with the dialogs under design.
    AddWindow<TInspector>([]() -> PackApi* {
        TPack* pack = WorkbenchPacks().CurrentPack;
        return pack ? pack->Api() : nullptr;
    }, InspectedObjectOf);
    AddWindow<TObjectsTree>();
    InstallPropertyEditDialog();
    AddWindow<TFormsList>();
    AddTool("TSettings", "Settings", "Settings", {520, 420});
    AddWindow<TProjects>();
    AddWindow<TPacks>(WorkbenchPacks());
    AddWindow<TSwitch>(app.Launcher->PredefinedSwitches);
    app.About = AddWindow<TAbout>();
    app.ImageShow = AddWindow<TimageShow>();
    app.About->SetImageShow(app.ImageShow);
    AddTool("TShell", "Shell", "Shell");
    app.Helps = AddWindow<THelps>();
    search.confirmReplace = AddWindow<TConfirmReplaceDialog>();
    app.PrintDialog = AddWindow<TPrintDialog>();
    AddTool("TControlAlignment", "ControlAlignment", "Control Alignment", {421, 247, false, true});
    AddWindow<TUnits>();
    AddWindow<TGlobalDesigner>();
    AddWindow<TResources>(MakeResourcesHost());
    app.Splash = AddWindow<TSplash>(app.Title);
    AddTool("TDialog", "Dialog", "Dialog", {400, 300});
    AddWindow<TLanguagesDlg>(MakeLanguagesHost());
    AddWindow<TCustomizePalette>(app.Main->Palette(), app.Launcher->SettingsFile());
    WireComponents(*AddWindow<TInstallClass>(MakeInstallClassHost()));
}

// Where the main tool windows stand before any bounds were saved: the main
// strip at the top, the objects tree and the inspector on the left below it,
// the code window filling the rest.
void PlaceWindowsFirstTime() {
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const int top = work.top + App().Main->Scale(TMain::kHeight);
    const int height = work.bottom - top;
    const int side = App().Main->Scale(240);
    auto place = [](const char* name, int x, int y, int w, int h) {
        if (FormWindow* window = App().FindWindowByName(name))
            SetWindowPos(window->Handle(), nullptr, x, y, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
    };
    place("ObjectsTree", work.left, top, side, height * 2 / 5);
    place("Inspector", work.left, top + height * 2 / 5, side, height - height * 2 / 5);
    place("Code", work.left + side, top, work.right - work.left - side, height);
}

// The gutter-click handler start-up puts on the result window: jump to the
// file and line a result line names.
void JumpToResultLine(int line) {
    TCode* code = App().Code;
    ResultPosition position =
        LocateResultLine(code->Results().Line(line), [](const std::string& f) { return FileExists(f); });
    int index = FileExists(position.fileName) ? code->PageIndexOf(position.fileName) : -1;
    TPageSheet* page = index >= 0 ? code->Page(index) : nullptr;
    if (!page && App().Main->Hooks.openPage) page = App().Main->Hooks.openPage(position.fileName);
    if (!page) return;
    code->SetActivePage(index >= 0 ? index : code->PageCount() - 1);
    if (position.line) page->ShowLine(*position.line);
}

// Steps of the main window's first showing.
void FirstShow() {
    Workbench& app = App();
    app.Splash->RunDatabaseStep();
    ViewRouter& views = app.Code->ResultViews();
    views.Activate(views.Register(TCode::kResultLinesView, JumpToResultLine));
    for (const char* name : {"Code", "ObjectsTree", "Inspector"})
        if (FormWindow* window = app.FindWindowByName(name)) ShowWindow(window->Handle(), SW_SHOWNOACTIVATE);
    app.Launcher->LoadSettings();
    if (app.Main->Hooks.loadPacks) app.Main->Hooks.loadPacks();
    app.Main->UpdateToolbar();
    app.Launcher->AttachMRUMenu(&app.Main->MRUMenu());
}

}  // namespace

void PumpPendingMessages() {
    static DWORD last = 0;
    DWORD now = GetTickCount();
    if (now - last < 15) return;
    last = now;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void StartWorkbench() {
    // Before any window: the workbench scales its windows itself.
    DeclareDpiAwareness();
    Workbench& app = App();
    app.ExecutablePath = ExecutableFilePath();
    app.ApplicationDirectory = ExtractFileDir(app.ExecutablePath);
    std::string name = ExtractFileName(app.ExecutablePath);
    app.Title = name.substr(0, name.find_last_of('.'));
    SetMessagePump(PumpPendingMessages);

    app.UserDataDirectory = WorkbenchUserDataFolder();
    SettingsLocation settings = LocateSettings(app.ExecutablePath, app.UserDataDirectory);
    app.SettingsDirectory = settings.folder;
    launcher = std::make_unique<TLauncher>(settings.settingsFile, &windowRegistry);
    app.Launcher = launcher.get();
    launcher->LoadSettings();  // no window exists yet: no bounds to apply

    StartLanguages();
    CreateWindows();
    WireBuildLoop();
    PlaceWindowsFirstTime();
    WireCodePages();
    WireProjects();
    ProjectCompileHook() = CompileCurrentProject;
    WireIncludeDatabase();
    WirePacks();
    WireDialogs();
    WireInspector();
    WireSearch();
    WireLanguages();
    WireSettingsDialog();
    app.Main->OnFirstShow = FirstShow;
    ShowWindow(app.Main->Handle(), SW_SHOW);
    UpdateWindow(app.Main->Handle());
}

}  // namespace tavrin
