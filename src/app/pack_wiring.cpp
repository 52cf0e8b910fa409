#include "app/pack_wiring.h"

#include <memory>

#include "designer/container.h"
#include "packhost/pack_registry.h"
#include "packhost/win32_pack_loader.h"
#include "settings/launcher.h"
#include "workbench/code_window.h"
#include "workbench/main_window.h"
#include "workbench/workbench.h"

namespace tavrin {

namespace {

Win32PackLoader loader;
// The registry lives as long as the process, like the pack libraries it
// loaded: it is deliberately never destroyed, because at exit the main
// window (and with it the palette the registry refers to) may already be
// gone, and a pack's buttons must not be touched then.
PackRegistry* registry = nullptr;

}  // namespace

PackRegistry& WorkbenchPacks() {
    if (!registry) {
        Workbench& app = App();
        registry = new PackRegistry(*app.Launcher, app.Main->Palette(), loader, app.ApplicationDirectory);
        app.Packs = registry;
    }
    return *registry;
}

void WirePacks() {
    PackRegistry& packs = WorkbenchPacks();
    packs.ShowStatus = [](const std::string& text) {
        if (App().Code) App().Code->SetStatusText(1, text);
    };
    SetContainerClassOwner([](const std::string& className) {
        TPack* pack = registry ? registry->PackOfClass(className) : nullptr;
        return pack ? pack->Name : std::string();
    });
    MainHooks& hooks = App().Main->Hooks;
    hooks.loadPacks = [] { WorkbenchPacks().LoadPacks(); };
    hooks.componentPalette = [] {
        if (FormWindow* customize = App().FindWindowByName("CustomizePalette")) customize->ShowModal();
    };
}

}  // namespace tavrin
