#pragma once

#include <QPointer>
#include <QTableWidget>

#include <functional>

// A grid of text cells addressed as (column, row), row 0 being the header row and, where the grid
// has one, column 0 the fixed row-number column. Both are shown as part of the grid, not editable.
// Only a commit of the in-place editor that changes a cell's text reports an edit; programmatic
// writes do not.
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

    // Commits the text of an open in-place editor through the same path as the user's Enter
    // (the edit is reported when the text changed) and closes the editor. Does nothing when no
    // editor is open.
    void commitOpenEditor();
    // True while the in-place editor is open.
    bool isEditing() const { return state() == QAbstractItemView::EditingState; }

    // Called by the delegate when the user commits an edit that changes the cell's text.
    void reportEdit(int column, int row, const QString &text);
    // Called by the delegate for every editor it opens.
    void editorOpened(QWidget *editor);

private:
    void styleFixedCell(QTableWidgetItem &item, int column, int row) const;

    bool m_fixedColumn;
    EditHandler m_editHandler;
    QPointer<QWidget> m_editor;
    bool m_reporting = false;
};
