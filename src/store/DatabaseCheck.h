#pragma once

#include "store/NamingStore.h"
#include "store/TableLayouts.h"

#include <optional>
#include <string>
#include <string_view>

namespace store {

// The application id (PRAGMA application_id) of a sample database: a few rows per table, as the tests
// build them. Such a file is checked for the plausibility of the rows it holds, not for the number of
// rows a full database has.
inline constexpr int kSampleDatabaseId = 0x4E535350; // "NSSP"

// Why the attached file's table cannot be copied into `layout`: a column missing, renamed, out of its
// place or unknown to the program, the table named. None when its columns are the layout's, name for
// name and in order, and when the file has no such table (the copy says so).
std::optional<std::string> checkFileColumns(const NamingStore& store, std::string_view alias,
                                            const TableLayout& layout);

// True when the attached file calls itself a sample database.
bool isSampleDatabase(const NamingStore& store, std::string_view alias);

// Why the copied tables cannot be the naming data, the table named: a table of a full database with
// fewer or more rows than any real one (an emptied dictionary), the 81 numbers not exactly 1 to 81,
// stroke counts out of range, characters whose counts everyone knows (王 4, 明 8, 华 6 and 14) with
// other counts, the simplified and traditional counts swapped. A sample database is held to the rules
// of the rows it has. None when the data is plausible.
std::optional<std::string> checkPlausibility(const NamingStore& store, bool sample);

} // namespace store
