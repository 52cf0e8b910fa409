// Where a window whose bounds were saved in the settings stands on the
// present desktop. Saved bounds may come from another screen layout, from a
// minimized window or from a damaged file; a window must still be reachable.
#pragma once

#include "ui/app_windows.h"

namespace tavrin {

// A window whose caption shows on one of the work areas (its whole height and
// a stretch of its width wide enough to drag it) keeps its place; any other is
// moved onto the work area nearest to its caption, as far as needed to lie
// inside it. Either way the window gets no larger than its work area, no
// narrower than that stretch and no lower than its caption. Without work
// areas the bounds are returned as saved.
WindowBounds PlaceOnDesktop(const WindowBounds& saved, const DesktopGeometry& desktop);

}  // namespace tavrin
