#include "gui/pages/Pages.h"

#include "gui/NameListView.h"
#include "gui/Widgets.h"

#include <QVBoxLayout>

namespace gui {

HighScorePage::HighScorePage(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeListGroup(this, "姓名列表(双击姓名可查看详细解释)",
                                    makeList(this, "超级列表框_高分起名", nameColumns())));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(makeButton(this, "按钮_高分暂停", "暂停"));
    buttons->addWidget(makeButton(this, "按钮_再生成一次", "不满意?再生成一次"));
    buttons->addWidget(makeButton(this, "按钮_高分导出", "导出列表"));
    layout->addLayout(buttons);
}

} // namespace gui
