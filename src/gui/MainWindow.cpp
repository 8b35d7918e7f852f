#include "gui/MainWindow.h"

#include "app/ArticleMenu.h"
#include "app/ControlNames.h"
#include "gui/Icons.h"
#include "gui/LayoutWidgets.h"
#include "gui/Widgets.h"
#include "gui/pages/Pages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace gui {
namespace {

namespace n = app::names;

void addArticleMenu(LayoutWidgets& make, QMenu* menu, const std::vector<app::ArticleMenuEntry>& entries)
{
    QMenu* target = menu;
    for (const app::ArticleMenuEntry& e : entries) {
        switch (e.kind) {
        case app::ArticleMenuEntry::Item:
            make.menuItem(target, std::string(n::kArticleItemPrefix) + e.caption);
            break;
        case app::ArticleMenuEntry::SubMenu:
            target = menu->addMenu(qs(e.caption));
            break;
        case app::ArticleMenuEntry::EndSubMenu:
            target = menu;
            break;
        case app::ArticleMenuEntry::Separator:
            target->addSeparator();
            break;
        }
    }
}

} // namespace

MainWindow::MainWindow(QWidget* parent) : BaseWindow(parent)
{
    LayoutWidgets make(n::NestlingMain, this);
    make.nameWindow(this);
    // The installed icon (a bird in its nest), else the drawn product picture of a build.
    setWindowIcon(QIcon::fromTheme(QStringLiteral("nestling"), QIcon(productPicture(64))));
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(buildInputGroup(make, central));
    layout->addWidget(buildPages(make, central), 1);
    setCentralWidget(central);
    make.toolbar(this, n::工具条1, 0);
    buildMenus(make);
    make.statusBar(this, n::状态条1, true);
    // The sound output is made on first use, so a start never waits for the sound system.
    make.player(this, n::媒体播放1);
    resize(960, 680);
}

QWidget* MainWindow::buildInputGroup(LayoutWidgets& make, QWidget* parent)
{
    QGroupBox* group = make.group(parent, n::分组框1);
    auto* rows = new QVBoxLayout(group);
    auto* row = new QHBoxLayout;
    rows->addLayout(row);
    row->addWidget(makeLabel(group, "姓氏:"));
    QLineEdit* surname = make.edit(group, n::编辑框_姓氏);
    // Room for a two-character surname (欧阳, 司马) with the frame, at any font size.
    surname->setMinimumWidth(surname->fontMetrics().horizontalAdvance(QStringLiteral("欧阳")) + 24);
    // No length limit: a box that cut a pasted 司马相 to 司马 would name a child of another family; a
    // surname that is too long is refused with its message when naming starts.
    surname->setMaximumWidth(std::max(80, surname->minimumWidth()));
    row->addWidget(surname);
    row->addWidget(makeLabel(group, "性别:"));
    row->addWidget(make.combo(group, n::组合框_性别));
    row->addWidget(makeLabel(group, "名字个数:"));
    row->addWidget(make.combo(group, n::组合框_名字个数));
    row->addWidget(make.clickLabel(group, n::标签_设置辈份));
    row->addSpacing(12);
    row->addWidget(makeLabel(group, "出生日期(公历):"));
    const std::pair<n::Name, const char*> dates[] = {{n::组合框_年份, "年"},
                                                     {n::组合框_月份, "月"},
                                                     {n::组合框_日子, "日"},
                                                     {n::组合框_时间, "时"},
                                                     {n::组合框_分钟, "分"}};
    for (const auto& [name, unit] : dates) {
        row->addWidget(make.combo(group, name));
        row->addWidget(makeLabel(group, unit));
    }
    row->addStretch();
    // A second line, so the window stays narrow enough for small screens: the rare-character filter and
    // the taboo characters (set from 操作菜单 → 设置避讳字; the box is enabled once there are some).
    auto* options = new QHBoxLayout;
    rows->addLayout(options);
    options->addWidget(make.check(group, n::选择框_过滤生僻字));
    options->addSpacing(12);
    options->addWidget(make.check(group, n::选择框_排除避讳字));
    options->addWidget(make.label(group, n::透明标签_避讳字));
    options->addStretch();
    return group;
}

QTabWidget* MainWindow::buildPages(LayoutWidgets& make, QWidget* parent)
{
    QTabWidget* tabs = make.pages(parent, n::高级选择夹1);
    // In the order of app::Page.
    make.addPage(tabs, new ModePage(tabs));
    make.addPage(tabs, new HighScorePage(tabs));
    make.addPage(tabs, new PoemPage(tabs));
    make.addPage(tabs, new CombinationPage(tabs));
    make.addPage(tabs, new NicknamePage(tabs));
    make.addPage(tabs, new EnglishPage(tabs));
    make.addPage(tabs, new BirthChartPage(tabs));
    make.addPage(tabs, new EvaluationPage(tabs));
    make.addPage(tabs, new RecordsPage(tabs));
    make.addPage(tabs, new SuperAuspiciousPage(tabs));
    make.addPage(tabs, new ClassicPage(tabs));
    make.addPage(tabs, new ShortlistPage(tabs));
    return tabs;
}

void MainWindow::buildMenus(LayoutWidgets& make)
{
    QMenu* operations = make.menu(menuBar(), n::操作菜单);
    for (n::Name item : {n::菜单_模式选择, n::菜单_生辰八字, n::菜单_姓名评分, n::菜单_起名记录,
                         n::菜单_新华字典, n::菜单_名字收藏})
        make.menuItem(operations, item);
    operations->addSeparator();
    make.menuItem(operations, n::菜单_避讳字);
    operations->addSeparator();
    make.menuItem(operations, n::菜单_退出程序);

    addArticleMenu(make, make.menu(menuBar(), n::育儿知识), app::parentingMenu());
    addArticleMenu(make, make.menu(menuBar(), n::算命风水), app::fortuneMenu());

    QMenu* help = make.menu(menuBar(), n::帮助);
    for (n::Name item : {n::菜单_更换皮肤, n::菜单_使用帮助, n::菜单_关于软件})
        make.menuItem(help, item);

    // The records list's pop-up menu; not in the menu bar.
    make.menuItem(make.popUpMenu(this, n::记录列表菜单), n::菜单_删除记录);
    // The pop-up menu of the other name lists.
    make.menuItem(make.popUpMenu(this, n::名字列表菜单), n::菜单_加入收藏);
}

} // namespace gui
