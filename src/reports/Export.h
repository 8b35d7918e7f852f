#pragma once

#include "reports/NameDetail.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace reports {

// Where the export buttons write, in the folder for written files (dataFolder).
std::filesystem::path nameListFile(const std::filesystem::path& programFolder); // 超级列表框_高分起名
std::filesystem::path superNameListFile(const std::filesystem::path& programFolder); // 超级列表框_超吉起名
std::filesystem::path classicNameListFile(const std::filesystem::path& programFolder);

struct ExportResult
{
    std::filesystem::path file; // the file written; the shell opens it with the desktop's program
    std::string error;          // when not empty: the file could not be written, show this (title 提示)
                                // and open nothing

    bool ok() const noexcept { return error.empty(); }
};

// The text of an exported list: the header line, then cells 0 to 7 of each row separated by exactly
// four spaces, every line ended by CR LF. Rows are taken in order up to the first whose cell 0 is
// empty. `afterRow` runs after each row so a window can stay responsive.
std::string nameListText(const std::vector<ListCells>& rows, const std::function<void()>& afterRow = {});

// Writes nameListText as GBK bytes to `file`, replacing it.
ExportResult ExportNameList(const std::vector<ListCells>& rows, const std::filesystem::path& file,
                            const std::function<void()>& afterRow = {});

// Writes a text exactly as it is (GBK, no header) to `file`, replacing it.
ExportResult exportText(std::string_view text, const std::filesystem::path& file);

// Writes the text of 编辑框_经典名字 exactly as it is (GBK, no header) to data/ClassNameList.txt.
ExportResult ExportClassicNames(std::string_view text, const std::filesystem::path& programFolder);

} // namespace reports
