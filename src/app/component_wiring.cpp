#include "app/component_wiring.h"

#include <memory>

#include "app/pack_wiring.h"
#include "packhost/pack_registry.h"
#include "workbench/code_page.h"
#include "workbench/code_window.h"
#include "workbench/file_commands.h"
#include "workbench/main_window.h"
#include "workbench/workbench.h"

namespace tavrin {
namespace {

// The active code page as the install dialog's OK sees it.
class ActiveCodePage : public InstallPage {
public:
    explicit ActiveCodePage(TCodePage& page) : page_(page) {}
    std::string FileName() const override { return page_.FileName(); }
    std::string Text() const override { return page_.Editor().Lines().Text(); }
    void SetCaption(const std::string& caption) override {
        page_.SetCaption(caption);
        App().Code->UpdatePageCaption(&page_);
    }

private:
    TCodePage& page_;
};

// A window class known to the system or registered by the workbench's own module.
bool WindowClassKnown(const std::string& name) {
    WNDCLASSEXA info{};
    info.cbSize = sizeof info;
    return GetClassInfoExA(nullptr, name.c_str(), &info) ||
           GetClassInfoExA(GetModuleHandleA(nullptr), name.c_str(), &info);
}

void GeneratePages(const TNewClass& wizard) {
    for (const GeneratedPage& generated : GenerateComponent(wizard.Choice(), wizard.GUI())) {
        TCodePage* page = NewPage(false, "");
        page->Editor().Lines().SetText(generated.text);
        page->SetCaption(generated.caption);
        App().Code->UpdatePageCaption(page);
        page->ScanText();
    }
}

std::unique_ptr<ActiveCodePage> activePage;

}  // namespace

NewClassHost MakeNewClassHost() {
    NewClassHost host;
    host.paletteClasses = [] { return WorkbenchPacks().Palette().ClassList().Texts(); };
    host.setSelectedClassName = [](const std::string& name) { WorkbenchPacks().SelectedClassName = name; };
    return host;
}

InstallClassHost MakeInstallClassHost() {
    InstallClassHost host;
    host.selectedClassName = [] { return WorkbenchPacks().SelectedClassName; };
    host.applicationDirectory = [] { return App().ApplicationDirectory; };
    host.activePage = []() -> InstallPage* {
        auto* page = dynamic_cast<TCodePage*>(App().ActiveCodePage);
        activePage = page ? std::make_unique<ActiveCodePage>(*page) : nullptr;
        return activePage.get();
    };
    host.loadLibrary = [](const std::string& path) { LoadPackLibrary(WorkbenchPacks(), path); };
    return host;
}

TNewClass& NewClassWindow() {
    static std::unique_ptr<TNewClass> wizard;
    if (!wizard) {
        wizard = std::make_unique<TNewClass>(MakeNewClassHost());
        wizard->Create();
    }
    return *wizard;
}

void WireComponents(TInstallClass& install) {
    MainHooks& hooks = App().Main->Hooks;
    hooks.newComponent = [] {
        TNewClass& wizard = NewClassWindow();
        if (wizard.ShowModal() == IDOK) GeneratePages(wizard);
    };
    hooks.installComponent = [&install] {
        if (install.ShowModal() != IDOK) return;
        PackRegistry& packs = WorkbenchPacks();
        InstallClass(packs.SelectedClassName, install.PaletteName(), WindowClassKnown,
                     [&packs](const std::string& page, const std::string& name) {
                         packs.InstallClassButton(page, name);
                     });
    };
}

}  // namespace tavrin
