#include "app/AvoidedSetting.h"
#include "gui/Widgets.h"
#include "gui/windows/SecondaryWindows.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace gui {

AvoidedWindow::AvoidedWindow(QWidget* parent) : BaseWindow(parent)
{
    setObjectName(QStringLiteral("设置避讳"));
    setWindowTitle(QStringLiteral("设置避讳字"));
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    QLabel* explanation = makeLabel(central, app::kAvoidedExplanation, "透明标签_避讳说明");
    explanation->setWordWrap(true);
    layout->addWidget(explanation);
    auto* row = new QHBoxLayout;
    row->addWidget(makeLabel(central, "避讳字:"));
    row->addWidget(makeEdit(central, "编辑框_避讳字"), 1);
    layout->addLayout(row);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(makeButton(central, "按钮_避讳确定", "确定"));
    buttons->addWidget(makeButton(central, "按钮_避讳取消", "取消"));
    layout->addLayout(buttons);
    setCentralWidget(central);
    resize(400, 150);
}

} // namespace gui
