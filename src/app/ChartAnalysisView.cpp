#include "app/ChartAnalysisView.h"

#include "app/BirthChartPage.h"
#include "app/ControlNames.h"
#include "calendar/ChartTables.h"

#include <cmath>

namespace app {
namespace {

std::string joined(const std::vector<std::string_view>& elements, size_t from, size_t to)
{
    std::string text;
    for (size_t i = from; i < to && i < elements.size(); ++i)
        text += std::string(i > from ? "、" : "") + std::string(elements[i]);
    return text;
}

std::vector<ListRow> weightRows(const calendar::ChartAnalysis& a)
{
    std::vector<ListRow> rows;
    for (size_t i = 0; i < calendar::kElements.size(); ++i) {
        const std::string_view element = calendar::kElements[i];
        const bool support = element == a.dayMasterElement || element == a.producingElement;
        rows.emplace_back(std::vector<std::string>{std::string(element), calendar::formatWeight(a.weights[i]),
                                                   calendar::formatWeight(a.weights[i] / a.total * 100) + "%",
                                                   support ? "同党" : "异党"});
    }
    return rows;
}

std::string verdictLine(const calendar::ChartAnalysis& a)
{
    return "日主" + std::string(a.dayMaster) + std::string(a.dayMasterElement) + "：同党 " +
           calendar::formatWeight(a.supportWeight) + " / " + calendar::formatWeight(a.total) + " = " +
           calendar::formatWeight(a.support * 100) + "%（低于 " + calendar::formatWeight(a.weakBelow * 100) +
           "% 为身弱，高于 " + calendar::formatWeight(a.strongAbove * 100) + "% 为身强）→ " +
           std::string(calendar::strengthName(a.strength));
}

std::string favourableLine(const calendar::ChartAnalysis& a)
{
    std::string text = "喜用神（扶抑）：" + joined(a.favourable, 0, a.mainCount);
    if (a.mainCount < a.favourable.size())
        text += "，其次 " + joined(a.favourable, a.mainCount, a.favourable.size());
    text +=
        "    调候：" + (a.climate.empty() ? std::string("不另取") : joined(a.climate, 0, a.climate.size()));
    return text;
}

} // namespace

void showChartAnalysis(Window& main, const std::optional<calendar::ChartAnalysis>& analysis)
{
    if (!analysis) {
        main.clearRows(names::超级列表框_五行分值);
        main.setProgress(names::进度条_同党, 0, 1000);
        for (names::Name label : {names::透明标签_日主强弱, names::喜用神标签, names::透明标签_喜用神,
                                  names::透明标签_喜用神说明})
            main.setText(label, "");
        main.setEnabled(names::按钮_按喜用神起名, false);
        return;
    }
    main.setRows(names::超级列表框_五行分值, weightRows(*analysis));
    main.setProgress(names::进度条_同党, static_cast<int>(std::lround(analysis->support * 1000)), 1000);
    main.setText(names::透明标签_日主强弱, verdictLine(*analysis));
    main.setText(names::喜用神标签, calendar::mainFavourable(*analysis));
    main.setText(names::透明标签_喜用神, favourableLine(*analysis));
    main.setText(names::透明标签_喜用神说明,
                 calendar::analysisExplanation(*analysis) + "\r\n" + calendar::methodNote(*analysis));
    main.setEnabled(names::按钮_按喜用神起名, true);
}

std::optional<calendar::ChartAnalysis> namingDateAnalysis(const Window& main)
{
    return calendar::analyseBirth(
        comboNumber(main, names::组合框_年份), comboNumber(main, names::组合框_月份),
        comboNumber(main, names::组合框_日子), comboNumber(main, names::组合框_时间), lateZiRule(main));
}

std::string namingDateFavourable(const Window& main)
{
    const auto analysis = namingDateAnalysis(main);
    std::string favourable;
    if (analysis)
        for (std::string_view element : analysis->favourable)
            favourable += element;
    return favourable;
}

} // namespace app
