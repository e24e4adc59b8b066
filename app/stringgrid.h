#pragma once

#include <QTableWidget>

#include <functional>

// A grid of text cells addressed as (column, row), row 0 being the header row and, where the grid
// has one, column 0 the fixed row-number column. Both are shown as part of the grid, not editable.
// Only a commit of the in-place editor by the user reports an edit; programmatic writes do not.
class StringGrid : public QTableWidget
{
    Q_OBJECT

public:
    using EditHandler = std::function<void(int column, int row, const QString &text)>;

    StringGrid(int columns, int rows, bool fixedColumn, bool editable, QWidget *parent);

    void setEditHandler(EditHandler handler) { m_editHandler = std::move(handler); }

    QString cell(int column, int row) const;
    void setCell(int column, int row, const QString &text);
    // Growing appends empty rows, shrinking cuts rows.
    void setGridRowCount(int rows);
    void setRowHeights(int pixels);

    // Called by the delegate when the user commits an edit.
    void reportEdit(int column, int row, const QString &text);

private:
    void styleFixedCell(QTableWidgetItem &item, int column, int row) const;

    bool m_fixedColumn;
    EditHandler m_editHandler;
};
