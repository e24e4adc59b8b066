// The in-place cell editor of the tables: what a command sees of a cell still being typed in, and
// what counts as an edit.

#include "windowtesting.h"

#include "app/stringgrid.h"
#include "testfiles.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

const QString chyba16Line = QStringLiteral("Chyba#16 - Chybný vstup, očekává se číslo !!!");
const QString chyba16Loads = QStringLiteral("Chyba#16 - Chybný vstup zatížení, očekává se číslo !!!");

class CellEditor : public testing::Test
{
protected:
    // Opens the grid's editor on the cell as a click or a move of the current cell does.
    QLineEdit *openEditor(StringGrid &grid, int column, int row)
    {
        grid.setCurrentCell(row, column);
        grid.edit(grid.model()->index(row, column));
        EXPECT_TRUE(grid.isEditing());
        // Closed editors are hidden at once and deleted later; the open one is shown.
        QLineEdit *editor = nullptr;
        for (QLineEdit *child : grid.viewport()->findChildren<QLineEdit *>())
            if (!child->isHidden())
                editor = child;
        EXPECT_NE(editor, nullptr);
        return editor;
    }

    // Types the text into the cell's editor without Enter.
    void typeWithoutEnter(StringGrid &grid, int column, int row, const QString &text)
    {
        QLineEdit *editor = openEditor(grid, column, row);
        ASSERT_NE(editor, nullptr);
        editor->setText(text);
    }

    void pressDown(StringGrid &grid)
    {
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : &grid;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
    }

    WindowFixture w;
    TForm1 &form = *w.form;
    QTemporaryDir dir;
};

// A command started without the editor losing its focus (its accelerator, a menu action) works on
// the text the cell visibly holds: the editor is committed first, through the user's path.
struct TypedCase
{
    const char *name;
    std::function<StringGrid &(TForm1 &)> grid;
    int column, row;
    std::function<void(TForm1 &)> command;
    QStringList messages;
    std::function<QLabel &(TForm1 &)> mark;
};

void PrintTo(const TypedCase &c, std::ostream *os)
{
    *os << c.name;
}

class TypedWithoutEnter : public CellEditor, public testing::WithParamInterface<TypedCase>
{
};

TEST_P(TypedWithoutEnter, CommandSeesTheTypedText)
{
    const TypedCase &c = GetParam();
    form.LongLineInvalid = form.TransLineInvalid = form.DesignLoadsInvalid = form.AssessLoadsInvalid = 0;
    for (QLabel *mark : {form.Label24, form.Label25, form.Label26, form.Label27})
        mark->setText(QStringLiteral("OK"));
    StringGrid &grid = c.grid(form);
    typeWithoutEnter(grid, c.column, c.row, QStringLiteral("abc"));
    c.command(form);
    EXPECT_EQ(grid.cell(c.column, c.row), QStringLiteral("abc"));
    EXPECT_EQ(w.dialogs.messages, c.messages);
    EXPECT_TRUE(w.dialogs.errors.isEmpty()) << w.dialogs.errors.join(u'\n').toStdString();
    EXPECT_EQ(c.mark(form).text(), QStringLiteral("X"));
    EXPECT_FALSE(grid.isEditing());
}

