#include "reports/Export.h"

#include "naming/NameRow.h"
#include "reports/ReportFiles.h"

namespace reports {
namespace {

constexpr std::string_view kCellSeparator = "    ";

ExportResult write(const std::filesystem::path& file, std::string_view text)
{
    return {file, writeGbkOutput(file, text).error};
}

} // namespace

std::filesystem::path nameListFile(const std::filesystem::path& programFolder)
{
    return dataFolder(programFolder) / "NameList.txt";
}

std::filesystem::path superNameListFile(const std::filesystem::path& programFolder)
{
    return dataFolder(programFolder) / "100NameList.txt";
}

std::filesystem::path classicNameListFile(const std::filesystem::path& programFolder)
{
    return dataFolder(programFolder) / "ClassNameList.txt";
}

std::string nameListText(const std::vector<ListCells>& rows, const std::function<void()>& afterRow)
{
    std::string body;
    for (const ListCells& row : rows) {
        if (row[0].empty())
            break;
        for (size_t i = 0; i < row.size(); ++i) {
            if (i != 0)
                body += kCellSeparator;
            body += row[i];
        }
        body += kLineBreak;
        if (afterRow)
            afterRow();
    }
    std::string header;
    for (size_t i = 0; i < naming::kNameRowHeaders.size(); ++i) {
        if (i != 0)
            header += kCellSeparator;
        header += naming::kNameRowHeaders[i];
    }
    return header + std::string(kLineBreak) + body;
}

ExportResult ExportNameList(const std::vector<ListCells>& rows, const std::filesystem::path& file,
                            const std::function<void()>& afterRow)
{
    return write(file, nameListText(rows, afterRow));
}

ExportResult exportText(std::string_view text, const std::filesystem::path& file)
{
    return write(file, text);
}

ExportResult ExportClassicNames(std::string_view text, const std::filesystem::path& programFolder)
{
    return exportText(text, classicNameListFile(programFolder));
}

} // namespace reports
