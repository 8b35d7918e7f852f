#include "gui/ElementChart.h"
#include "gui/LayoutWidgets.h"
#include "gui/Widgets.h"
#include "gui/pages/Pages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace gui {

namespace n = app::names;

BirthChartPage::BirthChartPage(QWidget* parent) : QWidget(parent)
{
    LayoutWidgets make(n::NestlingMain, this);
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    grid->addWidget(make.radio(this, n::单选框1), 0, 0);
    grid->addWidget(make.label(this, n::透明标签_起名日期), 0, 1, 1, 8);
    grid->addWidget(make.radio(this, n::单选框_自定义日期), 1, 0);
    const std::pair<n::Name, const char*> combos[] = {{n::组合框_八字年份, "年"},
                                                      {n::组合框_八字月份, "月"},
                                                      {n::组合框_八字日子, "日"},
                                                      {n::组合框_八字时间, "时"}};
    int column = 1;
    for (const auto& [name, unit] : combos) {
        grid->addWidget(make.combo(this, name), 1, column++);
        grid->addWidget(makeLabel(this, unit), 1, column++);
    }
    grid->addWidget(make.button(this, n::按钮_八字查询), 1, column);
    grid->addWidget(make.check(this, n::选择框_23点后算次日), 1, column + 1);
    grid->setColumnStretch(column + 2, 1);
    layout->addLayout(grid);

    auto* chartRow = new QHBoxLayout;
    chartRow->addWidget(make.textBox(this, n::编辑框_八字信息, true), 3);
    chartRow->addWidget(make.chart(this, n::图表_五行), 2);
    layout->addLayout(chartRow, 1);

    auto* labels = new QHBoxLayout;
    labels->addWidget(makeLabel(this, "八字五行:"));
    labels->addWidget(make.label(this, n::八字五行标签));
    labels->addSpacing(24);
    labels->addWidget(makeLabel(this, "所缺五行:"));
    labels->addWidget(make.label(this, n::缺五行标签));
    labels->addSpacing(12);
    labels->addWidget(make.button(this, n::按钮_按所缺五行起名));
    labels->addStretch();
    layout->addLayout(labels);
    QLabel* summary = make.label(this, n::透明标签_五行说明);
    summary->setWordWrap(true);
    layout->addWidget(summary);
}

} // namespace gui
