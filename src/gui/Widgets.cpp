#include "gui/Widgets.h"

#include "gui/Icons.h"
#include "gui/NameListView.h"

#include <QButtonGroup>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace gui {

QPushButton* makeButton(QWidget* parent, std::string_view name, std::string_view caption)
{
    auto* b = new QPushButton(qs(caption), parent);
    b->setObjectName(qs(name));
    return b;
}

QLabel* makeLabel(QWidget* parent, std::string_view caption, std::string_view name)
{
    auto* l = new QLabel(qs(caption), parent);
    if (!name.empty())
        l->setObjectName(qs(name));
    return l;
}

QLineEdit* makeEdit(QWidget* parent, std::string_view name, std::string_view text)
{
    auto* e = new QLineEdit(qs(text), parent);
    e->setObjectName(qs(name));
    return e;
}

QPlainTextEdit* makeTextBox(QWidget* parent, std::string_view name, bool readOnly)
{
    auto* t = new QPlainTextEdit(parent);
    t->setObjectName(qs(name));
    t->setReadOnly(readOnly);
    return t;
}

QComboBox* makeCombo(QWidget* parent, std::string_view name, const QStringList& items)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(qs(name));
    c->addItems(items);
    return c;
}

QRadioButton* makeRadio(QWidget* parent, QButtonGroup* group, std::string_view name, std::string_view caption,
                        bool checked)
{
    auto* r = new QRadioButton(qs(caption), parent);
    r->setObjectName(qs(name));
    if (group)
        group->addButton(r);
    r->setChecked(checked);
    return r;
}

QCheckBox* makeCheck(QWidget* parent, std::string_view name, std::string_view caption, bool checked)
{
    auto* c = new QCheckBox(qs(caption), parent);
    c->setObjectName(qs(name));
    c->setChecked(checked);
    return c;
}

QGroupBox* makeGroup(QWidget* parent, std::string_view title, std::string_view name)
{
    auto* g = new QGroupBox(qs(title), parent);
    if (!name.empty())
        g->setObjectName(qs(name));
    return g;
}

QWebEngineView* makeBrowser(QWidget* parent, std::string_view name)
{
    auto* view = new QWebEngineView(parent);
    view->setObjectName(qs(name));
    QWebEngineSettings* s = view->settings();
    s->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    s->setDefaultTextEncoding(QStringLiteral("GBK"));
    view->setMinimumSize(120, 80);
    return view;
}

NameListView* makeList(QWidget* parent, std::string_view name, const QStringList& headers)
{
    auto* list = new NameListView(headers, parent);
    list->setObjectName(qs(name));
    return list;
}

QStringList nameColumns()
{
    return {QStringLiteral("编号"),     QStringLiteral("姓名"), QStringLiteral("简体笔划"),
            QStringLiteral("繁体笔划"), QStringLiteral("五行"), QStringLiteral("五格"),
            QStringLiteral("三才"),     QStringLiteral("评分")};
}

QGroupBox* makeListGroup(QWidget* parent, std::string_view title, NameListView* list)
{
    QGroupBox* group = makeGroup(parent, title);
    auto* layout = new QVBoxLayout(group);
    list->setParent(group);
    layout->addWidget(list);
    return group;
}

QToolBar* makeBrowserToolbar(QWidget* window)
{
    auto* bar = new QToolBar(window);
    bar->setObjectName(QStringLiteral("工具条1"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    const char* const captions[] = {"首页", "后退", "前进", "导出", "打印", "退出"};
    int i = 0;
    for (const char* caption : captions) {
        if (i++ > 0)
            bar->addSeparator();
        bar->addAction(toolIcon(i + 4), QString::fromUtf8(caption));
    }
    return bar;
}

QStringList range(int first, int last)
{
    QStringList items;
    for (int i = first; i <= last; ++i)
        items << QString::number(i);
    return items;
}

} // namespace gui
