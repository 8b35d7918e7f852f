#include "gui/LayoutWidgets.h"
#include "gui/NameListView.h"
#include "gui/Widgets.h"
#include "gui/pages/Pages.h"

#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace gui {

namespace n = app::names;

NicknamePage::NicknamePage(QWidget* parent) : QWidget(parent)
{
    LayoutWidgets make(n::NestlingMain, this);
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    row->addWidget(makeLabel(this, "小名样式:"));
    for (n::Name style : {n::单选框_AA型, n::单选框_小A型, n::单选框_A儿型, n::单选框_阿A型})
        row->addWidget(make.radio(this, style));
    row->addStretch();
    row->addWidget(make.button(this, n::按钮_起小名));
    row->addWidget(make.button(this, n::按钮_小名导出));
    layout->addLayout(row);
    layout->addWidget(makeFrameGroup(this, kNameListTitle, make.list(this, n::超级列表框_小名列表)), 1);
}

} // namespace gui
