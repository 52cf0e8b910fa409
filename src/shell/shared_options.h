// Workbench-wide options that exist before the settings object and that the
// settings object loads and saves.
#pragma once

#include <string>

namespace tavrin {

// Applied by code pages to every new editor.
struct EditorOptions {
    std::string fontName = "lucida console";
    int fontSize = 10;
};

EditorOptions& SharedEditorOptions();

// The help file the help command opens.
std::string& ApplicationHelpFile();

}  // namespace tavrin
