#include "windowtesting.h"

#include "app/filebrowser.h"
#include "app/picturebox.h"
#include "app/stringgrid.h"
#include "common/canvas.h"
#include "common/gridpicture.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

const QString noFile = QStringLiteral("Je třeba vybrat pracovní soubor !!!");
const QString chyba08Long = QStringLiteral("Chyba#08 : Překročen maximální počet řádků (100) !!!");
const QString chyba08Trans = QStringLiteral("Chyba#08 : Překročen maximální počet řádků (25) !!!");
const QString chyba09 = QStringLiteral("Chyba#09 : Počet řádků musí být kladný !!!");
const QString chyba13Long = QStringLiteral("Chyba#13 : Chyba vstupního souboru - Překročen počet řádků tabulky zatížení (100)!!!");
const QString chyba16 = QStringLiteral("Chyba#16 - Chybný vstup, očekává se číslo !!!");

QByteArray numberedLines(int count)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += QByteArray::number(i) + " 1\r\n";
    return bytes;
}

class InfluenceWindow : public testing::Test
{
protected:
    QString file(const char *name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(QString::fromUtf8(name));
        writeTestFile(path, bytes);
        return path;
    }

    // Both lines checked, both effects computed: every flag 0 and both check marks "OK".
    void setAllChecked()
    {
        TForm1 &f = *w.form;
        f.LongLineInvalid = f.TransLineInvalid = f.DesignEffectsInvalid = f.AssessEffectsInvalid = 0;
        f.Label24->setText(QStringLiteral("OK"));
        f.Label25->setText(QStringLiteral("OK"));
    }

    // Long, Trans, DesignEffects, AssessEffects and the two check marks.
    std::vector<int> flags() const
    {
        const TForm1 &f = *w.form;
        return {f.LongLineInvalid, f.TransLineInvalid, f.DesignEffectsInvalid, f.AssessEffectsInvalid};
    }
    QStringList marks() const { return {w.form->Label24->text(), w.form->Label25->text()}; }

    QTemporaryDir dir;
    WindowFixture w;
};

TEST_F(InfluenceWindow, StartUpState)
{
    EXPECT_EQ(flags(), (std::vector<int>{1, 1, 1, 1}));
    EXPECT_EQ(marks(), QStringList({QStringLiteral("X"), QStringLiteral("X")}));
    EXPECT_EQ(w.form->Label2->text(), QStringLiteral("Vyberte soubor !!!"));
}

TEST_F(InfluenceWindow, LoadsTheFileChosenInTheList)
{
    const QString path = file("line.prc", "0 0\r\n10 1.5\r\n20 0\r\n");
    selectFile(*w.form->FileListBox1, path);
    EXPECT_EQ(w.form->Label2->text(), path);
    setAllChecked();
    w.form->Button1->click();
    EXPECT_TRUE(w.dialogs.log.isEmpty()) << w.dialogs.log.join(u'\n').toStdString();
    const StringGrid &grid = *w.form->StringGrid1;
    ASSERT_EQ(grid.rowCount(), 4);
    EXPECT_EQ(gridRow(grid, 0), QStringList({QStringLiteral("    Položka"), QStringLiteral("   Staničení"), QStringLiteral("          n")}));
    EXPECT_EQ(gridRow(grid, 1), QStringList({QStringLiteral("          1"), QStringLiteral("0"), QStringLiteral("0")}));
    EXPECT_EQ(gridRow(grid, 2), QStringList({QStringLiteral("          2"), QStringLiteral("10"), QStringLiteral("1,5")}));
    EXPECT_EQ(gridRow(grid, 3), QStringList({QStringLiteral("          3"), QStringLiteral("20"), QStringLiteral("0")}));
    EXPECT_EQ(flags(), (std::vector<int>{1, 0, 1, 1}));
    EXPECT_EQ(marks(), QStringList({QStringLiteral("X"), QStringLiteral("OK")}));
}

