#pragma once

#include <string_view>

namespace quality {

// The table of surname readings (data-src/quality/surname-readings.tsv, compiled in): lines of
// surname, reading with tone marks (syllables separated by a blank) and a note, tab-separated; lines
// starting with '#' are comments.
std::string_view surnameReadingTable();

} // namespace quality
