#include "gui/pages/Pages.h"

#include "gui/NameListView.h"
#include "gui/Widgets.h"

#include <QVBoxLayout>

namespace gui {

CombinationPage::CombinationPage(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    QGroupBox* input = makeGroup(this, "请在此处输入要组合的字");
    auto* row = new QHBoxLayout(input);
    row->addWidget(makeEdit(input, "编辑框_组合的字", "圣诚杰泽鹤航轩辉皓君豪博楷国益佑天南泰宇"), 1);
    row->addWidget(makeButton(input, "按钮_组合起名", "生成"));
    layout->addWidget(input);
    layout->addWidget(makeListGroup(this, "姓名列表(双击姓名可查看详细解释)",
                                    makeList(this, "超级列表框_组合列表", nameColumns())),
                      1);
}

} // namespace gui
