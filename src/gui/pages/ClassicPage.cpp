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
    layout->addLayout(make.buttonRow(this, {n::按钮_经典生成, n::按钮_经典导出}));
}

} // namespace gui
