#include "gui/Widgets.h"
#include "gui/windows/SecondaryWindows.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace gui {

GenerationWindow::GenerationWindow(QWidget* parent) : BaseWindow(parent)
{
    setObjectName(QStringLiteral("设置辈份"));
    setWindowTitle(QStringLiteral("设置辈份"));
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    auto* group = new QButtonGroup(central);
    auto* grid = new QGridLayout;
    grid->addWidget(makeRadio(central, group, "单选框_不设置辈份", "不设置辈份", true), 0, 0, 1, 2);
    grid->addWidget(makeRadio(central, group, "单选框_设置第二个字", "第  二  个字设定为"), 1, 0);
    QLineEdit* second = makeEdit(central, "编辑框_第二个字", "志");
    second->setMaximumWidth(60);
    grid->addWidget(second, 1, 1);
    grid->addWidget(makeLabel(central, "设定第二个字如李\"志\"强的\"志\"", "透明标签1"), 1, 2);
    grid->addWidget(makeRadio(central, group, "单选框_设置第三个字", "第  三  个字设定为"), 2, 0);
    QLineEdit* third = makeEdit(central, "编辑框_第三个字", "强");
    third->setMaximumWidth(60);
    grid->addWidget(third, 2, 1);
    grid->addWidget(makeLabel(central, "设定第三个字如李志\"强\"的\"强\"", "透明标签2"), 2, 2);
    layout->addLayout(grid);
    QLabel* advice =
        makeLabel(central, "高分模式下建议不设置辈份,设置后生成名字较少,且很难取得高分名字", "透明标签3");
    advice->setWordWrap(true);
    layout->addWidget(advice);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(makeButton(central, "按钮_辈份确定", "确定"));
    buttons->addWidget(makeButton(central, "按钮_辈份取消", "取消"));
    layout->addLayout(buttons);
    setCentralWidget(central);
    resize(430, 180);
}

} // namespace gui
