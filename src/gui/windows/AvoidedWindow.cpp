#include "gui/LayoutWidgets.h"
#include "gui/Widgets.h"
#include "gui/windows/SecondaryWindows.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace gui {

AvoidedWindow::AvoidedWindow(QWidget* parent) : BaseWindow(parent)
{
    namespace n = app::names;
    auto* central = new QWidget(this);
    LayoutWidgets make(n::设置避讳, central);
    make.nameWindow(this);
    auto* layout = new QVBoxLayout(central);
    QLabel* explanation = make.label(central, n::透明标签_避讳说明);
    explanation->setWordWrap(true);
    layout->addWidget(explanation);
    auto* row = new QHBoxLayout;
    row->addWidget(makeLabel(central, "避讳字:"));
    row->addWidget(make.edit(central, n::编辑框_避讳字), 1);
    layout->addLayout(row);
    layout->addLayout(make.buttonRow(central, {n::按钮_避讳确定, n::按钮_避讳取消}));
    setCentralWidget(central);
    resize(400, 150);
}

} // namespace gui
