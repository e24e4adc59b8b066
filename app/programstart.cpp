#include "app/programstart.h"

#include "app/applicationsetup.h"
#include "app/tform1.h"

#include <QAccessible>

ProgramStart::ProgramStart(int &argc, char **argv)
    : m_application(argc, argv), m_fontDatabase(m_warmUp.fillDatabase(TForm1::firstPaintFonts()))
{
    // Asking whether assistive technology listens makes Qt connect to the session bus, which it
    // would do at the window's first tab bar. Now, the wait for the bus (without one, for a
    // launcher process to fail) falls in the time the font database fills on the other core.
    QAccessible::isActive();
    setUpApplication();
}
