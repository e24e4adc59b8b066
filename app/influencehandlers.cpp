// Tabs 1 and 2: the influence-line tables, their files, checks and drawings. Both tabs run the same
// commands over their own controls (app/influencetab.h).

#include "app/influencetab.h"
#include "app/tform1.h"

void TForm1::Button1Click()
{
    loadLineFile(*this, longitudinalTab(*this));
}

void TForm1::Button2Click()
{
    loadLineFile(*this, transverseTab(*this));
}

void TForm1::Button5Click()
{
    checkLineCommand(*this, longitudinalTab(*this));
}

void TForm1::Button6Click()
{
    addLineRowCommand(*this, longitudinalTab(*this));
}

void TForm1::Button7Click()
{
    newLineTableCommand(*this, longitudinalTab(*this));
}

void TForm1::Button8Click()
{
    saveLineFile(*this, longitudinalTab(*this));
}

void TForm1::Button9Click()
{
    clearLineTableCommand(*this, longitudinalTab(*this));
}

void TForm1::Button10Click()
{
    newLineTableCommand(*this, transverseTab(*this));
}

void TForm1::Button11Click()
{
    addLineRowCommand(*this, transverseTab(*this));
}

void TForm1::Button12Click()
{
    clearLineTableCommand(*this, transverseTab(*this));
}

void TForm1::Button13Click()
{
    saveLineFile(*this, transverseTab(*this));
}

void TForm1::Button14Click()
{
    checkLineCommand(*this, transverseTab(*this));
}

// The text typed is not looked at: any commit of an edit marks the line as changed.
void TForm1::StringGrid1SetEditText(int, int, const QString &)
{
    markLineChanged(*this, longitudinalTab(*this));
}

void TForm1::StringGrid2SetEditText(int, int, const QString &)
{
    markLineChanged(*this, transverseTab(*this));
}
