// Tab 5: the load capacity.

#include "app/tform1.h"

void TForm1::Button25Click()
{
}

void TForm1::Button26Click()
{
}

void TForm1::Button27Click()
{
}

void TForm1::Button28Click()
{
}

void TForm1::Button29Click()
{
}

void TForm1::Button30Click()
{
}
