#include "gui/pages/Pages.h"

#include "gui/NameListView.h"
#include "gui/Widgets.h"
#include "reports/Comparison.h"

#include <QVBoxLayout>

namespace gui {

ShortlistPage::ShortlistPage(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    QLabel* hint = makeLabel(this, "", "透明标签_收藏说明");
    hint->setWordWrap(true);
    layout->addWidget(hint);
    QStringList headers;
    for (const std::string& header : reports::comparisonHeaders())
        headers << qs(header);
    layout->addWidget(makeListGroup(this, "收藏的名字(并排比较;双击姓名可查看详细解释)",
                                    makeList(this, "超级列表框_收藏列表", headers)),
                      1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(makeButton(this, "按钮_收藏删除", "删除选中"));
    buttons->addWidget(makeButton(this, "按钮_收藏导出", "导出列表"));
    layout->addLayout(buttons);
}

} // namespace gui
