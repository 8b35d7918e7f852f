#include "gui/LayoutWidgets.h"
#include "gui/NameListView.h"
#include "gui/Widgets.h"
#include "gui/pages/Pages.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace gui {

namespace n = app::names;

HighScorePage::HighScorePage(QWidget* parent) : QWidget(parent)
{
    LayoutWidgets make(n::NestlingMain, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeFrameGroup(this, kNameListTitle, make.list(this, n::超级列表框_高分起名)));
    layout->addLayout(make.buttonRow(this, {n::按钮_高分暂停, n::按钮_再生成一次, n::按钮_高分导出}));
}

} // namespace gui
