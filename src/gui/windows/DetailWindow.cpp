#include "gui/LayoutWidgets.h"
#include "gui/windows/SecondaryWindows.h"

#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWebEngineView>

namespace gui {

DetailWindow::DetailWindow(bool singlePage, QWidget* parent) : BaseWindow(parent)
{
    namespace n = app::names;
    LayoutWidgets make(singlePage ? n::NestlingContenSinglePage : n::NestlingConten, this);
    QVBoxLayout* layout = buildBrowserFrame(this, make);
    if (singlePage) {
        layout->addWidget(make.browser(centralWidget(), n::网页浏览框1), 1);
    } else {
        QTabWidget* tabs = make.pages(centralWidget(), n::高级选择夹1);
        for (n::Name view : {n::网页浏览框1, n::网页浏览框2, n::网页浏览框3, n::网页浏览框4, n::网页浏览框5,
                             n::网页浏览框6}) {
            auto* page = new QWidget(tabs);
            auto* pageLayout = new QVBoxLayout(page);
            pageLayout->setContentsMargins(0, 0, 0, 0);
            pageLayout->addWidget(make.browser(page, view));
            make.addPage(tabs, page);
        }
        layout->addWidget(tabs, 1);
        // The star beside the pages, off the toolbar whose button indexes the window logic uses.
        tabs->setCornerWidget(make.button(tabs, n::按钮_加入收藏), Qt::TopRightCorner);
    }
    resize(820, 620);
}

} // namespace gui
