#include "app/applicationsetup.h"
#include "app/programstart.h"
#include "app/qtdialogs.h"
#include "app/tform1.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[])
{
    const ProgramStart start(argc, argv);

    QtUserDialogs dialogs;
    TForm1 Form1(dialogs, nullptr, TForm1::Construction::FirstTabFirst);
    dialogs.setParent(&Form1);
    Form1.show();
    // On a small screen the window keeps its size but moves inside the area it may use.
    if (const QScreen *screen = Form1.screen()) {
        const QPoint place = fittedWindowPosition(screen->availableGeometry(), Form1.frameGeometry().size(), Form1.pos());
        if (place != Form1.pos())
            Form1.move(place);
    }
    return QApplication::exec();
}
