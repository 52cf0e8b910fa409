// The code reader's builder for the workbench: every dialog read from a page
// becomes a live TDialog with its own container, live component containers
// and its menu bar with the menu editor's objects; design properties are set
// on the windows themselves.
#pragma once

#include <functional>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "designer/design_builder.h"

// The system's headers may name a function CreateDialog too.
#ifdef CreateDialog
#undef CreateDialog
#endif

namespace tavrin {

class TDialog;
class TContainer;
struct DesignMenu;

class LiveDesignBuilder : public DesignBuilder {
public:
    // newDialog makes a created, hidden dialog (its owner keeps it).
    explicit LiveDesignBuilder(std::function<TDialog&()> newDialog) : newDialog_(std::move(newDialog)) {}

    CreatedDialog CreateDialog(std::string_view name) override;
    DesignHandle CreateContainer(DesignHandle dialog, std::string_view name, std::string_view packClass) override;
    std::optional<PropertyError> SetDesignProperty(DesignHandle object, std::string_view name,
                                                   std::string_view text) override;
    void SetBounds(DesignHandle object, const BoundsChange& change) override;
    void SetParent(DesignHandle child, DesignHandle parent) override;
    DesignHandle CreateMainMenu(DesignHandle dialog, std::string_view name) override;
    DesignHandle CreateMenuItem(DesignHandle dialog, std::string_view name) override;
    void AddMenuItem(DesignHandle parent, DesignHandle item) override;
    void ShowDialog(DesignHandle dialog) override;
    // Makes the windows of every component read, now that their places and texts are known.
    void Finish() override;

    // The dialogs built so far, in order.
    const std::vector<TDialog*>& Built() const { return dialogs_; }
    // The dialog that object is, or whose own container it is; null otherwise.
    TDialog* DialogOf(DesignHandle object) const;

private:
    TContainer* ComponentOf(DesignHandle object) const;
    struct MenuOf {
        TDialog* dialog = nullptr;
        DesignMenu* menu = nullptr;
    };
    MenuOf FindMenu(DesignHandle object) const;
    std::optional<PropertyError> SetMenuProperty(const MenuOf& target, std::string_view name,
                                                 std::string_view text);

    std::function<TDialog&()> newDialog_;
    std::vector<TDialog*> dialogs_;
    std::unordered_map<DesignHandle, TContainer*> components_;  // every component made, by handle
};

}  // namespace tavrin
