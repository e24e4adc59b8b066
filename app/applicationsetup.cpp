#include "app/applicationsetup.h"

#include <QApplication>
#include <QLocale>

void setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("Tragvel"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tragvel v.1.0"));
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
}
