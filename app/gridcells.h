#pragma once

#include "common/celltable.h"

class StringGrid;

// The texts of a grid as the subsystems see them, and back.
tragvel::CellTable readCells(const StringGrid &grid);
// Sets the row count to the table's and writes every cell.
void writeCells(StringGrid &grid, const tragvel::CellTable &table);
