#include "gui/LayoutWidgets.h"
#include "gui/windows/SecondaryWindows.h"

#include <QGroupBox>
#include <QVBoxLayout>

namespace gui {

QVBoxLayout* buildBrowserFrame(BaseWindow* window, LayoutWidgets& make)
{
    namespace n = app::names;
    make.nameWindow(window);
    make.toolbar(window, n::工具条1, 5);
    auto* central = new QWidget(window);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(2, 2, 2, 2);
    QGroupBox* separator = make.group(central, n::分组框4);
    separator->setFixedHeight(2);
    layout->addWidget(separator);
    window->setCentralWidget(central);
    make.statusBar(window, n::状态条1, false);
    return layout;
}

} // namespace gui
