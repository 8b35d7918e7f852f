#include "gui/LayoutWidgets.h"
#include "gui/windows/SecondaryWindows.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace gui {

WaitingWindow::WaitingWindow(QWidget* parent) : BaseWindow(parent)
{
    namespace n = app::names;
    LayoutWidgets make(n::NestlingWaiting, this);
    make.nameWindow(this);
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    auto* row = new QHBoxLayout;
    row->addWidget(make.picture(new SpinnerWidget(central), n::图片框1));
    row->addWidget(make.label(central, n::标签_请稍等), 1);
    layout->addLayout(row);
    layout->addWidget(make.progress(central, n::进度条1));
    setCentralWidget(central);
    resize(340, 110);
}

} // namespace gui
