#include "gui/LayoutWidgets.h"
#include "gui/windows/SecondaryWindows.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace gui {

GenerationWindow::GenerationWindow(QWidget* parent) : BaseWindow(parent)
{
    namespace n = app::names;
    auto* central = new QWidget(this);
    LayoutWidgets make(n::设置辈份, central);
    make.nameWindow(this);
    auto* layout = new QVBoxLayout(central);
    auto* grid = new QGridLayout;
    grid->addWidget(make.radio(central, n::单选框_不设置辈份), 0, 0, 1, 2);
    const n::Name rows[2][3] = {{n::单选框_设置第二个字, n::编辑框_第二个字, n::透明标签1},
                                {n::单选框_设置第三个字, n::编辑框_第三个字, n::透明标签2}};
    for (int row = 1; row <= 2; ++row) {
        const auto& [radio, edit, example] = rows[row - 1];
        grid->addWidget(make.radio(central, radio), row, 0);
        QLineEdit* character = make.edit(central, edit);
        character->setMaximumWidth(60);
        grid->addWidget(character, row, 1);
        grid->addWidget(make.label(central, example), row, 2);
    }
    layout->addLayout(grid);
    QLabel* advice = make.label(central, n::透明标签3);
    advice->setWordWrap(true);
    layout->addWidget(advice);
    layout->addLayout(make.buttonRow(central, {n::按钮_辈份确定, n::按钮_辈份取消}));
    setCentralWidget(central);
    resize(430, 180);
}

} // namespace gui
