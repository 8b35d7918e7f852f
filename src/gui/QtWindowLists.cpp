// QtWindow: list views, page controls, toolbars, status bar, menus, browsers and media.
#include "gui/QtWindow.h"

#include "gui/BaseWindow.h"
#include "gui/Icons.h"
#include "gui/LayoutWidgets.h"
#include "gui/NameListView.h"
#include "gui/RowTableModel.h"
#include "gui/Widgets.h"

#include <QAction>
#include <QAudioOutput>
#include <QCheckBox>
#include <QCursor>
#include <QFileInfo>
#include <QLabel>
#include <QMediaPlayer>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QScrollArea>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QUrl>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace gui {
namespace {

RowTableModel* modelOf(const QtWindow& w, app::ControlName list)
{
    auto* view = w.widget<NameListView>(list);
    return view ? view->rows() : nullptr;
}

QAction* toolAction(const QtWindow& w, app::ControlName toolbar, int index)
{
    auto* bar = w.widget<QToolBar>(toolbar);
    if (!bar || index < 0 || index >= bar->actions().size())
        return nullptr;
    return bar->actions().at(index);
}

} // namespace

int QtWindow::rowCount(app::ControlName list) const
{
    RowTableModel* m = modelOf(*this, list);
    return m ? m->rowCount() : 0;
}

app::ListRow QtWindow::row(app::ControlName list, int row) const
{
    RowTableModel* m = modelOf(*this, list);
    if (!m || row < 0 || row >= m->rowCount())
        return {};
    return m->rows()[static_cast<std::size_t>(row)];
}

std::string QtWindow::cell(app::ControlName list, int row, int column) const
{
    const app::ListRow r = this->row(list, row);
    return column >= 0 && column < static_cast<int>(r.cells.size())
               ? r.cells[static_cast<std::size_t>(column)]
               : std::string();
}

void QtWindow::appendRows(app::ControlName list, const std::vector<app::ListRow>& rows)
{
    if (RowTableModel* m = modelOf(*this, list))
        m->appendRows(rows);
}

void QtWindow::setRow(app::ControlName list, int row, const app::ListRow& value)
{
    if (RowTableModel* m = modelOf(*this, list))
        m->setRow(row, value);
}

void QtWindow::setCell(app::ControlName list, int row, int column, std::string_view text)
{
    if (RowTableModel* m = modelOf(*this, list))
        m->setCell(row, column, std::string(text));
}

void QtWindow::setRowImage(app::ControlName list, int row, int image)
{
    if (RowTableModel* m = modelOf(*this, list))
        m->setRowImage(row, image);
}

void QtWindow::setRows(app::ControlName list, const std::vector<app::ListRow>& rows)
{
    if (RowTableModel* m = modelOf(*this, list))
        m->setRows(rows);
}

void QtWindow::removeRow(app::ControlName list, int row)
{
    removeRows(list, row, 1);
}

void QtWindow::removeRows(app::ControlName list, int first, int count)
{
    if (RowTableModel* m = modelOf(*this, list))
        m->removeRowRange(first, count);
}

void QtWindow::clearRows(app::ControlName list)
{
    if (RowTableModel* m = modelOf(*this, list))
        m->clear();
}

int QtWindow::currentRow(app::ControlName list) const
{
    auto* view = widget<NameListView>(list);
    return view ? view->currentRowIndex() : -1;
}

void QtWindow::setCurrentRow(app::ControlName list, int row)
{
    auto* view = widget<NameListView>(list);
    if (!view)
        return;
    if (row >= 0 && row < view->rows()->rowCount())
        view->setCurrentIndex(view->rows()->index(row, 0));
    else
        view->setCurrentIndex({});
}

std::vector<std::string> QtWindow::columnHeaders(app::ControlName list) const
{
    std::vector<std::string> headers;
    if (RowTableModel* m = modelOf(*this, list))
        for (const QString& h : m->headers())
            headers.push_back(toStd(h));
    return headers;
}

int QtWindow::currentPage(app::ControlName pages) const
{
    auto* tabs = widget<QTabWidget>(pages);
    return tabs ? tabs->currentIndex() : -1;
}

