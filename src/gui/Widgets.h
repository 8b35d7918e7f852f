#pragma once

// Small helpers of the Qt windows: text conversion, the unnamed labels and group boxes that only
// frame the named controls (those are made by LayoutWidgets), and a text colour the logic can read.
#include "app/Controls.h"

#include <QGroupBox>
#include <QLabel>
#include <QString>

#include <string>
#include <string_view>

class QWidget;

namespace gui {

inline QString qs(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string toStd(const QString& text)
{
    return text.toUtf8().toStdString();
}

QLabel* makeLabel(QWidget* parent, std::string_view caption);
QGroupBox* makeGroup(QWidget* parent, std::string_view title);
// A widget inside a group box with a title (the lists of names sit in such boxes).
// A group box holding `content`; for a name list the title ends with the number of its names.
QGroupBox* makeFrameGroup(QWidget* parent, std::string_view title, QWidget* content);
// "共 12 345 个名字".
QString nameCountText(qsizetype count);
// Sets a widget's text colour so that QtWindow::textColor reads it back.
void setWidgetTextColor(QWidget* widget, app::Rgb color);

} // namespace gui
