#include "gui/LayoutWidgets.h"
#include "gui/Widgets.h"
#include "gui/pages/Pages.h"

#include <QGridLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace gui {

namespace n = app::names;

ModePage::ModePage(QWidget* parent) : QWidget(parent)
{
    LayoutWidgets make(n::NestlingMain, this);
    auto* layout = new QVBoxLayout(this);
    QLabel* intro = make.label(this, n::透明标签11);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    layout->addSpacing(8);
    layout->addWidget(makeLabel(this, "请选择起名模式:"));

    auto* grid = new QGridLayout;
    const n::Name modes[] = {n::单选框_经典起名, n::单选框_高分起名, n::单选框_超吉起名, n::单选框_诗词起名,
                             n::单选框_组合起名, n::单选框_起小名,   n::单选框_起英文名};
    int i = 0;
    for (n::Name mode : modes) {
        grid->addWidget(make.radio(this, mode), i / 4, i % 4);
        ++i;
    }
    layout->addLayout(grid);
    layout->addSpacing(12);
    auto* row = new QHBoxLayout;
    QPushButton* start = make.button(this, n::按钮_起名);
    start->setMinimumSize(140, 36);
    row->addStretch();
    row->addWidget(start);
    row->addStretch();
    layout->addLayout(row);
    layout->addStretch();
}

} // namespace gui
