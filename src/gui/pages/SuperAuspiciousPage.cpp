#include "gui/LayoutWidgets.h"
#include "gui/NameListView.h"
#include "gui/Widgets.h"
#include "gui/pages/Pages.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace gui {
namespace {

namespace n = app::names;

// Four rows: the limiter, then its five element boxes.
QGroupBox* filterPanel(LayoutWidgets& make, QWidget* parent)
{
    QGroupBox* panel = makeGroup(parent, "请设置五行筛选条件");
    auto* grid = new QGridLayout(panel);
    const n::Name rows[4][6] = {
        {n::选择框_第二个字五行限定, n::选择框_金0, n::选择框_木0, n::选择框_水0, n::选择框_火0,
         n::选择框_土0},
        {n::选择框_第三个字五行限定, n::选择框_金1, n::选择框_木1, n::选择框_水1, n::选择框_火1,
         n::选择框_土1},
        {n::选择框_所有字必带五行, n::选择框_金2, n::选择框_木2, n::选择框_水2, n::选择框_火2, n::选择框_土2},
        {n::选择框_所有字不能带五行, n::选择框_金3, n::选择框_木3, n::选择框_水3, n::选择框_火3,
         n::选择框_土3},
    };
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 6; ++column)
            grid->addWidget(make.check(panel, rows[row][column]), row, column);
    return panel;
}

} // namespace

SuperAuspiciousPage::SuperAuspiciousPage(QWidget* parent) : QWidget(parent)
{
    LayoutWidgets make(n::NestlingMain, this);
    auto* layout = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    left->addWidget(filterPanel(make, this));
    QGroupBox* why = makeGroup(this, "超“吉”筛选原理");
    auto* whyLayout = new QVBoxLayout(why);
    QLabel* text = makeLabel(
        why, "名字里缺少的五行，选择对应的五行，就可以进行后天补救。五格是根据姓名的康熙笔画数计算出来的，"
             "然后再对照81灵动数，查看吉凶。三才是按数字对应五行属性计算的，再对照三才凶吉表，查看吉凶。"
             "所以筛选时，选择吉祥的参照，就能获得五格，三才超“吉”的名字。由于姓是固定的，天格也是固定的，"
             "所以天格为凶时无法得到100分！");
    text->setWordWrap(true);
    whyLayout->addWidget(text);
    left->addWidget(why);
    left->addWidget(make.check(this, n::选择框_超吉常见名字));
    QLabel* generation = make.label(this, n::标签_超吉辈份说明);
    generation->setWordWrap(true);
    left->addWidget(generation);
    auto* buttons = new QHBoxLayout;
    for (n::Name button : {n::按钮_超吉生成, n::按钮_超吉暂停, n::按钮_超吉导出})
        buttons->addWidget(make.button(this, button));
    left->addLayout(buttons);
    left->addStretch();
    layout->addLayout(left, 2);
    layout->addWidget(makeFrameGroup(this, kNameListTitle, make.list(this, n::超级列表框_超吉起名)), 3);
}

} // namespace gui
