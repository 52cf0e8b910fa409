// The small pictures of the main window's toolbar buttons, drawn when first
// needed at 16, 24 or 32 pixels (the size chosen by the display's scale).
#pragma once

#include <windows.h>
#include <commctrl.h>

namespace tavrin {

enum ToolbarGlyph {
    glyphNew, glyphOpen, glyphSave, glyphSaveAs, glyphSaveAll, glyphSettings, glyphHelp,
    glyphNewDialog, glyphNewCode, glyphUnits, glyphResources, glyphCompileRun, glyphReset,
    glyphDebug, glyphCount
};

// The glyph size for a resolution: 16 pixels at 96 dots per inch, 24 at
// 144, 32 at 192 and above.
int ToolbarGlyphSize(int dpi);
// The image list shared by both toolbars, with pictures drawn at size
// pixels (16 when no size is given).
HIMAGELIST ToolbarImages(int size = 16);
// Tooltip text of a toolbar command.
const char* ToolbarHint(int command);

}  // namespace tavrin
