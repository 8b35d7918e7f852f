#include "reports/NameDetail.h"

#include "numerology/SplitCharacters.h"
#include "reports/Pages.h"
#include "reports/ReportFiles.h"
#include "reports/ReportTemplate.h"
#include "text/Gbk.h"

#include <algorithm>

namespace reports {

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
    detail.written =
        writeGbkFile(reportFile(programFolder), FillReportTemplate(nameReportTemplate(), detail.report));
    detail.caption = std::string(surname) + std::string(given) + std::string(kDetailCaption);
    // One page per character: a character the name repeats (李明明) has one page, not two.
    std::vector<std::string> characters;
    for (std::string& character : numerology::SplitCharacters(std::string(surname) + std::string(given)))
        if (std::find(characters.begin(), characters.end(), character) == characters.end())
            characters.push_back(std::move(character));
    if (characters.size() > 4)
        characters.resize(4);
    for (size_t i = 0; i < characters.size(); ++i)
        detail.written = WriteCharacterPage(store, programFolder, characters[i], static_cast<int>(i) + 1) &&
                         detail.written;
    detail.written = WriteSurnamePage(store, programFolder, surname) && detail.written;
    detail.characters = std::move(characters);
    return detail;
}

} // namespace reports
