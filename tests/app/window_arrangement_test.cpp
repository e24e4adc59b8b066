// What a Czech user sees of the standard dialogs, and the arrangement of tabs 5 and 6.

#include "windowtesting.h"

#include "app/applicationsetup.h"
#include "app/filebrowser.h"
#include "app/fontsizebox.h"
#include "app/printmodule.h"
#include "app/qtdialogs.h"
#include "app/stringgrid.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QToolTip>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <functional>

namespace {

struct SeenDialog
{
    QStringList buttons;
    QStringList labels;
    QStringList combos;
    bool icon = false;
};

// Runs the blocking call and records the modal dialog it opens, then cancels that dialog.
SeenDialog seeModal(const std::function<void()> &open)
{
    SeenDialog seen;
    QTimer::singleShot(200, [&seen] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        for (const QPushButton *button : modal->findChildren<QPushButton *>())
            seen.buttons << button->text();
        for (const QLabel *label : modal->findChildren<QLabel *>())
            seen.labels << label->text();
        for (const QComboBox *combo : modal->findChildren<QComboBox *>())
            seen.combos << combo->currentText();
        if (const auto *box = qobject_cast<QMessageBox *>(modal))
            seen.icon = box->icon() != QMessageBox::NoIcon;
        static_cast<QDialog *>(modal)->reject();
    });
    open();
    return seen;
}

TEST(StandardDialogs, SpeakCzechAndShowTheFilterAsWritten)
{
    WindowFixture w;
    w.form->show();
    QtUserDialogs dialogs(w.form.get());

    const SeenDialog input = seeModal([&] { dialogs.inputBox(u8("Nová tabulka"), u8("Počet řádků :"), u8("10")); });
    EXPECT_EQ(input.buttons, texts({"OK", "Zrušit"}));

    const SeenDialog save = seeModal([&] {
        dialogs.saveFileName({u8("Uložit"), u8("Textové soubory (.txt)|*.txt"), QStringLiteral(".txt"), QString()});
    });
    EXPECT_TRUE(save.buttons.contains(u8("&Uložit"))) << save.buttons.join(u'|').toStdString();
    EXPECT_TRUE(save.buttons.contains(u8("Zrušit")));
    EXPECT_TRUE(save.labels.contains(u8("Hledat v:"))) << save.labels.join(u'|').toStdString();
    EXPECT_TRUE(save.combos.contains(u8("Textové soubory (.txt)"))) << save.combos.join(u'|').toStdString();

    const SeenDialog message = seeModal([&] { dialogs.showMessage(u8("Chyba#06 - zkouška")); });
    EXPECT_EQ(message.buttons, texts({"OK"}));
    EXPECT_FALSE(message.icon);
    EXPECT_TRUE(message.labels.contains(u8("Chyba#06 - zkouška")));

    // The print dialog comes from the print module, loaded here for the first time.
    bool painted = false;
    const SeenDialog print = seeModal([&] { dialogs.printPages([&](QPagedPaintDevice &) { painted = true; }); });
    EXPECT_TRUE(print.buttons.contains(u8("&Tisk")) && print.buttons.contains(u8("Zrušit")))
        << print.buttons.join(u'|').toStdString();
    EXPECT_FALSE(painted);
    // A folder without the module gives no print function, and the reason names the module.
    QString error;
    const QTemporaryDir empty;
    EXPECT_EQ(loadPrintPages({empty.path()}, error), nullptr);
    EXPECT_TRUE(error.contains(QStringLiteral("tragvel_print"))) << error.toStdString();
}

