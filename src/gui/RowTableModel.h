#pragma once

#include "app/Controls.h"

#include <QAbstractTableModel>
#include <QIcon>
#include <QStringList>

#include <vector>

namespace gui {

// The rows of a list view: a vector of plain rows (text cells and a picture index). Rows arrive in
// batches, one beginInsertRows per batch, so a list of 100 000 rows fills at once.
class RowTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    RowTableModel(QStringList headers, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    const std::vector<app::ListRow>& rows() const { return m_rows; }
    const QStringList& headers() const { return m_headers; }
    void appendRows(const std::vector<app::ListRow>& rows);
    void setRows(std::vector<app::ListRow> rows);
    void setRow(int row, app::ListRow value);
    void setCell(int row, int column, const std::string& text);
    void setRowImage(int row, int image);
    void removeRowRange(int first, int count);
    void clear();

private:
    QStringList m_headers;
    std::vector<app::ListRow> m_rows;
};

} // namespace gui
