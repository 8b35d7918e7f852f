#include "gui/NameListView.h"

#include "gui/RowTableModel.h"

#include <QHeaderView>

#include <algorithm>

namespace gui {

NameListView::NameListView(const QStringList& headers, QWidget* parent)
    : QTableView(parent), m_model(new RowTableModel(headers, this))
{
    setModel(m_model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setWordWrap(false);
    setAlternatingRowColors(true);
    setShowGrid(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultSectionSize(headers.size() > 4 ? 74 : 150);
    if (headers.size() >= 2)
        setColumnWidth(0, 70);
    // The name lists' 五格 cell holds five numbers ("8,17,25,32,16"): give it room to show them whole.
    if (headers.size() == 8)
        setColumnWidth(5, 120);
    // The comparison's many short columns (numbers, three elements, 平仄) are sized to their header or
    // three characters, whichever is wider, so the last column (its hints) keeps room to be read.
    if (headers.size() > 8) {
        const QFontMetrics metrics = horizontalHeader()->fontMetrics();
        const int three = metrics.horizontalAdvance(QStringLiteral("金木水"));
        setColumnWidth(1, metrics.horizontalAdvance(QStringLiteral("欧阳明华")) + 24);
        for (int column = 2; column + 1 < headers.size(); ++column)
            setColumnWidth(column, std::max(metrics.horizontalAdvance(headers[column]), three) + 24);
    }
}

int NameListView::currentRowIndex() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

} // namespace gui
