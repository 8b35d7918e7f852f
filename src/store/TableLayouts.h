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

// The nine naming tables and the name check's table (XW_名字品鉴) in the order they are declared, copied and
// listed everywhere, each with its columns in table order (generated from data-src/tables.txt). The start-up
// load copies a file's tables by position, so a file whose tables differ from these fails to load.
const std::vector<TableLayout>& namingTables();

} // namespace store
