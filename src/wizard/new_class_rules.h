// The rules of the "New Class" dialog without its windows: the ancestors it
// offers, what choosing an ancestor does to the class instance, the proposed
// class name and the radio buttons, and what OK settles.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "wizard/component_templates.h"

namespace tavrin {

// The fixed entries of the ancestor list.
const std::vector<std::string>& StandardAncestors();

// What the system knows of a window class name.
struct ClassKnowledge {
    bool systemClass = false;     // known without a module
    bool workbenchClass = false;  // registered by the workbench's own module
};

// The class instance after choosing an ancestor: "0" for a system class,
// "instance" for one of the workbench's classes, else unchanged.
std::string ClassInstanceFor(const ClassKnowledge& known, const std::string& current);
// "Superclass" is checked exactly when the class instance is "0".
bool SuperclassChecked(std::string_view classInstance);
// The class name proposed for an ancestor: its name, with "Ex" when it is
// one of the ancestor list's entries ("Button" gives "ButtonEx").
std::string ProposedClassName(std::string_view ancestor, const std::vector<std::string>& entries);

// The choice OK settles: an empty class name becomes "myClass"; "Superclass"
// is checked exactly when the class instance is "0", unchecking "Subclass"
// (one radio group) when it is; without "GUI" neither applies.
ComponentChoice SettleChoice(std::string className, std::string ancestor, std::string classInstance, bool gui,
                             bool subclass);

// The pages GenerateComponent opens: with GUI the declaration and the
// implementation, else the API text, each captioned with the class name.
struct GeneratedPage {
    std::string caption;
    std::string text;
};
std::vector<GeneratedPage> GenerateComponent(const ComponentChoice& choice, bool gui);

}  // namespace tavrin
