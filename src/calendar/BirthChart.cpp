#include "calendar/BirthChart.h"

#include "calendar/ChartTables.h"
#include "calendar/CycleNames.h"
#include "calendar/FourPillars.h"

#include <array>
#include <cstddef>

namespace calendar {
namespace {

constexpr std::string_view kBreak = "\r\n\r\n";
constexpr std::string_view kLunarLineFormat = "%Y年    %M  %D日  ";

} // namespace

std::string missingElements(std::string_view elementsText)
{
    std::string missing;
    for (std::string_view element : kElements)
        if (elementsText.find(element) == std::string_view::npos)
            missing += element;
    return missing;
}

std::array<int, 5> elementCounts(std::string_view elementsText)
{
    std::array<int, 5> counts{};
    for (size_t i = 0; i < kElements.size(); ++i)
        for (size_t at = elementsText.find(kElements[i]); at != std::string_view::npos;
             at = elementsText.find(kElements[i], at + kElements[i].size()))
            ++counts[i];
    return counts;
}

std::string MissingElementsText(std::string_view elementsText)
{
    const std::string missing = missingElements(elementsText);
    return missing.empty() ? std::string("五行不缺") : "五行缺：" + missing;
}

std::string missingElementsSummary(std::string_view missing)
{
    if (missing.empty())
        return "八字五行齐全：金、木、水、火、土都有，不缺哪一行。";
    std::string elements;
    std::string kinds;
    for (std::string_view element : kElements) {
        if (missing.find(element) == std::string_view::npos)
            continue;
        if (!elements.empty()) {
            elements += "、";
            kinds += "、";
        }
        elements += element;
        kinds += "属" + std::string(element);
    }
    return "八字五行缺" + elements + "。可在名字中用" + kinds + "的字补足。";
}

std::optional<BirthChartText> buildBirthChartText(int year, int month, int day, int hour, LateZi lateZi)
{
    const DateTime birth{year, month, day, hour, 0, 0};
    const PillarIndexes pillars = FourPillars(birth, lateZi);
    if (pillars.year == 0)
        return std::nullopt; // no valid date-time, or outside the calendar's range
    const std::array<int, 4> indexes = {pillars.year, pillars.month, pillars.day, pillars.hour};

    BirthChartText chart;
    for (int n : indexes)
        chart.elementsLabel += elementPair(n);
    chart.missingLabel = missingElements(chart.elementsLabel);
    chart.summary = missingElementsSummary(chart.missingLabel);

    const std::string hourPillar = CycleText(pillars.hour);
    std::string& text = chart.text;
    text += "公历日期：" + std::to_string(year) + "年" + std::to_string(month) + "月" + std::to_string(day) +
            "日" + std::to_string(hour) + "时";
    text += kBreak;
    text += "农历日期：" + FormatLunarDate(birth, kLunarLineFormat) + hourPillar + "时";
    text += kBreak;
    text += "八字四柱：" + CycleText(pillars.year) + "年  " + CycleText(pillars.month) + "月  " +
            CycleText(pillars.day) + "日  " + hourPillar + "时";
    text += kBreak;
    text += "八字五行：" + chart.elementsLabel + " ( " + MissingElementsText(chart.elementsLabel) + " ) ";
    text += kBreak;
    text += "五行纳音：";
    for (std::size_t i = 0; i < indexes.size(); ++i) {
        if (i > 0)
            text += "  ";
        text += nayinName(indexes[i]);
    }
    text += kBreak;
    text += zodiacAdvice(StemBranchOf(pillars.year).branch);
    return chart;
}

} // namespace calendar
