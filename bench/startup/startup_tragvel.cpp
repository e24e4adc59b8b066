// Starts exactly as the program does and quits after the main window's first paint. With
// --whole the window is built whole before it is shown, as it was before its first tab came first.

#include "app/programstart.h"
#include "app/qtdialogs.h"
#include "app/tform1.h"
#include "firstpaint.h"

#include <QApplication>

#include <cstring>

int main(int argc, char *argv[])
{
    const ProgramStart start(argc, argv);

    QtUserDialogs dialogs;
    const bool whole = argc > 1 && std::strcmp(argv[1], "--whole") == 0;
    TForm1 Form1(dialogs, nullptr, whole ? TForm1::Construction::Whole : TForm1::Construction::FirstTabFirst);
    dialogs.setParent(&Form1);
    quitAfterFirstPaint(Form1);
    Form1.show();
    return QApplication::exec();
}
