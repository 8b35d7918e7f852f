#pragma once

#include <QChartView>
#include <QString>

#include <array>

class QBarSet;
class QBarCategoryAxis;
class QValueAxis;

namespace gui {

// 图表_五行 on the birth-chart page: a bar for each of 金, 木, 水, 火, 土 counting how many of the eight
// characters carry it, in the traditional colours, with the missing elements marked under their bars.
// The window logic writes the eight-element text (八字五行标签's, e.g. 水,土,水,水,火,木,金,水,) as the
// control's text; an empty text empties the chart.
class ElementChartView : public QChartView
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)

public:
    explicit ElementChartView(QWidget* parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString& eightElements);

    // The counts as drawn, in the order 金 木 水 火 土 (for tests).
    std::array<int, 5> drawnCounts() const;
    // The category labels as drawn ("木\n(缺)" for a missing element).
    QStringList categoryLabels() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void followPalette();

    QString m_text;
    std::array<QBarSet*, 5> m_sets{};
    QBarCategoryAxis* m_categories = nullptr;
    QValueAxis* m_values = nullptr;
};

} // namespace gui
