#include "windowtesting.h"

#include "app/filebrowser.h"
#include "app/gridcells.h"
#include "app/picturebox.h"
#include "app/stringgrid.h"
#include "loads/loadtexts.h"
#include "testfiles.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace tragvel::loadtexts;

class WindowLoads : public testing::Test
{
protected:
    WindowFixture w;
    TForm1 &form = *w.form;
    QTemporaryDir dir;

    QString file(const char *name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(QString::fromUtf8(name));
        writeTestFile(path, bytes);
        return path;
    }

    // Both input flags of the design set checked and unchanged.
    void checkDesign()
    {
        form.Button19->click();
        ASSERT_EQ(form.DesignLoadsInvalid, 0);
        ASSERT_TRUE(w.dialogs.log.isEmpty());
    }
};

TEST_F(WindowLoads, DefaultTableChecksAndDrawsBothPictures)
{
    EXPECT_FALSE(form.Image3->hasPicture());
    EXPECT_FALSE(form.Image4->hasPicture());
    form.DesignEffectsInvalid = 0;
    form.Button19->click();
    EXPECT_TRUE(w.dialogs.log.isEmpty());
    EXPECT_EQ(form.DesignLoadsInvalid, 0);
    EXPECT_EQ(form.DesignEffectsInvalid, 1);
    EXPECT_EQ(form.Label26->text(), QStringLiteral("OK"));
    EXPECT_EQ(form.Label27->text(), QStringLiteral("X"));
    EXPECT_EQ(form.AssessLoadsInvalid, 1);
    ASSERT_TRUE(form.Image3->hasPicture());
    EXPECT_EQ(form.Image3->image().size(), QSize(449, 81));
    EXPECT_EQ(form.Image4->image().size(), QSize(449, 217));
    EXPECT_FALSE(form.Image5->hasPicture());
    // Four point loads of 10 at x = 1..4, y = 0 and the reference point at (0, 0): the zero line
    // at 68, the arrow tips on it, and the reference cross in red in the plan.
    EXPECT_EQ(form.Image3->image().pixel(10, 68) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(form.Image4->image().pixel(10, 10) & 0xFFFFFF, 0xFFFFFFu);
}

TEST_F(WindowLoads, ChangingOnlyTheReferencePointKeepsOk)
{
    checkDesign();
    form.Edit1->setText(QStringLiteral("abc"));
    form.Edit2->setText(QStringLiteral("5"));
    EXPECT_EQ(form.Label26->text(), QStringLiteral("OK"));
    EXPECT_EQ(form.DesignLoadsInvalid, 0);
}

TEST_F(WindowLoads, FailedCheckLeavesThePicturesAsTheyWere)
{
    checkDesign();
    const QImage elevation = form.Image3->image();
    const QImage plan = form.Image4->image();
    commitCellEdit(*form.StringGrid3, 1, 2, QStringLiteral("9"));   // x1 > x2 in row 2
    commitCellEdit(*form.StringGrid3, 6, 3, QStringLiteral("4"));   // type out of range
    form.Edit2->setText(QString());
    form.Button19->click();
    EXPECT_EQ(w.dialogs.messages, (QStringList{referencePointNotNumber(), xBoundsReversed(), typeOutOfRange()}));
    EXPECT_EQ(form.Label26->text(), QStringLiteral("X"));
    EXPECT_EQ(form.DesignLoadsInvalid, 1);
    EXPECT_EQ(form.DesignEffectsInvalid, 1);
    EXPECT_EQ(form.Image3->image(), elevation);
    EXPECT_EQ(form.Image4->image(), plan);
}

TEST_F(WindowLoads, FailedFirstCheckDrawsNothing)
{
    commitCellEdit(*form.StringGrid4, 5, 1, QString());
    form.Button24->click();
    EXPECT_EQ(w.dialogs.messages, QStringList{cellNotNumber()});
    EXPECT_FALSE(form.Image5->hasPicture());
    EXPECT_FALSE(form.Image6->hasPicture());
    EXPECT_EQ(form.Label27->text(), QStringLiteral("X"));
}

TEST_F(WindowLoads, CellEditMarksOnlyItsSetChanged)
{
    checkDesign();
    form.Button24->click();
    form.DesignEffectsInvalid = 0;
    form.AssessEffectsInvalid = 0;
    // Committing the text the cell holds is no edit.
    commitCellEdit(*form.StringGrid3, 1, 1, form.StringGrid3->cell(1, 1));
    EXPECT_EQ(form.Label26->text(), QStringLiteral("OK"));
    EXPECT_EQ(form.DesignLoadsInvalid, 0);
    commitCellEdit(*form.StringGrid3, 1, 1, QStringLiteral("0,5"));
    EXPECT_EQ(form.Label26->text(), QStringLiteral("X"));
    EXPECT_EQ(form.DesignLoadsInvalid, 1);
    EXPECT_EQ(form.DesignEffectsInvalid, 1);
    EXPECT_EQ(form.Label27->text(), QStringLiteral("OK"));
    EXPECT_EQ(form.AssessLoadsInvalid, 0);
    EXPECT_EQ(form.AssessEffectsInvalid, 0);

    commitCellEdit(*form.StringGrid4, 2, 3, QStringLiteral("7"));
    EXPECT_EQ(form.Label27->text(), QStringLiteral("X"));
    EXPECT_EQ(form.AssessLoadsInvalid, 1);
    EXPECT_EQ(form.AssessEffectsInvalid, 1);
}

TEST_F(WindowLoads, LoadWithoutChosenFileChangesNothing)
{
    checkDesign();
    selectFile(*form.FileListBox3, dir.filePath(QStringLiteral("none.zat")));
    form.Button3->click();
    EXPECT_EQ(w.dialogs.messages, QStringList{noFileChosen()});
    EXPECT_EQ(form.Label26->text(), QStringLiteral("OK"));
    EXPECT_EQ(form.DesignLoadsInvalid, 0);
    EXPECT_EQ(form.StringGrid3->rowCount(), 5);
}

TEST_F(WindowLoads, LoadFillsTheTableWithEachSetsRowLabels)
{
    checkDesign();
    const QString path = file("patches.zat", "1 5 0 2 10 1\r\n0.5 2.25 0 1 7.5 0 9\r\n3,5 3 0 0 -20 3\r\n");
    selectFile(*form.FileListBox3, path);
    form.Button3->click();
    EXPECT_EQ(w.dialogs.messages, (QStringList{tooManyColumns(), invalidFileNumber()}));
    ASSERT_EQ(form.StringGrid3->rowCount(), 4);
    EXPECT_EQ(gridRow(*form.StringGrid3, 1), texts({"       1", "1", "5", "0", "2", "10", "1"}));
    EXPECT_EQ(gridRow(*form.StringGrid3, 2), texts({"       2", "0,5", "2,25", "0", "1", "7,5", "0"}));
    EXPECT_EQ(gridRow(*form.StringGrid3, 3), texts({"       3", "3", "3", "0", "0", "-20", "3"}));
    EXPECT_EQ(form.Label26->text(), QStringLiteral("X"));
    EXPECT_EQ(form.DesignLoadsInvalid, 1);

    w.dialogs.clear();
    form.Button4->click();
    ASSERT_EQ(form.StringGrid4->rowCount(), 4);
    EXPECT_EQ(gridRow(*form.StringGrid4, 1), texts({"1", "1", "5", "0", "2", "10", "1"}));
    EXPECT_EQ(form.StringGrid4->cell(0, 3), QStringLiteral("3"));
}

TEST_F(WindowLoads, EmptyFileKeepsTheTableButMarksItChanged)
{
    checkDesign();
    selectFile(*form.FileListBox3, file("empty.zat", ""));
    const tragvel::CellTable before = readCells(*form.StringGrid3);
    form.Button3->click();
    EXPECT_TRUE(w.dialogs.log.isEmpty());
    EXPECT_EQ(readCells(*form.StringGrid3).rows, before.rows);
    EXPECT_EQ(form.Label26->text(), QStringLiteral("X"));
    EXPECT_EQ(form.DesignLoadsInvalid, 1);
}

TEST_F(WindowLoads, UnreadableFileChangesNothing)
{
    checkDesign();
    const QString path = file("gone.zat", "1 2 0 0 10 1\r\n");
    selectFile(*form.FileListBox3, path);
    ASSERT_TRUE(QFile::remove(path));
    const tragvel::CellTable before = readCells(*form.StringGrid3);
    form.Button3->click();
    ASSERT_EQ(w.dialogs.errors.size(), 1);
    EXPECT_TRUE(w.dialogs.errors.at(0).contains(path));
    EXPECT_TRUE(w.dialogs.messages.isEmpty());
    EXPECT_EQ(readCells(*form.StringGrid3).rows, before.rows);
    EXPECT_EQ(form.Label26->text(), QStringLiteral("OK"));
    EXPECT_EQ(form.DesignLoadsInvalid, 0);
}

TEST_F(WindowLoads, NewTableAsksAndFollowsTheAnswer)
{
    checkDesign();
    w.dialogs.answerInput(QStringLiteral("3"));
    form.Button15->click();
    EXPECT_EQ(w.dialogs.inputPrompts, QStringList{newTableCaption() + u'|' + newTablePrompt() + u'|' + QStringLiteral("2")});
    EXPECT_TRUE(w.dialogs.messages.isEmpty());
    ASSERT_EQ(form.StringGrid3->rowCount(), 4);
    EXPECT_EQ(gridRow(*form.StringGrid3, 3), texts({"       3", "3", "3", "0", "0", "10", "1"}));
    EXPECT_EQ(form.Label26->text(), QStringLiteral("X"));

    // Cancelling gives the default of two rows; on the assessment set with its own labels.
    w.dialogs.answerInput(std::nullopt);
    form.Button21->click();
    ASSERT_EQ(form.StringGrid4->rowCount(), 3);
    EXPECT_EQ(form.StringGrid4->cell(0, 2), QStringLiteral("       2"));
    EXPECT_EQ(form.AssessLoadsInvalid, 1);
}

TEST_F(WindowLoads, RefusedNewTableChangesNothing)
{
    checkDesign();
    w.dialogs.answerInput(QStringLiteral("0"));
    w.dialogs.answerInput(QStringLiteral("101"));
    form.Button15->click();
    form.Button15->click();
    EXPECT_EQ(w.dialogs.messages, (QStringList{rowCountNotPositive(), tooManyRows()}));
    EXPECT_EQ(form.StringGrid3->rowCount(), 5);
    EXPECT_EQ(form.Label26->text(), QStringLiteral("OK"));
    EXPECT_EQ(form.DesignLoadsInvalid, 0);

    w.dialogs.answerInput(QStringLiteral("x"));
    form.Button15->click();
    EXPECT_EQ(w.dialogs.messages.last(), notWholeNumber());
    EXPECT_EQ(form.StringGrid3->rowCount(), 2);
    EXPECT_EQ(form.Label26->text(), QStringLiteral("X"));
}

TEST_F(WindowLoads, AddRowUpToAHundredThenRefusedButChanged)
{
    w.dialogs.answerInput(QStringLiteral("99"));
    form.Button15->click();
    form.Button16->click();
    ASSERT_EQ(form.StringGrid3->rowCount(), 101);
    EXPECT_EQ(gridRow(*form.StringGrid3, 100), texts({"       100", "99", "99", "0", "0", "10", "1"}));
    EXPECT_TRUE(w.dialogs.messages.isEmpty());

    form.Button19->click();
    ASSERT_EQ(form.DesignLoadsInvalid, 0);
    form.Button16->click();
    EXPECT_EQ(w.dialogs.messages, QStringList{tooManyRows()});
    EXPECT_EQ(form.StringGrid3->rowCount(), 101);
    EXPECT_EQ(form.Label26->text(), QStringLiteral("X"));
    EXPECT_EQ(form.DesignLoadsInvalid, 1);
    EXPECT_EQ(form.DesignEffectsInvalid, 1);
}

TEST_F(WindowLoads, SaveUsesTheLoadDialogAndKeepsTheFlags)
{
    checkDesign();
    commitCellEdit(*form.StringGrid3, 2, 2, QString());
    commitCellEdit(*form.StringGrid3, 1, 3, QStringLiteral("1,5"));
    form.Button19->click();
    w.dialogs.clear();
    form.DesignLoadsInvalid = 0;
    form.Label26->setText(QStringLiteral("OK"));

    const QString path = dir.filePath(QStringLiteral("saved.zat"));
    w.dialogs.answerSave(path);
    form.Button17->click();
    ASSERT_EQ(w.dialogs.saveRequests.size(), 1u);
    const tragvel::SaveDialogOptions &options = w.dialogs.saveRequests[0];
    EXPECT_EQ(options.title, QStringLiteral("Uložit zatížení do souboru"));
    EXPECT_EQ(options.filter, QStringLiteral("Soubory se zatížením (*.zat)|*.zat|Textové soubory (.txt)|*.txt"));
    EXPECT_EQ(options.defaultExtension, QStringLiteral(".zat"));
    EXPECT_EQ(options.initialDirectory, form.DirectoryListBox3->directory());
    EXPECT_EQ(readTestFile(path),
              QByteArray("1 1 0 0 10 1\r\n2  0 0 10 1\r\n1.5 3 0 0 10 1\r\n4 4 0 0 10 1\r\n"));
    EXPECT_EQ(form.Label26->text(), QStringLiteral("OK"));
    EXPECT_EQ(form.DesignLoadsInvalid, 0);
    EXPECT_TRUE(w.dialogs.log.isEmpty());

    // Cancelled: nothing written.
    const QString other = dir.filePath(QStringLiteral("other.zat"));
    w.dialogs.answerSave(std::nullopt);
    form.Button22->click();
    EXPECT_FALSE(QFile::exists(other));
    EXPECT_EQ(w.dialogs.saveRequests.size(), 2u);
}

TEST_F(WindowLoads, SavedTableLoadsBack)
{
    commitCellEdit(*form.StringGrid4, 1, 1, QStringLiteral("0,25"));
    commitCellEdit(*form.StringGrid4, 5, 2, QStringLiteral("-12,5"));
    const tragvel::CellTable before = readCells(*form.StringGrid4);
    const QString path = dir.filePath(QStringLiteral("back.zat"));
    w.dialogs.answerSave(path);
    form.Button22->click();
    selectFile(*form.FileListBox3, path);
    form.Button4->click();
    EXPECT_TRUE(w.dialogs.log.isEmpty());
    tragvel::CellTable expected = before;
    for (int row = 1; row < expected.rowCount(); ++row)
        expected.setCell(0, row, QString::number(row));
    EXPECT_EQ(readCells(*form.StringGrid4).rows, expected.rows);
}

TEST_F(WindowLoads, AssessmentCheckUsesItsOwnReferencePoint)
{
    form.Edit1->setText(QStringLiteral("x"));
    form.Edit3->setText(QStringLiteral("2,5"));
    form.Edit4->setText(QStringLiteral("-1"));
    form.Button24->click();
    EXPECT_TRUE(w.dialogs.log.isEmpty());
    EXPECT_EQ(form.Label27->text(), QStringLiteral("OK"));
    EXPECT_EQ(form.AssessLoadsInvalid, 0);
    EXPECT_EQ(form.AssessEffectsInvalid, 1);
    EXPECT_TRUE(form.Image5->hasPicture());
    EXPECT_TRUE(form.Image6->hasPicture());
    EXPECT_EQ(form.Label26->text(), QStringLiteral("X"));

    form.Edit3->setText(QString());
    form.Button24->click();
    EXPECT_EQ(w.dialogs.messages, QStringList{referencePointNotNumber()});
    EXPECT_EQ(form.Label27->text(), QStringLiteral("X"));
}

} // namespace
