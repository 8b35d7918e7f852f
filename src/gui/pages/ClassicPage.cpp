#include "gui/pages/Pages.h"

#include "gui/Widgets.h"

#include <QVBoxLayout>

namespace gui {

ClassicPage::ClassicPage(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeTextBox(this, "编辑框_经典名字", false), 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(makeButton(this, "按钮_经典生成", "不满意?再生成一次"));
    buttons->addWidget(makeButton(this, "按钮_经典导出", "导出"));
    layout->addLayout(buttons);
}

} // namespace gui
