#include "reports/NameDetail.h"

#include "numerology/SplitCharacters.h"
#include "reports/Pages.h"
#include "reports/ReportFiles.h"
#include "reports/ReportTemplate.h"
#include "text/Files.h"
#include "text/Gbk.h"

#include <algorithm>

namespace reports {
namespace {

// The lock file the writers of a set of pages take turns by, in the data folder.
constexpr std::string_view kPagesLockFile = "temp.lock";

} // namespace

std::string joinNameCell(std::string_view surname, std::string_view given)
{
    std::string cell(surname);
    cell += kLineBreak;
    cell += given;
    return cell;
}

std::optional<SplitName> splitNameCell(std::string_view cell)
{
    const size_t at = cell.find(kLineBreak);
    if (cell.empty() || at == std::string_view::npos)
        return std::nullopt;
    return SplitName{std::string(cell.substr(0, at)), std::string(cell.substr(at + kLineBreak.size()))};
}

std::string givenFromListName(std::string_view nameCell, std::string_view surname)
{
    const std::string gbk = text::toGbk(nameCell);
    const size_t cut = text::toGbk(surname).size() < 3 ? 2 : 4;
    return gbk.size() <= cut ? std::string() : text::fromGbk(std::string_view(gbk).substr(cut));
}

NameDetail writeNameDetail(const store::NamingStore& store, const std::filesystem::path& programFolder,
                           std::string_view surname, std::string_view given,
                           const quality::NameChecker* checker)
{
    NameDetail detail;
    detail.report = computeNameReport(store, surname, given);
    detail.report.quality = checkNameForReport(store, checker, surname, given);
    detail.report.support = supportForReport(store, checker, surname, given);
    detail.caption = std::string(surname) + std::string(given) + std::string(kDetailCaption);
    // One page per character: a character the name repeats (李明明) has one page, not two.
    std::vector<std::string> characters;
    for (std::string& character : numerology::SplitCharacters(std::string(surname) + std::string(given)))
        if (std::find(characters.begin(), characters.end(), character) == characters.end())
            characters.push_back(std::move(character));
    if (characters.size() > 4)
        characters.resize(4);

    const std::filesystem::path folder = dataFolder(programFolder);
    std::error_code ec;
    std::filesystem::create_directory(folder, ec);
    const text::FolderLock lock(folder, kPagesLockFile);
    const auto write = [&detail](const std::filesystem::path& file, std::string_view html) {
        const text::WriteResult written = writeGbkOutput(file, html);
        if (!written && detail.written)
            detail.failure = written.reason;
        detail.written = detail.written && written.ok();
    };
    write(reportFile(programFolder), FillReportTemplate(nameReportTemplate(), detail.report));
    for (size_t i = 0; i < characters.size(); ++i)
        write(characterPageFile(programFolder, static_cast<int>(i) + 1),
              characterPageHtml(store, characters[i]));
    write(surnamePageFile(programFolder), surnamePageHtml(store, surname));
    detail.characters = std::move(characters);
    return detail;
}

} // namespace reports