void QtWindow::setCurrentPage(app::ControlName pages, int page)
{
    if (auto* tabs = widget<QTabWidget>(pages); tabs && page >= 0 && page < tabs->count())
        tabs->setCurrentIndex(page);
}

int QtWindow::pageCount(app::ControlName pages) const
{
    auto* tabs = widget<QTabWidget>(pages);
    return tabs ? tabs->count() : 0;
}

std::string QtWindow::pageCaption(app::ControlName pages, int page) const
{
    auto* tabs = widget<QTabWidget>(pages);
    return tabs ? toStd(tabs->tabText(page)) : std::string();
}

void QtWindow::setPageCaption(app::ControlName pages, int page, std::string_view caption)
{
    if (auto* tabs = widget<QTabWidget>(pages))
        tabs->setTabText(page, qs(caption));
}

bool QtWindow::isPageVisible(app::ControlName pages, int page) const
{
    auto* tabs = widget<QTabWidget>(pages);
    return tabs && page >= 0 && page < tabs->count() && tabs->isTabVisible(page);
}

void QtWindow::setPageVisible(app::ControlName pages, int page, bool visible)
{
    if (auto* tabs = widget<QTabWidget>(pages); tabs && page >= 0 && page < tabs->count())
        tabs->setTabVisible(page, visible);
}

bool QtWindow::isToolButtonEnabled(app::ControlName toolbar, int index) const
{
    QAction* a = toolAction(*this, toolbar, index);
    return a && !a->isSeparator() && a->isEnabled();
}

void QtWindow::setToolButtonEnabled(app::ControlName toolbar, int index, bool enabled)
{
    if (QAction* a = toolAction(*this, toolbar, index); a && !a->isSeparator())
        a->setEnabled(enabled);
}

void QtWindow::setStatus(app::ControlName statusBar, int picture, std::string_view text)
{
    auto* bar = widget<QStatusBar>(statusBar);
    if (!bar)
        return;
    bar->setProperty("nestlingPicture", picture);
    auto* parts = qobject_cast<StatusBar*>(bar);
    if (parts && parts->picture())
        parts->picture()->setPixmap(modePicture(picture));
    if (parts && parts->text())
        parts->text()->setText(qs(text));
    else
        bar->showMessage(qs(text));
}

std::string QtWindow::statusText(app::ControlName statusBar) const
{
    auto* bar = widget<QStatusBar>(statusBar);
    if (!bar)
        return {};
    if (auto* parts = qobject_cast<StatusBar*>(bar); parts && parts->text())
        return toStd(parts->text()->text());
    return toStd(bar->currentMessage());
}

int QtWindow::statusPicture(app::ControlName statusBar) const
{
    auto* bar = widget<QStatusBar>(statusBar);
    const QVariant v = bar ? bar->property("nestlingPicture") : QVariant();
    return v.isValid() ? v.toInt() : -1;
}

bool QtWindow::isMenuItemEnabled(app::ControlName item) const
{
    auto* a = widget<QAction>(item);
    return a && a->isEnabled();
}

void QtWindow::setMenuItemEnabled(app::ControlName item, bool enabled)
{
    if (auto* a = widget<QAction>(item))
        a->setEnabled(enabled);
}

void QtWindow::popUpMenu(app::ControlName menu)
{
    if (auto* m = widget<QMenu>(menu))
        m->popup(QCursor::pos());
}

void QtWindow::navigate(app::ControlName browser, const std::string& file)
{
    if (auto* view = widget<QWebEngineView>(browser)) {
        view->setProperty("nestlingFile", qs(file));
        prepareBrowser(view);
        view->setUrl(QUrl::fromLocalFile(qs(file)));
    }
}

std::string QtWindow::browserFile(app::ControlName browser) const
{
    auto* view = widget<QWebEngineView>(browser);
    if (!view)
        return {};
    // The page shown now, after links and history steps; the file asked for while it still loads.
    const QUrl shown = view->url();
    return toStd(shown.isLocalFile() ? shown.toLocalFile() : view->property("nestlingFile").toString());
}

