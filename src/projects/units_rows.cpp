#include "projects/units_rows.h"

namespace tavrin {

std::vector<UnitRow> UnitRows(ProjectHost& host) {
    std::vector<UnitRow> rows;
    for (PageRef page : host.Pages()) {
        UnitRow row;
        row.unit = host.PageCaption(page);
        row.page = page;
        row.linked = host.PageLink(page);
        if (row.linked) row.attached = row.unit;
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace tavrin
