#include "gui/pages/Pages.h"

#include "gui/Widgets.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QVBoxLayout>

namespace gui {

ModePage::ModePage(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    QLabel* intro =
        makeLabel(this,
                  "欢迎使用嘉禾起名软件。软件依据传统姓名学的五格剖象法，按姓名用字的康熙笔画计算天格、人格、"
                  "地格、总格、外格，对照八十一数理与三才配置评出 0 到 100 分，帮您从成千上万的名字中"
                  "挑出音、形、义、数理俱佳的好名字。\n\n"
                  "先在上方填写宝宝的姓氏、性别、名字个数和出生日期，再选择一种起名模式，"
                  "点击“开始起名”即可。双击列表中的名字可以查看详细解释。",
                  "透明标签11");
    intro->setWordWrap(true);
    layout->addWidget(intro);
    layout->addSpacing(8);
    layout->addWidget(makeLabel(this, "请选择起名模式:"));

    auto* grid = new QGridLayout;
    auto* group = new QButtonGroup(this);
    const std::pair<const char*, const char*> modes[] = {
        {"单选框_经典起名", "经典起名"}, {"单选框_高分起名", "高分起名"}, {"单选框_超吉起名", "超吉起名"},
        {"单选框_诗词起名", "诗词起名"}, {"单选框_组合起名", "组合起名"}, {"单选框_起小名", "起小名"},
        {"单选框_起英文名", "起英文名"},
    };
    int i = 0;
    for (const auto& [name, caption] : modes) {
        grid->addWidget(makeRadio(this, group, name, caption, i == 0), i / 4, i % 4);
        ++i;
    }
    layout->addLayout(grid);
    layout->addSpacing(12);
    auto* row = new QHBoxLayout;
    QPushButton* start = makeButton(this, "按钮_起名", "开始起名");
    start->setMinimumSize(140, 36);
    row->addStretch();
    row->addWidget(start);
    row->addStretch();
    layout->addLayout(row);
    layout->addStretch();
}

} // namespace gui
