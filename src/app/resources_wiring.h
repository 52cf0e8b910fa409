// The resource editor's part of start-up: what its window asks of the
// workbench: the designed dialogs (read back from their pages, with their
// live windows' identifiers and styles), the forms list to choose them from,
// and the code page "Resources" it shows its script in.
#pragma once

#include "resources/resources_window.h"

namespace tavrin {

ResourcesHost MakeResourcesHost();

}  // namespace tavrin
