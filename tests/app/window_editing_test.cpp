// The input tables as a spreadsheet user works them: copy, paste, insert, delete, undo and redo.

#include "windowtesting.h"
#include "testfiles.h"

#include "app/filebrowser.h"
#include "app/gridcells.h"
#include "app/stringgrid.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <functional>

namespace {

class EditingWindow : public ::testing::Test, public WindowFixture
{
protected:
    void SetUp() override
    {
        form->show();
        QApplication::setActiveWindow(form.get());
    }

    void trigger(const char *name) { form->findChild<QAction *>(QString::fromLatin1(name))->trigger(); }

    // The grid's tab shown and its cell current, as a click on it leaves them.
    void select(StringGrid &grid, int page, int column, int row)
    {
        form->PageControl1->setCurrentIndex(page);
        grid.setFocus();
        grid.setCurrentCell(row, column);
    }

    static std::vector<QStringList> rows(const StringGrid &grid)
    {
        std::vector<QStringList> result;
        for (int row = 0; row < grid.rowCount(); ++row)
            result.push_back(gridRow(grid, row));
        return result;
    }
};

// Both kinds of table: a line (numbered 1, 2, ...) and a load set (numbered after seven blanks).
struct TableCase
{
    const char *name;
    StringGrid *TForm1::*grid;
    int page;
    QPushButton *TForm1::*check;
    uint8_t TForm1::*flag;
    QLabel *TForm1::*mark;
    const char *calcText; // as Calc puts it on the clipboard
    std::vector<Row> pasted;
    const char *firstLabel;
};

const TableCase tableCases[] = {
    {"line", &TForm1::StringGrid1, 0, &TForm1::Button5, &TForm1::LongLineInvalid, &TForm1::Label24,
     "0\t0\r\n6.5\t3,25\r\n12\t0\r\n", {{"0", "0"}, {"6,5", "3,25"}, {"12", "0"}}, "1"},
    {"loads", &TForm1::StringGrid3, 2, &TForm1::Button19, &TForm1::DesignLoadsInvalid, &TForm1::Label26,
     "0\t12\t0\t8\t6.5\t0\r\n4.375\t4,625\t1.25\t1.75\t800\t1\r\n", {{"0", "12", "0", "8", "6,5", "0"},
                                                                 {"4,375", "4,625", "1,25", "1,75", "800", "1"}},
     "       1"},
};

TEST_F(EditingWindow, PasteOfACalcBlockIsOneChangeThatUndoAndRedoWalk)
{
    for (const TableCase &c : tableCases) {
        TForm1 &f = *form;
        StringGrid &grid = *(f.*c.grid);
        (f.*c.check)->click();
        dialogs.clear();
        const std::vector<QStringList> before = rows(grid);

        select(grid, c.page, 1, 1);
        QGuiApplication::clipboard()->setText(u8(c.calcText));
        trigger("actionEditPaste");
        // The block is written from the current cell on; rows below it stay.
        ASSERT_EQ(grid.rowCount(), std::max(int(before.size()), int(c.pasted.size()) + 1)) << c.name;
        for (size_t r = 0; r < c.pasted.size(); ++r) {
            QStringList expected{grid.cell(0, int(r) + 1)};
            for (const char *cell : c.pasted[r])
                expected << u8(cell);
            EXPECT_EQ(gridRow(grid, int(r) + 1), expected) << c.name;
        }
        EXPECT_EQ(grid.cell(0, 1), u8(c.firstLabel)) << c.name;
        EXPECT_EQ(f.*c.flag, 1) << c.name;
        EXPECT_EQ((f.*c.mark)->text(), QStringLiteral("X")) << c.name;
        const std::vector<QStringList> pasted = rows(grid);

        (f.*c.check)->click();
        trigger("actionEditUndo");
        EXPECT_EQ(rows(grid), before) << c.name;
        EXPECT_EQ(f.*c.flag, 1) << c.name; // an undo is a change like any other
        EXPECT_EQ((f.*c.mark)->text(), QStringLiteral("X")) << c.name;
        trigger("actionEditRedo");
        EXPECT_EQ(rows(grid), pasted) << c.name;
        EXPECT_TRUE(dialogs.log.isEmpty()) << c.name << ": " << dialogs.log.join(u'|').toStdString();
    }
}

TEST_F(EditingWindow, CopyGivesTheSelectedTextsAsSpreadsheetsTakeThem)
{
    TForm1 &f = *form;
    enterTable(*this, *f.Button15, *f.StringGrid3, {{"0", "12", "0", "8", "6,5", "0"}, {"1", "2", "3", "4", "abc", "1"}});
    select(*f.StringGrid3, 2, 2, 1);
    f.StringGrid3->setRangeSelected(QTableWidgetSelectionRange(1, 2, 2, 5), true);
    trigger("actionEditCopy");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), u8("12\t0\t8\t6,5\n2\t3\t4\tabc\n"));
}

TEST_F(EditingWindow, InsertAndDeleteRowsRenumberAndUndo)
{
    TForm1 &f = *form;
    enterTable(*this, *f.Button7, *f.StringGrid1, {{"0", "0"}, {"6", "3"}, {"12", "0"}});
    const std::vector<QStringList> start = rows(*f.StringGrid1);
    select(*f.StringGrid1, 0, 1, 2);
    trigger("actionEditInsertRow");
    EXPECT_EQ(gridRow(*f.StringGrid1, 2), texts({"2", "", ""}));
    EXPECT_EQ(gridRow(*f.StringGrid1, 3), texts({"3", "6", "3"}));
    EXPECT_EQ(f.StringGrid1->rowCount(), 5);

    select(*f.StringGrid1, 0, 1, 1);
    f.StringGrid1->setRangeSelected(QTableWidgetSelectionRange(1, 1, 3, 2), true);
    trigger("actionEditDeleteRows");
    EXPECT_EQ(rows(*f.StringGrid1), (std::vector<QStringList>{gridRow(*f.StringGrid1, 0), texts({"1", "12", "0"})}));
    EXPECT_EQ(f.LongLineInvalid, 1);

    trigger("actionEditUndo");
    trigger("actionEditUndo");
    EXPECT_EQ(rows(*f.StringGrid1), start);
}

