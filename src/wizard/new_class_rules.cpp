#include "wizard/new_class_rules.h"

#include "common/text.h"

namespace tavrin {

const std::vector<std::string>& StandardAncestors() {
    static const std::vector<std::string> names = {
        "Static", "Button", "Edit", "ComboBox", "ListBox", "ScrollBar", "ToolBarWindow32", "SysTreeView",
        "SysListView", "SysTabControl32", "SysHeader32", "msctls_updon32", "msctls_trackbar32", "SysAnimate",
        "SysIPAddress", "msctls_hotkey32", "SysPageScroller"};
    return names;
}

std::string ClassInstanceFor(const ClassKnowledge& known, const std::string& current) {
    if (known.systemClass) return "0";
    if (known.workbenchClass) return "instance";
    return current;
}

bool SuperclassChecked(std::string_view classInstance) { return EqualsNoCase(classInstance, "0"); }

std::string ProposedClassName(std::string_view ancestor, const std::vector<std::string>& entries) {
    std::string name(ancestor);
    for (const std::string& entry : entries)
        if (EqualsNoCase(ancestor, entry)) return name + "Ex";
    return name;
}

ComponentChoice SettleChoice(std::string className, std::string ancestor, std::string classInstance, bool gui,
                             bool subclass) {
    ComponentChoice choice;
    choice.className = className.empty() ? "myClass" : std::move(className);
    choice.ancestor = std::move(ancestor);
    choice.superclass = SuperclassChecked(classInstance);
    choice.subclass = !choice.superclass && subclass;
    choice.classInstance = std::move(classInstance);
    if (!gui) choice.subclass = choice.superclass = false;
    return choice;
}

std::vector<GeneratedPage> GenerateComponent(const ComponentChoice& choice, bool gui) {
    if (!gui) return {{choice.className, ApiText(choice)}};
    return {{choice.className, DeclarationText(choice)}, {choice.className, ImplementationText(choice)}};
}

}  // namespace tavrin
