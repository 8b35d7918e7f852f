#include "gui/LayoutWidgets.h"
#include "gui/NameListView.h"
#include "gui/Widgets.h"
#include "gui/pages/Pages.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace gui {

namespace n = app::names;

ShortlistPage::ShortlistPage(QWidget* parent) : QWidget(parent)
{
    LayoutWidgets make(n::NestlingMain, this);
    auto* layout = new QVBoxLayout(this);
    QLabel* hint = make.label(this, n::透明标签_收藏说明);
    hint->setWordWrap(true);
    layout->addWidget(hint);
    layout->addWidget(makeFrameGroup(this, "收藏的名字(并排比较;双击姓名可查看详细解释)",
                                     make.list(this, n::超级列表框_收藏列表)),
                      1);
    layout->addLayout(make.buttonRow(this, {n::按钮_收藏删除, n::按钮_收藏导出}));
}

} // namespace gui
