#include "gui/Widgets.h"
#include "gui/windows/SecondaryWindows.h"

#include <QHBoxLayout>
#include <QProgressBar>
#include <QVBoxLayout>

namespace gui {

WaitingWindow::WaitingWindow(QWidget* parent) : BaseWindow(parent)
{
    setObjectName(QStringLiteral("NestlingWaiting"));
    setWindowTitle(QStringLiteral("请稍等"));
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    auto* row = new QHBoxLayout;
    auto* spinner = new SpinnerWidget(central);
    spinner->setObjectName(QStringLiteral("图片框1"));
    row->addWidget(spinner);
    row->addWidget(makeLabel(central, "正在生成,请稍等一下......", "标签_请稍等"), 1);
    layout->addLayout(row);
    auto* progress = new QProgressBar(central);
    progress->setObjectName(QStringLiteral("进度条1"));
    progress->hide();
    layout->addWidget(progress);
    setCentralWidget(central);
    resize(340, 110);
}

} // namespace gui
