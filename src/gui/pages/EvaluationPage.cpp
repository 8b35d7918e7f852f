#include "gui/LayoutWidgets.h"
#include "gui/NameListView.h"
#include "gui/Widgets.h"
#include "gui/pages/Pages.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace gui {

namespace n = app::names;

EvaluationPage::EvaluationPage(QWidget* parent) : QWidget(parent)
{
    LayoutWidgets make(n::NestlingMain, this);
    auto* layout = new QVBoxLayout(this);
    QHBoxLayout* names = make.nameRow(this, n::编辑框_评分姓氏, n::编辑框_评分名字);
    names->addWidget(make.button(this, n::按钮_评分));
    layout->addLayout(names);

    auto* date = new QHBoxLayout;
    date->addWidget(makeLabel(this, "出生日期:"));
    const std::pair<n::Name, const char*> combos[] = {{n::组合框_评分年份, "年"},
                                                      {n::组合框_评分月份, "月"},
                                                      {n::组合框_评分日子, "日"},
                                                      {n::组合框_评分时间, "时"},
                                                      {n::组合框_评分分钟, "分"}};
    for (const auto& [name, unit] : combos) {
        date->addWidget(make.combo(this, name));
        date->addWidget(makeLabel(this, unit));
    }
    date->addStretch();
    layout->addLayout(date);
    layout->addWidget(makeFrameGroup(this, kNameListTitle, make.list(this, n::超级列表框_评分列表)), 1);
}

} // namespace gui
