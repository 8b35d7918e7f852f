#include "gui/pages/Pages.h"

#include "gui/NameListView.h"
#include "gui/Widgets.h"

#include <QButtonGroup>
#include <QVBoxLayout>

namespace gui {

NicknamePage::NicknamePage(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    auto* group = new QButtonGroup(this);
    row->addWidget(makeLabel(this, "小名样式:"));
    row->addWidget(makeRadio(this, group, "单选框_AA型", "AA型", true));
    row->addWidget(makeRadio(this, group, "单选框_小A型", "小A型"));
    row->addWidget(makeRadio(this, group, "单选框_A儿型", "A儿型"));
    row->addWidget(makeRadio(this, group, "单选框_阿A型", "阿A型"));
    row->addStretch();
    row->addWidget(makeButton(this, "按钮_起小名", "生成"));
    layout->addLayout(row);
    layout->addWidget(makeListGroup(this, "姓名列表(双击姓名可查看详细解释)",
                                    makeList(this, "超级列表框_小名列表", nameColumns())),
                      1);
}

} // namespace gui
