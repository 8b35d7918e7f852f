#include "app/NameListRows.h"

#include <algorithm>

namespace app {

reports::ListCells toCells(const ListRow& row)
{
    reports::ListCells cells;
    const size_t count = std::min(cells.size(), row.cells.size());
    std::copy_n(row.cells.begin(), count, cells.begin());
    return cells;
}

ListRow toListRow(const reports::ListCells& cells)
{
    return {std::vector<std::string>(cells.begin(), cells.end()), 0};
}

std::vector<reports::ListCells> readRows(const Window& window, ControlName list)
{
    const int count = window.rowCount(list);
    std::vector<reports::ListCells> rows;
    rows.reserve(static_cast<size_t>(std::max(count, 0)));
    for (int r = 0; r < count; ++r)
        rows.push_back(toCells(window.row(list, r)));
    return rows;
}

std::vector<ListRow> toListRows(const std::vector<reports::ListCells>& rows)
{
    std::vector<ListRow> out;
    out.reserve(rows.size());
    for (const reports::ListCells& cells : rows)
        out.push_back(toListRow(cells));
    return out;
}

} // namespace app
