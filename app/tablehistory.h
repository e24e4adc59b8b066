#pragma once

#include "common/celltable.h"

#include <QObject>

#include <array>

class QUndoStack;
class TForm1;

// The undo history of the four input tables. After every command (a cell edit, a paste, a load,
// a new table, ...) the tables are compared with what they held before, and each command that
// changed them becomes one step; undo and redo write the texts back and mark the table changed as
// an edit does.
class TableHistory : public QObject
{
public:
    explicit TableHistory(TForm1 &form);

    QUndoStack &stack() { return *m_stack; }

    // Records what the last command changed as one step; nothing when it changed nothing.
    void recordChanges();

    // Forgets every step: the tables as they stand are the start of a new history (a project
    // opened or begun anew).
    void restart();

    // Writes the texts into the table without recording them as a new step.
    void restore(int table, const tragvel::CellTable &cells);

private:
    TForm1 &m_form;
    QUndoStack *m_stack;
    std::array<tragvel::CellTable, 4> m_known;
};
