#include "gui/Widgets.h"
#include "gui/windows/SecondaryWindows.h"

#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWebEngineView>

namespace gui {

DetailWindow::DetailWindow(bool singlePage, QWidget* parent) : BaseWindow(parent)
{
    setObjectName(QStringLiteral("NestlingConten"));
    setWindowTitle(QStringLiteral("姓名详细解释"));
    QToolBar* toolbar = makeBrowserToolbar(this);
    addToolBar(toolbar);
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(2, 2, 2, 2);
    QGroupBox* separator = makeGroup(central, "", "分组框4");
    separator->setFixedHeight(2);
    layout->addWidget(separator);
    if (singlePage) {
        layout->addWidget(makeBrowser(central, "网页浏览框1"), 1);
    } else {
        auto* tabs = new QTabWidget(central);
        tabs->setObjectName(QStringLiteral("高级选择夹1"));
        for (int i = 1; i <= 6; ++i) {
            auto* page = new QWidget(tabs);
            auto* pageLayout = new QVBoxLayout(page);
            pageLayout->setContentsMargins(0, 0, 0, 0);
            pageLayout->addWidget(makeBrowser(page, "网页浏览框" + std::to_string(i)));
            tabs->addTab(page, i == 1 ? QStringLiteral("姓名详细解释") : QString());
            // Pages 1 to 5 stay hidden until a name detail shows them.
            tabs->setTabVisible(i - 1, i == 1);
        }
        layout->addWidget(tabs, 1);
        // The star after the six buttons, so their indexes stay those the window logic uses.
        toolbar->addSeparator();
        QPushButton* star = makeButton(toolbar, "按钮_加入收藏", "☆ 加入收藏");
        star->setToolTip(QStringLiteral("把这个名字加入“名字收藏”，与其他名字并排比较；再点一次取消收藏"));
        toolbar->addWidget(star);
    }
    setCentralWidget(central);
    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("状态条1"));
    setStatusBar(status);
    resize(820, 620);
}

} // namespace gui
