#include "app/editcommands.h"

#include "app/gridcells.h"
#include "app/inputtables.h"
#include "app/stringgrid.h"
#include "app/tablehistory.h"
#include "app/tform1.h"

#include "common/numbertext.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QUndoStack>

#include <optional>

namespace {

const QKeySequence kInsertRow(Qt::CTRL | Qt::Key_Plus);
const QKeySequence kInsertRowUnshifted(Qt::CTRL | Qt::Key_Equal);
const QKeySequence kDeleteRows(Qt::CTRL | Qt::Key_Minus);
const QKeySequence kRedo(Qt::CTRL | Qt::Key_Y);

// The input table the commands work on: the one holding the focus, else the first one on the
// shown tab; none on the tabs without an input table.
std::optional<InputTable> activeTable(TForm1 &form)
{
    const std::array<InputTable, 4> tables = inputTables(form);
    const QWidget *focus = QApplication::focusWidget();
    for (const InputTable &table : tables)
        if (focus && (focus == table.grid || table.grid->isAncestorOf(focus)))
            return table;
    for (const InputTable &table : tables)
        if (form.PageControl1->currentWidget()->isAncestorOf(table.grid))
            return table;
    return std::nullopt;
}

bool isBlock(QString text)
{
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text.contains(u'\t') || text.contains(u'\n');
}

bool matches(const QKeyEvent &key, const QKeySequence &sequence)
{
    return QKeySequence(key.keyCombination()) == sequence;
}

// An open cell editor keeps its own undo, copy and paste for what is typed into it; the table's
// commands take the keys when the editor has nothing of its own to do with them.
class EditorShortcuts : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::ShortcutOverride)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        const auto *edit = qobject_cast<QLineEdit *>(watched);
        if (!edit)
            return false;
        const auto *grid = qobject_cast<StringGrid *>(edit->parentWidget() ? edit->parentWidget()->parentWidget() : nullptr);
        bool table = false;
        if (key->matches(QKeySequence::Undo))
            table = !edit->isUndoAvailable();
        else if (key->matches(QKeySequence::Redo) || matches(*key, kRedo))
            table = !edit->isRedoAvailable();
        else if (key->matches(QKeySequence::Paste))
            table = isBlock(QGuiApplication::clipboard()->text());
        else if (key->matches(QKeySequence::Copy))
            table = !edit->hasSelectedText() || (grid && grid->selectedCells().width() * grid->selectedCells().height() > 1);
        else
            table = matches(*key, kInsertRow) || matches(*key, kInsertRowUnshifted) || matches(*key, kDeleteRows);
        if (!table)
            return false;
        event->ignore();
        return true;
    }
};

void writeEdit(TForm1 &form, const InputTable &table, const tragvel::TableEdit &edit, int column, int row)
{
    if (!edit.table) {
        form.dialogs().showMessage(edit.message);
        return;
    }
    writeCells(*table.grid, *edit.table);
    (form.*table.markChanged)(column, row, table.grid->cell(column, row));
    table.grid->setCurrentCell(std::min(row, table.grid->rowCount() - 1), column);
}

void copyCells(TForm1 &form)
{
    const std::optional<InputTable> table = activeTable(form);
    if (!table)
        return;
    const QRect cells = table->grid->selectedCells();
    if (cells.isEmpty())
        return;
    QGuiApplication::clipboard()->setText(
        tragvel::copiedText(readCells(*table->grid), cells.left(), cells.top(), cells.right(), cells.bottom()));
}

void pasteCells(TForm1 &form)
{
    const std::optional<InputTable> table = activeTable(form);
    if (!table)
        return;
    table->grid->commitOpenEditor();
    const tragvel::PastedBlock block =
        tragvel::parsePastedText(QGuiApplication::clipboard()->text(), tragvel::programDecimalSeparator());
    if (!block.error.isEmpty()) {
        form.dialogs().showMessage(block.error);
        return;
    }
    const QRect at = table->grid->selectedCells();
    const int column = at.isEmpty() ? table->shape.firstColumn : at.left();
    const int row = at.isEmpty() ? 1 : at.top();
    writeEdit(form, *table, tragvel::pasteBlock(readCells(*table->grid), table->shape, column, row, block), column, row);
}

