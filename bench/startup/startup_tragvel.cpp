// Starts exactly as the program does and quits after the main window's first paint.

#include "app/qtdialogs.h"
#include "app/tform1.h"
#include "firstpaint.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tragvel"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tragvel v.1.0"));
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));

    QtUserDialogs dialogs;
    TForm1 Form1(dialogs);
    dialogs.setParent(&Form1);
    quitAfterFirstPaint(Form1);
    Form1.show();
    return application.exec();
}
