#include "gui/LayoutWidgets.h"
#include "gui/Widgets.h"
#include "gui/windows/SecondaryWindows.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace gui {

WordWindow::WordWindow(QWidget* parent) : BaseWindow(parent)
{
    namespace n = app::names;
    LayoutWidgets make(n::NestlingWord, this);
    make.nameWindow(this);
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(makeLabel(central, "请输入要查询的汉字:"));
    auto* row = new QHBoxLayout;
    QLineEdit* edit = make.edit(central, n::编辑框1);
    QPushButton* query = make.button(central, n::按钮_查询);
    row->addWidget(edit, 1);
    row->addWidget(query);
    // Enter in the box looks the text up, as the button does.
    connect(edit, &QLineEdit::returnPressed, query, &QPushButton::click);
    layout->addLayout(row);
    setCentralWidget(central);
    resize(320, 100);
}

} // namespace gui
