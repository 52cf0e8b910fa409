// Options every new code editor starts with; the settings object loads and
// saves them, code pages apply them.
#pragma once

#include <string>

namespace tavrin {

struct EditorOptions {
    std::string fontName = "lucida console";
    int fontSize = 10;
};

// The one set of editor options of the process.
EditorOptions& SharedEditorOptions();

}  // namespace tavrin