INSTANTIATE_TEST_SUITE_P(
    Commands, TypedWithoutEnter,
    testing::Values(
        TypedCase{"CheckLongitudinal", [](TForm1 &f) -> StringGrid & { return *f.StringGrid1; }, 2, 2,
                  [](TForm1 &f) { f.Button5->click(); }, {chyba16Line},
                  [](TForm1 &f) -> QLabel & { return *f.Label24; }},
        TypedCase{"CheckTransverse", [](TForm1 &f) -> StringGrid & { return *f.StringGrid2; }, 1, 1,
                  [](TForm1 &f) { f.Button14->click(); }, {chyba16Line},
                  [](TForm1 &f) -> QLabel & { return *f.Label25; }},
        TypedCase{"CheckDesignLoads", [](TForm1 &f) -> StringGrid & { return *f.StringGrid3; }, 5, 3,
                  [](TForm1 &f) { f.Button19->click(); }, {chyba16Loads},
                  [](TForm1 &f) -> QLabel & { return *f.Label26; }},
        TypedCase{"CheckAssessmentLoads", [](TForm1 &f) -> StringGrid & { return *f.StringGrid4; }, 6, 4,
                  [](TForm1 &f) { f.Button24->click(); }, {chyba16Loads},
                  [](TForm1 &f) -> QLabel & { return *f.Label27; }},
        // A command of another tab still commits the editor: the line is marked changed.
        TypedCase{"EffectsOfAnotherTab", [](TForm1 &f) -> StringGrid & { return *f.StringGrid1; }, 1, 1,
                  [](TForm1 &f) { f.Button18->click(); },
                  {QStringLiteral("Chyba#19 - Chyba zadání/kontroly podélné příčinkové čáry !!!")},
                  [](TForm1 &f) -> QLabel & { return *f.Label24; }},
        // A menu action commits it before its dialog opens.
        TypedCase{"MenuAction", [](TForm1 &f) -> StringGrid & { return *f.StringGrid2; }, 2, 1,
                  [](TForm1 &f) {
                      f.menuTools->actions().at(0)->trigger();
                      for (QDialog *dialog : f.findChildren<QDialog *>())
                          dialog->reject();
                  },
                  {}, [](TForm1 &f) -> QLabel & { return *f.Label25; }}),
    [](const testing::TestParamInfo<TypedCase> &info) { return info.param.name; });

TEST_F(CellEditor, SaveWritesTheTypedValue)
{
    typeWithoutEnter(*form.StringGrid1, 2, 1, QStringLiteral("7"));
    const QString path = dir.filePath(QStringLiteral("typed.prc"));
    w.dialogs.answerSave(path);
    form.Button8->click();
    EXPECT_EQ(readTestFile(path), QByteArray("0 7\r\n1 1\r\n"));
    EXPECT_EQ(form.Label24->text(), QStringLiteral("X"));
}

TEST_F(CellEditor, TheDialogOfACommandSeesTheTypedValue)
{
    // New table of the loads asks first; the typed row-2 value counts as an edit before the box.
    form.DesignLoadsInvalid = 0;
    form.Label26->setText(QStringLiteral("OK"));
    typeWithoutEnter(*form.StringGrid3, 5, 2, QStringLiteral("25"));
    w.dialogs.answerInput(QStringLiteral("0"));
    form.Button15->click();
    EXPECT_EQ(form.StringGrid3->cell(5, 2), QStringLiteral("25"));
    EXPECT_EQ(form.DesignLoadsInvalid, 1);
    EXPECT_EQ(form.Label26->text(), QStringLiteral("X"));
}

// Looking at cells is no edit: an editor opened by a click or the arrows and committed unchanged
// leaves the flags as they were, also when a command commits it.
TEST_F(CellEditor, MovingThroughCellsChangesNothing)
{
    form.Button5->click();
    ASSERT_EQ(form.Label24->text(), QStringLiteral("OK"));
    openEditor(*form.StringGrid1, 1, 1);
    pressDown(*form.StringGrid1);
    pressDown(*form.StringGrid1);
    EXPECT_EQ(form.StringGrid1->currentRow(), 2);
    EXPECT_EQ(form.Label24->text(), QStringLiteral("OK"));
    EXPECT_EQ(form.LongLineInvalid, 0);

    openEditor(*form.StringGrid1, 2, 2);
    w.dialogs.answerSave(dir.filePath(QStringLiteral("looked.prc")));
    form.Button8->click();
    w.dialogs.answerInput(QStringLiteral("0"));
    form.Button7->click();
    EXPECT_EQ(form.Label24->text(), QStringLiteral("OK"));
    EXPECT_EQ(form.LongLineInvalid, 0);
    EXPECT_EQ(form.DesignEffectsInvalid, 1);

    // A real change through the same editor still counts.
    openEditor(*form.StringGrid1, 2, 1)->setText(QStringLiteral("2"));
    pressDown(*form.StringGrid1);
    EXPECT_EQ(form.StringGrid1->currentRow(), 2);
    EXPECT_EQ(form.StringGrid1->cell(2, 1), QStringLiteral("2"));
    EXPECT_EQ(form.Label24->text(), QStringLiteral("X"));
}

} // namespace
