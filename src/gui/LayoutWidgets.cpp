#include "gui/LayoutWidgets.h"

#include "gui/BaseWindow.h"
#include "gui/ElementChart.h"
#include "gui/Icons.h"
#include "gui/NameListView.h"
#include "gui/Widgets.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMediaPlayer>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace gui {
namespace {

using app::ControlKind;
using app::names::Name;

const app::WindowLayout& layoutOf(std::string_view key)
{
    const app::WindowLayout* layout = app::windowLayout(key);
    if (!layout)
        qFatal("no window layout %s", std::string(key).c_str());
    return *layout;
}

QStringList qtList(const std::vector<std::string>& items)
{
    QStringList list;
    for (const std::string& item : items)
        list << qs(item);
    return list;
}

// Asking a view for its page or settings makes the page; so the settings wait for the first show.
class LazyBrowser : public QWebEngineView
{
public:
    using QWebEngineView::QWebEngineView;

protected:
    void showEvent(QShowEvent* event) override
    {
        prepareBrowser(this);
        QWebEngineView::showEvent(event);
    }
};

constexpr const char* kPrepared = "nestlingPrepared";

// A page of our own files. A web archive (the manual) takes its links' base from the address recorded
// inside it, so a contents link "#input" points at a file that is not there and the browser refuses
// it; such a link is followed within the archive shown instead.
class ArchivePage : public QWebEnginePage
{
public:
    using QWebEnginePage::QWebEnginePage;

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override
    {
        const QUrl shown = this->url();
        if (isMainFrame && type == NavigationTypeLinkClicked && url.hasFragment() && shown.isLocalFile() &&
            shown.path().endsWith(QStringLiteral(".mht"), Qt::CaseInsensitive) && url.isLocalFile() &&
            !url.matches(shown, QUrl::RemoveFragment) && !QFileInfo::exists(url.toLocalFile())) {
            QUrl inside = shown;
            inside.setFragment(url.fragment());
            // Not from inside this call: the page is still deciding on the refused request.
            QTimer::singleShot(0, this, [this, inside] { setUrl(inside); });
            return false;
        }
        return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
    }
};

} // namespace

LayoutWidgets::LayoutWidgets(std::string_view layoutKey, QObject* owner)
    : m_layout(layoutOf(layoutKey)), m_owner(owner)
{
}

void LayoutWidgets::nameWindow(QWidget* window) const
{
    window->setObjectName(qs(m_layout.window));
    window->setWindowTitle(qs(m_layout.title));
}

const app::ControlSpec& LayoutWidgets::spec(Name name, ControlKind kind) const
{
    const app::ControlSpec* row = m_layout.find(name);
    if (!row)
        qFatal("the layout of %s has no control %s", std::string(m_layout.key).c_str(),
               std::string(name).c_str());
    if (row->kind != kind)
        qFatal("%s of %s is made as another kind than its layout row", std::string(name).c_str(),
               std::string(m_layout.key).c_str());
    return *row;
}

template <typename W> W* LayoutWidgets::finish(W* widget, const app::ControlSpec& row)
{
    widget->setObjectName(qs(row.name));
    widget->setEnabled(row.enabled);
    if (!row.visible)
        widget->hide();
    if (!row.tip.empty())
        widget->setToolTip(qs(row.tip));
    if (row.color)
        setWidgetTextColor(widget, *row.color);
    return widget;
}

QLabel* LayoutWidgets::label(QWidget* parent, Name name)
{
    const app::ControlSpec& row = spec(name, ControlKind::Label);
    return finish(new QLabel(qs(row.caption), parent), row);
}

ClickableLabel* LayoutWidgets::clickLabel(QWidget* parent, Name name)
{
    const app::ControlSpec& row = spec(name, ControlKind::ClickLabel);
    auto* label = finish(new ClickableLabel(qs(row.caption), parent), row);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

QWidget* LayoutWidgets::picture(QWidget* widget, Name name)
{
    return finish(widget, spec(name, ControlKind::Picture));
}

QLineEdit* LayoutWidgets::edit(QWidget* parent, Name name)
{
    const app::ControlSpec& row = spec(name, ControlKind::Edit);
    return finish(new QLineEdit(qs(row.caption), parent), row);
}

QPlainTextEdit* LayoutWidgets::textBox(QWidget* parent, Name name, bool readOnly)
{
    const app::ControlSpec& row = spec(name, ControlKind::TextBox);
    auto* box = finish(new TextBox(qs(row.caption), parent), row);
    box->setReadOnly(readOnly);
    return box;
}

QComboBox* LayoutWidgets::combo(QWidget* parent, Name name)
{
    const app::ControlSpec& row = spec(name, ControlKind::Combo);
    auto* combo = finish(new QComboBox(parent), row);
    combo->addItems(qtList(row.items));
    return combo;
}

QRadioButton* LayoutWidgets::radio(QWidget* parent, Name name)
{
    const app::ControlSpec& row = spec(name, ControlKind::Radio);
    auto* radio = finish(new QRadioButton(qs(row.caption), parent), row);
    QButtonGroup*& group = m_groups[qs(row.group)];
    if (!group)
        group = new QButtonGroup(m_owner);
    group->addButton(radio);
    radio->setChecked(row.checked);
    return radio;
}

QCheckBox* LayoutWidgets::check(QWidget* parent, Name name)
{
    const app::ControlSpec& row = spec(name, ControlKind::Check);
    auto* box = finish(new QCheckBox(qs(row.caption), parent), row);
    box->setChecked(row.checked);
    return box;
}

QPushButton* LayoutWidgets::button(QWidget* parent, Name name)
{
    const app::ControlSpec& row = spec(name, ControlKind::Button);
    return finish(new QPushButton(qs(row.caption), parent), row);
}

QHBoxLayout* LayoutWidgets::nameRow(QWidget* parent, Name surname, Name given)
{
    auto* row = new QHBoxLayout;
    row->addWidget(makeLabel(parent, "姓氏:"));
    row->addWidget(edit(parent, surname));
    row->addWidget(makeLabel(parent, "名字:"));
    row->addWidget(edit(parent, given));
    row->addStretch();
    return row;
}

QHBoxLayout* LayoutWidgets::buttonRow(QWidget* parent, std::initializer_list<Name> names)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (const Name name : names)
        row->addWidget(button(parent, name));
    return row;
}

