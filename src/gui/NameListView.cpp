#include "gui/NameListView.h"

#include "gui/RowTableModel.h"

#include <QHeaderView>

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
}

int NameListView::currentRowIndex() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

} // namespace gui