void insertRow(TForm1 &form)
{
    const std::optional<InputTable> table = activeTable(form);
    if (!table)
        return;
    table->grid->commitOpenEditor();
    const QRect at = table->grid->selectedCells();
    const int row = at.isEmpty() ? 1 : at.top();
    const int column = at.isEmpty() ? table->shape.firstColumn : at.left();
    writeEdit(form, *table, tragvel::insertRowAbove(readCells(*table->grid), table->shape, row), column, row);
}

void deleteSelectedRows(TForm1 &form)
{
    const std::optional<InputTable> table = activeTable(form);
    if (!table)
        return;
    table->grid->commitOpenEditor();
    const QRect at = table->grid->selectedCells();
    if (at.isEmpty())
        return;
    writeEdit(form, *table, tragvel::deleteRows(readCells(*table->grid), table->shape, at.top(), at.bottom()),
              at.left(), at.top());
}

void undoOrRedo(TForm1 &form, bool undo)
{
    if (const std::optional<InputTable> table = activeTable(form))
        table->grid->commitOpenEditor();
    // A text committed just now is a step of its own, undone first.
    form.tableHistory().recordChanges();
    QUndoStack &stack = form.tableHistory().stack();
    undo ? stack.undo() : stack.redo();
}

QAction *addAction(TForm1 &form, const char *name, const QString &text, const QList<QKeySequence> &keys,
                   void (*run)(TForm1 &))
{
    QAction *action = form.menuEdit->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcuts(keys);
    QObject::connect(action, &QAction::triggered, &form, [&form, run] { form.runGuarded([&] { run(form); }); });
    return action;
}

} // namespace

void addEditActions(TForm1 &form)
{
    QList<QAction *> actions{
        addAction(form, "actionEditUndo", QStringLiteral("Zpět"), {QKeySequence::Undo},
                  [](TForm1 &f) { undoOrRedo(f, true); }),
        addAction(form, "actionEditRedo", QStringLiteral("Znovu"), {kRedo, QKeySequence(QKeySequence::Redo)},
                  [](TForm1 &f) { undoOrRedo(f, false); }),
    };
    form.menuEdit->addSeparator();
    actions << addAction(form, "actionEditCopy", QStringLiteral("Kopírovat buňky"), {QKeySequence::Copy}, copyCells)
            << addAction(form, "actionEditPaste", QStringLiteral("Vložit buňky"), {QKeySequence::Paste}, pasteCells);
    form.menuEdit->addSeparator();
    actions << addAction(form, "actionEditInsertRow", QStringLiteral("Vložit řádek nad vybraný"),
                         {kInsertRow, kInsertRowUnshifted}, insertRow)
            << addAction(form, "actionEditDeleteRows", QStringLiteral("Odstranit vybrané řádky"), {kDeleteRows},
                         deleteSelectedRows);
    QUndoStack &stack = form.tableHistory().stack();
    actions[0]->setEnabled(stack.canUndo());
    actions[1]->setEnabled(stack.canRedo());
    QObject::connect(&stack, &QUndoStack::canUndoChanged, actions[0], &QAction::setEnabled);
    QObject::connect(&stack, &QUndoStack::canRedoChanged, actions[1], &QAction::setEnabled);

    auto *shortcuts = new EditorShortcuts(&form);
    for (const InputTable &table : inputTables(form)) {
        StringGrid *grid = table.grid;
        grid->setEditorEventFilter(shortcuts);
        grid->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(grid, &QWidget::customContextMenuRequested, grid, [grid, actions](const QPoint &pos) {
            grid->setFocus();
            QMenu menu(grid);
            menu.addActions(actions);
            menu.exec(grid->viewport()->mapToGlobal(pos));
        });
    }
}
