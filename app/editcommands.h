#pragma once

class TForm1;

// Menu "Úpravy" and the context menus of the four input tables: undo and redo of every change of
// the tables, copy and paste of cell blocks as spreadsheets exchange them, insert a row above and
// delete the selected rows.
void addEditActions(TForm1 &form);
