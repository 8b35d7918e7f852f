#pragma once

// Small helpers that build the named widgets of our windows. Every widget gets the system's control
// name as its object name; the window logic finds it by that name.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QStringList>

#include <string>
#include <string_view>

class QButtonGroup;
class QToolBar;
class QWebEngineView;
class QWidget;

namespace gui {

class NameListView;

inline QString qs(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string toStd(const QString& text)
{
    return text.toUtf8().toStdString();
}

QPushButton* makeButton(QWidget* parent, std::string_view name, std::string_view caption);
QLabel* makeLabel(QWidget* parent, std::string_view caption, std::string_view name = {});
QLineEdit* makeEdit(QWidget* parent, std::string_view name, std::string_view text = {});
QPlainTextEdit* makeTextBox(QWidget* parent, std::string_view name, bool readOnly);
QComboBox* makeCombo(QWidget* parent, std::string_view name, const QStringList& items = {});
QRadioButton* makeRadio(QWidget* parent, QButtonGroup* group, std::string_view name, std::string_view caption,
                        bool checked = false);
QCheckBox* makeCheck(QWidget* parent, std::string_view name, std::string_view caption, bool checked = false);
QGroupBox* makeGroup(QWidget* parent, std::string_view title, std::string_view name = {});
// A browser view for our own local pages: JavaScript and remote access off.
QWebEngineView* makeBrowser(QWidget* parent, std::string_view name);
// A list view over rows; `headers` gives the columns.
NameListView* makeList(QWidget* parent, std::string_view name, const QStringList& headers);
// The eight columns of every Chinese-name list.
QStringList nameColumns();
// A list inside a group box with a title (the lists of names sit in such boxes).
QGroupBox* makeListGroup(QWidget* parent, std::string_view title, NameListView* list);
// The toolbar of the secondary windows: 首页, 后退, 前进, 导出, 打印, 退出 at indexes 0, 2, ... 10.
QToolBar* makeBrowserToolbar(QWidget* window);
QStringList range(int first, int last);

} // namespace gui
