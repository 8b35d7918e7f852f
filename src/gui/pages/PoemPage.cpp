#include "gui/LayoutWidgets.h"
#include "gui/NameListView.h"
#include "gui/Widgets.h"
#include "gui/pages/Pages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWebEngineView>

namespace gui {
namespace {

namespace n = app::names;

QWidget* pickPage(LayoutWidgets& make, QWidget* parent)
{
    auto* page = new QWidget(parent);
    auto* grid = new QGridLayout(page);
    // The book above the poet list, the search above the poem list: both narrow what the lists show.
    auto* book = new QHBoxLayout;
    book->addWidget(makeLabel(page, "书目"));
    book->addWidget(make.combo(page, n::组合框_书目), 1);
    grid->addLayout(book, 0, 0);
    auto* search = new QHBoxLayout;
    QLineEdit* words = make.edit(page, n::编辑框_诗词搜索);
    words->setPlaceholderText(QStringLiteral("标题或诗句"));
    search->addWidget(words, 1);
    QPushButton* find = make.button(page, n::按钮_诗词搜索);
    search->addWidget(find);
    // Enter in the box searches, as the button does.
    QObject::connect(words, &QLineEdit::returnPressed, find, &QPushButton::click);
    grid->addLayout(search, 0, 1);
    grid->addWidget(makeLabel(page, "① 选择诗人"), 1, 0);
    grid->addWidget(make.list(page, n::超级列表框_诗人列表), 2, 0);
    grid->addWidget(makeLabel(page, "② 选择诗词"), 1, 1);
    grid->addWidget(make.list(page, n::超级列表框_诗词残), 2, 1);
    grid->addWidget(make.browser(page, n::网页浏览框1), 0, 2, 3, 1);
    auto* use = new QHBoxLayout;
    use->addStretch();
    use->addWidget(makeLabel(page, "③ 使用本诗词,点击按钮"));
    use->addWidget(make.button(page, n::按钮2));
    grid->addLayout(use, 3, 0, 1, 3);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(2, 4);
    return page;
}

QWidget* charactersPage(LayoutWidgets& make, QWidget* parent)
{
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);
    QGroupBox* box = make.group(page, n::分组框_诗词字符);
    box->setMinimumHeight(220);
    layout->addWidget(box, 1);
    // The character boxes are made when a poem is taken over; a long poem scrolls inside the group.
    auto* boxLayout = new QVBoxLayout(box);
    auto* scroll = new QScrollArea(box);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(new QWidget(scroll));
    boxLayout->addWidget(scroll);
    // The template of the character boxes, hidden outside the visible area.
    make.check(page, n::选择框1)->setGeometry(-200, -200, 70, 20);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(make.button(page, n::按钮3));
    buttons->addWidget(make.button(page, n::按钮6));
    buttons->addWidget(make.button(page, n::按钮4));
    buttons->addStretch();
    buttons->addWidget(make.check(page, n::选择框_诗词常见名字));
    buttons->addWidget(make.button(page, n::按钮_诗词起名));
    layout->addLayout(buttons);
    return page;
}

QWidget* namesPage(LayoutWidgets& make, QWidget* parent)
{
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(makeFrameGroup(page, kNameListTitle, make.list(page, n::超级列表框_诗名列表)));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(make.button(page, n::按钮_诗名导出));
    layout->addLayout(buttons);
    return page;
}

} // namespace

PoemPage::PoemPage(QWidget* parent) : QWidget(parent)
{
    LayoutWidgets make(n::NestlingMain, this);
    auto* layout = new QVBoxLayout(this);
    QTabWidget* tabs = make.pages(this, n::高级选择夹2);
    make.addPage(tabs, pickPage(make, tabs));
    make.addPage(tabs, charactersPage(make, tabs));
    make.addPage(tabs, namesPage(make, tabs));
    layout->addWidget(tabs);
}

} // namespace gui
