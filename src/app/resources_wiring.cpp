#include "app/resources_wiring.h"  // first: it keeps the system's CreateDialog macro away

#include "app/dialog_documents.h"
#include "designer/dialog_window.h"
#include "designer/forms_list.h"
#include "resources/dialog_units_font.h"
#include "settings/launcher.h"
#include "workbench/code_page.h"
#include "workbench/code_window.h"
#include "workbench/file_commands.h"
#include "workbench/workbench.h"

namespace tavrin {
namespace {

TCodePage* sourcePage = nullptr;  // the page "Resources" while it is in the code window

// What the live windows of a designed dialog tell of themselves.
class LiveDialogFacts : public DialogWindowFacts {
public:
    explicit LiveDialogFacts(TDialog& dialog) : dialog_(dialog) {}
    WindowFacts Dialog() const override {
        HWND window = dialog_.Handle();
        return {0, static_cast<uint32_t>(GetWindowLongA(window, GWL_STYLE)),
                static_cast<uint32_t>(GetWindowLongA(window, GWL_EXSTYLE)), ""};
    }
    WindowFacts Component(const ComponentDesign& component) const override {
        TContainer* container = Find(component.name);
        if (!container) return {};
        HWND window = container->Handle();
        WindowFacts facts{container->id(), static_cast<uint32_t>(GetWindowLongA(window, GWL_STYLE)),
                          static_cast<uint32_t>(GetWindowLongA(window, GWL_EXSTYLE)), ""};
        HWND parent = GetParent(window);
        for (const auto& other : dialog_.ELDesigner.Components())
            if (other->HandleAllocated() && other->Handle() == parent) facts.parent = other->Name();
        return facts;
    }

private:
    TContainer* Find(const std::string& name) const {
        for (const auto& container : dialog_.ELDesigner.Components())
            if (container->Name() == name) return container.get();
        return nullptr;
    }
    TDialog& dialog_;
};

DialogText Describe(const void* chosen) {
    auto& dialog = *const_cast<TDialog*>(static_cast<const TDialog*>(chosen));
    DialogText described{dialog.Name(), {}};
    if (!dialog.Code) return described;
    std::string hostClass = App().Launcher ? App().Launcher->HostClass : std::string("QForm");
    std::optional<DialogResource> resource = ReadDialogResource(*dialog.Code, dialog.Name(), hostClass,
                                                                LiveDialogFacts(dialog));
    if (resource) described.text = DialogResourceText(*resource, MeasureDialogUnitsFont(dialog.Handle()));
    return described;
}

std::optional<std::vector<const void*>> ChooseDialogs() {
    TFormsList* list = FormsList();
    if (!list) return std::nullopt;
    std::optional<std::vector<TDialog*>> chosen = list->ChooseModally();
    if (!chosen) return std::nullopt;
    return std::vector<const void*>(chosen->begin(), chosen->end());
}

void ShowSourcePage(const std::string& text) {
    TCodePage* page = NewPage(false, "");
    page->Editor().Lines().SetText(text);
    page->SetCaption("Resources");
    App().Code->UpdatePageCaption(page);
    auto previous = page->OnDestroy;
    page->OnDestroy = [previous](TCodePage& closed) {
        if (previous) previous(closed);
        if (sourcePage == &closed) sourcePage = nullptr;
    };
    sourcePage = page;
}

std::string TakeSourcePage() {
    if (!sourcePage) return {};
    std::string text = sourcePage->Editor().Lines().Text();
    TCodePage* page = sourcePage;
    sourcePage = nullptr;
    App().Code->FreePage(page);
    return text;
}

}  // namespace

ResourcesHost MakeResourcesHost() {
    ResourcesHost host;
    host.guiResources = [] { return App().Launcher && App().Launcher->GUIResources; };
    host.hasDialogs = [] { return FormsList() && FormsList()->Count() > 0; };
    host.chooseDialogs = ChooseDialogs;
    host.describeDialog = Describe;
    host.showSourcePage = ShowSourcePage;
    host.takeSourcePage = TakeSourcePage;
    host.sourcePageShown = [] { return sourcePage != nullptr; };
    return host;
}

}  // namespace tavrin
