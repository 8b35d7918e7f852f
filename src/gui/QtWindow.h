#pragma once

#include "app/Controls.h"

#include <QHash>
#include <QPointer>
#include <QString>

#include <map>
#include <set>
#include <utility>

class QObject;
class QWidget;

namespace gui {

class QtHost;

// The control operations over one real window: controls are the widgets (and menu actions) whose
// object name is the control name, searched inside this window only (not in the windows it owns).
class QtWindow : public app::Window
{
public:
    QtWindow(QtHost& host, QWidget* root);

    QWidget* root() const { return m_root; }
    // The named object inside this window, or null.
    QObject* object(app::ControlName control) const;
    // The named object; a name the window lacks is reported as an app::UnknownControl (then null).
    QObject* require(app::ControlName control) const;
    template <typename T> T* widget(app::ControlName control) const
    {
        return qobject_cast<T*>(require(control));
    }

    std::string windowName() const override;
    bool exists(app::ControlName control) const override;
    std::string title() const override;
    void setTitle(std::string_view title) override;
    std::string text(app::ControlName control) const override;
    void setText(app::ControlName control, std::string_view text) override;
    void setTextColor(app::ControlName control, app::Rgb color) override;
    app::Rgb textColor(app::ControlName control) const override;
    std::vector<std::string> items(app::ControlName combo) const override;
    void setItems(app::ControlName combo, const std::vector<std::string>& items) override;
    int currentIndex(app::ControlName combo) const override;
    void setCurrentIndex(app::ControlName combo, int index) override;
    std::string currentText(app::ControlName combo) const override;
    bool isChecked(app::ControlName control) const override;
    void setChecked(app::ControlName control, bool checked) override;
    bool isEnabled(app::ControlName control) const override;
    void setEnabled(app::ControlName control, bool enabled) override;
    bool isVisible(app::ControlName control) const override;
    void setVisible(app::ControlName control, bool visible) override;
    int rowCount(app::ControlName list) const override;
    app::ListRow row(app::ControlName list, int row) const override;
    std::string cell(app::ControlName list, int row, int column) const override;
    void appendRows(app::ControlName list, const std::vector<app::ListRow>& rows) override;
    void setRow(app::ControlName list, int row, const app::ListRow& value) override;
    void setCell(app::ControlName list, int row, int column, std::string_view text) override;
    void setRowImage(app::ControlName list, int row, int image) override;
    void setRows(app::ControlName list, const std::vector<app::ListRow>& rows) override;
    void removeRow(app::ControlName list, int row) override;
    void removeRows(app::ControlName list, int first, int count) override;
    void clearRows(app::ControlName list) override;
    int currentRow(app::ControlName list) const override;
    void setCurrentRow(app::ControlName list, int row) override;
    std::vector<std::string> columnHeaders(app::ControlName list) const override;
    int currentPage(app::ControlName pages) const override;
    void setCurrentPage(app::ControlName pages, int page) override;
    int pageCount(app::ControlName pages) const override;
    std::string pageCaption(app::ControlName pages, int page) const override;
    void setPageCaption(app::ControlName pages, int page, std::string_view caption) override;
    bool isPageVisible(app::ControlName pages, int page) const override;
    void setPageVisible(app::ControlName pages, int page, bool visible) override;
    bool isToolButtonEnabled(app::ControlName toolbar, int index) const override;
    void setToolButtonEnabled(app::ControlName toolbar, int index, bool enabled) override;
    void setStatus(app::ControlName statusBar, int picture, std::string_view text) override;
    std::string statusText(app::ControlName statusBar) const override;
    int statusPicture(app::ControlName statusBar) const override;
    bool isMenuItemEnabled(app::ControlName item) const override;
    void setMenuItemEnabled(app::ControlName item, bool enabled) override;
    void popUpMenu(app::ControlName menu) override;
    void navigate(app::ControlName browser, const std::string& file) override;
    std::string browserFile(app::ControlName browser) const override;
    void print(app::ControlName browser) override;
    void browserGo(app::ControlName browser, app::BrowserStep step) override;
    void play(app::ControlName player, const std::string& address) override;
    void setProgress(app::ControlName bar, int value, int maximum) override;
    std::string cloneCheckBox(app::ControlName templateBox, app::ControlName container,
                              std::string_view caption, bool checked, int x, int y, int width,
                              int height) override;
    void destroyControl(app::ControlName control) override;
    void on(app::ControlName control, app::EventKind kind, app::Handler handler) override;
    void close() override;

    // Runs the handler registered for (control, kind), if any; true when one ran.
    bool dispatch(const QString& control, app::EventKind kind, int index);

private:
    void connectSignal(const QString& control, app::EventKind kind);

    QtHost& m_host;
    QPointer<QWidget> m_root;
    mutable QHash<QString, QPointer<QObject>> m_cache;
    std::map<std::pair<QString, app::EventKind>, app::Handler> m_handlers;
    std::set<std::pair<QString, app::EventKind>> m_connected;
    int m_cloneCounter = 0;
};

} // namespace gui
