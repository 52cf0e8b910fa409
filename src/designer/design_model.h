// The design of dialogs in memory: each dialog with its name, window bounds,
// own container "this", components (name, pack class, bounds, design property
// values) and main menu. DesignModel owns the dialogs and builds them for the
// code reader; the addresses of its objects are the tags of their lines.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "designer/design_bounds.h"
#include "designer/design_builder.h"
#include "designer/menu_node.h"

namespace tavrin {

// Where a new dialog window stands before New Dialog moves it.
inline constexpr Bounds kDefaultDialogBounds{368, 188, 814, 328};
// How far each further dialog of New Dialog stands right of and below the previous one.
inline constexpr int kDialogCascadeStep = 32;
// The bounds of the dialog that New Dialog makes when dialogCounter dialogs came before it.
Bounds NewDialogBounds(int dialogCounter);
// The name New Dialog gives: "Dialog%d" with the counter after adding 1.
std::string NewDialogName(int dialogCounter);

// Design property values by their canonical names (bounds, name and pack class apart).
using DesignValues = std::map<std::string, std::string>;

struct ComponentDesign {
    std::string name;
    std::string packClass;
    Bounds bounds;  // in the parent's client area
    DesignValues values;
    ComponentDesign* parent = nullptr;  // the component it lies in, or null for the dialog
};

struct DialogDesign {
    std::string name;
    Bounds bounds = kDefaultDialogBounds;
    bool visible = false;
    DesignValues windowValues;  // the dialog window's own design properties
    ComponentDesign ownContainer;  // "this", hosting the form class
    std::vector<std::unique_ptr<ComponentDesign>> components;
    std::vector<std::unique_ptr<MenuNode>> menuNodes;  // every menu object of the dialog
    MenuNode* mainMenu = nullptr;
};

// Empty when the two designs are equal; otherwise the first difference found.
std::string DesignDifference(const DialogDesign& expected, const DialogDesign& actual);

class DesignModel : public DesignBuilder {
public:
    explicit DesignModel(std::string hostClass = "QForm");

    const std::vector<std::unique_ptr<DialogDesign>>& Dialogs() const { return dialogs_; }

    DialogDesign& NewDialog(std::string_view name);
    ComponentDesign& NewComponent(DialogDesign& dialog, std::string_view name, std::string_view packClass,
                                  const Bounds& bounds = {});
    MenuNode& NewMainMenu(DialogDesign& dialog, std::string_view name);
    // A menu item added as the last child of parent (or left outside every menu when null).
    MenuNode& NewMenuItem(DialogDesign& dialog, std::string_view name, std::string_view caption,
                          int commandId, MenuNode* parent);
    // Removes a component and the components inside it (the dialog's own container stays).
    void DeleteComponent(DialogDesign& dialog, const ComponentDesign& component);

    // DesignBuilder
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

private:
    enum class Kind { Dialog, OwnContainer, Component, Menu };
    struct Target {
        Kind kind;
        DialogDesign* dialog;
        ComponentDesign* component;
        MenuNode* menu;
    };
    const Target* Find(DesignHandle handle) const;
    bool NameTaken(const DialogDesign& dialog, std::string_view name) const;
    // Gives a component or menu object of the dialog a new name, if it is a free identifier.
    std::optional<PropertyError> Rename(const DialogDesign& dialog, std::string& name, const std::string& newName);
    std::optional<PropertyError> SetComponentValue(DialogDesign& dialog, ComponentDesign& component,
                                                   bool own, std::string_view name, std::string_view text);
    std::optional<PropertyError> SetWindowValue(DialogDesign& dialog, std::string_view name,
                                                std::string_view text);
    std::optional<PropertyError> SetMenuValue(DialogDesign& dialog, MenuNode& node, std::string_view name,
                                              std::string_view text);

    std::string hostClass_;
    std::vector<std::unique_ptr<DialogDesign>> dialogs_;
    std::unordered_map<DesignHandle, Target> targets_;
    // The lower-case names of each dialog's components and menu objects.
    std::unordered_map<const DialogDesign*, std::unordered_set<std::string>> names_;
};

}  // namespace tavrin
