// QtWindow: handlers of the window logic bound to the widgets' signals.
#include "gui/QtWindow.h"

#include "gui/BaseWindow.h"
#include "gui/NameListView.h"
#include "gui/Widgets.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QTabWidget>
#include <QToolBar>

namespace gui {

void QtWindow::on(app::ControlName control, app::EventKind kind, app::Handler handler)
{
    const QString name = qs(control);
    m_handlers[{name, kind}] = std::move(handler);
    if (m_connected.insert({name, kind}).second)
        connectSignal(name, kind);
}

bool QtWindow::dispatch(const QString& control, app::EventKind kind, int index)
{
    auto it = m_handlers.find({control, kind});
    if (it == m_handlers.end() || !it->second)
        return false;
    app::Handler handler = it->second; // a handler may replace itself or close the window
    handler(app::Event{toStd(control), kind, index});
    return true;
}

void QtWindow::connectSignal(const QString& name, app::EventKind kind)
{
    QObject* o = require(toStd(name));
    if (!o)
        return;
    using app::EventKind;
    auto fire = [this, name, kind](int index) { dispatch(name, kind, index); };
    switch (kind) {
    case EventKind::Clicked:
        if (auto* b = qobject_cast<QAbstractButton*>(o))
            QObject::connect(b, &QAbstractButton::clicked, b, [fire] { fire(-1); });
        else if (auto* l = qobject_cast<ClickableLabel*>(o))
            QObject::connect(l, &ClickableLabel::clicked, l, [fire] { fire(-1); });
        else if (auto* a = qobject_cast<QAction*>(o))
            QObject::connect(a, &QAction::triggered, a, [fire] { fire(-1); });
        else if (auto* bar = qobject_cast<QToolBar*>(o))
            QObject::connect(bar, &QToolBar::actionTriggered, bar, [fire, bar](QAction* action) {
                fire(static_cast<int>(bar->actions().indexOf(action)));
            });
        break;
    case EventKind::DoubleClicked:
        if (auto* view = qobject_cast<NameListView*>(o))
            QObject::connect(view, &QAbstractItemView::doubleClicked, view,
                             [fire](const QModelIndex& index) { fire(index.row()); });
        else if (auto* box = qobject_cast<TextBox*>(o))
            QObject::connect(box, &TextBox::doubleClickedAt, box, [fire](int offset) { fire(offset); });
        break;
    case EventKind::CurrentRowChanged:
        if (auto* view = qobject_cast<NameListView*>(o))
            QObject::connect(
                view->selectionModel(), &QItemSelectionModel::currentRowChanged, view,
                [fire](const QModelIndex& current) { fire(current.isValid() ? current.row() : -1); });
        break;
    case EventKind::ContextMenu:
        if (auto* view = qobject_cast<NameListView*>(o))
            QObject::connect(view, &QWidget::customContextMenuRequested, view,
                             [fire, view](const QPoint& pos) {
                                 const QModelIndex index = view->indexAt(pos);
                                 if (index.isValid())
                                     view->setCurrentIndex(index);
                                 fire(index.isValid() ? index.row() : -1);
                             });
        break;
    case EventKind::PageChanged:
        if (auto* tabs = qobject_cast<QTabWidget*>(o))
            QObject::connect(tabs, &QTabWidget::currentChanged, tabs, [fire](int page) { fire(page); });
        break;
    case EventKind::SelectionChanged:
        if (auto* combo = qobject_cast<QComboBox*>(o))
            QObject::connect(combo, &QComboBox::currentIndexChanged, combo, [fire](int item) { fire(item); });
        break;
    case EventKind::Closed:
        if (auto* window = qobject_cast<BaseWindow*>(o))
            QObject::connect(window, &BaseWindow::closing, window, [fire] { fire(-1); });
        break;
    }
}

void QtWindow::close()
{
    if (m_root)
        m_root->close();
}

} // namespace gui
