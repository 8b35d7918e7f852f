#pragma once

// Moving rows between the list views of the window and the plain rows the reports library works on.
#include "app/Controls.h"
#include "reports/NameDetail.h"

#include <vector>

namespace app {

// The eight cells of a list row (missing cells empty, extra cells dropped).
reports::ListCells toCells(const ListRow& row);
// A list row of those cells with picture 0.
ListRow toListRow(const reports::ListCells& cells);

// Every row of a list view, in order.
std::vector<reports::ListCells> readRows(const Window& window, ControlName list);
std::vector<ListRow> toListRows(const std::vector<reports::ListCells>& rows);

} // namespace app
