// Measures a window's default GUI font for the conversion of pixels to
// dialog units.
#pragma once

// The design headers first: the system's headers name a macro CreateDialog.
#include "resources/dialog_resource.h"

#include <windows.h>

namespace tavrin {

DialogUnitsFont MeasureDialogUnitsFont(HWND window);

}  // namespace tavrin
