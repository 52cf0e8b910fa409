// Rebuilds dialog designs from the text of a page in one pass over its lines
// (ParseDialogs). A line "type <T> extends ..." of four words naming the form
// class starts a dialog, named after its type without the leading "Q". After
// it, field lines "<name> as <class>" create components (menu objects for
// QMainMenu and QMenu), assignments "<object>.<property>=<value>" set design
// properties, "<object>.Parent=@<container>" nests components, calls
// "<object>.SetBounds(l,t,w,h)" set bounds and "<menu>.Add(@<item>)" builds menus; "this." stands for the dialog. Each
// line read for an object is tagged with it. Comments are skipped.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "designer/design_builder.h"
#include "editor/line_document.h"

namespace tavrin {

struct DialogReadError {
    int line = -1;  // index of the line that stopped the reading
    std::string message;
};

struct DialogsRead {
    DesignHandle lastDialog = nullptr;  // the last dialog built, or null
    int dialogCount = 0;
    std::optional<DialogReadError> error;
};

// Builds every dialog of the page through builder; the last one is shown when
// the page has an auto-create line. (A page that already belongs to a dialog
// or a project is not read: the caller does not call it for such a page.) A design property value that cannot be
// converted stops the reading at its line: what was built stays, hidden.
DialogsRead ParseDialogs(LineDocument& doc, DesignBuilder& builder, std::string_view hostClass);

// The dialog name a type name stands for: without its leading "Q".
std::string DialogNameOfType(std::string_view typeName);

}  // namespace tavrin
