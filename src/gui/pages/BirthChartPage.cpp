#include "gui/pages/Pages.h"

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
    grid->setColumnStretch(column + 1, 1);
    layout->addLayout(grid);

    QPlainTextEdit* chart = makeTextBox(this, "编辑框_八字信息", true);
    layout->addWidget(chart, 1);

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
