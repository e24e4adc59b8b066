// Tab 3: the load tables, their files, the load check and drawings.

#include "app/tform1.h"

void TForm1::Button3Click()
{
}

void TForm1::Button4Click()
{
}

void TForm1::Button15Click()
{
}

void TForm1::Button16Click()
{
}

void TForm1::Button17Click()
{
}

void TForm1::Button19Click()
{
}

void TForm1::Button20Click()
{
}

void TForm1::Button21Click()
{
}

void TForm1::Button22Click()
{
}

void TForm1::Button24Click()
{
}

void TForm1::StringGrid3SetEditText(int, int, const QString &)
{
}

void TForm1::StringGrid4SetEditText(int, int, const QString &)
{
}
