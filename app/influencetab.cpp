#include "app/influencetab.h"

#include "app/filebrowser.h"
#include "app/gridcells.h"
#include "app/picturebox.h"
#include "app/stringgrid.h"
#include "app/tform1.h"

#include "common/filesave.h"
#include "common/gridpicture.h"
#include "common/numbertext.h"
#include "influence/linecheck.h"
#include "influence/linedrawing.h"
#include "influence/linetable.h"
#include "influence/prcfile.h"

#include <QLabel>

namespace {

void setLineState(TForm1 &form, const InfluenceTab &tab, bool checked)
{
    form.*tab.flag = checked ? 0 : 1;
    // Every change and every check of a line makes the effects of both load sets out of date.
    form.DesignEffectsInvalid = 1;
    form.AssessEffectsInvalid = 1;
    tab.checkMark->setText(checked ? QStringLiteral("OK") : QStringLiteral("X"));
}

// Runs a table command over the grid's texts and writes the result back.
template<typename Command>
void runTableCommand(TForm1 &form, const InfluenceTab &tab, Command command)
{
    tragvel::CellTable table = readCells(*tab.grid);
    const tragvel::TableCommandResult result = command(table);
    form.showMessages(result.messages);
    writeCells(*tab.grid, table);
    if (result.marksChanged)
        markLineChanged(form, tab);
}

} // namespace

InfluenceTab longitudinalTab(TForm1 &form)
{
    return {tragvel::longitudinalLine(), form.StringGrid1, form.Image1, form.FileListBox1, form.Label24,
            &TForm1::LongLineInvalid};
}

InfluenceTab transverseTab(TForm1 &form)
{
    return {tragvel::transverseLine(), form.StringGrid2, form.Image2, form.FileListBox2, form.Label25,
            &TForm1::TransLineInvalid};
}

void markLineChanged(TForm1 &form, const InfluenceTab &tab)
{
    setLineState(form, tab, false);
}

void loadLineFile(TForm1 &form, const InfluenceTab &tab)
{
    const QString path = tab.files->fileName();
    if (path.isEmpty()) {
        form.dialogs().showMessage(tragvel::lineTexts::noFileChosen());
        return;
    }
    // The file is read before anything changes (only as far as the table takes it): one that
    // cannot be read changes nothing.
    tragvel::TextFileReader reader = tragvel::TextFileReader::fromFile(path);
    const tragvel::PrcReadResult result
        = tragvel::readPrc(reader, tab.kind, tragvel::programDecimalSeparator());
    // The rows are written as they are read: each message shows while its row is being written.
    tragvel::CellTable table = readCells(*tab.grid);
    tragvel::applyPrc(table, result, [&](const tragvel::CellTable &written, const QString &message) {
        writeCells(*tab.grid, written);
        form.dialogs().showMessage(message);
    });
    writeCells(*tab.grid, table);
    markLineChanged(form, tab);
}

void saveLineFile(TForm1 &form, const InfluenceTab &tab)
{
    const std::optional<QString> path = form.dialogs().saveFileName(form.SaveDialog1);
    if (!path)
        return;
    tragvel::writeFileReplacing(
        *path, tragvel::writePrc(readCells(*tab.grid), tragvel::programDecimalSeparator()));
}

void newLineTableCommand(TForm1 &form, const InfluenceTab &tab)
{
    const QString answer = form.dialogs().inputBox(tragvel::lineTexts::newTableCaption(),
                                                   tab.kind.newTablePrompt,
                                                   tragvel::lineTexts::newTableDefault());
    runTableCommand(form, tab, [&](tragvel::CellTable &table) {
        return tragvel::newLineTable(table, answer, tab.kind);
    });
}

void addLineRowCommand(TForm1 &form, const InfluenceTab &tab)
{
    runTableCommand(form, tab,
                    [&](tragvel::CellTable &table) { return tragvel::addLineRow(table, tab.kind); });
}

void clearLineTableCommand(TForm1 &form, const InfluenceTab &tab)
{
    runTableCommand(form, tab, [](tragvel::CellTable &table) { return tragvel::clearLineTable(table); });
}

void checkLineCommand(TForm1 &form, const InfluenceTab &tab)
{
    const tragvel::LineCheckOutcome outcome
        = tragvel::checkLine(readCells(*tab.grid), tab.kind, tragvel::programDecimalSeparator());
    // Chyba#16 and the area warning come before the picture is reset, the value failures after.
    form.showMessages(outcome.messages.mid(0, outcome.messagesBeforeRedraw));
    if (outcome.numbersPresent) {
        QImage picture = tab.picture->hasPicture()
            ? tab.picture->image()
            : tragvel::blankPicture(tragvel::lineImageWidth, tragvel::lineImageHeight);
        tragvel::drawCheckedLine(picture, outcome, tab.kind);
        tab.picture->setImage(picture);
    }
    form.showMessages(outcome.messages.mid(outcome.messagesBeforeRedraw));
    setLineState(form, tab, outcome.valid);
}
