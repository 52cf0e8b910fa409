#include "app/on_demand_windows.h"

#include <windows.h>

#include "app/component_wiring.h"
#include "designer/global_designer.h"
#include "languages/window_components.h"
#include "resources/resources_window.h"
#include "settings/launcher.h"
#include "workbench/main_window.h"
#include "workbench/workbench.h"

namespace tavrin {

namespace {

HWND MainHandle() { return App().Main ? App().Main->Handle() : nullptr; }

}  // namespace

OnDemandWindows::OnDemandWindows()
    : settings_(*App().Launcher, verbose_, App().ApplicationDirectory,
                dynamic_cast<TGlobalDesigner*>(App().FindWindowByName("GlobalDesigner"))),
      tabOrder_({"Button1", "Edit1"}),
      wizard_(MakeNewClassHost()),
      dialog_("", nullptr) {
    settings_.Create(MainHandle());
    alignment_.Create(MainHandle());
    tabOrder_.Create(MainHandle());
    wizard_.Create(MainHandle());
    dialog_.Create();
}

std::vector<PublishedWindow> OnDemandWindows::Published() {
    std::vector<PublishedWindow> published;
    for (FormWindow* window : Windows()) published.push_back(PublishWindow(*window));
    HMENU dialogMenu = dialog_.BuildPopupMenu();
    published.push_back(PublishPopupMenu("Dialog", dialogMenu));
    DestroyMenu(dialogMenu);
    if (auto* resources = dynamic_cast<TResources*>(App().FindWindowByName("Resources"))) {
        bool gui = App().Launcher->GUIResources;
        App().Launcher->GUIResources = true;
        HMENU resourcesMenu = resources->BuildPopupMenu();
        App().Launcher->GUIResources = gui;
        published.push_back(PublishPopupMenu("Resources", resourcesMenu));
        DestroyMenu(resourcesMenu);
    }
    return published;
}

std::vector<PublishedWindow> PublishOnDemandWindows() {
    if (!App().Launcher) return {};
    OnDemandWindows windows;
    return windows.Published();
}

}  // namespace tavrin
