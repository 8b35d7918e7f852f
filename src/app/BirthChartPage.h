#pragma once

#include "app/Controls.h"
#include "calendar/FourPillars.h"

#include <string>
#include <string_view>

namespace app {

// The page 生辰八字 of the main window.

enum class ChartDateMessage
{
    Shown, // 查询: a date that does not exist is said in a message, the page stays as it was
    Quiet, // the page being shown: such a date empties the chart instead, so no other date's stays
};

// Computes the chart of the chosen date (the page's own date when 单选框_自定义日期 is checked, the
// naming date of the input group otherwise) and writes 编辑框_八字信息, 八字五行标签, 缺五行标签 and
// 透明标签_五行说明; 按钮_按所缺五行起名 is enabled whenever there is a chart.
void ShowBirthChart(Host& host, ChartDateMessage invalidDate = ChartDateMessage::Shown);

// The rule 选择框_23点后算次日 chooses for a birth from 23:00 (the same on every page that reads a chart).
calendar::LateZi lateZiRule(const Window& main);

// The whole number a date drop-down of the main window shows, 0 when its text is none.
int comboNumber(const Window& main, ControlName control);

// "五行不缺", or "五行缺：" and the elements missing from the eight-element text, in the order 金木水火土;
// also writes the missing elements into 缺五行标签.
std::string MissingElementsText(Window& main, std::string_view eightElements);

} // namespace app
