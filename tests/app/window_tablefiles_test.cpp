// Loading the four tables from files: rows start empty, and only regular files of a bounded size
// are read.

#include "windowtesting.h"

#include "app/filebrowser.h"
#include "app/stringgrid.h"
#include "common/textfilereader.h"
#include "testfiles.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

const QString chyba16Line = QStringLiteral("Chyba#16 - Chybný vstup, očekává se číslo !!!");
const QString chyba16Loads = QStringLiteral("Chyba#16 - Chybný vstup zatížení, očekává se číslo !!!");

// One table with its file list, load and check commands.
struct TableCase
{
    const char *name;
    StringGrid *TForm1::*grid;
    FileListBox *TForm1::*files;
    QPushButton *TForm1::*load;
    QPushButton *TForm1::*check;
    QLabel *TForm1::*mark;
    QByteArray shortFirstLine; // a first line that supplies fewer cells than a row has
    QByteArray emptySecondLine;
    QString chyba16;
    const char *extension;
};

void PrintTo(const TableCase &c, std::ostream *os)
{
    *os << c.name;
}

const TableCase tables[] = {
    {"Longitudinal", &TForm1::StringGrid1, &TForm1::FileListBox1, &TForm1::Button1, &TForm1::Button5, &TForm1::Label24,
     "0\r\n1 1\r\n", "0 1\r\n\r\n2 1\r\n", chyba16Line, ".prc"},
    {"Transverse", &TForm1::StringGrid2, &TForm1::FileListBox2, &TForm1::Button2, &TForm1::Button14, &TForm1::Label25,
     "0\r\n1 1\r\n", "0 1\r\n\r\n2 1\r\n", chyba16Line, ".prc"},
    {"DesignLoads", &TForm1::StringGrid3, &TForm1::FileListBox3, &TForm1::Button3, &TForm1::Button19, &TForm1::Label26,
     "1 1 0 0\r\n2 2 0 0 10 1\r\n", "1 1 0 0 10 1\r\n\r\n3 3 0 0 10 1\r\n", chyba16Loads, ".zat"},
    {"AssessmentLoads", &TForm1::StringGrid4, &TForm1::FileListBox3, &TForm1::Button4, &TForm1::Button24, &TForm1::Label27,
     "1 1 0 0\r\n2 2 0 0 10 1\r\n", "1 1 0 0 10 1\r\n\r\n3 3 0 0 10 1\r\n", chyba16Loads, ".zat"},
};

class TableFiles : public testing::TestWithParam<TableCase>
{
protected:
    QString file(const char *name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(QString::fromUtf8(name) + QString::fromLatin1(GetParam().extension));
        writeTestFile(path, bytes);
        return path;
    }

    void load(const QString &path)
    {
        selectFile(*(form.*GetParam().files), path);
        (form.*GetParam().load)->click();
    }

    StringGrid &grid() { return *(form.*GetParam().grid); }

    // A table longer than any file below, with a number in every cell.
    void fillLongTable()
    {
        StringGrid &g = grid();
        g.setGridRowCount(6);
        for (int row = 1; row < 6; ++row)
            for (int column = 1; column < g.columnCount(); ++column)
                g.setCell(column, row, QString::number(row));
    }

    QTemporaryDir dir;
    WindowFixture w;
    TForm1 &form = *w.form;
};

// A cell the file does not supply is empty, never a value left from the table before, so the
// check names it.
TEST_P(TableFiles, CellsTheFileDoesNotSupplyAreEmpty)
{
    for (const QByteArray &bytes : {GetParam().shortFirstLine, GetParam().emptySecondLine}) {
        fillLongTable();
        w.dialogs.clear();
        load(file("table", bytes));
        ASSERT_TRUE(w.dialogs.log.isEmpty()) << w.dialogs.log.join(u'\n').toStdString();
        const int row = bytes == GetParam().shortFirstLine ? 1 : 2;
        EXPECT_TRUE(grid().cell(grid().columnCount() - 1, row).isEmpty()) << "row " << row;
        EXPECT_FALSE(grid().cell(0, row).isEmpty());
        (form.*GetParam().check)->click();
        EXPECT_EQ(w.dialogs.messages, QStringList{GetParam().chyba16});
        EXPECT_EQ((form.*GetParam().mark)->text(), QStringLiteral("X"));
    }
}

// A listed file that has become a FIFO is refused at once with the standard box.
TEST_P(TableFiles, FifoIsRefusedWithoutWaiting)
{
    const QString path = file("fifo", "1 1 0 0 10 1\r\n");
    selectFile(*(form.*GetParam().files), path);
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    const QStringList before = gridRow(grid(), 1);
    (form.*GetParam().load)->click();
    EXPECT_EQ(w.dialogs.errors,
              QStringList{QStringLiteral("Cannot open file \"%1\". Nejde o běžný soubor, vyberte soubor s daty.").arg(path)});
    EXPECT_EQ(gridRow(grid(), 1), before);
    EXPECT_EQ(grid().rowCount(), GetParam().grid == &TForm1::StringGrid1 || GetParam().grid == &TForm1::StringGrid2 ? 3 : 5);
}

// Blanks and NUL between numbers are skipped: a file that holds more than a table's worth of
// bytes before its table is full ends the load with a clear text, changing nothing.
TEST_P(TableFiles, TooManyBytesBeforeTheTableIsFullChangeNothing)
{
    const QString path = file("blanks", "1" + QByteArray(tragvel::TextFileReader::maxFileBytes, '\0') + " 1\r\n");
    const QStringList before = gridRow(grid(), 1);
    load(path);
    EXPECT_EQ(w.dialogs.errors, QStringList{tragvel::fileTooLongText(path, tragvel::TextFileReader::maxFileBytes)});
    EXPECT_TRUE(w.dialogs.messages.isEmpty());
    EXPECT_EQ(gridRow(grid(), 1), before);
}

INSTANTIATE_TEST_SUITE_P(Tables, TableFiles, testing::ValuesIn(tables),
                         [](const testing::TestParamInfo<TableCase> &info) { return info.param.name; });

} // namespace