TEST_F(InfluenceWindow, TransverseLoadShowsChosenFileAndCutsTheTable)
{
    const QString path = file("trans.prc", numberedLines(30));
    selectFile(*w.form->FileListBox2, path);
    EXPECT_EQ(w.form->Label8->text(), path);
    w.form->Button2->click();
    EXPECT_EQ(w.dialogs.messages,
              QStringList{QStringLiteral("Chyba#13 : Chyba vstupního souboru - Překročen počet řádků tabulky zatížení (25)!!!")});
    EXPECT_EQ(w.form->StringGrid2->rowCount(), 26);
    EXPECT_EQ(gridRow(*w.form->StringGrid2, 25), QStringList({QStringLiteral("          25"), QStringLiteral("24"), QStringLiteral("1")}));
    EXPECT_EQ(gridRow(*w.form->StringGrid2, 0)[1], QStringLiteral(" Vzd.od kraje"));
}

TEST_F(InfluenceWindow, LoadWithoutChosenFileChangesNothing)
{
    setAllChecked();
    w.form->Button1->click();
    w.form->Button2->click();
    EXPECT_EQ(w.dialogs.messages, QStringList({noFile, noFile}));
    EXPECT_EQ(flags(), (std::vector<int>{0, 0, 0, 0}));
    EXPECT_EQ(marks(), QStringList({QStringLiteral("OK"), QStringLiteral("OK")}));
}

TEST_F(InfluenceWindow, ChoosingAnotherDirectoryEmptiesTheChosenFile)
{
    const QString path = file("line.prc", "1 1\r\n");
    selectFile(*w.form->FileListBox1, path);
    ASSERT_EQ(w.form->Label2->text(), path);
    QDir(dir.path()).mkdir(QStringLiteral("empty"));
    w.form->FileListBox1->setDirectory(dir.filePath(QStringLiteral("empty")));
    EXPECT_EQ(w.form->Label2->text(), QString());
    w.form->Button1->click();
    EXPECT_EQ(w.dialogs.messages, QStringList{noFile});
}

TEST_F(InfluenceWindow, UnreadableFileIsAnErrorAndChangesNothing)
{
    const QString path = file("gone.prc", "5 5\r\n6 6\r\n7 7\r\n");
    selectFile(*w.form->FileListBox1, path);
    ASSERT_TRUE(QFile::remove(path));
    setAllChecked();
    w.form->Button1->click();
    ASSERT_EQ(w.dialogs.errors.size(), 1);
    EXPECT_TRUE(w.dialogs.errors[0].contains(path)) << w.dialogs.errors[0].toStdString();
    EXPECT_TRUE(w.dialogs.messages.isEmpty());
    EXPECT_EQ(w.form->StringGrid1->rowCount(), 3);
    EXPECT_EQ(gridRow(*w.form->StringGrid1, 2), QStringList({QStringLiteral("          2"), QStringLiteral("1"), QStringLiteral("1")}));
    EXPECT_EQ(flags(), (std::vector<int>{0, 0, 0, 0}));
    EXPECT_EQ(marks(), QStringList({QStringLiteral("OK"), QStringLiteral("OK")}));
}

TEST_F(InfluenceWindow, EmptyFileKeepsTheTableButMarksItChanged)
{
    selectFile(*w.form->FileListBox1, file("empty.prc", QByteArray()));
    setAllChecked();
    w.form->Button1->click();
    EXPECT_TRUE(w.dialogs.log.isEmpty());
    EXPECT_EQ(w.form->StringGrid1->rowCount(), 3);
    EXPECT_EQ(gridRow(*w.form->StringGrid1, 1), QStringList({QStringLiteral("          1"), QStringLiteral("0"), QStringLiteral("1")}));
    EXPECT_EQ(flags(), (std::vector<int>{1, 0, 1, 1}));
    EXPECT_EQ(marks(), QStringList({QStringLiteral("X"), QStringLiteral("OK")}));
}

// Every command of the two tabs, started from a state where everything is checked.
struct FlagCase
{
    const char *name;
    std::function<void(TForm1 &, ScriptedDialogs &)> command;
    std::vector<int> flags; // Long, Trans, DesignEffects, AssessEffects
    QStringList marks;
    QStringList messages;
};

void PrintTo(const FlagCase &c, std::ostream *os)
{
    *os << c.name;
}

