#include "app/settings_wiring.h"

#include "app/build_wiring.h"
#include "compiler/compiler.h"
#include "designer/global_designer.h"
#include "settings/launcher.h"
#include "workbench/main_window.h"
#include "workbench/settings_dialog.h"
#include "workbench/workbench.h"

namespace tavrin {

namespace {

TGlobalDesigner* preview = nullptr;

}  // namespace

TGlobalDesigner* DesignerPreview() { return preview; }

void WireSettingsDialog() {
    preview = dynamic_cast<TGlobalDesigner*>(App().FindWindowByName("GlobalDesigner"));
    if (!App().Main) return;
    App().Main->Hooks.settings = [] {
        static bool verboseWithoutDriver = false;
        bool& verbose = TheBuildLoop().compiler ? TheBuildLoop().compiler->Verbose : verboseWithoutDriver;
        TSettings dialog(*App().Launcher, verbose, App().ApplicationDirectory, preview);
        dialog.Create(App().Main->Handle());
        dialog.ShowModal();
    };
}

}  // namespace tavrin
