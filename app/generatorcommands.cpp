#include "app/generatorcommands.h"

#include "app/gridcells.h"
#include "app/influencetab.h"
#include "app/longitudinalgenerator.h"
#include "app/stringgrid.h"
#include "app/tform1.h"
#include "app/transversegenerator.h"

#include "common/numbertext.h"
#include "influence/generatedtable.h"

#include <QAction>
#include <QMenu>

namespace {

// Opens the dialog window-modal without blocking; its OK writes the table the way loading a file
// does: the rows replaced, the line's flag and both effects flags 1, the check mark "X".
template<typename Dialog>
void openGenerator(TForm1 &form, InfluenceTab (*tabOf)(TForm1 &))
{
    auto *dialog = new Dialog(&form);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QDialog::accepted, &form, [&form, dialog, tabOf] {
        form.runGuarded([&] {
            const InfluenceTab tab = tabOf(form);
            writeCells(*tab.grid, tragvel::influence::generatedLineTable(
                                      readCells(*tab.grid), dialog->points(), tragvel::programDecimalSeparator()));
            markLineChanged(form, tab);
        });
    });
    dialog->open();
}

void addAction(TForm1 &form, const char *name, const QString &text, void (*open)(TForm1 &))
{
    QAction *action = form.menuTools->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    QObject::connect(action, &QAction::triggered, &form, [&form, open] { form.runGuarded([&] { open(form); }); });
}

} // namespace

void addGeneratorActions(TForm1 &form)
{
    addAction(form, "actionGenerateLongitudinal", QStringLiteral("Příčinková čára spojitého nosníku..."),
              [](TForm1 &f) { openGenerator<LongitudinalGeneratorDialog>(f, longitudinalTab); });
    addAction(form, "actionGenerateTransverse", QStringLiteral("Čára příčného roznosu nosníků..."),
              [](TForm1 &f) { openGenerator<TransverseGeneratorDialog>(f, transverseTab); });
}
