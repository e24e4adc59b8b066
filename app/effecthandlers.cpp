// Tab 4: the load effects of both sets.

#include "app/tform1.h"

void TForm1::Button18Click()
{
}

void TForm1::Button23Click()
{
}
