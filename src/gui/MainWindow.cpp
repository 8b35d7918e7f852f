#include "gui/MainWindow.h"

#include "app/ArticleMenu.h"
#include "app/ControlNames.h"
#include "gui/Icons.h"
#include "gui/Widgets.h"
#include "gui/pages/Pages.h"

#include <QHBoxLayout>
#include <QMediaPlayer>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

namespace gui {
namespace {

QAction* addItem(QMenu* menu, std::string_view name, std::string_view caption)
{
    QAction* action = menu->addAction(qs(caption));
    action->setObjectName(qs(name));
    return action;
}

void addArticleMenu(QMenu* menu, const std::vector<app::ArticleMenuEntry>& entries)
{
    QMenu* target = menu;
    for (const app::ArticleMenuEntry& e : entries) {
        switch (e.kind) {
        case app::ArticleMenuEntry::Item:
            addItem(target, std::string(app::names::kArticleItemPrefix) + e.caption, e.caption);
            break;
        case app::ArticleMenuEntry::SubMenu:
            target = menu->addMenu(qs(e.caption));
            target->setObjectName(qs("菜单_" + e.caption + "_分类"));
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
    setObjectName(QStringLiteral("NestlingMain"));
    setWindowTitle(QString::fromUtf8(app::kMainTitle));
    // The installed icon (a bird in its nest), else the drawn product picture of a build.
    setWindowIcon(QIcon::fromTheme(QStringLiteral("nestling"), QIcon(productPicture(64))));
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(buildInputGroup(central));
    layout->addWidget(buildPages(central), 1);
    setCentralWidget(central);
    buildToolbar();
    buildMenus();
    buildStatusBar();

    // The sound output is made on first use, so a start never waits for the sound system.
    auto* player = new QMediaPlayer(this);
    player->setObjectName(QStringLiteral("媒体播放1"));
    resize(960, 680);
}

QWidget* MainWindow::buildInputGroup(QWidget* parent)
{
    QGroupBox* group = makeGroup(parent, "宝宝信息：", "分组框1");
    auto* rows = new QVBoxLayout(group);
    auto* row = new QHBoxLayout;
    rows->addLayout(row);
    row->addWidget(makeLabel(group, "姓氏:"));
    QLineEdit* surname = makeEdit(group, "编辑框_姓氏");
    // Room for a two-character surname (欧阳, 司马) with the frame, at any font size.
    surname->setMinimumWidth(surname->fontMetrics().horizontalAdvance(QStringLiteral("欧阳")) + 24);
    surname->setMaximumWidth(std::max(80, surname->minimumWidth()));
    surname->setMaxLength(2);
    row->addWidget(surname);
    row->addWidget(makeLabel(group, "性别:"));
    row->addWidget(makeCombo(group, "组合框_性别", {QStringLiteral("男"), QStringLiteral("女")}));
    row->addWidget(makeLabel(group, "名字个数:"));
    row->addWidget(makeCombo(group, "组合框_名字个数", {QStringLiteral("一字"), QStringLiteral("二字")}));
    auto* generation = new ClickableLabel(QStringLiteral("▽"), group);
    generation->setObjectName(QStringLiteral("标签_设置辈份"));
    generation->setToolTip(QStringLiteral("设置辈份"));
    generation->setCursor(Qt::PointingHandCursor);
    generation->setStyleSheet(QStringLiteral("color: #606060;"));
    row->addWidget(generation);
    row->addSpacing(12);
    row->addWidget(makeLabel(group, "出生日期(公历):"));
    const std::pair<const char*, const char*> dates[] = {{"组合框_年份", "年"},
                                                         {"组合框_月份", "月"},
                                                         {"组合框_日子", "日"},
                                                         {"组合框_时间", "时"},
                                                         {"组合框_分钟", "分"}};
    for (const auto& [name, unit] : dates) {
        row->addWidget(makeCombo(group, name));
        row->addWidget(makeLabel(group, unit));
    }
    row->addStretch();
    // The taboo characters on a row of their own: the first row is as wide as a small screen allows.
    auto* avoidRow = new QHBoxLayout;
    rows->addLayout(avoidRow);
    // The taboo characters: set from 操作菜单 → 设置避讳字; the box is enabled once there are some.
    QCheckBox* avoid = makeCheck(group, "选择框_排除避讳字", "排除避讳字");
    avoid->setEnabled(false);
    avoid->setToolTip(
        QStringLiteral("勾选后，各种起名模式都不列出含有避讳字的名字（在“操作菜单 → 设置避讳字”中设置）"));
    avoidRow->addWidget(avoid);
    avoidRow->addWidget(makeLabel(group, "", "透明标签_避讳字"));
    avoidRow->addStretch();
    return group;
}

QTabWidget* MainWindow::buildPages(QWidget* parent)
{
    auto* tabs = new QTabWidget(parent);
    tabs->setObjectName(QStringLiteral("高级选择夹1"));
    tabs->addTab(new ModePage(tabs), QStringLiteral("模式选择"));
    tabs->addTab(new HighScorePage(tabs), QStringLiteral("高分模式"));
    tabs->addTab(new PoemPage(tabs), QStringLiteral("诗词起名"));
    tabs->addTab(new CombinationPage(tabs), QStringLiteral("组合起名"));
    tabs->addTab(new NicknamePage(tabs), QStringLiteral("起小名"));
    tabs->addTab(new EnglishPage(tabs), QStringLiteral("起英文名"));
    tabs->addTab(new BirthChartPage(tabs), QStringLiteral("生辰八字"));
    tabs->addTab(new EvaluationPage(tabs), QStringLiteral("姓名评分"));
    tabs->addTab(new RecordsPage(tabs), QStringLiteral("起名记录"));
    tabs->addTab(new SuperAuspiciousPage(tabs), QStringLiteral("超吉模式"));
    tabs->addTab(new ClassicPage(tabs), QStringLiteral("经典模式"));
    tabs->addTab(new ShortlistPage(tabs), QStringLiteral("名字收藏"));
    return tabs;
}

void MainWindow::buildToolbar()
{
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("工具条1"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    const char* const captions[] = {"模式选择", "生辰八字", "姓名评分", "起名记录", "新华字典"};
    for (int i = 0; i < 5; ++i) {
        if (i > 0)
            bar->addSeparator();
        bar->addAction(toolIcon(i), QString::fromUtf8(captions[i]));
    }
    addToolBar(Qt::TopToolBarArea, bar);
}

void MainWindow::buildMenus()
{
    QMenu* operations = menuBar()->addMenu(QStringLiteral("操作菜单[&C]"));
    operations->setObjectName(QStringLiteral("操作菜单"));
    addItem(operations, "菜单_模式选择", "模式选择");
    addItem(operations, "菜单_生辰八字", "生辰八字");
    addItem(operations, "菜单_姓名评分", "姓名评分");
    addItem(operations, "菜单_起名记录", "起名记录");
    addItem(operations, "菜单_新华字典", "新华字典");
    addItem(operations, "菜单_名字收藏", "名字收藏");
    operations->addSeparator();
    addItem(operations, "菜单_避讳字", "设置避讳字...");
    operations->addSeparator();
    addItem(operations, "菜单_退出程序", "退出程序");

    QMenu* parenting = menuBar()->addMenu(QStringLiteral("育儿知识[&Y]"));
    parenting->setObjectName(QStringLiteral("育儿知识"));
    addArticleMenu(parenting, app::parentingMenu());
    QMenu* fortune = menuBar()->addMenu(QStringLiteral("算命风水[&S]"));
    fortune->setObjectName(QStringLiteral("算命风水"));
    addArticleMenu(fortune, app::fortuneMenu());

    QMenu* help = menuBar()->addMenu(QStringLiteral("帮助[&H]"));
    help->setObjectName(QStringLiteral("帮助"));
    addItem(help, "菜单_更换皮肤", "更换皮肤");
    addItem(help, "菜单_使用帮助", "使用帮助");
    addItem(help, "菜单_关于软件", "关于软件");

    // The records list's pop-up menu; not in the menu bar.
    auto* records = new QMenu(this);
    records->setObjectName(QStringLiteral("记录列表菜单"));
    addItem(records, "菜单_删除记录", "删除记录");
    // The pop-up menu of the other name lists.
    auto* names = new QMenu(this);
    names->setObjectName(QStringLiteral("名字列表菜单"));
    addItem(names, "菜单_加入收藏", "加入收藏");
}

void MainWindow::buildStatusBar()
{
    auto* bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("状态条1"));
    auto* picture = new QLabel(bar);
    picture->setObjectName(QStringLiteral("状态条1_图片"));
    picture->setFixedSize(22, 22);
    auto* text = new QLabel(bar);
    text->setObjectName(QStringLiteral("状态条1_说明"));
    bar->addWidget(picture);
    bar->addWidget(text, 1);
    setStatusBar(bar);
}

} // namespace gui