const QStringList ok2{QStringLiteral("OK"), QStringLiteral("OK")};
const QStringList xOk{QStringLiteral("X"), QStringLiteral("OK")};
const QStringList okX{QStringLiteral("OK"), QStringLiteral("X")};

std::vector<FlagCase> flagCases()
{
    return {
        {"NewTableLong", [](TForm1 &f, ScriptedDialogs &d) { d.answerInput(QStringLiteral("3")); f.Button7->click(); },
         {1, 0, 1, 1}, xOk, {}},
        {"NewTableCancelled", [](TForm1 &f, ScriptedDialogs &d) { d.answerInput(std::nullopt); f.Button10->click(); },
         {0, 1, 1, 1}, okX, {}},
        {"NewTableRefusedZero", [](TForm1 &f, ScriptedDialogs &d) { d.answerInput(QStringLiteral("0")); f.Button7->click(); },
         {0, 0, 0, 0}, ok2, {chyba09}},
        {"NewTableRefused26", [](TForm1 &f, ScriptedDialogs &d) { d.answerInput(QStringLiteral("26")); f.Button10->click(); },
         {0, 0, 0, 0}, ok2, {chyba08Trans}},
        {"AddRowLong", [](TForm1 &f, ScriptedDialogs &) { f.Button6->click(); }, {1, 0, 1, 1}, xOk, {}},
        {"AddRowTrans", [](TForm1 &f, ScriptedDialogs &) { f.Button11->click(); }, {0, 1, 1, 1}, okX, {}},
        {"ClearLong", [](TForm1 &f, ScriptedDialogs &) { f.Button9->click(); }, {1, 0, 1, 1}, xOk, {}},
        {"ClearTrans", [](TForm1 &f, ScriptedDialogs &) { f.Button12->click(); }, {0, 1, 1, 1}, okX, {}},
        {"EditLong", [](TForm1 &f, ScriptedDialogs &) { commitCellEdit(*f.StringGrid1, 1, 1, QStringLiteral("0,5")); },
         {1, 0, 1, 1}, xOk, {}},
        // A commit that leaves the text as it was is no edit.
        {"EditLongSameTextIsNoEdit", [](TForm1 &f, ScriptedDialogs &) { commitCellEdit(*f.StringGrid1, 1, 1, QStringLiteral("0")); },
         {0, 0, 0, 0}, ok2, {}},
        {"EditTrans", [](TForm1 &f, ScriptedDialogs &) { commitCellEdit(*f.StringGrid2, 2, 2, QStringLiteral("7")); },
         {0, 1, 1, 1}, okX, {}},
        {"SaveCancelled", [](TForm1 &f, ScriptedDialogs &d) { d.answerSave(std::nullopt); f.Button8->click(); },
         {0, 0, 0, 0}, ok2, {}},
        {"CheckLong", [](TForm1 &f, ScriptedDialogs &) { f.Button5->click(); }, {0, 0, 1, 1}, ok2, {}},
        {"CheckTransFails", [](TForm1 &f, ScriptedDialogs &) {
             commitCellEdit(*f.StringGrid2, 1, 2, QStringLiteral("x"));
             f.TransLineInvalid = 0;
             f.Label25->setText(QStringLiteral("OK"));
             f.Button14->click();
         },
         {0, 1, 1, 1}, okX, {chyba16}},
    };
}

class InfluenceFlags : public InfluenceWindow, public testing::WithParamInterface<FlagCase>
{
};

