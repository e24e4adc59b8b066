#include "app/printmodule.h"

#include <QCoreApplication>
#include <QLibrary>

QStringList printModuleFolders()
{
    return {QCoreApplication::applicationDirPath(), QStringLiteral(TRAGVEL_PRINT_MODULE_DIR)};
}

PrintPagesFunction loadPrintPages(const QStringList &folders, QString &error)
{
    for (const QString &folder : folders) {
        // Left loaded: the function is used for as long as the program runs.
        QLibrary module(folder + QStringLiteral("/tragvel_print"));
        if (const auto print = reinterpret_cast<PrintPagesFunction>(module.resolve("tragvelPrintPages")))
            return print;
        error = module.errorString();
    }
    return nullptr;
}
