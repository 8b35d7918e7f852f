#include "gui/pages/Pages.h"

#include "gui/NameListView.h"
#include "gui/Widgets.h"

#include <QGridLayout>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWebEngineView>

namespace gui {
namespace {

QWidget* pickPage(QWidget* parent)
{
    auto* page = new QWidget(parent);
    auto* grid = new QGridLayout(page);
    grid->addWidget(makeLabel(page, "① 选择诗人"), 0, 0);
    grid->addWidget(makeList(page, "超级列表框_诗人列表", {QStringLiteral("编号"), QStringLiteral("诗人")}),
                    1, 0);
    grid->addWidget(makeLabel(page, "② 选择诗词"), 0, 1);
    grid->addWidget(makeList(page, "超级列表框_诗词残", {QStringLiteral("编号"), QStringLiteral("诗词标题")}),
                    1, 1);
    grid->addWidget(makeBrowser(page, "网页浏览框1"), 0, 2, 2, 1);
    auto* use = new QHBoxLayout;
    use->addStretch();
    use->addWidget(makeLabel(page, "③ 使用本诗词,点击按钮"));
    use->addWidget(makeButton(page, "按钮2", "使用此诗词"));
    grid->addLayout(use, 2, 0, 1, 3);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(2, 4);
    return page;
}

QWidget* charactersPage(QWidget* parent)
{
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);
    QGroupBox* box = makeGroup(page, "勾选可以用在名字里的字", "分组框_诗词字符");
    box->setMinimumHeight(220);
    layout->addWidget(box, 1);
    // The character boxes are made when a poem is taken over; a long poem scrolls inside the group.
    auto* boxLayout = new QVBoxLayout(box);
    auto* scroll = new QScrollArea(box);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(new QWidget(scroll));
    boxLayout->addWidget(scroll);
    // The template of the character boxes, outside the visible area; the boxes of a poem are copies.
    QCheckBox* templateBox = makeCheck(page, "选择框1", "字");
    templateBox->setGeometry(-200, -200, 70, 20);
    templateBox->hide();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(makeButton(page, "按钮3", "全选"));
    buttons->addWidget(makeButton(page, "按钮6", "反选"));
    buttons->addWidget(makeButton(page, "按钮4", "全清"));
    buttons->addStretch();
    buttons->addWidget(makeButton(page, "按钮_诗词起名", "生成"));
    layout->addLayout(buttons);
    return page;
}

QWidget* namesPage(QWidget* parent)
{
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(makeListGroup(page, "姓名列表(双击姓名可查看详细解释)",
                                    makeList(page, "超级列表框_诗名列表", nameColumns())));
    return page;
}

} // namespace

PoemPage::PoemPage(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("高级选择夹2"));
    tabs->addTab(pickPage(tabs), QStringLiteral("选取诗词"));
    tabs->addTab(charactersPage(tabs), QStringLiteral("诗词取名"));
    tabs->addTab(namesPage(tabs), QStringLiteral("生成名字"));
    layout->addWidget(tabs);
}

} // namespace gui
