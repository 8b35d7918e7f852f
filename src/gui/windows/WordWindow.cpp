#include "gui/Widgets.h"
#include "gui/windows/SecondaryWindows.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace gui {

WordWindow::WordWindow(QWidget* parent) : BaseWindow(parent)
{
    setObjectName(QStringLiteral("NestlingWord"));
    setWindowTitle(QStringLiteral("汉字查询"));
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(makeLabel(central, "请输入要查询的汉字:"));
    auto* row = new QHBoxLayout;
    row->addWidget(makeEdit(central, "编辑框1"), 1);
    row->addWidget(makeButton(central, "按钮_查询", "查询"));
    layout->addLayout(row);
    setCentralWidget(central);
    resize(320, 100);
}

} // namespace gui
