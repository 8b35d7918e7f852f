#include "gui/LayoutWidgets.h"
#include "gui/NameListView.h"
#include "gui/Widgets.h"
#include "gui/pages/Pages.h"

#include <QCheckBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace gui {

namespace n = app::names;

HighScorePage::HighScorePage(QWidget* parent) : QWidget(parent)
{
    LayoutWidgets make(n::NestlingMain, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeFrameGroup(this, kNameListTitle, make.list(this, n::超级列表框_高分起名)));
    QHBoxLayout* buttons = make.buttonRow(this, {n::按钮_高分暂停, n::按钮_再生成一次, n::按钮_高分导出});
    // 只列常见名字 on the left, away from the buttons it changes the next run of.
    buttons->insertWidget(0, make.check(this, n::选择框_高分常见名字));
    layout->addLayout(buttons);
}

} // namespace gui
