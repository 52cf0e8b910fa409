#include "shell/shared_options.h"

namespace tavrin {

EditorOptions& SharedEditorOptions() {
    static EditorOptions options;
    return options;
}

std::string& ApplicationHelpFile() {
    static std::string helpFile;
    return helpFile;
}

}  // namespace tavrin
