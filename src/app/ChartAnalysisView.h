#pragma once

#include "app/Controls.h"
#include "calendar/ChartAnalysis.h"

#include <optional>
#include <string>

namespace app {

// The day master's strength and the favourable elements (喜用神) under the element counts of the page
// 生辰八字: 超级列表框_五行分值 (each element's weight, its share, whether it is 同党), 进度条_同党 (the
// support share in thousandths), 透明标签_日主强弱 (the share against the bounds and the verdict),
// 喜用神标签 (the main favourable elements, 木火), 透明标签_喜用神 (all of them and 调候 apart),
// 透明标签_喜用神说明 (how it was reached, and that it is one school's method). None empties them all
// and disables 按钮_按喜用神起名.
void showChartAnalysis(Window& main, const std::optional<calendar::ChartAnalysis>& analysis);

// The analysis of the naming date's chart (组合框_年份 ... 组合框_时间 of the input group), by the
// page's rule for a birth from 23:00; none when the date does not exist.
std::optional<calendar::ChartAnalysis> namingDateAnalysis(const Window& main);

// Every favourable element of the naming date's chart, joined (木火土), for the column 合喜用; empty
// when the date gives no chart.
std::string namingDateFavourable(const Window& main);

} // namespace app
