#include "gui/LayoutWidgets.h"
#include "gui/NameListView.h"
#include "gui/Widgets.h"
#include "gui/pages/Pages.h"

#include <QVBoxLayout>

namespace gui {

namespace n = app::names;

RecordsPage::RecordsPage(QWidget* parent) : QWidget(parent)
{
    LayoutWidgets make(n::NestlingMain, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeFrameGroup(this, "姓名列表(双击姓名可查看详细解释,右键点击姓名可以删除不要的记录)",
                                     make.list(this, n::超级列表框_记录列表)));
}

} // namespace gui