TEST(WindowPlace, MovesInsideASmallScreenOnly)
{
    const QSize window(1024, 770);
    const struct
    {
        QRect available;
        QPoint expected;
    } cases[] = {
        {QRect(0, 0, 1920, 1080), QPoint(197, 122)}, // fits where it is
        {QRect(0, 0, 1024, 768), QPoint(0, 0)},      // larger than the screen: its top left shows
        {QRect(0, 0, 1280, 1024), QPoint(197, 122)},
        {QRect(0, 0, 1100, 900), QPoint(76, 122)},   // moved left just enough
        {QRect(0, 28, 1280, 860), QPoint(197, 118)}, // a panel on top, short: moved up to fit
        {QRect(1920, 0, 1280, 1024), QPoint(1920, 122)},
    };
    for (const auto &c : cases)
        EXPECT_EQ(fittedWindowPosition(c.available, window, QPoint(197, 122)), c.expected)
            << c.available.width() << "x" << c.available.height();
}

class ArrangementWindow : public ::testing::Test, public WindowFixture
{
};

TEST_F(ArrangementWindow, TabsFourToSixStandWhereStated)
{
    const TForm1 &f = *form;
    const struct
    {
        const QWidget *widget;
        QRect geometry;
    } widgets[] = {
        // Tab 4: the three panels top, middle and bottom.
        {f.Bevel5, QRect(6, 6, 1000, 110)},       {f.Bevel4, QRect(6, 122, 1000, 62)},
        {f.Bevel6, QRect(6, 190, 1000, 488)},
        {f.Edit9, QRect(330, 39, 100, 24)},       {f.Edit10, QRect(700, 39, 100, 24)},
        {f.Button25, QRect(40, 418, 140, 28)},    {f.Button30, QRect(40, 568, 140, 28)},
        {f.RichEdit1, QRect(8, 32, 641, 641)},    {f.Button31, QRect(656, 232, 345, 25)},
        {f.Button32, QRect(656, 264, 169, 25)},   {f.Button33, QRect(832, 264, 169, 25)},
        {f.Button34, QRect(656, 296, 169, 25)},   {f.Button35, QRect(832, 296, 169, 25)},
        {f.Button36, QRect(656, 328, 169, 25)},   {f.Button37, QRect(832, 328, 169, 25)},
        {f.Button38, QRect(656, 360, 345, 25)},   {f.Button39, QRect(656, 392, 345, 25)},
        {f.SpinEdit1, QRect(776, 78, 41, 22)},    {f.Button43, QRect(840, 78, 145, 25)},
        {f.Button44, QRect(672, 120, 145, 25)},   {f.Button47, QRect(840, 120, 145, 25)},
        {f.Button45, QRect(672, 152, 145, 25)},   {f.Button46, QRect(840, 152, 145, 25)},
        {f.DirectoryListBox4, QRect(656, 504, 161, 145)}, {f.Edit17, QRect(832, 504, 169, 21)},
        {f.Button40, QRect(832, 544, 169, 25)},   {f.Button41, QRect(832, 584, 169, 25)},
        {f.Button42, QRect(831, 624, 170, 25)},
    };
    for (const auto &w : widgets)
        EXPECT_EQ(w.widget->geometry(), w.geometry) << w.widget->objectName().toStdString();
    const struct
    {
        const QWidget *widget;
        QPoint place;
    } labels[] = {
        {f.Label16, QPoint(16, 126)},  {f.Label34, QPoint(560, 34)},
        {f.Label36, QPoint(24, 42)},   {f.Label44, QPoint(500, 42)},  {f.Label134, QPoint(8, 6)},
        {f.Label142, QPoint(656, 40)}, {f.Label137, QPoint(672, 80)}, {f.Label135, QPoint(656, 200)},
        {f.Label136, QPoint(656, 448)}, {f.Label138, QPoint(832, 480)}, {f.DriveComboBox4, QPoint(656, 480)},
    };
    for (const auto &l : labels)
        EXPECT_EQ(l.widget->pos(), l.place) << l.widget->objectName().toStdString();
    EXPECT_EQ(f.DriveComboBox4->width(), 161);
    // The check marks of the middle panel in one row, each after its caption.
    const QLabel *const captions[] = {f.Label20, f.Label21, f.Label22, f.Label23};
    const QLabel *const marks[] = {f.Label24, f.Label25, f.Label26, f.Label27};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(captions[i]->y(), 154);
        EXPECT_EQ(marks[i]->y(), 154);
        EXPECT_EQ(marks[i]->x(), captions[i]->geometry().right() + 9);
        if (i > 0) {
            EXPECT_GT(captions[i]->x(), marks[i - 1]->x() + 20);
        }
    }

    const QFont heading = f.Label134->font();
    EXPECT_TRUE(heading.bold() && heading.underline());
    EXPECT_EQ(heading.pixelSize(), 16);
    EXPECT_TRUE(f.Button31->font().bold());
    EXPECT_TRUE(f.Button40->font().bold());
    EXPECT_FALSE(f.Button41->font().bold());
}

