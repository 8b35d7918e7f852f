#include "gui/RowTableModel.h"

#include "gui/Icons.h"
#include "gui/Widgets.h"

namespace gui {

RowTableModel::RowTableModel(QStringList headers, QObject* parent)
    : QAbstractTableModel(parent), m_headers(std::move(headers))
{
}

int RowTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int RowTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_headers.size());
}

QVariant RowTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= static_cast<int>(m_rows.size()))
        return {};
    const app::ListRow& row = m_rows[static_cast<std::size_t>(index.row())];
    const auto column = static_cast<std::size_t>(index.column());
    switch (role) {
    case Qt::DisplayRole: {
        if (column >= row.cells.size())
            return QString();
        // A record's name cell holds surname CR LF given name; one line shows it with a blank.
        QString text = qs(row.cells[column]);
        text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        return text;
    }
    case Qt::DecorationRole:
        if (column == 0 && row.image >= 0)
            return listIcon(row.image);
        return {};
    case Qt::ToolTipRole:
        if (!row.tip.empty())
            return qs(row.tip);
        return {};
    default:
        return {};
    }
}

QVariant RowTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < m_headers.size())
        return m_headers[section];
    return {};
}

void RowTableModel::appendRows(const std::vector<app::ListRow>& rows)
{
    if (rows.empty())
        return;
    const int first = static_cast<int>(m_rows.size());
    beginInsertRows({}, first, first + static_cast<int>(rows.size()) - 1);
    m_rows.insert(m_rows.end(), rows.begin(), rows.end());
    endInsertRows();
}

void RowTableModel::setRows(std::vector<app::ListRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void RowTableModel::setRow(int row, app::ListRow value)
{
    if (row < 0 || row >= static_cast<int>(m_rows.size()))
        return;
    m_rows[static_cast<std::size_t>(row)] = std::move(value);
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void RowTableModel::setCell(int row, int column, const std::string& text)
{
    if (row < 0 || row >= static_cast<int>(m_rows.size()) || column < 0)
        return;
    auto& cells = m_rows[static_cast<std::size_t>(row)].cells;
    if (static_cast<std::size_t>(column) >= cells.size())
        cells.resize(static_cast<std::size_t>(column) + 1);
    cells[static_cast<std::size_t>(column)] = text;
    emit dataChanged(index(row, column), index(row, column));
}

void RowTableModel::setRowImage(int row, int image)
{
    if (row < 0 || row >= static_cast<int>(m_rows.size()))
        return;
    m_rows[static_cast<std::size_t>(row)].image = image;
    emit dataChanged(index(row, 0), index(row, 0));
}

void RowTableModel::removeRowRange(int first, int count)
{
    const int size = static_cast<int>(m_rows.size());
    if (first < 0 || count <= 0 || first >= size)
        return;
    const int last = std::min(size, first + count) - 1;
    beginRemoveRows({}, first, last);
    m_rows.erase(m_rows.begin() + first, m_rows.begin() + last + 1);
    endRemoveRows();
}

void RowTableModel::clear()
{
    setRows({});
}

} // namespace gui
