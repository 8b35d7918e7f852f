#include "app/NamingRecords.h"

#include "text/Utf8.h"

#include <algorithm>

namespace app {
namespace {

bool selectable(const std::vector<reports::ListCells>& records, int selected)
{
    return selected >= 0 && static_cast<size_t>(selected) < records.size() &&
           !records[static_cast<size_t>(selected)][1].empty();
}

} // namespace

bool AddNamingRecord(std::vector<reports::ListCells>& records, std::string_view surname,
                     std::string_view given, const reports::ListCells& sourceRow)
{
    const std::string name = std::string(surname) + std::string(given);
    const bool known = std::any_of(records.begin(), records.end(), [&](const reports::ListCells& row) {
        return text::replaceAll(row[1], reports::kLineBreak, "") == name;
    });
    if (known)
        return false;
    reports::ListCells row = sourceRow;
    row[0] = std::to_string(records.size() + 1);
    row[1] = reports::joinNameCell(surname, given);
    records.push_back(std::move(row));
    return true;
}

std::optional<reports::SplitName> OpenNamingRecord(const std::vector<reports::ListCells>& records,
                                                   int selected)
{
    if (!selectable(records, selected))
        return std::nullopt;
    return reports::splitNameCell(records[static_cast<size_t>(selected)][1]);
}

bool DeleteNamingRecord(std::vector<reports::ListCells>& records, int selected)
{
    if (!selectable(records, selected))
        return false;
    records.erase(records.begin() + selected);
    for (size_t k = 0; k < records.size(); ++k)
        records[k][0] = std::to_string(k + 1);
    return true;
}

std::string SaveNamingRecords(const std::vector<reports::ListCells>& records)
{
    std::string value;
    for (const reports::ListCells& row : records) {
        // The name's line break is the one bare blank of the value; what the format gives a meaning
        // (a blank, ";", "|" and the escape itself) is escaped inside the texts.
        const std::vector<std::string> name = text::splitText(row[1], reports::kLineBreak);
        for (size_t i = 0; i < name.size(); ++i)
            value += (i ? " " : "") + escapeRecordText(name[i]);
        for (size_t cell = 2; cell < row.size(); ++cell)
            value += ';' + escapeRecordText(row[cell]);
        value += '|';
    }
    return value;
}

std::string escapeRecordText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '\\' || c == ' ' || c == ';' || c == '|')
            out += '\\';
        out += c;
    }
    return out;
}

std::vector<reports::ListCells> RestoreNamingRecords(std::string_view value)
{
    // "a|b|" gives rows a and b; "a||b" gives a, an empty row and b; "" gives none. A backslash before
    // a blank, ";", "|" or a backslash makes it plain text; any other backslash is itself.
    std::vector<reports::ListCells> records;
    reports::ListCells row;
    size_t cell = 1;
    bool pending = false; // a row has begun
    const auto finishRow = [&] {
        row[0] = std::to_string(records.size() + 1);
        records.push_back(std::move(row));
        row = reports::ListCells{};
        cell = 1;
        pending = false;
    };
    const auto append = [&](std::string_view piece) {
        if (cell < row.size())
            row[cell] += piece;
        pending = true;
    };
    for (size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c == '\\' && i + 1 < value.size() &&
            std::string_view("\\ ;|").find(value[i + 1]) != std::string_view::npos) {
            append(value.substr(++i, 1));
        } else if (c == ' ') {
            append(reports::kLineBreak);
        } else if (c == ';') {
            ++cell;
            pending = true;
        } else if (c == '|') {
            finishRow();
        } else {
            append(value.substr(i, 1));
        }
    }
    if (pending)
        finishRow();
    return records;
}

} // namespace app
