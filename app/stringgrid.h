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

    // The cells' font: the font the grid inherits, at the cells' size.
    static QFont cellFont(QFont inherited);

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

    // The selected cells (the current cell when nothing is selected) as columns x rows.
    QRect selectedCells() const;
    // Installed on every in-place editor, so the window's commands can take their shortcuts.
    void setEditorEventFilter(QObject *filter) { m_editorFilter = filter; }
    QObject *editorEventFilter() const { return m_editorFilter; }

    // Called by the editor's delegate: the Enter that closes the editor also moves to the row below.
    void noteEnterInEditor() { m_enterInEditor = true; }

    // The header row and the row-number column: shown, never current, never edited.
    bool isFixedCell(int column, int row) const;

protected:
    // Tab and Shift+Tab walk the editable cells row by row and leave the grid after its last or
    // before its first one; Enter commits and moves to the cell below.
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    bool focusNextPrevChild(bool next) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;
    void keyPressEvent(QKeyEvent *event) override;
    // Typing never jumps to a row by its number: it edits the current cell or does nothing.
    void keyboardSearch(const QString &) override {}

private:
    // The editable cell after (or before) the index in row order, or an invalid index at the end.
    QModelIndex neighbourCell(const QModelIndex &from, bool next) const;
    void moveDown();

    void styleFixedCell(QTableWidgetItem &item, int column, int row) const;

    bool m_fixedColumn;
    EditHandler m_editHandler;
    QObject *m_editorFilter = nullptr;
    bool m_enterInEditor = false;
    QPointer<QWidget> m_editor;
    bool m_reporting = false;
};
