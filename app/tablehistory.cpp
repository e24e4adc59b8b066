#include "app/tablehistory.h"

#include "app/gridcells.h"
#include "app/inputtables.h"
#include "app/stringgrid.h"
#include "app/tform1.h"

#include <QUndoStack>

#include <memory>

namespace {

// Enough steps for a working session; older ones are dropped so memory stays bounded.
constexpr int kUndoLimit = 200;

class TableChange : public QUndoCommand
{
public:
    TableChange(TableHistory &history, int table, tragvel::CellTable before, tragvel::CellTable after,
                QUndoCommand *parent)
        : QUndoCommand(parent), m_history(history), m_table(table), m_before(std::move(before)),
          m_after(std::move(after))
    {
    }

    void undo() override { m_history.restore(m_table, m_before); }

    void redo() override
    {
        // The command itself has already made the change when it is recorded.
        if (m_done)
            m_history.restore(m_table, m_after);
        m_done = true;
    }

private:
    TableHistory &m_history;
    int m_table;
    tragvel::CellTable m_before;
    tragvel::CellTable m_after;
    bool m_done = false;
};

} // namespace

TableHistory::TableHistory(TForm1 &form) : QObject(&form), m_form(form), m_stack(new QUndoStack(this))
{
    m_stack->setUndoLimit(kUndoLimit);
    restart();
}

void TableHistory::restart()
{
    m_stack->clear();
    const std::array<InputTable, 4> tables = inputTables(m_form);
    for (size_t i = 0; i < tables.size(); ++i)
        m_known[i] = readCells(*tables[i].grid);
}

void TableHistory::recordChanges()
{
    const std::array<InputTable, 4> tables = inputTables(m_form);
    auto step = std::make_unique<QUndoCommand>();
    for (size_t i = 0; i < tables.size(); ++i) {
        tragvel::CellTable now = readCells(*tables[i].grid);
        if (now.rows == m_known[i].rows)
            continue;
        new TableChange(*this, int(i), m_known[i], now, step.get()); // owned by the step
        m_known[i] = std::move(now);
    }
    if (step->childCount() > 0)
        m_stack->push(step.release()); // the stack owns its steps
}

void TableHistory::restore(int table, const tragvel::CellTable &cells)
{
    const InputTable input = inputTables(m_form)[size_t(table)];
    writeCells(*input.grid, cells);
    m_known[size_t(table)] = cells;
    (m_form.*input.markChanged)(1, 1, input.grid->cell(1, 1));
}
