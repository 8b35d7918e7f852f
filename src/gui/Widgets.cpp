#include "gui/Widgets.h"

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

QGroupBox* makeFrameGroup(QWidget* parent, std::string_view title, QWidget* content)
{
    QGroupBox* group = makeGroup(parent, title);
    auto* layout = new QVBoxLayout(group);
    content->setParent(group);
    layout->addWidget(content);
    return group;
}

void setWidgetTextColor(QWidget* widget, app::Rgb color)
{
    const QColor c(color.r, color.g, color.b);
    widget->setProperty("nestlingColor", c);
    widget->setStyleSheet(QStringLiteral("color: %1;").arg(c.name()));
}

} // namespace gui
