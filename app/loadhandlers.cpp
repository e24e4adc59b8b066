// Tab 3: the two load sets, their tables, files, check and pictures. Both sets run the same code
// over a record of their own controls and flags.

#include "app/tform1.h"

#include "app/filebrowser.h"
#include "app/gridcells.h"
#include "app/picturebox.h"
#include "app/stringgrid.h"

#include "common/filesave.h"
#include "loads/loadcheck.h"
#include "loads/loaddrawing.h"
#include "loads/loadset.h"
#include "loads/loadtable.h"
#include "loads/loadtexts.h"
#include "loads/zatreader.h"
#include "loads/zatwriter.h"

#include <QLabel>
#include <QLineEdit>

namespace {

struct LoadTab
{
    const tragvel::LoadSet &set;
    StringGrid &grid;
    QLineEdit &referenceX;
    QLineEdit &referenceY;
    PictureBox &elevation;
    PictureBox &plan;
    QLabel &checkMark;
    uint8_t &loadsInvalid;
    uint8_t &effectsInvalid;
};

LoadTab designTab(TForm1 &form)
{
    return {tragvel::designLoadSet(), *form.StringGrid3, *form.Edit1, *form.Edit2, *form.Image3, *form.Image4,
            *form.Label26, form.DesignLoadsInvalid, form.DesignEffectsInvalid};
}

LoadTab assessmentTab(TForm1 &form)
{
    return {tragvel::assessmentLoadSet(), *form.StringGrid4, *form.Edit3, *form.Edit4, *form.Image5, *form.Image6,
            *form.Label27, form.AssessLoadsInvalid, form.AssessEffectsInvalid};
}

void markChanged(const LoadTab &tab)
{
    tab.loadsInvalid = 1;
    tab.effectsInvalid = 1;
    tab.checkMark.setText(QStringLiteral("X"));
}

void loadFromFile(TForm1 &form, const LoadTab &tab)
{
    const QString path = form.FileListBox3->fileName();
    if (path.isEmpty()) {
        form.dialogs().showMessage(tragvel::loadtexts::noFileChosen());
        return;
    }
    // The file is read first (only as far as the table takes it): one that cannot be read
    // changes nothing.
    tragvel::TextFileReader reader = tragvel::TextFileReader::fromFile(path);
    const tragvel::LoadFileContents contents = tragvel::readLoadFile(reader, tab.set);
    // The rows are written as they are read: each message shows while its row is being written.
    tragvel::CellTable table = readCells(tab.grid);
    tragvel::applyLoadFile(table, contents, [&](const tragvel::CellTable &written, const QString &message) {
        writeCells(tab.grid, written);
        form.dialogs().showMessage(message);
    });
    writeCells(tab.grid, table);
    markChanged(tab);
}

void newTable(TForm1 &form, const LoadTab &tab)
{
    using namespace tragvel::loadtexts;
    const QString answer = form.dialogs().inputBox(newTableCaption(), newTablePrompt(), newTableDefault());
    const tragvel::NewTableOutcome outcome = tragvel::newLoadTable(readCells(tab.grid), answer);
    form.showMessages(outcome.messages);
    if (!outcome.table)
        return;
    writeCells(tab.grid, *outcome.table);
    markChanged(tab);
}

void addRow(TForm1 &form, const LoadTab &tab)
{
    tragvel::CellTable table = readCells(tab.grid);
    const QStringList messages = tragvel::addLoadRow(table);
    if (messages.isEmpty())
        writeCells(tab.grid, table);
    form.showMessages(messages);
    markChanged(tab);
}

void saveToFile(TForm1 &form, const LoadTab &tab)
{
    tragvel::SaveDialogOptions options = form.SaveDialog2;
    options.initialDirectory = form.DirectoryListBox3->directory();
    const std::optional<QString> path = form.dialogs().saveFileName(options);
    if (!path)
        return;
    tragvel::writeFileReplacing(*path, tragvel::loadFileBytes(readCells(tab.grid)));
}

void checkAndDraw(TForm1 &form, const LoadTab &tab)
{
    const tragvel::LoadCheckResult check =
        tragvel::checkLoads(readCells(tab.grid), tab.referenceX.text(), tab.referenceY.text());
    if (!check.passed()) {
        form.showMessages(check.messages);
        tab.checkMark.setText(QStringLiteral("X"));
        tab.loadsInvalid = 1;
        tab.effectsInvalid = 1;
        return;
    }
    const tragvel::LoadPictures pictures =
        tragvel::drawLoadPictures(check.patches, check.referenceX, check.referenceY);
    tab.elevation.setImage(pictures.elevation);
    tab.plan.setImage(pictures.plan);
    tab.loadsInvalid = 0;
    // Effects computed before this check are out of date.
    tab.effectsInvalid = 1;
    tab.checkMark.setText(QStringLiteral("OK"));
}

} // namespace

void TForm1::Button3Click() { loadFromFile(*this, designTab(*this)); }
void TForm1::Button4Click() { loadFromFile(*this, assessmentTab(*this)); }

void TForm1::Button15Click() { newTable(*this, designTab(*this)); }
void TForm1::Button21Click() { newTable(*this, assessmentTab(*this)); }

void TForm1::Button16Click() { addRow(*this, designTab(*this)); }
void TForm1::Button20Click() { addRow(*this, assessmentTab(*this)); }

void TForm1::Button17Click() { saveToFile(*this, designTab(*this)); }
void TForm1::Button22Click() { saveToFile(*this, assessmentTab(*this)); }

void TForm1::Button19Click() { checkAndDraw(*this, designTab(*this)); }
void TForm1::Button24Click() { checkAndDraw(*this, assessmentTab(*this)); }

void TForm1::StringGrid3SetEditText(int, int, const QString &) { markChanged(designTab(*this)); }
void TForm1::StringGrid4SetEditText(int, int, const QString &) { markChanged(assessmentTab(*this)); }
