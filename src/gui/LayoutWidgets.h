#pragma once

// Makes the named widgets of one window from its layout rows (app/WindowLayouts.h): object name,
// caption, items, headers and opening state come from the row, so the window's code only places the
// widget. A name the layout lacks, or a widget of another kind than its row, ends the program at once.
#include "app/WindowLayouts.h"

#include <QHash>
#include <QString>

#include <initializer_list>

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QMainWindow;
class QMediaPlayer;
class QMenu;
class QMenuBar;
class QObject;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QTabWidget;
class QToolBar;
class QWebEngineView;
class QWidget;

namespace gui {

class ClickableLabel;
class ElementChartView;
class NameListView;

class LayoutWidgets
{
public:
    // `owner` holds the radio groups the radios join.
    LayoutWidgets(std::string_view layoutKey, QObject* owner);

    const app::WindowLayout& layout() const { return m_layout; }
    // Gives the window its name and title.
    void nameWindow(QWidget* window) const;

    QLabel* label(QWidget* parent, app::names::Name name);
    ClickableLabel* clickLabel(QWidget* parent, app::names::Name name);
    // Names a picture widget the window made itself.
    QWidget* picture(QWidget* widget, app::names::Name name);
    QLineEdit* edit(QWidget* parent, app::names::Name name);
    QPlainTextEdit* textBox(QWidget* parent, app::names::Name name, bool readOnly);
    QComboBox* combo(QWidget* parent, app::names::Name name);
    QRadioButton* radio(QWidget* parent, app::names::Name name);
    QCheckBox* check(QWidget* parent, app::names::Name name);
    QPushButton* button(QWidget* parent, app::names::Name name);
    // "姓氏:" and "名字:" with their boxes, at the left end of a row.
    QHBoxLayout* nameRow(QWidget* parent, app::names::Name surname, app::names::Name given);
    // The buttons at the right end of a row, as a dialog places OK and cancel.
    QHBoxLayout* buttonRow(QWidget* parent, std::initializer_list<app::names::Name> names);
    QGroupBox* group(QWidget* parent, app::names::Name name);
    NameListView* list(QWidget* parent, app::names::Name name);
    // A browser view for our own local pages: JavaScript and remote access off. The view starts
    // without a page: the page, and with the first one the web engine and its helper processes, is
    // made when the view is first shown or given a file (prepareBrowser), so hidden views cost nothing
    // at window start.
    QWebEngineView* browser(QWidget* parent, app::names::Name name);
    QTabWidget* pages(QWidget* parent, app::names::Name name);
    // Adds the next page of a page control, with its caption; hidden when the row says so.
    void addPage(QTabWidget* pages, QWidget* page);
    // The buttons with separators between them; the icons are toolIcon(firstIcon) onwards.
    QToolBar* toolbar(QMainWindow* window, app::names::Name name, int firstIcon);
    // withParts: a picture and a text label (the main window's); else the bar's own message.
    QStatusBar* statusBar(QMainWindow* window, app::names::Name name, bool withParts);
    QProgressBar* progress(QWidget* parent, app::names::Name name);
    QMediaPlayer* player(QObject* parent, app::names::Name name);
    QMenu* menu(QMenuBar* bar, app::names::Name name);
    QMenu* popUpMenu(QWidget* parent, app::names::Name name);
    QAction* menuItem(QMenu* menu, app::names::Name name);
    ElementChartView* chart(QWidget* parent, app::names::Name name);

private:
    const app::ControlSpec& spec(app::names::Name name, app::ControlKind kind) const;
    template <typename W> W* finish(W* widget, const app::ControlSpec& spec);

    const app::WindowLayout& m_layout;
    QObject* m_owner;
    QHash<QString, QButtonGroup*> m_groups;
};

// Makes a browser view's page with our settings, once; before the view loads anything.
void prepareBrowser(QWebEngineView* view);

} // namespace gui
