#include "common/tableediting.h"

#include <gtest/gtest.h>

namespace {

using namespace tragvel;

QString u8(const char *text)
{
    return QString::fromUtf8(text);
}

QString numbered(int row)
{
    return QString::number(row);
}

const TableShape shape{1, 4, u8("Chyba#08 : Překročen maximální počet řádků (4) !!!"), numbered};

using Rows = std::vector<std::vector<const char *>>;

std::vector<QStringList> q(const Rows &rows)
{
    std::vector<QStringList> result;
    for (const auto &row : rows) {
        QStringList cells;
        for (const char *cell : row)
            cells << u8(cell);
        result.push_back(cells);
    }
    return result;
}

// A table of three columns (number, station, ordinate) with the given data rows.
CellTable table(const Rows &data)
{
    CellTable t;
    t.rows.push_back({u8("Položka"), u8("Staničení"), u8("n")});
    for (const QStringList &row : q(data))
        t.rows.push_back(row);
    return t;
}

std::vector<QStringList> cells(const PastedBlock &block)
{
    return block.rows;
}

TEST(PastedText, ReadsSpreadsheetBlocksInEveryNotation)
{
    const struct
    {
        const char *text;
        Rows rows;
    } cases[] = {
        // As a spreadsheet puts its block on the clipboard: tabs, CR LF, a final newline.
        {"0\t1,5\r\n2.25\t-3\r\n", {{"0", "1,5"}, {"2,25", "-3"}}},
        {"1;2,5\n3;4.75", {{"1", "2,5"}, {"3", "4,75"}}},
        {"  1   2\n3 4 \n\n", {{"1", "2"}, {"3", "4"}}},
        {"1e-3\tabc\t\n", {{"1e-3", "abc", ""}}},       // texts that are no numbers stay as they are
        {"1.5.2\t7,0\n", {{"1.5.2", "7,0"}}},            // not a number with either separator
    };
    for (const auto &c : cases) {
        const PastedBlock block = parsePastedText(u8(c.text), u',');
        EXPECT_TRUE(block.error.isEmpty()) << c.text;
        EXPECT_EQ(cells(block), q(c.rows)) << c.text;
    }
}

TEST(PastedText, RefusesWhatIsNoTableWithAMessage)
{
    const struct
    {
        QString text;
        const char *error;
    } cases[] = {
        {QString(10 * 1024 * 1024, u'1'), "Vkládaný text je příliš dlouhý (10485760 znaků), tabulka pojme nejvýše "
                                          "1048576 znaků. Zkopírujte menší blok buněk."},
        {u8("1\t2\x01\n"), "Schránka neobsahuje text tabulky (obsahuje řídicí znaky). Zkopírujte buňky z tabulky nebo "
                           "z tabulkového procesoru."},
        {u8("\r\n \n"), "Schránka neobsahuje nic k vložení. Zkopírujte nejdříve buňky."},
    };
    for (const auto &c : cases) {
        const PastedBlock block = parsePastedText(c.text, u',');
        EXPECT_EQ(block.error, u8(c.error));
        EXPECT_TRUE(block.rows.empty());
    }
}

TEST(TableEditing, PasteGrowsTheTableUpToItsLimit)
{
    const CellTable start = table({{"1", "0", "0"}, {"2", "1", "1"}});
    const TableEdit grown = pasteBlock(start, shape, 1, 2, parsePastedText(u8("5\t6\n7\t8\n9\t10\n"), u','));
    ASSERT_TRUE(grown.table);
    EXPECT_EQ(grown.table->rows, table({{"1", "0", "0"}, {"2", "5", "6"}, {"3", "7", "8"}, {"4", "9", "10"}}).rows);

    // One ordinate into the second column keeps the station beside it.
    const TableEdit one = pasteBlock(start, shape, 2, 1, parsePastedText(u8("4,5"), u','));
    ASSERT_TRUE(one.table);
    EXPECT_EQ(one.table->rows, table({{"1", "0", "4,5"}, {"2", "1", "1"}}).rows);

    const TableEdit tooLong = pasteBlock(start, shape, 1, 2, parsePastedText(u8("1\n2\n3\n4\n"), u','));
    EXPECT_FALSE(tooLong.table);
    EXPECT_EQ(tooLong.message, shape.tooManyRows);

    const TableEdit tooWide = pasteBlock(start, shape, 2, 1, parsePastedText(u8("1\t2\n"), u','));
    EXPECT_FALSE(tooWide.table);
    EXPECT_EQ(tooWide.message, u8("Vkládaný blok má 2 sloupců, od vybrané buňky se do tabulky vejde jen 1. Vyberte "
                                  "buňku více vlevo nebo zkopírujte méně sloupců."));
    const TableEdit thousands =
        pasteBlock(start, shape, 1, 1, parsePastedText(QStringLiteral("1\t").repeated(10000), u','));
    EXPECT_FALSE(thousands.table);
    EXPECT_TRUE(thousands.message.startsWith(u8("Vkládaný blok má 10001 sloupců")));
}

TEST(TableEditing, InsertAndDeleteRenumberAndKeepOneRow)
{
    const CellTable start = table({{"1", "0", "0"}, {"2", "1", "1"}, {"3", "2", "4"}});
    const TableEdit inserted = insertRowAbove(start, shape, 2);
    ASSERT_TRUE(inserted.table);
    EXPECT_EQ(inserted.table->rows, table({{"1", "0", "0"}, {"2", "", ""}, {"3", "1", "1"}, {"4", "2", "4"}}).rows);
    const TableEdit full = insertRowAbove(*inserted.table, shape, 1);
    EXPECT_FALSE(full.table);
    EXPECT_EQ(full.message, shape.tooManyRows);

    const TableEdit deleted = deleteRows(start, shape, 1, 2);
    ASSERT_TRUE(deleted.table);
    EXPECT_EQ(deleted.table->rows, table({{"1", "2", "4"}}).rows);
    const TableEdit all = deleteRows(start, shape, 1, 3);
    ASSERT_TRUE(all.table);
    EXPECT_EQ(all.table->rows, table({{"1", "", ""}}).rows);
}

TEST(TableEditing, CopiedTextIsTabSeparatedWithARowEnd)
{
    const CellTable t = table({{"1", "0", "0,5"}, {"2", "1", "x"}});
    EXPECT_EQ(copiedText(t, 1, 1, 2, 2), u8("0\t0,5\n1\tx\n"));
    EXPECT_EQ(copiedText(t, 2, 2, 2, 2), u8("x\n"));
}

} // namespace
