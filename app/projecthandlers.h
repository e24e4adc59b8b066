#pragma once

#include <QString>

class TForm1;

// The project commands of menuProject: Nový, Otevřít…, Uložit, Uložit jako… at its top (above the
// commands added before), then after a separator the recent projects and, last, Konec.
void addProjectActions(TForm1 &form);

// The objectName of the menu entry of the recent project `index` (0 = the last one opened).
QString recentProjectActionName(int index);