TEST_F(EditingWindow, PasteBeyondTheLimitShowsTheTablesMessageAndChangesNothing)
{
    TForm1 &f = *form;
    const struct
    {
        StringGrid *grid;
        int page;
        int limit;
        const char *message;
    } cases[] = {
        {f.StringGrid1, 0, 100, "Chyba#08 : Překročen maximální počet řádků (100) !!!"},
        {f.StringGrid2, 1, 25, "Chyba#08 : Překročen maximální počet řádků (25) !!!"},
        {f.StringGrid4, 2, 100, "Chyba#07 : Překročen maximální počet řádků (100) !!!"},
    };
    for (const auto &c : cases) {
        dialogs.clear();
        const std::vector<QStringList> before = rows(*c.grid);
        select(*c.grid, c.page, 1, 1);
        QGuiApplication::clipboard()->setText(QStringLiteral("1\t2\n").repeated(c.limit + 1));
        trigger("actionEditPaste");
        EXPECT_EQ(dialogs.messages, QStringList{u8(c.message)});
        EXPECT_EQ(rows(*c.grid), before);
        EXPECT_FALSE(f.findChild<QAction *>(QStringLiteral("actionEditUndo"))->isEnabled());
    }
}

// Every command that changes a table is one step: undo gives back the table as it stood before it,
// redo the table after it. Both kinds of table.
TEST_F(EditingWindow, UndoGivesBackTheTableBeforeEveryKindOfCommand)
{
    TForm1 &f = *form;
    const struct
    {
        StringGrid *grid;
        std::vector<std::function<void()>> commands;
    } cases[] = {
        {f.StringGrid1,
         {
             [&] { commitCellEdit(*f.StringGrid1, 2, 1, QStringLiteral("7")); },
             [&] {
                 dialogs.answerInput(QStringLiteral("4"));
                 f.Button7->click(); // new table
             },
             [&] { f.Button6->click(); }, // add row
             [&] { commitCellEdit(*f.StringGrid1, 2, 2, QStringLiteral("3")); },
             [&] { f.Button9->click(); }, // clear
             [&] {
                 selectFile(*f.FileListBox1, sourcePath(QStringLiteral("examples/longitudinal-midspan-moment-12m.prc")));
                 f.Button1->click(); // load
             },
         }},
        {f.StringGrid3,
         {
             [&] { commitCellEdit(*f.StringGrid3, 5, 1, QStringLiteral("25")); },
             [&] {
                 dialogs.answerInput(QStringLiteral("2"));
                 f.Button15->click(); // new table
             },
             [&] { f.Button16->click(); }, // add row
             [&] {
                 selectFile(*f.FileListBox3, sourcePath(QStringLiteral("examples/design-loads-older-standard.zat")));
                 f.Button3->click(); // load
             },
         }},
    };
    for (const auto &c : cases) {
        for (const auto &command : c.commands) {
            const std::vector<QStringList> before = rows(*c.grid);
            command();
            ASSERT_NE(rows(*c.grid), before) << c.grid->objectName().toStdString();
            const std::vector<QStringList> after = rows(*c.grid);
            trigger("actionEditUndo");
            EXPECT_EQ(rows(*c.grid), before) << c.grid->objectName().toStdString();
            trigger("actionEditRedo");
            EXPECT_EQ(rows(*c.grid), after) << c.grid->objectName().toStdString();
        }
    }
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join(u'|').toStdString();
}

// Ctrl+V typed into an open cell editor pastes a block into the table, not into the one cell; a
// single text goes into the cell as typed text does.
TEST_F(EditingWindow, ControlVInACellEditorPastesTheBlockIntoTheTable)
{
    TForm1 &f = *form;
    select(*f.StringGrid1, 0, 1, 1);
    QWidget *editor = QApplication::focusWidget();
    ASSERT_NE(qobject_cast<QLineEdit *>(editor), nullptr);
    QGuiApplication::clipboard()->setText(QStringLiteral("0\t1\n5\t2\n"));
    QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(gridRow(*f.StringGrid1, 1), texts({"1", "0", "1"}));
    EXPECT_EQ(gridRow(*f.StringGrid1, 2), texts({"2", "5", "2"}));

    select(*f.StringGrid1, 0, 2, 2);
    QGuiApplication::clipboard()->setText(QStringLiteral("4,5"));
    auto *line = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    ASSERT_NE(line, nullptr);
    line->selectAll();
    QTest::keyClick(line, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(line->text(), QStringLiteral("4,5"));
}

TEST_F(EditingWindow, GeneratedDocumentsAreNotKeptInTheEditorsUndoHistory)
{
    TForm1 &f = *form;
    for (int i = 0; i < 3; ++i)
        f.Button31->click();
    EXPECT_FALSE(f.RichEdit1->document()->isUndoAvailable());
    EXPECT_EQ(f.RichEdit1->document()->availableUndoSteps(), 0);
}

} // namespace
