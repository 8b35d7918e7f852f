#pragma once

#include "calendar/FourPillars.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace calendar {

// What the birth-chart page shows for one date and hour.
struct BirthChartText
{
    // The whole text of 编辑框_八字信息, with CR LF line breaks: the civil and lunar dates, the four pillars,
    // their elements with the missing ones, the nayin, then the advice for the year pillar's animal.
    std::string text;
    // The caption of 八字五行标签: the eight elements of the pillars, each followed by a comma
    // (水,土,水,水,火,木,金,水,).
    std::string elementsLabel;
    // The caption of 缺五行标签: the missing elements alone, in the order 金, 木, 水, 火, 土, without
    // separator (木火), empty when none is missing. The sentence the text shows is MissingElementsText.
    std::string missingLabel;
    // One line in plain words beside the chart: what is missing and how a name can supply it
    // (missingElementsSummary).
    std::string summary;
};

// Year, month, day and hour as chosen in the combos; nullopt when the date does not exist (2月30日).
// Also nullopt for an hour outside 0 to 23 or a date outside 1901-02-19 to 2048-12-31, which the combos
// (1970 to 2030) never offer. `lateZi` says which day a birth from 23:00 belongs to.
std::optional<BirthChartText> buildBirthChartText(int year, int month, int day, int hour,
                                                  LateZi lateZi = LateZi::NextDay);

inline constexpr const char* kInvalidDateMessage = "请选择正确的日期"; // titled core::kMessageTitle

// The elements of 金, 木, 水, 火, 土 that occur nowhere in `elementsText`, in that order without separator.
// Only presence counts.
std::string missingElements(std::string_view elementsText);

// How often each of 金, 木, 水, 火, 土 (in that order) occurs in `elementsText` (八字五行标签: the eight
// elements of a chart, each followed by a comma). The counts add up to 8 for a chart's text.
std::array<int, 5> elementCounts(std::string_view elementsText);

// "五行不缺", or "五行缺：" followed by missingElements(elementsText).
std::string MissingElementsText(std::string_view elementsText);

// The missing elements (as missingElements gives them) said in plain words:
// "八字五行缺木、火。可在名字中用属木、属火的字补足。", or, with none missing,
// "八字五行齐全：金、木、水、火、土都有，不缺哪一行。".
std::string missingElementsSummary(std::string_view missing);

} // namespace calendar
