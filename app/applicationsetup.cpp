#include "app/applicationsetup.h"

#include "app/deferredextensionicon.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <algorithm>

void setUpApplication()
{
    // The menu bar stays in the window, whose size counts it, on desktops with a global menu
    // too; asking the desktop for one also cost the start a call over the session bus.
    QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication::setStyle(new DeferredExtensionIconStyle);
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
