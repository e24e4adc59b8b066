// An empty main window built the same way, the yardstick for the program's start-up.

#include "firstpaint.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.resize(1016, 724);
    quitAfterFirstPaint(window);
    window.show();
    return application.exec();
}
