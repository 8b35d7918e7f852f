#pragma once

#include "reports/NameReport.h"

#include <array>
#include <string>
#include <string_view>

namespace reports {

// One of the six weighted parts of the score, as the chart draws it.
struct ScorePart
{
    std::string label;  // 天格, 人格, 地格, 总格, 外格, 三才
    std::string number; // the grid number, or the three-talent key
    std::string fortune;
    int weight = 0;
    int pointsHundredths = 0; // weight × the fortune's factor, in hundredths of a point
};

// The six parts in the order of the score's weights (天格, 人格, 地格, 总格, 外格, 三才); their points
// add up to report.weightedHundredths.
std::array<ScorePart, 6> scoreParts(const NameReport& report);

// How the element of one talent acts on the next: "生" or "克" (in the direction of `forward`: true
// from the first to the second), "比和" for the same element, empty when an element is unknown.
struct TalentLink
{
    std::string relation;
    bool forward = true;
};
TalentLink talentLink(std::string_view from, std::string_view to);

// A fill colour for each element in the traditional colours (金 gold, 木 green, 水 blue-black, 火 red,
// 土 ochre); grey for anything else.
std::string_view elementColour(std::string_view element) noexcept;

// The score at a glance, inline SVG for the report page (no script, no outside file): a bar per part,
// its length the part's weight and its fill the points the fortune kept, so the lost points show; then
// the three talents as three coloured elements with their generating and overcoming arrows.
std::string scoreChartSvg(const NameReport& report);

// hundredths as a short decimal: 2550 -> "25.5", 500 -> "5", 425 -> "4.25".
std::string pointsText(int hundredths);

} // namespace reports