void QtWindow::browserGo(app::ControlName browser, app::BrowserStep step)
{
    auto* view = widget<QWebEngineView>(browser);
    if (!view)
        return;
    QWebEngineHistory* history = view->history();
    switch (step) {
    case app::BrowserStep::Home:
        if (history->count() > 0 && history->currentItemIndex() > 0)
            history->goToItem(history->itemAt(0));
        break;
    case app::BrowserStep::Back:
        history->back();
        break;
    case app::BrowserStep::Forward:
        history->forward();
        break;
    }
}

void QtWindow::print(app::ControlName browser)
{
    auto* view = widget<QWebEngineView>(browser);
    if (!view)
        return;
    // The printer must live until the page has been printed, which happens after this call returns.
    auto* printer = new QPrinter(QPrinter::HighResolution);
    QPrintDialog dialog(printer, view);
    if (dialog.exec() != QDialog::Accepted) {
        delete printer;
        return;
    }
    // "Print to file" goes through the engine's own PDF output, which keeps the text as text (a
    // printer receives the pages as pictures).
    if (printer->outputFormat() == QPrinter::PdfFormat && !printer->outputFileName().isEmpty()) {
        const QString file = QFileInfo(printer->outputFileName()).absoluteFilePath();
        view->page()->printToPdf(file, printer->pageLayout());
        delete printer;
        return;
    }
    QObject::connect(
        view, &QWebEngineView::printFinished, view, [printer](bool) { delete printer; },
        Qt::SingleShotConnection);
    view->print(printer);
}

void QtWindow::play(app::ControlName player, const std::string& address)
{
    if (auto* p = widget<QMediaPlayer>(player)) {
        if (!p->audioOutput())
            p->setAudioOutput(new QAudioOutput(p));
        // A voice written to the data folder comes as a file path, a recording online as an address.
        const QString source = qs(address);
        p->setSource(source.startsWith(QLatin1Char('/')) ? QUrl::fromLocalFile(source) : QUrl(source));
        p->play();
    }
}

void QtWindow::setProgress(app::ControlName bar, int value, int maximum)
{
    if (auto* p = widget<QProgressBar>(bar)) {
        p->setRange(0, std::max(maximum, 0));
        p->setValue(value);
        p->setVisible(maximum > 0);
    }
}

namespace {

// The scrolled area of a container that scrolls (a group box holding a scroll area), else null.
QWidget* scrolledContent(QWidget* container)
{
    auto* area = container->findChild<QScrollArea*>(QString(), Qt::FindDirectChildrenOnly);
    return area ? area->widget() : nullptr;
}

// A scrolled area is as large as the boxes in it, so the scroll bars reach every box.
void fitToChildren(QWidget* content)
{
    const QRect used = content->childrenRect();
    content->setMinimumSize(std::max(0, used.right() + 1), std::max(0, used.bottom() + 1));
}

} // namespace

std::string QtWindow::cloneCheckBox(app::ControlName templateBox, app::ControlName container,
                                    std::string_view caption, bool checked, int x, int y, int width,
                                    int height)
{
    auto* model = widget<QCheckBox>(templateBox);
    auto* parent = widget<QWidget>(container);
    if (!model || !parent)
        return {};
    QWidget* content = scrolledContent(parent);
    if (content)
        parent = content;
    std::string name = std::string(templateBox) + "_" + std::to_string(++m_cloneCounter);
    auto* box = new QCheckBox(qs(caption), parent);
    box->setObjectName(qs(name));
    box->setFont(model->font());
    box->setChecked(checked);
    box->setGeometry(x, y, width, height);
    box->show();
    if (content)
        fitToChildren(content);
    return name;
}

void QtWindow::destroyControl(app::ControlName control)
{
    if (auto* w = widget<QWidget>(control)) {
        w->setObjectName(QString());
        w->hide();
        w->deleteLater();
        QWidget* parent = w->parentWidget();
        QWidget* area = parent && parent->parentWidget() ? parent->parentWidget()->parentWidget() : nullptr;
        if (auto* scroll = qobject_cast<QScrollArea*>(area); scroll && scroll->widget() == parent)
            fitToChildren(parent);
    }
}

} // namespace gui
