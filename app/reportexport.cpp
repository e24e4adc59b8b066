#include "app/reportexport.h"

#include "app/filebrowser.h"
#include "app/projectpictures.h"
#include "app/tform1.h"

#include "common/filesave.h"
#include "report/pdfexport.h"

#include <QAction>
#include <QDate>
#include <QLineEdit>
#include <QMenu>
#include <QTextEdit>

namespace {

tragvel::PageDecoration pageDecoration(const TForm1 &form)
{
    return {form.Edit17->text(), QDate::currentDate().toString(QStringLiteral("d. M. yyyy"))};
}

void exportPdf(TForm1 &form)
{
    const QString path = tragvel::projectPdfPath(form.DirectoryListBox4->directory(), form.Edit17->text());
    tragvel::writeFileReplacing(path, tragvel::reportPdf(*form.RichEdit1->document(), form.RichEdit1->logicalDpiY(),
                                                         tragvel::captionedPictures(projectPictures(form)),
                                                         pageDecoration(form)));
}

void printReport(TForm1 &form)
{
    const std::vector<tragvel::CaptionedPicture> pictures = tragvel::captionedPictures(projectPictures(form));
    const tragvel::PageDecoration decoration = pageDecoration(form);
    form.dialogs().printPages([&](QPagedPaintDevice &printer) {
        tragvel::paintReport(printer, *form.RichEdit1->document(), form.RichEdit1->logicalDpiY(), pictures,
                             decoration);
    });
}

void addAction(TForm1 &form, const char *name, const QString &text, const QKeySequence &shortcut,
               void (*run)(TForm1 &))
{
    QAction *action = form.menuProject->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    QObject::connect(action, &QAction::triggered, &form, [&form, run] { form.runGuarded([&] { run(form); }); });
}

} // namespace

void addReportExportActions(TForm1 &form)
{
    addAction(form, "actionProjectExportPdf", QStringLiteral("Exportovat PDF…"), QKeySequence(Qt::CTRL | Qt::Key_E),
              exportPdf);
    addAction(form, "actionProjectPrint", QStringLiteral("Tisk…"), QKeySequence(Qt::CTRL | Qt::Key_P), printReport);
}
