#include "gui/pages/Pages.h"

#include "gui/NameListView.h"
#include "gui/Widgets.h"

#include <QGridLayout>
#include <QVBoxLayout>

namespace gui {
namespace {

QGroupBox* filterPanel(QWidget* parent)
{
    QGroupBox* panel = makeGroup(parent, "请设置五行筛选条件");
    auto* grid = new QGridLayout(panel);
    const std::pair<const char*, const char*> limiters[] = {
        {"选择框_第二个字五行限定", "第二个字五行限定"},
        {"选择框_第三个字五行限定", "第三个字五行限定"},
        {"选择框_所有字必带五行", "所有字必须带五行(含姓)"},
        {"选择框_所有字不能带五行", "所有字不能带五行(含姓)"},
    };
    const char* const elements[] = {"金", "木", "水", "火", "土"};
    for (int row = 0; row < 4; ++row) {
        // In the form, row 2 (all characters must carry the elements) is on with all five elements.
        QCheckBox* limiter = makeCheck(panel, limiters[row].first, limiters[row].second, row == 2);
        limiter->setEnabled(row >= 2);
        grid->addWidget(limiter, row, 0);
        for (int i = 0; i < 5; ++i) {
            const std::string name = std::string("选择框_") + elements[i] + std::to_string(row);
            QCheckBox* box = makeCheck(panel, name, elements[i], row == 2);
            box->setEnabled(row == 2);
            grid->addWidget(box, row, i + 1);
        }
    }
    return panel;
}

} // namespace

SuperAuspiciousPage::SuperAuspiciousPage(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    left->addWidget(filterPanel(this));
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
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(makeButton(this, "按钮_超吉生成", "生成"));
    buttons->addWidget(makeButton(this, "按钮_超吉暂停", "暂停"));
    buttons->addWidget(makeButton(this, "按钮_超吉导出", "导出"));
    left->addLayout(buttons);
    left->addStretch();
    layout->addLayout(left, 2);
    layout->addWidget(makeListGroup(this, "姓名列表(双击姓名可查看详细解释)",
                                    makeList(this, "超级列表框_超吉起名", nameColumns())),
                      3);
}

} // namespace gui
