// A copy of a dialog's code page for undoing: the exact text and the tag of
// every line. Tags that name design objects which undoing recreates are kept
// as their index in a list of objects, so that a restored text is tagged
// with the new objects in their places; other tags are kept as they are.
#pragma once

#include <string>
#include <vector>

#include "editor/line_document.h"

namespace tavrin {

struct CodeSnapshot {
    struct Tag {
        int slot = -1;          // index into the objects list, or -1
        LineTag raw = nullptr;  // the tag itself when slot is -1
        bool operator==(const Tag&) const = default;
    };
    std::string text;
    std::vector<Tag> tags;  // one per line
    bool operator==(const CodeSnapshot&) const = default;
};

// objects: the design objects whose lines are tagged by position.
CodeSnapshot TakeCodeSnapshot(const LineDocument& doc, const std::vector<LineTag>& objects);

// Puts the text back and tags each line again, slots with the object now at
// that index of objects (none when the list is shorter). The text is only
// replaced when it differs.
void RestoreCodeSnapshot(LineDocument& doc, const CodeSnapshot& snapshot, const std::vector<LineTag>& objects);

}  // namespace tavrin
