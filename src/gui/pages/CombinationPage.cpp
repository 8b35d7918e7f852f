#include "gui/LayoutWidgets.h"
#include "gui/NameListView.h"
#include "gui/Widgets.h"
#include "gui/pages/Pages.h"

#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace gui {

namespace n = app::names;

CombinationPage::CombinationPage(QWidget* parent) : QWidget(parent)
{
    LayoutWidgets make(n::NestlingMain, this);
    auto* layout = new QVBoxLayout(this);
    QGroupBox* input = makeGroup(this, "请在此处输入要组合的字");
    auto* row = new QHBoxLayout(input);
    row->addWidget(make.edit(input, n::编辑框_组合的字), 1);
    row->addWidget(make.button(input, n::按钮_组合起名));
    row->addWidget(make.button(input, n::按钮_组合导出));
    layout->addWidget(input);
    layout->addWidget(makeFrameGroup(this, kNameListTitle, make.list(this, n::超级列表框_组合列表)), 1);
}

} // namespace gui
