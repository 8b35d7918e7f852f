#include "gui/pages/Pages.h"

#include "gui/NameListView.h"
#include "gui/Widgets.h"

#include <QVBoxLayout>

namespace gui {

EvaluationPage::EvaluationPage(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    auto* names = new QHBoxLayout;
    names->addWidget(makeLabel(this, "姓氏:"));
    names->addWidget(makeEdit(this, "编辑框_评分姓氏"));
    names->addWidget(makeLabel(this, "名字:"));
    names->addWidget(makeEdit(this, "编辑框_评分名字"));
    names->addStretch();
    names->addWidget(makeButton(this, "按钮_评分", "评分"));
    layout->addLayout(names);

    auto* date = new QHBoxLayout;
    date->addWidget(makeLabel(this, "出生日期:"));
    const std::pair<const char*, const char*> combos[] = {{"组合框_评分年份", "年"},
                                                          {"组合框_评分月份", "月"},
                                                          {"组合框_评分日子", "日"},
                                                          {"组合框_评分时间", "时"},
                                                          {"组合框_评分分钟", "分"}};
    for (const auto& [name, unit] : combos) {
        date->addWidget(makeCombo(this, name));
        date->addWidget(makeLabel(this, unit));
    }
    date->addStretch();
    layout->addLayout(date);
    layout->addWidget(makeListGroup(this, "姓名列表(双击姓名可查看详细解释)",
                                    makeList(this, "超级列表框_评分列表", nameColumns())),
                      1);
}

} // namespace gui
