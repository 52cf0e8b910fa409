#include "editor/editor_options.h"

namespace tavrin {

EditorOptions& SharedEditorOptions() {
    static EditorOptions options;
    return options;
}

}  // namespace tavrin
