// The empty main window with one line of text in it: the yardstick for what the first text costs
// (the font database, one font face, its glyphs), which the program's first paint cannot avoid.

#include "firstpaint.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.resize(1016, 724);
    window.setCentralWidget(new QLabel(QStringLiteral("Zatížitelnost"), &window));
    quitAfterFirstPaint(window);
    window.show();
    return application.exec();
}
