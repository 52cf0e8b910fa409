// The text the workbench writes into a code page for a dialog: the type
// skeleton, and for each component its field declaration, parent statement
// and bounds statement, each line tagged with the object it was written for.
// Writes go into the dialog's own blocks (its type and its constructor); when
// those cannot be found the page-wide rules apply: the field after the last
// line whose second word is "as" (else after the first line holding "type"),
// statements before the last line whose second word is "constructor".
#pragma once

#include <string>
#include <string_view>

#include "designer/design_bounds.h"
#include "editor/line_document.h"

namespace tavrin {

struct DialogCodeSettings {
    std::string hostClass = "QForm";
    bool autocreateForms = true;
};

// The skeleton of a dialog named name: 13 lines, or 11 without the
// auto-create line and the blank line after it.
std::string DialogSkeleton(std::string_view name, const DialogCodeSettings& settings);

// The text side of generating a dialog's code: an empty page receives the
// skeleton (true); a page that has text is left alone (false).
bool WriteDialogSkeleton(LineDocument& doc, std::string_view name, const DialogCodeSettings& settings);

// An object whose lines are written: its tag, the name the code uses for it
// ("this" for a dialog's own container) and whether it is a dialog's own container.
struct CodeObject {
    LineTag tag = nullptr;
    std::string name;
    bool ownContainer = false;
};

// "(%d,%d,%d,%d)" of left, top, width, height.
std::string BoundsArguments(const Bounds& bounds);

// Inserts "<name>.<member><value>" directly before the dialog's closing
// "end constructor", tagged with the object; a dialog's own container's
// parent is "application'0". False when there is no constructor to write into.
bool WriteConstructorLine(LineDocument& doc, std::string_view dialogName, const CodeObject& object,
                          std::string_view member, std::string_view value);

// Inserts the field declaration "   <name> as <class>" into the dialog's
// type, after its last field (else directly after the type line), tagged
// with the object. False when no place for it was found.
bool WriteFieldLine(LineDocument& doc, std::string_view dialogName, const CodeObject& object,
                    std::string_view packClass);

// The lines of one component: "   <name> as <class>" in the dialog's type
// (not for a dialog's own container), then "<name>.Parent=@This" and
// "<name>.SetBounds(l,t,w,h)" in its constructor. A dialog's own container is
// given the dialog window's bounds. A component inside another one names that
// one as its parent ("<name>.Parent=@<parent>"); its bounds are then in the
// parent's client area.
void WriteComponent(LineDocument& doc, std::string_view dialogName, const CodeObject& object,
                    std::string_view packClass, const Bounds& bounds, std::string_view parentName = "This");

// After a move or resize: rewrites the object's bounds statement (the line
// tagged with it, else the first untagged "<name>.SetBounds(...)" line, which
// then takes the tag) and any Left, Top, Width or Height property line tagged
// with it. An object with lines but no bounds statement gets one written.
// False when nothing could be written.
bool UpdateBounds(LineDocument& doc, std::string_view dialogName, const CodeObject& object, const Bounds& bounds);

}  // namespace tavrin