QGroupBox* LayoutWidgets::group(QWidget* parent, Name name)
{
    const app::ControlSpec& row = spec(name, ControlKind::Group);
    return finish(new QGroupBox(qs(row.caption), parent), row);
}

NameListView* LayoutWidgets::list(QWidget* parent, Name name)
{
    const app::ControlSpec& row = spec(name, ControlKind::List);
    return finish(new NameListView(qtList(row.items), parent), row);
}

QWebEngineView* LayoutWidgets::browser(QWidget* parent, Name name)
{
    auto* view = finish(new LazyBrowser(parent), spec(name, ControlKind::Browser));
    view->setMinimumSize(120, 80);
    return view;
}

void prepareBrowser(QWebEngineView* view)
{
    if (view->property(kPrepared).toBool())
        return;
    view->setProperty(kPrepared, true);
    view->setPage(new ArchivePage(view));
    QWebEngineSettings* s = view->settings();
    s->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    s->setDefaultTextEncoding(QStringLiteral("GBK"));
}

QTabWidget* LayoutWidgets::pages(QWidget* parent, Name name)
{
    return finish(new QTabWidget(parent), spec(name, ControlKind::Pages));
}

void LayoutWidgets::addPage(QTabWidget* pages, QWidget* page)
{
    const app::ControlSpec& row = spec(toStd(pages->objectName()), ControlKind::Pages);
    const int index = pages->count();
    if (index >= static_cast<int>(row.items.size()))
        qFatal("%s has more pages than its layout row", std::string(row.name).c_str());
    pages->addTab(page, qs(row.items[static_cast<std::size_t>(index)]));
    pages->setTabVisible(index, index == 0 || !row.firstPageOnly);
}

QToolBar* LayoutWidgets::toolbar(QMainWindow* window, Name name, int firstIcon)
{
    const app::ControlSpec& row = spec(name, ControlKind::Toolbar);
    auto* bar = finish(new QToolBar(window), row);
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    int icon = firstIcon;
    for (const std::string& caption : row.items) {
        if (icon > firstIcon)
            bar->addSeparator();
        bar->addAction(toolIcon(icon++), qs(caption));
    }
    window->addToolBar(Qt::TopToolBarArea, bar);
    return bar;
}

QStatusBar* LayoutWidgets::statusBar(QMainWindow* window, Name name, bool withParts)
{
    auto* bar = finish(new StatusBar(withParts, window), spec(name, ControlKind::StatusBar));
    window->setStatusBar(bar);
    return bar;
}

QProgressBar* LayoutWidgets::progress(QWidget* parent, Name name)
{
    return finish(new QProgressBar(parent), spec(name, ControlKind::Progress));
}

QMediaPlayer* LayoutWidgets::player(QObject* parent, Name name)
{
    auto* player = new QMediaPlayer(parent);
    player->setObjectName(qs(spec(name, ControlKind::Player).name));
    return player;
}

QMenu* LayoutWidgets::menu(QMenuBar* bar, Name name)
{
    const app::ControlSpec& row = spec(name, ControlKind::Menu);
    QMenu* menu = bar->addMenu(qs(row.caption));
    menu->setObjectName(qs(row.name));
    return menu;
}

QMenu* LayoutWidgets::popUpMenu(QWidget* parent, Name name)
{
    const app::ControlSpec& row = spec(name, ControlKind::Menu);
    auto* menu = new QMenu(qs(row.caption), parent);
    menu->setObjectName(qs(row.name));
    return menu;
}

QAction* LayoutWidgets::menuItem(QMenu* menu, Name name)
{
    const app::ControlSpec& row = spec(name, ControlKind::MenuItem);
    QAction* action = menu->addAction(qs(row.caption));
    action->setObjectName(qs(row.name));
    action->setEnabled(row.enabled);
    return action;
}

ElementChartView* LayoutWidgets::chart(QWidget* parent, Name name)
{
    return finish(new ElementChartView(parent), spec(name, ControlKind::Chart));
}

} // namespace gui
