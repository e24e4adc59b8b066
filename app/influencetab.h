#pragma once

#include "influence/linekind.h"

#include <cstdint>

class FileListBox;
class PictureBox;
class QLabel;
class StringGrid;
class TForm1;

// The controls and the flag of one influence-line tab: both tabs run the same commands over these.
struct InfluenceTab
{
    const tragvel::LineKind &kind;
    StringGrid *grid;
    PictureBox *picture;
    FileListBox *files;
    QLabel *checkMark;
    uint8_t TForm1::*flag;
};

InfluenceTab longitudinalTab(TForm1 &form);
InfluenceTab transverseTab(TForm1 &form);

// The commands of a tab; each shows its messages through the window's dialogs.
void loadLineFile(TForm1 &form, const InfluenceTab &tab);
void saveLineFile(TForm1 &form, const InfluenceTab &tab);
void newLineTableCommand(TForm1 &form, const InfluenceTab &tab);
void addLineRowCommand(TForm1 &form, const InfluenceTab &tab);
void clearLineTableCommand(TForm1 &form, const InfluenceTab &tab);
void checkLineCommand(TForm1 &form, const InfluenceTab &tab);

// The line changed: its flag and both effects flags to 1, its check mark "X".
void markLineChanged(TForm1 &form, const InfluenceTab &tab);
