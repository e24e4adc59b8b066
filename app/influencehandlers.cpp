// Tabs 1 and 2: the influence-line tables, their files, checks and drawings.

#include "app/tform1.h"

void TForm1::Button1Click()
{
}

void TForm1::Button2Click()
{
}

void TForm1::Button5Click()
{
}

void TForm1::Button6Click()
{
}

void TForm1::Button7Click()
{
}

void TForm1::Button8Click()
{
}

void TForm1::Button9Click()
{
}

void TForm1::Button10Click()
{
}

void TForm1::Button11Click()
{
}

void TForm1::Button12Click()
{
}

void TForm1::Button13Click()
{
}

void TForm1::Button14Click()
{
}

void TForm1::StringGrid1SetEditText(int, int, const QString &)
{
}

void TForm1::StringGrid2SetEditText(int, int, const QString &)
{
}
