#include "gui/pages/Pages.h"

#include "gui/ElementChart.h"
#include "gui/Widgets.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QVBoxLayout>

namespace gui {

BirthChartPage::BirthChartPage(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    auto* group = new QButtonGroup(this);
    grid->addWidget(makeRadio(this, group, "单选框1", "使用起名日期:", true), 0, 0);
    grid->addWidget(makeLabel(this, "", "透明标签_起名日期"), 0, 1, 1, 8);
    grid->addWidget(makeRadio(this, group, "单选框_自定义日期", "自定义日期:"), 1, 0);
    const std::pair<const char*, const char*> combos[] = {{"组合框_八字年份", "年"},
                                                          {"组合框_八字月份", "月"},
                                                          {"组合框_八字日子", "日"},
                                                          {"组合框_八字时间", "时"}};
    int column = 1;
    for (const auto& [name, unit] : combos) {
        grid->addWidget(makeCombo(this, name), 1, column++);
        grid->addWidget(makeLabel(this, unit), 1, column++);
    }
    grid->addWidget(makeButton(this, "按钮_八字查询", "查询"), 1, column);
    QCheckBox* lateZi = makeCheck(this, "选择框_23点后算次日", "23点后算次日", true);
    lateZi->setToolTip(QStringLiteral("勾选：23点至24点出生算作次日（日柱换为次日）；"
                                      "不勾选：按晚子时算作当日"));
    grid->addWidget(lateZi, 1, column + 1);
    grid->setColumnStretch(column + 2, 1);
    layout->addLayout(grid);

    auto* chartRow = new QHBoxLayout;
    QPlainTextEdit* chart = makeTextBox(this, "编辑框_八字信息", true);
    chartRow->addWidget(chart, 3);
    chartRow->addWidget(new ElementChartView(this), 2);
    layout->addLayout(chartRow, 1);

    auto* labels = new QHBoxLayout;
    labels->addWidget(makeLabel(this, "八字五行:"));
    labels->addWidget(makeLabel(this, "", "八字五行标签"));
    labels->addSpacing(24);
    labels->addWidget(makeLabel(this, "所缺五行:"));
    labels->addWidget(makeLabel(this, "", "缺五行标签"));
    labels->addSpacing(12);
    // Enabled by the logic once a chart lacks an element.
    QPushButton* fromChart = makeButton(this, "按钮_按所缺五行起名", "按所缺五行起名");
    fromChart->setEnabled(false);
    labels->addWidget(fromChart);
    labels->addStretch();
    layout->addLayout(labels);
    QLabel* summary = makeLabel(this, "", "透明标签_五行说明");
    summary->setWordWrap(true);
    layout->addWidget(summary);
}

} // namespace gui
