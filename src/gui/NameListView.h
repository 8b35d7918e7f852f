#pragma once

#include <QStringList>
#include <QTableView>

namespace gui {

class RowTableModel;

// A list view of rows ("超级列表框_..."): whole-row selection, uniform row heights, no sorting by
// the view (the core sorts once when a run ends).
class NameListView : public QTableView
{
    Q_OBJECT
public:
    explicit NameListView(const QStringList& headers, QWidget* parent = nullptr);
    RowTableModel* rows() const { return m_model; }
    int currentRowIndex() const;

private:
    RowTableModel* m_model;
};

} // namespace gui
