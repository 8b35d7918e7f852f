#include "gui/LayoutCheck.h"

#include "gui/BaseWindow.h"
#include "gui/ElementChart.h"
#include "gui/NameListView.h"
#include "gui/QtWindow.h"
#include "gui/Widgets.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLayout>
#include <QLineEdit>
#include <QMediaPlayer>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QWebEngineView>

namespace gui {
namespace {

using app::ControlKind;

bool isKind(QObject* o, ControlKind kind)
{
    switch (kind) {
    case ControlKind::Label:
        return qobject_cast<QLabel*>(o) && !qobject_cast<ClickableLabel*>(o);
    case ControlKind::ClickLabel:
        return qobject_cast<ClickableLabel*>(o);
    case ControlKind::Picture:
        return qobject_cast<QWidget*>(o);
    case ControlKind::Edit:
        return qobject_cast<QLineEdit*>(o);
    case ControlKind::TextBox:
        return qobject_cast<QPlainTextEdit*>(o);
    case ControlKind::Combo:
        return qobject_cast<QComboBox*>(o);
    case ControlKind::Radio:
        return qobject_cast<QRadioButton*>(o);
    case ControlKind::Check:
        return qobject_cast<QCheckBox*>(o);
    case ControlKind::Button:
        return qobject_cast<QPushButton*>(o);
    case ControlKind::Group:
        return qobject_cast<QGroupBox*>(o);
    case ControlKind::List:
        return qobject_cast<NameListView*>(o);
    case ControlKind::Pages:
        return qobject_cast<QTabWidget*>(o);
    case ControlKind::Browser:
        return qobject_cast<QWebEngineView*>(o);
    case ControlKind::Toolbar:
        return qobject_cast<QToolBar*>(o);
    case ControlKind::StatusBar:
        return qobject_cast<QStatusBar*>(o);
    case ControlKind::Progress:
        return qobject_cast<QProgressBar*>(o);
    case ControlKind::Player:
        return qobject_cast<QMediaPlayer*>(o);
    case ControlKind::Menu:
        return qobject_cast<QMenu*>(o);
    case ControlKind::MenuItem:
        return qobject_cast<QAction*>(o);
    case ControlKind::Chart:
        return qobject_cast<ElementChartView*>(o);
    }
    return false;
}

// The named objects of a window, not looking into the windows it owns. Qt names some parts of its
// own (qt_..., layouts, a tab bar's scroll buttons): they are no controls.
void collectNamed(QObject* parent, std::vector<QObject*>& out)
{
    for (QObject* child : parent->children()) {
        if (qobject_cast<BaseWindow*>(child) || qobject_cast<QLayout*>(child) ||
            qobject_cast<QTabBar*>(child))
            continue;
        if (!child->objectName().isEmpty() && !child->objectName().startsWith(QStringLiteral("qt_")))
            out.push_back(child);
        collectNamed(child, out);
    }
}

// Whether `menu`, or a menu it sits in, holds the action.
bool inMenu(const QAction* action, const QString& menu)
{
    for (QObject* holder : action->associatedObjects())
        for (QObject* o = holder; o; o = o->parent())
            if (qobject_cast<QMenu*>(o) && o->objectName() == menu)
                return true;
    return false;
}

std::vector<std::string> toolCaptions(const QToolBar* bar, bool& separated)
{
    std::vector<std::string> captions;
    separated = true;
    const QList<QAction*> actions = bar->actions();
    for (qsizetype i = 0; i < actions.size(); ++i) {
        if (actions[i]->isSeparator() != (i % 2 == 1))
            separated = false;
        if (!actions[i]->isSeparator())
            captions.push_back(toStd(actions[i]->text()));
    }
    return captions;
}

void checkWidget(const QtWindow& window, const app::ControlSpec& spec, QObject* o,
                 std::vector<std::string>& out)
{
    const std::string name(spec.name);
    if (!isKind(o, spec.kind)) {
        out.push_back(name + ": a " + o->metaObject()->className() + " of another kind than its row");
        return;
    }
    if (!spec.pages.empty()) {
        auto* tabs = window.widget<QTabWidget>(spec.pages);
        auto* widget = qobject_cast<QWidget*>(o);
        if (!tabs || !widget || !tabs->widget(spec.page) || !tabs->widget(spec.page)->isAncestorOf(widget))
            out.push_back(name + ": not on page " + std::to_string(spec.page) + " of " +
                          std::string(spec.pages));
    }
    if (spec.kind == ControlKind::MenuItem && !inMenu(qobject_cast<QAction*>(o), qs(spec.menu)))
        out.push_back(name + ": not in menu " + std::string(spec.menu));
    if (spec.kind == ControlKind::Toolbar) {
        bool separated = true;
        if (toolCaptions(qobject_cast<QToolBar*>(o), separated) != spec.items || !separated)
            out.push_back(name + ": other buttons than its row");
    }
}

} // namespace

std::vector<std::string> layoutDifferences(const QtWindow& window, const app::WindowLayout& layout)
{
    std::vector<std::string> out = app::layoutDifferences(window, layout);
    QWidget* root = window.root();
    if (!root)
        return {"the window is gone"};
    std::vector<QObject*> named;
    collectNamed(root, named);
    QSet<QString> seen;
    for (QObject* o : named) {
        const std::string name = toStd(o->objectName());
        if (seen.contains(o->objectName()))
            out.push_back(name + ": named twice");
        seen.insert(o->objectName());
        if (const app::ControlSpec* spec = layout.find(name))
            checkWidget(window, *spec, o, out);
        else
            out.push_back(name + ": a " + o->metaObject()->className() + " no layout row describes");
    }
    return out;
}

void assertLayout([[maybe_unused]] const QtWindow& window, [[maybe_unused]] std::string_view layoutKey)
{
#ifndef NDEBUG
    const app::WindowLayout* layout = app::windowLayout(layoutKey);
    if (!layout)
        qFatal("no window layout %s", std::string(layoutKey).c_str());
    std::string text;
    for (const std::string& difference : layoutDifferences(window, *layout))
        text += "\n  " + difference;
    if (!text.empty())
        qFatal("%s differs from its layout:%s", std::string(layoutKey).c_str(), text.c_str());
#endif
}

} // namespace gui
