#pragma once

#include <QPagedPaintDevice>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// The system print dialog and the printer live in a module of their own, loaded when the user first
// prints, so that the printing support library and what it needs are not read at every start.

// Defined by the module: shows the print dialog and, once the user confirms it, lets `paint` draw
// the pages on the printer.
extern "C" void tragvelPrintPages(QWidget *parent, const std::function<void(QPagedPaintDevice &)> &paint);
using PrintPagesFunction = decltype(&tragvelPrintPages);

// Where the module is looked for: beside the program, then where the build puts it.
QStringList printModuleFolders();

// The module's function from the first of the folders that has the module; nullptr, with the
// loader's reason in `error`, when none has.
PrintPagesFunction loadPrintPages(const QStringList &folders, QString &error);
