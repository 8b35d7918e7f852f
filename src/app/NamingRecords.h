#pragma once

#include "reports/NameDetail.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace app {

// The naming records (超级列表框_记录列表): the names the user opened from a generated list. Cell 0 is
// the 1-based position, cell 1 surname CR LF given name, cells 2 to 7 those of the opened row.

// Appends the name unless a record already holds it (its name cell without the line break equals
// surname + given name). True when a row was appended.
bool AddNamingRecord(std::vector<reports::ListCells>& records, std::string_view surname,
                     std::string_view given, const reports::ListCells& sourceRow);

// The name of the selected record to open; none when nothing is selected or its name cell is empty.
std::optional<reports::SplitName> OpenNamingRecord(const std::vector<reports::ListCells>& records,
                                                   int selected);

// Removes the selected record without asking and renumbers the rest from 1. False when nothing was
// selected or its name cell is empty.
bool DeleteNamingRecord(std::vector<reports::ListCells>& records, int selected);

// The settings value 名字记录: per row, cell 1 with each CR LF as one space, ";" before each of cells 2
// to 7, then "|". For example 王 子涵;a;b;c;d;e;f| A blank, ";", "|" or backslash inside a text is
// kept by a backslash in front of it (escapeRecordText), so every record comes back as it was saved.
std::string SaveNamingRecords(const std::vector<reports::ListCells>& records);
std::string escapeRecordText(std::string_view text);

// Reads such a value back, however long it is: every bare space becomes CR LF; pieces between "|" are rows
// (an empty piece between two "|" is a row, an empty rest after the last "|" is not); each row's
// parts between ";" are cells 1 to 7 (extra parts dropped, missing ones empty); cell 0 is numbered.
std::vector<reports::ListCells> RestoreNamingRecords(std::string_view value);

} // namespace app
