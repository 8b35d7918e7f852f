#include "gui/pages/Pages.h"

#include "gui/NameListView.h"
#include "gui/Widgets.h"

#include <QVBoxLayout>

namespace gui {

RecordsPage::RecordsPage(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeListGroup(this, "姓名列表(双击姓名可查看详细解释,右键点击姓名可以删除不要的记录)",
                                    makeList(this, "超级列表框_记录列表", nameColumns())));
}

} // namespace gui
