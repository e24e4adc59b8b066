#include "app/stringgrid.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QStyledItemDelegate>

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
        return editor;
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

StringGrid::StringGrid(int columns, int rows, bool fixedColumn, bool editable, QWidget *parent)
    : QTableWidget(0, columns, parent), m_fixedColumn(fixedColumn)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    QFont cellFont = font();
    cellFont.setPixelSize(13);
    setFont(cellFont);
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

void StringGrid::styleFixedCell(QTableWidgetItem &item, int column, int row) const
{
    const bool fixed = row == 0 || (m_fixedColumn && column == 0);
    if (fixed) {
        item.setFlags(Qt::ItemIsEnabled);
        item.setBackground(palette().button());
    } else if (editTriggers() == QAbstractItemView::NoEditTriggers) {
        item.setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    }
}