TEST_F(ArrangementWindow, KeyboardOnTabFiveFollowsTheRows)
{
    const TForm1 &f = *form;
    const QWidget *const expected[] = {f.Edit9,    f.Edit10, f.Edit11,   f.Button26, f.Edit15,
                                       f.Button27, f.Edit12, f.Button28, f.Edit13,   f.Button29,
                                       f.Edit14,   f.Edit16, f.Button25, f.Button30};
    const QWidget *widget = f.Edit9;
    QStringList order{widget->objectName()};
    for (size_t i = 1; i < std::size(expected); ++i) {
        do
            widget = widget->nextInFocusChain();
        while (!(widget->focusPolicy() & Qt::TabFocus) || widget->parentWidget() != f.TabSheet5);
        order << widget->objectName();
    }
    QStringList names;
    for (const QWidget *w : expected)
        names << w->objectName();
    EXPECT_EQ(order, names);
}

// Keys as a user types them, each to the widget that has the focus at that moment.
void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString &text = QString())
{
    QWidget *target = QApplication::focusWidget();
    ASSERT_NE(target, nullptr);
    QKeyEvent down(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(target, &down);
    QKeyEvent up(QEvent::KeyRelease, key, modifiers, text);
    QCoreApplication::sendEvent(QApplication::focusWidget() ? QApplication::focusWidget() : target, &up);
    // The editor commits an Enter through the event loop.
    QCoreApplication::processEvents();
}

void typeText(const QString &text)
{
    for (const QChar c : text)
        press(c.isDigit() ? Qt::Key_0 + c.digitValue() : (c == u',' ? Qt::Key_Comma : Qt::Key_A), Qt::NoModifier,
              QString(c));
}

TEST_F(ArrangementWindow, ThirtyRowsTypedWithTabLandInTheirCells)
{
    TForm1 &f = *form;
    f.show();
    QApplication::setActiveWindow(&f);
    f.PageControl1->setCurrentIndex(2);
    dialogs.answerInput(QStringLiteral("30"));
    f.Button15->click();
    ASSERT_EQ(f.StringGrid3->rowCount(), 31);
    f.StringGrid3->setFocus();
    f.StringGrid3->setCurrentCell(1, 1);
    for (int row = 1; row <= 30; ++row) {
        for (int column = 1; column <= 6; ++column) {
            typeText(QString::number(row * 10 + column));
            press(Qt::Key_Tab);
        }
    }
    // The last Tab leaves the grid; every typed value stands in its own cell.
    EXPECT_FALSE(f.StringGrid3->isAncestorOf(QApplication::focusWidget()) || QApplication::focusWidget() == f.StringGrid3);
    int wrong = 0;
    for (int row = 1; row <= 30; ++row)
        for (int column = 1; column <= 6; ++column)
            wrong += f.StringGrid3->cell(column, row) != QString::number(row * 10 + column);
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(f.StringGrid3->cell(0, 30), QStringLiteral("       30"));
    EXPECT_EQ(f.DesignLoadsInvalid, 1);
    EXPECT_TRUE(dialogs.log.isEmpty()) << dialogs.log.join(u'|').toStdString();
}

TEST_F(ArrangementWindow, EnterMovesDownAndFixedCellsNeverBecomeCurrent)
{
    TForm1 &f = *form;
    f.show();
    QApplication::setActiveWindow(&f);
    StringGrid &grid = *f.StringGrid1; // 2 rows: stations 0 and 1
    grid.setFocus();
    grid.setCurrentCell(1, 2);
    typeText(QStringLiteral("5"));
    press(Qt::Key_Return);
    EXPECT_EQ(grid.cell(2, 1), QStringLiteral("5"));
    EXPECT_EQ(grid.currentRow(), 2);
    EXPECT_EQ(grid.currentColumn(), 2);
    // An arrow moves one row, also when it closes the cell's editor.
    press(Qt::Key_Up);
    EXPECT_EQ(grid.currentRow(), 1);
    EXPECT_EQ(grid.currentColumn(), 2);

    // Shift+Tab from the first editable cell leaves the grid backwards; Left and Up stay inside.
    grid.setFocus();
    grid.setCurrentCell(1, 1);
    press(Qt::Key_Left);
    press(Qt::Key_Up);
    EXPECT_EQ(grid.currentRow(), 1);
    EXPECT_EQ(grid.currentColumn(), 1);
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_FALSE(grid.isAncestorOf(QApplication::focusWidget()) || QApplication::focusWidget() == &grid);

    // A click on a row number or a header does nothing to the current cell.
    grid.setCurrentCell(2, 1);
    for (const QPoint cell : {QPoint(0, 2), QPoint(1, 0)}) {
        const QPoint at = grid.visualRect(grid.model()->index(cell.y(), cell.x())).center();
        QMouseEvent click(QEvent::MouseButtonPress, at, grid.viewport()->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(grid.viewport(), &click);
        EXPECT_EQ(grid.currentRow(), 2);
        EXPECT_EQ(grid.currentColumn(), 1);
    }
}

TEST_F(ArrangementWindow, TabLeavesTheReportEditorAndControlTabTypesATab)
{
    TForm1 &f = *form;
    f.show();
    QApplication::setActiveWindow(&f);
    f.PageControl1->setCurrentIndex(5);
    f.RichEdit1->setFocus();
    typeText(QStringLiteral("1"));
    press(Qt::Key_Tab, Qt::ControlModifier, QStringLiteral("\t"));
    EXPECT_EQ(f.RichEdit1->toPlainText(), QStringLiteral("1\t"));
    press(Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
    EXPECT_EQ(f.RichEdit1->toPlainText(), QStringLiteral("1\t"));
    EXPECT_NE(QApplication::focusWidget(), f.RichEdit1);
}

// The tooltip a user gets by resting the mouse on the point of the widget; an ignored request
// shows none.
QString tipAt(QWidget &widget, QPoint point)
{
    QHelpEvent event(QEvent::ToolTip, point, widget.mapToGlobal(point));
    QCoreApplication::sendEvent(&widget, &event);
    return event.isAccepted() && QToolTip::isVisible() ? QToolTip::text() : QString();
}

TEST_F(ArrangementWindow, ClippedTextsShowWholeAsTooltips)
{
    TForm1 &f = *form;
    f.show();
    f.PageControl1->setCurrentIndex(3);
    f.StringGrid5->setCell(1, 1, QStringLiteral("0,78125"));
    f.StringGrid5->setCell(2, 1, QStringLiteral("1"));
    const auto cellTip = [](StringGrid &grid, int column, int row) {
        return tipAt(*grid.viewport(), grid.visualRect(grid.model()->index(row, column)).center());
    };
    EXPECT_EQ(cellTip(*f.StringGrid5, 1, 1), QStringLiteral("0,78125"));
    EXPECT_EQ(cellTip(*f.StringGrid5, 2, 1), QString()); // fits: no tooltip
    f.PageControl1->setCurrentIndex(1);
    EXPECT_EQ(cellTip(*f.StringGrid2, 1, 0), QStringLiteral(" Vzd.od kraje"));
    f.PageControl1->setCurrentIndex(2);
    EXPECT_EQ(cellTip(*f.StringGrid3, 6, 0), QStringLiteral("Typ zat."));
    EXPECT_EQ(tipAt(*f.FilterComboBox3, QPoint(10, 10)), u8("Soubory se zatížením (*.zat)"));
}

} // namespace
