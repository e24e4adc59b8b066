// Tab 6: the report document and the project output.

#include "app/tform1.h"

void TForm1::Button31Click()
{
}

void TForm1::Button32Click()
{
}

void TForm1::Button33Click()
{
}

void TForm1::Button34Click()
{
}

void TForm1::Button35Click()
{
}

void TForm1::Button36Click()
{
}

void TForm1::Button37Click()
{
}

void TForm1::Button38Click()
{
}

void TForm1::Button39Click()
{
}

void TForm1::Button40Click()
{
}

void TForm1::Button41Click()
{
}

void TForm1::Button42Click()
{
}

void TForm1::Button43Click()
{
}

void TForm1::Button44Click()
{
}

void TForm1::Button45Click()
{
}

void TForm1::Button46Click()
{
}

void TForm1::Button47Click()
{
}
