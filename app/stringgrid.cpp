#include "app/stringgrid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QStyledItemDelegate>

#include <utility>

namespace {

// Reports a commit of the in-place editor that changes the cell's text; a commit that leaves the
// text as it was (an editor opened only by moving through the cells) is no edit.
class CommitDelegate : public QStyledItemDelegate
{
public:
    explicit CommitDelegate(StringGrid *grid) : QStyledItemDelegate(grid), m_grid(grid) {}

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
        m_grid->editorOpened(editor);
        if (editor && m_grid->editorEventFilter())
            editor->installEventFilter(m_grid->editorEventFilter());
        return editor;
    }

    bool eventFilter(QObject *editor, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter)
                m_grid->noteEnterInEditor();
        }
        return QStyledItemDelegate::eventFilter(editor, event);
    }

    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override
    {
        const auto *line = qobject_cast<QLineEdit *>(editor);
        if (line && line->text() == index.data(Qt::EditRole).toString())
            return;
        QStyledItemDelegate::setModelData(editor, model, index);
        m_grid->reportEdit(index.column(), index.row(), index.data(Qt::EditRole).toString());
    }

private:
    StringGrid *m_grid;
};

} // namespace

QFont StringGrid::cellFont(QFont inherited)
{
    inherited.setPixelSize(13);
    return inherited;
}

StringGrid::StringGrid(int columns, int rows, bool fixedColumn, bool editable, QWidget *parent)
    : QTableWidget(parent), m_fixedColumn(fixedColumn)
{
    // Hidden before there are columns: a shown header measures its sections in bold, which would
    // load a font face that nothing in the grid draws with.
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setColumnCount(columns);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setFont(cellFont(font()));
    verticalHeader()->setMinimumSectionSize(10);
    if (editable) {
        setEditTriggers(QAbstractItemView::AllEditTriggers);
        setItemDelegate(new CommitDelegate(this));
    } else {
        setEditTriggers(QAbstractItemView::NoEditTriggers);
    }
    setGridRowCount(rows);
}

QString StringGrid::cell(int column, int row) const
{
    const QTableWidgetItem *it = item(row, column);
    return it ? it->text() : QString();
}

void StringGrid::setCell(int column, int row, const QString &text)
{
    QTableWidgetItem *it = item(row, column);
    if (!it) {
        setItem(row, column, new QTableWidgetItem);
        it = item(row, column);
        styleFixedCell(*it, column, row);
    }
    it->setText(text);
}

void StringGrid::setGridRowCount(int rows)
{
    const int old = rowCount();
    setRowCount(rows);
    for (int row = old; row < rows; ++row) {
        for (int column = 0; column < columnCount(); ++column) {
            auto *it = new QTableWidgetItem;
            styleFixedCell(*it, column, row);
            setItem(row, column, it);
        }
    }
}

void StringGrid::setRowHeights(int pixels)
{
    verticalHeader()->setDefaultSectionSize(pixels);
    for (int row = 0; row < rowCount(); ++row)
        setRowHeight(row, pixels);
}

void StringGrid::reportEdit(int column, int row, const QString &text)
{
    if (!m_editHandler)
        return;
    const QScopedValueRollback<bool> reporting(m_reporting, true);
    m_editHandler(column, row, text);
}

void StringGrid::editorOpened(QWidget *editor)
{
    m_editor = editor;
}

void StringGrid::commitOpenEditor()
{
    // Not while this grid's own commit is being reported: that editor is in the middle of it.
    if (m_reporting || !m_editor || !isEditing())
        return;
    QWidget *editor = m_editor;
    // As Enter does: the text goes into the cell (reported when it changed), the editor closes.
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

QRect StringGrid::selectedCells() const
{
    const QList<QTableWidgetSelectionRange> ranges = selectedRanges();
    if (ranges.isEmpty()) {
        const QModelIndex current = currentIndex();
        return current.isValid() ? QRect(current.column(), current.row(), 1, 1) : QRect();
    }
    const QTableWidgetSelectionRange &range = ranges.constFirst();
    return QRect(QPoint(range.leftColumn(), range.topRow()), QPoint(range.rightColumn(), range.bottomRow()));
}

bool StringGrid::isFixedCell(int column, int row) const
{
    return row == 0 || (m_fixedColumn && column == 0);
}

QModelIndex StringGrid::neighbourCell(const QModelIndex &from, bool next) const
{
    const int first = m_fixedColumn ? 1 : 0;
    const int columns = columnCount();
    int row = from.isValid() ? from.row() : (next ? 1 : rowCount() - 1);
    int column = from.isValid() ? from.column() + (next ? 1 : -1) : (next ? first : columns - 1);
    if (column >= columns) {
        column = first;
        ++row;
    } else if (column < first) {
        column = columns - 1;
        --row;
    }
    if (row < 1 || row >= rowCount() || column < first || column >= columns)
        return {};
    return model()->index(row, column);
}

QModelIndex StringGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    if (action == MoveNext || action == MovePrevious)
        return neighbourCell(currentIndex(), action == MoveNext);
    const QModelIndex target = QTableWidget::moveCursor(action, modifiers);
    return target.isValid() && isFixedCell(target.column(), target.row()) ? currentIndex() : target;
}

bool StringGrid::focusNextPrevChild(bool next)
{
    if (isVisible() && isEnabled()) {
        const QModelIndex target = neighbourCell(currentIndex(), next);
        if (target.isValid()) {
            setCurrentIndex(target);
            return true;
        }
    }
    // Past the last (or before the first) editable cell the focus leaves the grid.
    return QWidget::focusNextPrevChild(next);
}

void StringGrid::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    const bool tab = hint == QAbstractItemDelegate::EditNextItem || hint == QAbstractItemDelegate::EditPreviousItem;
    if (tab && !neighbourCell(currentIndex(), hint == QAbstractItemDelegate::EditNextItem).isValid()) {
        QTableWidget::closeEditor(editor, QAbstractItemDelegate::NoHint);
        QWidget::focusNextPrevChild(hint == QAbstractItemDelegate::EditNextItem);
        return;
    }
    QTableWidget::closeEditor(editor, hint);
    // Moving to another row also submits the editor; only Enter moves on by itself.
    if (std::exchange(m_enterInEditor, false) && hint == QAbstractItemDelegate::SubmitModelCache)
        moveDown();
}

void StringGrid::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && state() != EditingState) {
        moveDown();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void StringGrid::moveDown()
{
    const QModelIndex current = currentIndex();
    if (current.isValid() && current.row() + 1 < rowCount())
        setCurrentIndex(model()->index(current.row() + 1, current.column()));
}

void StringGrid::styleFixedCell(QTableWidgetItem &item, int column, int row) const
{
    if (isFixedCell(column, row)) {
        // Not enabled, so that neither a click nor a key makes it current; drawn in the usual colours.
        item.setFlags(Qt::NoItemFlags);
        item.setForeground(palette().text());
        item.setBackground(palette().button());
    } else if (editTriggers() == QAbstractItemView::NoEditTriggers) {
        item.setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    }
}
