#pragma once

#include "store/ColumnDescriptor.h"
#include "store/TableColumns.h" // generated from data-src/tables.txt: table names and column constants

#include <string_view>
#include <vector>

namespace store {

struct TableLayout
{
    std::string_view name;
    std::vector<ColumnDescriptor> columns;
};

// The nine naming tables, the name check's table (XW_名字品鉴) and the classics (XW_经典) in the order they
// are declared, copied and listed everywhere, each with its columns in table order (generated from
// data-src/tables.txt). The start-up load copies a file's tables by position, so a file whose tables differ
// from these fails to load; a file built before XW_经典 existed loads without it.
const std::vector<TableLayout>& namingTables();

} // namespace store
