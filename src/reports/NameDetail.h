#pragma once

#include "reports/NameReport.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace reports {

// The eight text cells of a name list row: 编号, 姓名, 简体笔划, 繁体笔划, 五行, 五格, 三才, 评分.
using ListCells = std::array<std::string, 8>;

struct SplitName
{
    std::string surname;
    std::string given;
};

inline constexpr std::string_view kLineBreak = "\r\n";

// The name cell of the evaluation and record lists: surname, CR LF, given name.
std::string joinNameCell(std::string_view surname, std::string_view given);

// Splits such a cell at its first CR LF; none when the cell is empty or has no CR LF (such a row was
// not written by this program, so it opens nothing).
std::optional<SplitName> splitNameCell(std::string_view cell);

// The given name inside a naming list's name cell (surname + given name): the cell without its first
// two GBK bytes when the surname (the text of 编辑框_姓氏) is shorter than three GBK bytes, without
// its first four otherwise.
std::string givenFromListName(std::string_view nameCell, std::string_view surname);

// What the detail window shows for one name.
struct NameDetail
{
    NameReport report;
    std::vector<std::string> characters; // captions of pages 1..n, the name's characters (n <= 4)
    std::string caption;                 // surname + given name + "姓名详细解释"
    bool written = true;                 // false when a file could not be written: it holds another name
    std::string failure;                 // then the reason of the first file that failed
};

inline constexpr std::string_view kDetailCaption = "姓名详细解释";
inline constexpr std::string_view kSurnamePageCaption = "姓氏起源";

// Writes everything the detail window loads: the report (data/temp.html), one character page per
// character of surname + given name (data/temp1.html..temp4.html, at most four) and the surname page
// (data/temp5.html). A file that could not be written still holds an earlier name's page, so a caller
// must not show the set when `written` is false. The set is written under a lock on the folder, so two
// writers (two windows, concurrent command lines) take turns and the set on disk is one name's.
NameDetail writeNameDetail(const store::NamingStore& store, const std::filesystem::path& programFolder,
                           std::string_view surname, std::string_view given,
                           const quality::NameChecker* checker = nullptr);

} // namespace reports
