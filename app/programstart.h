#pragma once

#include "app/firstpaintwarmup.h"

#include <QApplication>

// The application as the program starts it: fonts are read on another core while the application
// connects to the display, the font database fills as soon as it exists while the session bus is
// connected, and the application is set up. Made first in main(); the database fill ends before
// the application goes.
class ProgramStart
{
public:
    // `argc` and `argv` are main()'s and must outlive this.
    ProgramStart(int &argc, char **argv);

private:
    FirstPaintWarmUp m_warmUp;
    QApplication m_application;
    FirstPaintWarmUp::DatabaseFill m_fontDatabase;
};
