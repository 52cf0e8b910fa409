// Measures a window's default GUI font for the conversion of pixels to
// dialog units.
#pragma once

#include <windows.h>

#include "resources/dialog_resource.h"

namespace tavrin {

DialogUnitsFont MeasureDialogUnitsFont(HWND window);

}  // namespace tavrin
