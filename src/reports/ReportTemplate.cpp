#include "reports/ReportTemplate.h"

#include "reports/Placeholders.h"
#include "reports/QualitySection.h"
#include "reports/ReportFiles.h"
#include "reports/ScoreChart.h"

#include <array>

namespace reports {
namespace {

std::string count(const ReportCharacter& c, int value)
{
    return c.present ? std::to_string(value) : std::string();
}

// role: 姓氏1, 姓氏2, 名字1 or 名字2.
void addCharacter(Placeholders& values, const ReportCharacter& c, std::string_view role)
{
    const std::string r(role);
    values["{简体" + r + "}"] = htmlEscape(c.character);
    values["{繁体" + r + "}"] = c.traditionalForm;
    values["{简体" + r + "笔划}"] = count(c, c.simplifiedStrokes);
    values["{繁体" + r + "笔划}"] = count(c, c.traditionalStrokes);
    values["{" + r + "五行}"] = c.element;
    values["{" + r + "拼音}"] = c.pinyin;
}

} // namespace

std::string FillReportTemplate(std::string_view templateText, const NameReport& report)
{
    static constexpr std::array<std::string_view, 4> kRoles = {"姓氏1", "姓氏2", "名字1", "名字2"};
    static constexpr std::array<std::string_view, 5> kGrids = {"天格", "人格", "地格", "总格", "外格"};
    Placeholders values;
    for (size_t i = 0; i < kRoles.size(); ++i)
        addCharacter(values, report.characters[i], kRoles[i]);
    for (size_t i = 0; i < kGrids.size(); ++i) {
        const std::string g(kGrids[i]);
        const GridReading& grid = report.gridReadings[i];
        values["{" + g + "}"] = std::to_string(grid.number);
        values["{" + g + "五行}"] = grid.element;
        values["{" + g + "吉凶}"] = grid.fortune;
        values["{" + g + "总论}"] = grid.summary;
        values["{" + g + "释义}"] = grid.explanation;
        values["{" + g + "数理暗示}"] = grid.hint;
    }
    const ThreeTalentReading& talents = report.threeTalents;
    values["{三才}"] = talents.key;
    values["{三才吉凶}"] = talents.fortune;
    values["{三才总论}"] = talents.summary;
    values["{三才释义}"] = talents.explanation;
    values["{基础运}"] = talents.basis;
    values["{成功运}"] = talents.success;
    values["{人际关系}"] = talents.relations;
    values["{性格}"] = talents.temper;
    values["{总分建议}"] = report.comment;
    values["{评分总分}"] = std::to_string(report.score);
    values["{评分图}"] = scoreChartSvg(report);
    values["{名字品鉴}"] =
        report.quality ? qualitySectionHtml(*report.quality, report.support ? &*report.support : nullptr)
                       : std::string();
    return fillPlaceholders(templateText, values);
}

} // namespace reports
