#include "app/applicationsetup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <algorithm>

void setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("Tragvel"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tragvel v.1.0"));
    const QLocale czech(QLocale::Czech, QLocale::CzechRepublic);
    QLocale::setDefault(czech);
    // Qt's own dialogs (file dialogs, input boxes, buttons) speak Czech like the rest of the window.
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(czech, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
}

QPoint fittedWindowPosition(const QRect &available, const QSize &size, const QPoint &wanted)
{
    const auto fit = [](int want, int low, int extent, int room) {
        return std::max(low, std::min(want, low + room - extent));
    };
    return {fit(wanted.x(), available.left(), size.width(), available.width()),
            fit(wanted.y(), available.top(), size.height(), available.height())};
}
