#pragma once

#include "common/tableediting.h"

#include <array>

class StringGrid;
class TForm1;

// One of the four input tables (the two lines, the two load sets) as the editing commands see it:
// its grid, its shape and the handler that marks it changed as a cell edit does.
struct InputTable
{
    StringGrid *grid;
    tragvel::TableShape shape;
    void (TForm1::*markChanged)(int column, int row, const QString &text);
};

std::array<InputTable, 4> inputTables(TForm1 &form);
