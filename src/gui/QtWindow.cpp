#include "gui/QtWindow.h"

#include "app/UnknownControl.h"
#include "gui/BaseWindow.h"
#include "gui/Icons.h"
#include "gui/NameListView.h"
#include "gui/QtHost.h"
#include "gui/RowTableModel.h"
#include "gui/Widgets.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMediaPlayer>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QUrl>
#include <QWebEngineView>

namespace gui {
namespace {

// Depth-first search for a named object that stops at the windows this one owns, so a control of a
// secondary window never answers for one of the main window.
QObject* findInside(QObject* parent, const QString& name)
{
    for (QObject* child : parent->children()) {
        if (child->objectName() == name)
            return child;
    }
    for (QObject* child : parent->children()) {
        if (qobject_cast<BaseWindow*>(child))
            continue;
        if (QObject* found = findInside(child, name))
            return found;
    }
    return nullptr;
}

QString toQt(std::string_view text)
{
    return qs(text);
}

QString crlfToLf(std::string_view text)
{
    QString s = qs(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}

} // namespace

QtWindow::QtWindow(QtHost& host, QWidget* root) : m_host(host), m_root(root) {}

QObject* QtWindow::object(app::ControlName control) const
{
    if (!m_root)
        return nullptr;
    const QString name = toQt(control);
    if (name == m_root->objectName())
        return m_root;
    if (auto it = m_cache.constFind(name);
        it != m_cache.constEnd() && it.value() && it.value()->objectName() == name)
        return it.value();
    QObject* found = findInside(m_root, name);
    if (found)
        m_cache.insert(name, found);
    return found;
}

QObject* QtWindow::require(app::ControlName control) const
{
    QObject* found = object(control);
    if (!found && m_root)
        app::reportUnknownControl({windowName(), std::string(control)});
    return found;
}

std::string QtWindow::windowName() const
{
    return m_root ? toStd(m_root->objectName()) : std::string();
}

bool QtWindow::exists(app::ControlName control) const
{
    return object(control) != nullptr;
}

std::string QtWindow::title() const
{
    return m_root ? toStd(m_root->windowTitle()) : std::string();
}

void QtWindow::setTitle(std::string_view title)
{
    if (m_root)
        m_root->setWindowTitle(toQt(title));
}

std::string QtWindow::text(app::ControlName control) const
{
    QObject* o = require(control);
    if (auto* e = qobject_cast<QLineEdit*>(o))
        return toStd(e->text());
    if (auto* t = qobject_cast<QPlainTextEdit*>(o)) {
        QString s = t->toPlainText();
        s.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
        return toStd(s);
    }
    if (auto* l = qobject_cast<QLabel*>(o))
        return toStd(l->text());
    if (auto* b = qobject_cast<QAbstractButton*>(o))
        return toStd(b->text());
    if (auto* g = qobject_cast<QGroupBox*>(o))
        return toStd(g->title());
    if (auto* c = qobject_cast<QComboBox*>(o))
        return toStd(c->currentText());
    if (auto* a = qobject_cast<QAction*>(o))
        return toStd(a->text());
    if (auto* m = qobject_cast<QMenu*>(o))
        return toStd(m->title());
    if (auto* w = qobject_cast<QWidget*>(o); w && w->isWindow())
        return toStd(w->windowTitle());
    // Our own controls (the element chart) take their text through a "text" property.
    if (o && o->metaObject()->indexOfProperty("text") >= 0)
        return toStd(o->property("text").toString());
    return {};
}

void QtWindow::setText(app::ControlName control, std::string_view text)
{
    QObject* o = require(control);
    if (auto* e = qobject_cast<QLineEdit*>(o))
        e->setText(toQt(text));
    else if (auto* t = qobject_cast<QPlainTextEdit*>(o))
        t->setPlainText(crlfToLf(text));
    else if (auto* l = qobject_cast<QLabel*>(o))
        l->setText(toQt(text));
    else if (auto* b = qobject_cast<QAbstractButton*>(o))
        b->setText(toQt(text));
    else if (auto* g = qobject_cast<QGroupBox*>(o))
        g->setTitle(toQt(text));
    else if (auto* a = qobject_cast<QAction*>(o))
        a->setText(toQt(text));
    else if (auto* w = qobject_cast<QWidget*>(o); w && w->isWindow())
        w->setWindowTitle(toQt(text));
    else if (o && o->metaObject()->indexOfProperty("text") >= 0)
        o->setProperty("text", toQt(text));
}

void QtWindow::setTextColor(app::ControlName control, app::Rgb color)
{
    if (auto* w = widget<QWidget>(control))
        setWidgetTextColor(w, color);
}

app::Rgb QtWindow::textColor(app::ControlName control) const
{
    auto* w = widget<QWidget>(control);
    if (!w)
        return {};
    QColor c = w->property("nestlingColor").value<QColor>();
    if (!c.isValid())
        c = w->palette().color(w->foregroundRole());
    return {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
            static_cast<std::uint8_t>(c.blue())};
}

std::vector<std::string> QtWindow::items(app::ControlName combo) const
{
    std::vector<std::string> result;
    if (auto* c = widget<QComboBox>(combo))
        for (int i = 0; i < c->count(); ++i)
            result.push_back(toStd(c->itemText(i)));
    return result;
}

void QtWindow::setItems(app::ControlName combo, const std::vector<std::string>& items)
{
    auto* c = widget<QComboBox>(combo);
    if (!c)
        return;
    QStringList list;
    for (const std::string& item : items)
        list << qs(item);
    c->clear();
    c->addItems(list);
    c->setCurrentIndex(list.isEmpty() ? -1 : 0);
}

int QtWindow::currentIndex(app::ControlName combo) const
{
    auto* c = widget<QComboBox>(combo);
    return c ? c->currentIndex() : -1;
}

void QtWindow::setCurrentIndex(app::ControlName combo, int index)
{
    if (auto* c = widget<QComboBox>(combo); c && index >= 0 && index < c->count())
        c->setCurrentIndex(index);
}

std::string QtWindow::currentText(app::ControlName combo) const
{
    auto* c = widget<QComboBox>(combo);
    return c && c->currentIndex() >= 0 ? toStd(c->currentText()) : std::string();
}

bool QtWindow::isChecked(app::ControlName control) const
{
    auto* b = widget<QAbstractButton>(control);
    return b && b->isChecked();
}

void QtWindow::setChecked(app::ControlName control, bool checked)
{
    if (auto* b = widget<QAbstractButton>(control))
        b->setChecked(checked);
}

bool QtWindow::isEnabled(app::ControlName control) const
{
    QObject* o = require(control);
    if (auto* a = qobject_cast<QAction*>(o))
        return a->isEnabled();
    auto* w = qobject_cast<QWidget*>(o);
    return w && w->isEnabled();
}

void QtWindow::setEnabled(app::ControlName control, bool enabled)
{
    QObject* o = require(control);
    if (auto* a = qobject_cast<QAction*>(o))
        a->setEnabled(enabled);
    else if (auto* w = qobject_cast<QWidget*>(o))
        w->setEnabled(enabled);
}

bool QtWindow::isVisible(app::ControlName control) const
{
    QObject* o = require(control);
    if (auto* a = qobject_cast<QAction*>(o))
        return a->isVisible();
    auto* w = qobject_cast<QWidget*>(o);
    return w && !w->isHidden();
}

void QtWindow::setVisible(app::ControlName control, bool visible)
{
    QObject* o = require(control);
    if (auto* a = qobject_cast<QAction*>(o))
        a->setVisible(visible);
    else if (auto* w = qobject_cast<QWidget*>(o))
        w->setVisible(visible);
}

} // namespace gui
