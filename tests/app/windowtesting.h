#pragma once

#include "app/tform1.h"
#include "scripteddialogs.h"

#include <QString>
#include <QStringList>

#include <initializer_list>

#include <memory>
#include <vector>

class QPushButton;

class FileListBox;
class StringGrid;

// A main window with scripted dialogs, created as the program creates it (whole, unless asked to
// build its first tab first).
struct WindowFixture
{
    explicit WindowFixture(TForm1::Construction construction = TForm1::Construction::Whole);
    ~WindowFixture();

    ScriptedDialogs dialogs;
    std::unique_ptr<TForm1> form;
};

// Commits an edit of the cell through the grid's in-place editor, as the user does.
void commitCellEdit(StringGrid &grid, int column, int row, const QString &text);
// Makes a new table of the rows through the new-table command and edits every cell.
using Row = std::vector<const char *>;
void enterTable(WindowFixture &w, QPushButton &newTable, StringGrid &grid, const std::vector<Row> &rows);

// Opens the directory in the file list and selects the file there, as a click does.
void selectFile(FileListBox &files, const QString &path);

// The texts of one grid row, column 0 first.
QStringList gridRow(const StringGrid &grid, int row);

// UTF-8 literals as texts.
QString u8(const char *text);
QStringList texts(std::initializer_list<const char *> items);

// The QApplication every window test needs; created once with the program's locale.
void ensureApplication();