TEST_P(InfluenceFlags, CommandSetsFlagsAndCheckMarks)
{
    setAllChecked();
    GetParam().command(*w.form, w.dialogs);
    EXPECT_EQ(flags(), GetParam().flags);
    EXPECT_EQ(marks(), GetParam().marks);
    EXPECT_EQ(w.dialogs.messages, GetParam().messages);
    EXPECT_TRUE(w.dialogs.errors.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Commands, InfluenceFlags, testing::ValuesIn(flagCases()),
                         [](const testing::TestParamInfo<FlagCase> &info) { return info.param.name; });

TEST_F(InfluenceWindow, NewTableAsksAndWritesPlainRowNumbers)
{
    w.dialogs.answerInput(std::nullopt);
    w.form->Button7->click();
    EXPECT_EQ(w.dialogs.inputPrompts,
              QStringList{QStringLiteral("Zadání počtu řádků nové tabulky|Zadejte počet řádků nové tabulky - max.100 :|2")});
    ASSERT_EQ(w.form->StringGrid1->rowCount(), 3);
    EXPECT_EQ(gridRow(*w.form->StringGrid1, 2), QStringList({QStringLiteral("2"), QStringLiteral("0"), QStringLiteral("0")}));
    w.dialogs.answerInput(QStringLiteral("abc"));
    w.form->Button10->click();
    EXPECT_EQ(w.dialogs.messages, QStringList{QStringLiteral("Chyba#06 : Chybný vstup - očekává se celé číslo !!!")});
    ASSERT_EQ(w.form->StringGrid2->rowCount(), 2);
    EXPECT_EQ(gridRow(*w.form->StringGrid2, 1), QStringList({QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("0")}));
}

TEST_F(InfluenceWindow, RefusedAddRowStillMarksTheLineChanged)
{
    selectFile(*w.form->FileListBox1, file("full.prc", numberedLines(100)));
    w.form->Button1->click();
    w.form->Button5->click();
    ASSERT_EQ(w.form->LongLineInvalid, 0);
    ASSERT_EQ(w.form->Label24->text(), QStringLiteral("OK"));
    w.form->Button6->click();
    EXPECT_EQ(w.dialogs.messages, QStringList{chyba08Long});
    EXPECT_EQ(w.form->StringGrid1->rowCount(), 101);
    EXPECT_EQ(w.form->LongLineInvalid, 1);
    EXPECT_EQ(w.form->Label24->text(), QStringLiteral("X"));
}

TEST_F(InfluenceWindow, AddRowOnTransverseUpToTwentyFive)
{
    w.dialogs.answerInput(QStringLiteral("24"));
    w.form->Button10->click();
    w.form->Button11->click();
    EXPECT_EQ(w.form->StringGrid2->rowCount(), 26);
    EXPECT_EQ(gridRow(*w.form->StringGrid2, 25), QStringList({QStringLiteral("          25"), QStringLiteral("0"), QStringLiteral("0")}));
    w.form->Button11->click();
    EXPECT_EQ(w.dialogs.messages, QStringList{chyba08Trans});
    EXPECT_EQ(w.form->StringGrid2->rowCount(), 26);
}

TEST_F(InfluenceWindow, CheckDrawsTheStartUpLineAlongTheTopEdge)
{
    w.form->Button5->click();
    EXPECT_TRUE(w.dialogs.log.isEmpty());
    const QImage &image = w.form->Image1->image();
    ASSERT_EQ(image.size(), QSize(993, 393));
    QImage expected = tragvel::emptyGridPicture(993, 393, 10);
    for (int x = 0; x < 993; ++x) {
        expected.setPixel(x, 0, tragvel::colors::black.rgb());
        expected.setPixel(x, 1, tragvel::colors::black.rgb());
    }
    EXPECT_EQ(image.convertToFormat(expected.format()), expected);
    EXPECT_EQ(flags(), (std::vector<int>{0, 1, 1, 1}));
    EXPECT_EQ(marks(), QStringList({QStringLiteral("OK"), QStringLiteral("X")}));
}

TEST_F(InfluenceWindow, FailedValueCheckLeavesTheEmptyGridAndMissingNumberTheOldPicture)
{
    commitCellEdit(*w.form->StringGrid1, 1, 1, QStringLiteral("0"));
    commitCellEdit(*w.form->StringGrid1, 2, 1, QStringLiteral("0"));
    commitCellEdit(*w.form->StringGrid1, 1, 2, QStringLiteral("5"));
    commitCellEdit(*w.form->StringGrid1, 2, 2, QStringLiteral("1"));
    w.form->Button5->click();
    ASSERT_EQ(w.form->LongLineInvalid, 0);
    const QImage drawn = w.form->Image1->image();
    EXPECT_EQ(drawn.pixel(993 / 2, 98), tragvel::colors::black.rgb());

    commitCellEdit(*w.form->StringGrid1, 1, 2, QStringLiteral("1.5"));
    w.form->Button5->click();
    EXPECT_EQ(w.dialogs.messages, QStringList{chyba16});
    EXPECT_EQ(w.form->Image1->image(), drawn);

    w.dialogs.clear();
    commitCellEdit(*w.form->StringGrid1, 1, 2, QStringLiteral("-5"));
    w.form->Button5->click();
    EXPECT_EQ(w.dialogs.messages,
              QStringList({QStringLiteral("Chyba#04 : Chybný vstup - Staničení musí být kladné!!!"),
                           QStringLiteral("Chyba#09 : Chybný vstup - Staničení musí být řazeno vzestupně!!!"),
                           QStringLiteral("Chyba#05 : Chybný vstup - Šířka konstrukce nemůže být nulová!!!")}));
    EXPECT_EQ(w.form->Image1->image().convertToFormat(QImage::Format_RGB32),
              tragvel::emptyGridPicture(993, 393, 10).convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(w.form->LongLineInvalid, 1);
    EXPECT_EQ(w.form->Label24->text(), QStringLiteral("X"));
}

TEST_F(InfluenceWindow, TransverseAreaWarningComesBeforeTheCheckSucceeds)
{
    commitCellEdit(*w.form->StringGrid2, 2, 2, QStringLiteral("0"));
    w.form->Button14->click();
    EXPECT_EQ(w.dialogs.messages,
              QStringList{QStringLiteral("Pozor, plocha pod čárou příčného roznosu je 0,5 místo 1,00 !")});
    EXPECT_EQ(w.form->TransLineInvalid, 0);
    EXPECT_EQ(w.form->Label25->text(), QStringLiteral("OK"));
    const QImage &image = w.form->Image2->image();
    EXPECT_EQ(image.pixel(0, 0), tragvel::colors::black.rgb());
    EXPECT_EQ(image.pixel(992, 196), tragvel::colors::black.rgb());
    // Five divisions: a tick at 198, none at 99.
    EXPECT_EQ(image.pixel(198, 200), tragvel::colors::black.rgb());
    EXPECT_EQ(image.pixel(99, 200), tragvel::colors::white.rgb());
}

TEST_F(InfluenceWindow, SaveWritesPointNotationAndLoadsBack)
{
    commitCellEdit(*w.form->StringGrid2, 1, 2, QStringLiteral("2,5"));
    commitCellEdit(*w.form->StringGrid2, 2, 1, QStringLiteral("0,4"));
    setAllChecked();
    const QString path = dir.filePath(QStringLiteral("saved.prc"));
    w.dialogs.answerSave(path);
    w.form->Button13->click();
    ASSERT_EQ(w.dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(w.dialogs.saveRequests[0].title, QStringLiteral("Uložit příčinkovou čáru do souboru"));
    EXPECT_EQ(w.dialogs.saveRequests[0].defaultExtension, QStringLiteral(".prc"));
    EXPECT_EQ(readTestFile(path), QByteArray("0 0.4\r\n2.5 1\r\n"));
    EXPECT_EQ(flags(), (std::vector<int>{0, 0, 0, 0}));

    w.dialogs.answerInput(QStringLiteral("1"));
    w.form->Button10->click();
    selectFile(*w.form->FileListBox2, path);
    w.form->Button2->click();
    EXPECT_TRUE(w.dialogs.messages.isEmpty());
    ASSERT_EQ(w.form->StringGrid2->rowCount(), 3);
    EXPECT_EQ(gridRow(*w.form->StringGrid2, 1), QStringList({QStringLiteral("          1"), QStringLiteral("0"), QStringLiteral("0,4")}));
    EXPECT_EQ(gridRow(*w.form->StringGrid2, 2), QStringList({QStringLiteral("          2"), QStringLiteral("2,5"), QStringLiteral("1")}));
}

TEST_F(InfluenceWindow, SaveToAnUncreatableFileIsAnError)
{
    w.dialogs.answerSave(dir.filePath(QStringLiteral("missing/dir/x.prc")));
    w.form->Button8->click();
    ASSERT_EQ(w.dialogs.errors.size(), 1);
    EXPECT_TRUE(w.dialogs.errors[0].startsWith(QStringLiteral("Cannot create file"))) << w.dialogs.errors[0].toStdString();
}

} // namespace
