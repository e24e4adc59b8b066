// Starts exactly as the program does and quits after the main window's first paint.

#include "app/applicationsetup.h"
#include "app/qtdialogs.h"
#include "app/tform1.h"
#include "firstpaint.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    setUpApplication();

    QtUserDialogs dialogs;
    TForm1 Form1(dialogs);
    dialogs.setParent(&Form1);
    quitAfterFirstPaint(Form1);
    Form1.show();
    return application.exec();
}
