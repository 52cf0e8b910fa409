#include "designer/menu_code.h"

#include <map>
#include <set>
#include <string>

#include "common/text.h"
#include "designer/basic_strings.h"
#include "designer/dialog_code.h"

namespace tavrin {
namespace {

void ForEachNode(const MenuNode& node, const auto& visit) {
    visit(node);
    for (const MenuNode* item : node.items) ForEachNode(*item, visit);
}

// The name each menu object has in code; an item without a name gets the
// first free "MenuItem%d".
std::map<const MenuNode*, std::string> CodeNames(const MenuNode& mainMenu) {
    std::set<std::string> taken;
    ForEachNode(mainMenu, [&](const MenuNode& node) { taken.insert(ToLower(node.name)); });
    std::map<const MenuNode*, std::string> names;
    int next = 1;
    ForEachNode(mainMenu, [&](const MenuNode& node) {
        std::string name = node.name;
        while (name.empty()) {
            std::string candidate = "MenuItem" + std::to_string(next++);
            if (taken.insert(ToLower(candidate)).second) name = candidate;
        }
        names[&node] = name;
    });
    return names;
}

class MenuWriter {
public:
    MenuWriter(LineDocument& doc, std::string_view dialogName, const MenuNode& mainMenu)
        : doc_(doc), dialogName_(dialogName), names_(CodeNames(mainMenu)) {}

    void Write(const MenuNode& mainMenu) {
        ForEachNode(mainMenu, [&](const MenuNode& node) {
            WriteFieldLine(doc_, dialogName_, Object(node), &node == &mainMenu ? "QMainMenu" : "QMenu");
        });
        for (const MenuNode* item : mainMenu.items) WriteItem(*item);
        WriteAdds(mainMenu);
        // The form's own menu bar property, reached past a field that may shadow it.
        CodeObject form{&mainMenu, "base", false};
        WriteConstructorLine(doc_, dialogName_, form, "MainMenu=", "@" + names_[&mainMenu]);
    }

private:
    CodeObject Object(const MenuNode& node) { return {&node, names_[&node], false}; }

    // Children first, then the item's own caption, command and children.
    void WriteItem(const MenuNode& item) {
        for (const MenuNode* child : item.items) WriteItem(*child);
        WriteConstructorLine(doc_, dialogName_, Object(item), "Caption=", QuoteBasicString(item.caption));
        WriteConstructorLine(doc_, dialogName_, Object(item), "CommandID=", std::to_string(item.commandId));
        WriteAdds(item);
    }

    void WriteAdds(const MenuNode& node) {
        for (const MenuNode* child : node.items)
            WriteConstructorLine(doc_, dialogName_, Object(node), "Add", "(@" + names_[child] + ")");
    }

    LineDocument& doc_;
    std::string_view dialogName_;
    std::map<const MenuNode*, std::string> names_;
};

}  // namespace

void RemoveMenuLines(LineDocument& doc, const MenuNode& mainMenu) {
    ForEachNode(mainMenu, [&](const MenuNode& node) { doc.RemoveLinesOf(&node); });
}

void WriteMainMenu(LineDocument& doc, std::string_view dialogName, const MenuNode& mainMenu) {
    RemoveMenuLines(doc, mainMenu);
    MenuWriter(doc, dialogName, mainMenu).Write(mainMenu);
}

}  // namespace tavrin
