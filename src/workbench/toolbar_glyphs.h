// The small pictures of the main window's toolbar buttons, drawn at start.
#pragma once

#include <windows.h>
#include <commctrl.h>

namespace tavrin {

enum ToolbarGlyph {
    glyphNew, glyphOpen, glyphSave, glyphSaveAs, glyphSaveAll, glyphSettings, glyphHelp,
    glyphNewDialog, glyphNewCode, glyphUnits, glyphResources, glyphCompileRun, glyphReset,
    glyphDebug, glyphCount
};

// The image list shared by both toolbars (16 x 16 pictures).
HIMAGELIST ToolbarImages();
// Tooltip text of a toolbar command.
const char* ToolbarHint(int command);

}  // namespace tavrin
