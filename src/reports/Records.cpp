#include "reports/Records.h"

#include "text/Utf8.h"

#include <algorithm>

namespace reports {
namespace {

bool selectable(const std::vector<ListCells>& records, int selected)
{
    return selected >= 0 && static_cast<size_t>(selected) < records.size() &&
           !records[static_cast<size_t>(selected)][1].empty();
}

// "a|b|" gives a and b; "a||b" gives a, "" and b; "" gives nothing.
std::vector<std::string> pieces(std::string_view value, char separator)
{
    std::vector<std::string> out;
    size_t start = 0;
    while (start < value.size()) {
        const size_t end = value.find(separator, start);
        if (end == std::string_view::npos) {
            out.emplace_back(value.substr(start));
            break;
        }
        out.emplace_back(value.substr(start, end - start));
        start = end + 1;
    }
    return out;
}

} // namespace

bool AddNamingRecord(std::vector<ListCells>& records, std::string_view surname, std::string_view given,
                     const ListCells& sourceRow)
{
    const std::string name = std::string(surname) + std::string(given);
    const bool known = std::any_of(records.begin(), records.end(), [&](const ListCells& row) {
        return text::replaceAll(row[1], kLineBreak, "") == name;
    });
    if (known)
        return false;
    ListCells row = sourceRow;
    row[0] = std::to_string(records.size() + 1);
    row[1] = JoinNameCell(surname, given);
    records.push_back(std::move(row));
    return true;
}

std::optional<SplitName> OpenNamingRecord(const std::vector<ListCells>& records, int selected)
{
    if (!selectable(records, selected))
        return std::nullopt;
    return SplitNameCell(records[static_cast<size_t>(selected)][1]);
}

bool DeleteNamingRecord(std::vector<ListCells>& records, int selected)
{
    if (!selectable(records, selected))
        return false;
    records.erase(records.begin() + selected);
    for (size_t k = 0; k < records.size(); ++k)
        records[k][0] = std::to_string(k + 1);
    return true;
}

std::string SaveNamingRecords(const std::vector<ListCells>& records)
{
    std::string value;
    for (const ListCells& row : records) {
        value += text::replaceAll(row[1], kLineBreak, " ");
        for (size_t cell = 2; cell < row.size(); ++cell)
            value += ';' + row[cell];
        value += '|';
    }
    return value;
}

std::vector<ListCells> RestoreNamingRecords(std::string_view value)
{
    std::vector<ListCells> records;
    for (const std::string& piece : pieces(text::replaceAll(value, " ", kLineBreak), '|')) {
        ListCells row;
        row[0] = std::to_string(records.size() + 1);
        const std::vector<std::string> parts = pieces(piece, ';');
        for (size_t i = 0; i < parts.size() && i + 1 < row.size(); ++i)
            row[i + 1] = parts[i];
        records.push_back(std::move(row));
    }
    return records;
}

} // namespace reports
