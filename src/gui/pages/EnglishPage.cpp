#include "gui/LayoutWidgets.h"
#include "gui/NameListView.h"
#include "gui/Widgets.h"
#include "gui/pages/Pages.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace gui {

namespace n = app::names;

EnglishPage::EnglishPage(QWidget* parent) : QWidget(parent)
{
    LayoutWidgets make(n::NestlingMain, this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(make.nameRow(this, n::编辑框_英文姓氏, n::编辑框_英文名字));

    auto* options = new QHBoxLayout;
    for (n::Name style : {n::单选框_男性化, n::单选框_女性化, n::单选框_中性化})
        options->addWidget(make.radio(this, style));
    options->addSpacing(16);
    options->addWidget(makeLabel(this, "名字长度:"));
    options->addWidget(make.combo(this, n::组合框_日子1));
    options->addWidget(makeLabel(this, "-"));
    options->addWidget(make.combo(this, n::组合框_时间1));
    options->addStretch();
    options->addWidget(make.button(this, n::按钮_英文起名));
    layout->addLayout(options);

    layout->addWidget(
        makeFrameGroup(this, "姓名列表(双击英文名字可以自动朗读)", make.list(this, n::超级列表框_英文列表)),
        1);
}

} // namespace gui
