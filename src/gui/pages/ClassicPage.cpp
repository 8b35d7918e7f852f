#include "gui/LayoutWidgets.h"
#include "gui/pages/Pages.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace gui {

namespace n = app::names;

ClassicPage::ClassicPage(QWidget* parent) : QWidget(parent)
{
    LayoutWidgets make(n::NestlingMain, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(make.textBox(this, n::编辑框_经典名字, false), 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(make.button(this, n::按钮_经典生成));
    buttons->addWidget(make.button(this, n::按钮_经典导出));
    layout->addLayout(buttons);
}

} // namespace gui
