#include "app/applicationsetup.h"
#include "app/qtdialogs.h"
#include "app/tform1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    setUpApplication();

    QtUserDialogs dialogs;
    TForm1 Form1(dialogs);
    dialogs.setParent(&Form1);
    Form1.show();
    return application.exec();
}
