#pragma once

#include <QString>

class TForm1;

// The project commands of menuProject: Nový, Otevřít…, Uložit, Uložit jako…, the recent projects,
// Konec.
void addProjectActions(TForm1 &form);

// The objectName of the menu entry of the recent project `index` (0 = the last one opened).
QString recentProjectActionName(int index);
