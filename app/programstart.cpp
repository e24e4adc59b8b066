#include "app/programstart.h"

#include "app/applicationsetup.h"
#include "app/tform1.h"

ProgramStart::ProgramStart(int &argc, char **argv)
    : m_application(argc, argv), m_fontDatabase(m_warmUp.fillDatabase(TForm1::firstPaintFonts()))
{
    setUpApplication();
}
