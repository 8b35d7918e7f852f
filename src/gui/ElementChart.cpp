#include "gui/ElementChart.h"

#include "calendar/BirthChart.h"
#include "calendar/ChartTables.h"
#include "gui/Widgets.h"
#include "reports/ScoreChart.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QEvent>
#include <QStackedBarSeries>
#include <QValueAxis>

namespace gui {

ElementChartView::ElementChartView(QWidget* parent) : QChartView(parent)
{
    setObjectName(QStringLiteral("图表_五行"));
    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(260, 200);
    auto* chart = new QChart;
    chart->setTitle(QStringLiteral("八字五行分布"));
    chart->legend()->hide();
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setMargins(QMargins(4, 4, 4, 4));

    // One set per element, each with its count in its own column only: every bar keeps its element's
    // colour, which one set per chart could not.
    auto* series = new QStackedBarSeries;
    for (size_t i = 0; i < m_sets.size(); ++i) {
        m_sets[i] = new QBarSet(qs(calendar::kElements[i]));
        const QColor colour(qs(reports::elementColour(calendar::kElements[i])));
        m_sets[i]->setColor(colour);
        m_sets[i]->setBorderColor(colour.darker(130));
        for (size_t column = 0; column < m_sets.size(); ++column)
            m_sets[i]->append(0);
        m_sets[i]->setLabelColor(Qt::white);
        series->append(m_sets[i]);
    }
    series->setBarWidth(0.6);
    series->setLabelsVisible(true);
    series->setLabelsFormat(QStringLiteral("@value"));
    chart->addSeries(series);

    m_categories = new QBarCategoryAxis;
    m_values = new QValueAxis;
    m_values->setRange(0, 8);
    m_values->setTickCount(5);
    m_values->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(m_categories, Qt::AlignBottom);
    chart->addAxis(m_values, Qt::AlignLeft);
    series->attachAxis(m_categories);
    series->attachAxis(m_values);
    setChart(chart);
    setText({});
    followPalette();
}

void ElementChartView::setText(const QString& eightElements)
{
    m_text = eightElements;
    const std::array<int, 5> counts = calendar::elementCounts(toStd(eightElements));
    const bool shown = !eightElements.isEmpty();
    QStringList labels;
    for (size_t i = 0; i < m_sets.size(); ++i) {
        m_sets[i]->replace(static_cast<int>(i), counts[i]);
        QString label = qs(calendar::kElements[i]);
        if (shown && counts[i] == 0)
            label += QStringLiteral("\n(缺)");
        labels << label;
    }
    m_categories->setCategories(labels);
    chart()->setTitle(shown ? QStringLiteral("八字五行分布（共八字）") : QStringLiteral("八字五行分布"));
}

std::array<int, 5> ElementChartView::drawnCounts() const
{
    std::array<int, 5> counts{};
    for (size_t i = 0; i < m_sets.size(); ++i)
        counts[i] = static_cast<int>(m_sets[i]->at(static_cast<int>(i)));
    return counts;
}

QStringList ElementChartView::categoryLabels() const
{
    return m_categories->categories();
}

void ElementChartView::changeEvent(QEvent* event)
{
    QChartView::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)
        followPalette();
}

// The skins change the palette: the chart's background, title and axis texts follow it, so the chart
// reads well on a light and on a dark skin; the element colours stay the traditional ones.
void ElementChartView::followPalette()
{
    const QPalette p = palette();
    chart()->setBackgroundBrush(p.color(QPalette::Base));
    chart()->setBackgroundPen(QPen(p.color(QPalette::Mid)));
    chart()->setTitleBrush(p.color(QPalette::WindowText));
    for (QAbstractAxis* axis :
         {static_cast<QAbstractAxis*>(m_categories), static_cast<QAbstractAxis*>(m_values)}) {
        axis->setLabelsColor(p.color(QPalette::WindowText));
        axis->setLinePenColor(p.color(QPalette::Mid));
        axis->setGridLineColor(p.color(QPalette::Midlight));
    }
    setBackgroundBrush(p.color(QPalette::Window));
}

} // namespace gui
