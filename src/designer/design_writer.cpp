#include "designer/design_writer.h"

#include "common/text.h"
#include "designer/design_property_tables.h"
#include "designer/menu_code.h"
#include "designer/property_lines.h"

namespace tavrin {
namespace {

void WriteValues(LineDocument& doc, const CodeObject& object, const DesignValues& values) {
    for (const auto& [name, value] : values) {
        const DesignProperty* property = ContainerPropertyKinds().Find(name);
        bool textKind = property && property->kind == DesignKind::Text;
        WritePropertyLine(doc, object, name, value, textKind);
    }
}

}  // namespace

CodeObject CodeObjectOf(const ComponentDesign& component, bool ownContainer) {
    return {&component, component.name, ownContainer};
}

CodeObject OwnContainerObject(const DialogDesign& dialog) { return CodeObjectOf(dialog.ownContainer, true); }

void WriteDialogDesign(LineDocument& doc, const DialogDesign& dialog, const DialogCodeSettings& settings) {
    for (const std::string& line : SplitLines(DialogSkeleton(dialog.name, settings)))
        doc.InsertLine(doc.LineCount(), line);
    WriteDialogContent(doc, dialog);
}

void WriteDialogContent(LineDocument& doc, const DialogDesign& dialog) {
    WriteComponent(doc, dialog.name, OwnContainerObject(dialog), dialog.ownContainer.packClass, dialog.bounds);
    for (const auto& component : dialog.components)
        WriteComponent(doc, dialog.name, CodeObjectOf(*component), component->packClass, component->bounds,
                       component->parent ? component->parent->name : "This");
    WriteValues(doc, OwnContainerObject(dialog), dialog.ownContainer.values);
    for (const auto& component : dialog.components)
        WriteValues(doc, CodeObjectOf(*component), component->values);
    if (dialog.mainMenu) WriteMainMenu(doc, dialog.name, *dialog.mainMenu);
}

}  // namespace tavrin
