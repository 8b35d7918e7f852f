#include "gui/ElementChart.h"
#include "gui/LayoutWidgets.h"
#include "gui/NameListView.h"
#include "gui/Widgets.h"
#include "gui/pages/Pages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace gui {

namespace n = app::names;

namespace {

// Under the counts: the weights by element beside the support share as a bar, the verdict, 喜用神 and
// how they were reached.
QHBoxLayout* analysisRow(QWidget* page, LayoutWidgets& make)
{
    auto* row = new QHBoxLayout;
    NameListView* weights = make.list(page, n::超级列表框_五行分值);
    // Four short columns and five rows, all in view.
    for (int column = 0; column < 3; ++column)
        weights->setColumnWidth(column, column == 0 ? 64 : 72);
    weights->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    weights->setFixedWidth(290);
    weights->setFixedHeight(weights->horizontalHeader()->height() +
                            6 * (weights->fontMetrics().height() + 8));
    row->addWidget(weights);

    auto* column = new QVBoxLayout;
    auto* bar = new QHBoxLayout;
    bar->addWidget(makeLabel(page, "同党占比:"));
    QProgressBar* support = make.progress(page, n::进度条_同党);
    support->setFormat(QStringLiteral("%p%"));
    bar->addWidget(support, 1);
    column->addLayout(bar);
    column->addWidget(make.label(page, n::透明标签_日主强弱));
    auto* favourable = new QHBoxLayout;
    favourable->addWidget(makeLabel(page, "喜用神:"));
    favourable->addWidget(make.label(page, n::喜用神标签));
    favourable->addSpacing(12);
    favourable->addWidget(make.button(page, n::按钮_按喜用神起名));
    favourable->addSpacing(12);
    favourable->addWidget(make.label(page, n::透明标签_喜用神), 1);
    column->addLayout(favourable);
    QLabel* explanation = make.label(page, n::透明标签_喜用神说明);
    explanation->setWordWrap(true);
    column->addWidget(explanation);
    column->addStretch();
    row->addLayout(column, 1);
    return row;
}

} // namespace

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
    layout->addLayout(analysisRow(this, make));
}

} // namespace gui
