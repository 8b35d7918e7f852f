#include "gui/pages/Pages.h"

#include "gui/NameListView.h"
#include "gui/Widgets.h"

#include <QButtonGroup>
#include <QVBoxLayout>

namespace gui {

EnglishPage::EnglishPage(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    auto* names = new QHBoxLayout;
    names->addWidget(makeLabel(this, "姓氏:"));
    names->addWidget(makeEdit(this, "编辑框_英文姓氏"));
    names->addWidget(makeLabel(this, "名字:"));
    names->addWidget(makeEdit(this, "编辑框_英文名字"));
    names->addStretch();
    layout->addLayout(names);

    auto* options = new QHBoxLayout;
    auto* group = new QButtonGroup(this);
    options->addWidget(makeRadio(this, group, "单选框_男性化", "男性化", true));
    options->addWidget(makeRadio(this, group, "单选框_女性化", "女性化"));
    options->addWidget(makeRadio(this, group, "单选框_中性化", "中性化"));
    options->addSpacing(16);
    options->addWidget(makeLabel(this, "名字长度:"));
    options->addWidget(makeCombo(this, "组合框_日子1", range(3, 20)));
    options->addWidget(makeLabel(this, "-"));
    options->addWidget(makeCombo(this, "组合框_时间1", range(3, 20)));
    options->addStretch();
    options->addWidget(makeButton(this, "按钮_英文起名", "生成"));
    layout->addLayout(options);

    const QStringList columns = {QStringLiteral("编号"), QStringLiteral("英文名"), QStringLiteral("中文读音"),
                                 QStringLiteral("相关含义")};
    layout->addWidget(makeListGroup(this, "姓名列表(双击英文名字可以自动朗读)",
                                    makeList(this, "超级列表框_英文列表", columns)),
                      1);
}

} // namespace gui
