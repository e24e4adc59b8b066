// Starts exactly as the program does and quits after the main window's first paint. With
// --whole the window is built whole before it is shown, as it was before its first tab came first.

#include "app/applicationsetup.h"
#include "app/firstpaintwarmup.h"
#include "app/qtdialogs.h"
#include "app/tform1.h"
#include "firstpaint.h"

#include <QApplication>

#include <cstring>

int main(int argc, char *argv[])
{
    // Fonts are read on another core while the application connects to the display.
    FirstPaintWarmUp warmUp;
    QApplication application(argc, argv);
    const FirstPaintWarmUp::DatabaseFill fontDatabase = warmUp.fillDatabase(TForm1::firstPaintFonts());
    setUpApplication();

    QtUserDialogs dialogs;
    const bool whole = argc > 1 && std::strcmp(argv[1], "--whole") == 0;
    TForm1 Form1(dialogs, nullptr, whole ? TForm1::Construction::Whole : TForm1::Construction::FirstTabFirst);
    dialogs.setParent(&Form1);
    quitAfterFirstPaint(Form1);
    Form1.show();
    return application.exec();
}
