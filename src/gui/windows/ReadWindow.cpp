#include "gui/LayoutWidgets.h"
#include "gui/NameListView.h"
#include "gui/windows/SecondaryWindows.h"

#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QWebEngineView>

namespace gui {

ReadWindow::ReadWindow(QWidget* parent) : BaseWindow(parent)
{
    namespace n = app::names;
    LayoutWidgets make(n::NestlingRead, this);
    QVBoxLayout* layout = buildBrowserFrame(this, make);
    auto* row = new QHBoxLayout;
    NameListView* titles = make.list(centralWidget(), n::超级列表框_文章阅读);
    titles->setFixedWidth(235);
    row->addWidget(titles);
    row->addWidget(make.browser(centralWidget(), n::网页浏览框1), 1);
    layout->addLayout(row, 1);
    resize(900, 620);
}

} // namespace gui
