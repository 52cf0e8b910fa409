// The rows of the units window: one per page of the code window, in page
// order; "Attached" repeats the caption of a page that belongs to a dialog
// or a project.
#pragma once

#include <string>
#include <vector>

#include "projects/project_host.h"

namespace tavrin {

struct UnitRow {
    std::string unit;      // column "Unit": the page's caption
    std::string attached;  // column "Attached"
    PageRef page = nullptr;
    void* linked = nullptr;  // the page's dialog or project
};

std::vector<UnitRow> UnitRows(ProjectHost& host);

}  // namespace tavrin
