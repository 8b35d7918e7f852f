#include "app/BirthChartPage.h"

#include "app/ChartAnalysisView.h"
#include "app/ControlNames.h"
#include "calendar/BirthChart.h"

#include <charconv>

namespace app {
int comboNumber(const Window& main, ControlName control)
{
    const std::string text = main.currentText(control);
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc{} && end == text.data() + text.size() ? value : 0;
}

void ShowBirthChart(Host& host, ChartDateMessage invalidDate)
{
    Window& main = host.mainWindow();
    const bool custom = main.isChecked(names::单选框_自定义日期);
    const int year = comboNumber(main, custom ? names::组合框_八字年份 : names::组合框_年份);
    const int month = comboNumber(main, custom ? names::组合框_八字月份 : names::组合框_月份);
    const int day = comboNumber(main, custom ? names::组合框_八字日子 : names::组合框_日子);
    const int hour = comboNumber(main, custom ? names::组合框_八字时间 : names::组合框_时间);

    const auto chart = calendar::buildBirthChartText(year, month, day, hour, lateZiRule(main));
    if (!chart && invalidDate == ChartDateMessage::Quiet) {
        for (names::Name output : {names::八字五行标签, names::缺五行标签, names::编辑框_八字信息,
                                   names::透明标签_五行说明, names::图表_五行})
            main.setText(output, "");
        showChartAnalysis(main, std::nullopt);
        main.setEnabled(names::按钮_按所缺五行起名, false);
        return;
    }
    if (!chart) {
        host.messageBox({core::MessageIcon::Information, core::kMessageTitle, calendar::kInvalidDateMessage});
        return;
    }
    main.setText(names::八字五行标签, chart->elementsLabel);
    main.setText(names::图表_五行, chart->elementsLabel);
    main.setText(names::缺五行标签, chart->missingLabel);
    main.setText(names::编辑框_八字信息, chart->text);
    main.setText(names::透明标签_五行说明, chart->summary);
    showChartAnalysis(main, calendar::analyseBirth(year, month, day, hour, lateZiRule(main)));
    // Enabled for every chart, so a chart that lacks nothing says so when asked instead of a dead button.
    main.setEnabled(names::按钮_按所缺五行起名, true);
}

calendar::LateZi lateZiRule(const Window& main)
{
    return main.isChecked(names::选择框_23点后算次日) ? calendar::LateZi::NextDay : calendar::LateZi::SameDay;
}

std::string MissingElementsText(Window& main, std::string_view eightElements)
{
    main.setText(names::缺五行标签, calendar::missingElements(eightElements));
    return calendar::MissingElementsText(eightElements);
}

} // namespace app
