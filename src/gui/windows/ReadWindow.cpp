#include "gui/NameListView.h"
#include "gui/Widgets.h"
#include "gui/windows/SecondaryWindows.h"

#include <QHBoxLayout>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWebEngineView>

namespace gui {

ReadWindow::ReadWindow(QWidget* parent) : BaseWindow(parent)
{
    setObjectName(QStringLiteral("NestlingRead"));
    setWindowTitle(QStringLiteral("文章阅读窗口"));
    addToolBar(makeBrowserToolbar(this));
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(2, 2, 2, 2);
    QGroupBox* separator = makeGroup(central, "", "分组框4");
    separator->setFixedHeight(2);
    layout->addWidget(separator);
    auto* row = new QHBoxLayout;
    NameListView* titles = makeList(central, "超级列表框_文章阅读", {QStringLiteral("文章标题[点击阅读]")});
    titles->setFixedWidth(235);
    row->addWidget(titles);
    row->addWidget(makeBrowser(central, "网页浏览框1"), 1);
    layout->addLayout(row, 1);
    setCentralWidget(central);
    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("状态条1"));
    setStatusBar(status);
    resize(900, 620);
}

} // namespace gui
