#include "gui/Widgets.h"

#include "gui/NameListView.h"
#include "gui/RowTableModel.h"

#include <QColor>
#include <QVBoxLayout>

namespace gui {

QLabel* makeLabel(QWidget* parent, std::string_view caption)
{
    return new QLabel(qs(caption), parent);
}

QGroupBox* makeGroup(QWidget* parent, std::string_view title)
{
    return new QGroupBox(qs(title), parent);
}

QString nameCountText(qsizetype count)
{
    // Groups of three digits apart, as a long number is read: 共 12 345 个名字.
    QString digits = QString::number(count);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, u' ');
    return QStringLiteral("共 %1 个名字").arg(digits);
}

QGroupBox* makeFrameGroup(QWidget* parent, std::string_view title, QWidget* content)
{
    QGroupBox* group = makeGroup(parent, title);
    auto* layout = new QVBoxLayout(group);
    content->setParent(group);
    layout->addWidget(content);
    // A name list says how many names it holds, in its frame's title, whatever filled or emptied it.
    if (auto* list = qobject_cast<NameListView*>(content)) {
        const QString base = qs(title);
        RowTableModel* model = list->rows();
        const auto count = [group, model, base] {
            group->setTitle(base + QStringLiteral("　") + nameCountText(model->rowCount()));
        };
        count();
        for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
            QObject::connect(model, signal, group, count);
        QObject::connect(model, &QAbstractItemModel::modelReset, group, count);
        QObject::connect(model, &QAbstractItemModel::layoutChanged, group, count);
    }
    return group;
}

void setWidgetTextColor(QWidget* widget, app::Rgb color)
{
    const QColor c(color.r, color.g, color.b);
    widget->setProperty("nestlingColor", c);
    widget->setStyleSheet(QStringLiteral("color: %1;").arg(c.name()));
}

} // namespace gui
