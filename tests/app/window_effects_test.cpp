#include "windowtesting.h"
#include "qtprinters.h"

#include "app/stringgrid.h"

#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace {

const QString chyba19 = u8("Chyba#19 - Chyba zadání/kontroly podélné příčinkové čáry !!!");
const QString chyba20 = u8("Chyba#20 - Chyba zadání/kontroly příčinkové čáry příčného roznosu !!!");
const QString chyba21 = u8("Chyba#21 - Chyba zadání/kontroly původního zatížení konstrukce !!!");
const QString chyba22 = u8("Chyba#22 - Chyba zadání/kontroly nového zatížení konstrukce !!!");



// Lines checked: the midspan moment of a simply supported span of 10 and a unit transverse line.
void checkLines(WindowFixture &w)
{
    TForm1 &f = *w.form;
    enterTable(w, *f.Button7, *f.StringGrid1, {{"0", "0"}, {"5", "2,5"}, {"10", "0"}});
    f.Button5->click();
    f.Button14->click();
    ASSERT_EQ(f.LongLineInvalid, 0);
    ASSERT_EQ(f.TransLineInvalid, 0);
}

class EffectsWindow : public ::testing::Test, public WindowFixture
{
};

TEST_F(EffectsWindow, PrerequisiteMessagesInOrder)
{
    TForm1 &f = *form;
    f.Button18->click();
    EXPECT_EQ(dialogs.messages, (QStringList{chyba19, chyba20, chyba21}));
    EXPECT_EQ(f.DesignEffectsInvalid, 1);
    EXPECT_EQ(f.StringGrid5->rowCount(), 2);
    EXPECT_EQ(f.StringGrid5->cell(0, 1), QString());
    EXPECT_EQ(f.Label90->text(), u8("???"));

    dialogs.clear();
    f.Button14->click();
    f.Button23->click();
    EXPECT_EQ(dialogs.messages, (QStringList{chyba19, chyba22}));
    EXPECT_EQ(f.AssessEffectsInvalid, 1);
}

TEST_F(EffectsWindow, RefusalSetsTheEffectsFlagAgain)
{
    TForm1 &f = *form;
    checkLines(*this);
    f.Button19->click();
    f.Button18->click();
    ASSERT_EQ(f.DesignEffectsInvalid, 0);
    const QString total = f.Label102->text();
    // A refused computation keeps the results but marks them out of date.
    f.LongLineInvalid = 1;
    dialogs.clear();
    f.Button18->click();
    EXPECT_EQ(dialogs.messages, QStringList{chyba19});
    EXPECT_EQ(f.DesignEffectsInvalid, 1);
    EXPECT_EQ(f.Label102->text(), total);
}

TEST_F(EffectsWindow, ShorterLoadTableLeavesExactlyItsRows)
{
    TForm1 &f = *form;
    checkLines(*this);
    dialogs.answerInput(QStringLiteral("10"));
    f.Button21->click();
    f.Button24->click();
    f.Button23->click();
    ASSERT_EQ(f.AssessEffectsInvalid, 0);
    EXPECT_EQ(f.StringGrid6->rowCount(), 11);
    EXPECT_EQ(f.StringGrid6->cell(0, 10), QStringLiteral("10"));

    dialogs.answerInput(QStringLiteral("3"));
    f.Button21->click();
    f.Button24->click();
    f.Button23->click();
    EXPECT_EQ(f.StringGrid6->rowCount(), 4);
    // Point loads of 10 at x = 1, 2, 3 (type 1): ordinates 0,5, 1 and 1,5 on the line.
    EXPECT_EQ(gridRow(*f.StringGrid6, 3),
              texts({"3", "10", "1,5", "0", "1", "0", "100%/0%", "Vozidlo", "1,00", "15"}));
    EXPECT_EQ(f.Label99->text(), u8("30,00"));
    EXPECT_EQ(f.Label105->text(), u8("30,00"));
    EXPECT_EQ(f.Label96->text(), u8("0,00"));
}

TEST_F(EffectsWindow, BoxThatIsNotANumberChangesNothing)
{
    TForm1 &f = *form;
    checkLines(*this);
    enterTable(*this, *f.Button15, *f.StringGrid3, {{"1", "1", "0", "0", "10", "0"}, {"2", "2", "0", "0", "10", "1"}});
    f.Button19->click();
    f.Button18->click();
    ASSERT_EQ(f.DesignEffectsInvalid, 0);
    const QStringList first = gridRow(*f.StringGrid5, 1);
    const QStringList second = gridRow(*f.StringGrid5, 2);
    EXPECT_EQ(first, texts({"1", "10", "0,5", "0", "1", "0", "100%/100%", "Stálé", "1,00", "5"}));
    EXPECT_EQ(f.Label102->text(), u8("15,00"));

    // The reference point has no change handler: the effects stay current, and a text that is not
    // a number stops the next computation before anything is written.
    f.Edit2->setText(QStringLiteral("y"));
    f.Button18->click();
    EXPECT_EQ(dialogs.errors, QStringList{u8("'y' is not a valid floating point value")});
    EXPECT_EQ(f.DesignEffectsInvalid, 0);
    EXPECT_EQ(gridRow(*f.StringGrid5, 1), first);
    EXPECT_EQ(f.Label102->text(), u8("15,00"));
    f.Edit2->setText(QStringLiteral("0"));

    // The vehicle of row 2 needs the dynamic coefficient; row 1, already computable, is not written
    // either.
    commitCellEdit(*f.StringGrid3, 5, 1, QStringLiteral("20"));
    f.Button19->click();
    f.Edit5->setText(QStringLiteral("1.2"));
    dialogs.clear();
    f.Button18->click();
    EXPECT_EQ(dialogs.errors, QStringList{u8("'1.2' is not a valid floating point value")});
    EXPECT_EQ(f.StringGrid5->rowCount(), 3);
    EXPECT_EQ(gridRow(*f.StringGrid5, 1), first);
    EXPECT_EQ(gridRow(*f.StringGrid5, 2), second);
    EXPECT_EQ(f.Label102->text(), u8("15,00"));
    EXPECT_EQ(f.DesignEffectsInvalid, 1); // from the check, not from the failed computation

    // A sum beyond the range of numbers is refused in the same way.
    f.Edit5->setText(QStringLiteral("1E308"));
    commitCellEdit(*f.StringGrid3, 5, 2, QStringLiteral("1E10"));
    f.Button19->click();
    dialogs.clear();
    f.Button18->click();
    EXPECT_EQ(dialogs.errors,
              QStringList{u8("Účinek zatížení v řádku 2 nelze vyčíslit, hodnota překračuje rozsah čísel !!!")});
    EXPECT_EQ(gridRow(*f.StringGrid5, 2), second);
    EXPECT_EQ(f.Label102->text(), u8("15,00"));
    EXPECT_EQ(f.DesignEffectsInvalid, 1);
}

TEST_F(EffectsWindow, PricCaraReadsTheTablesAsTheyStand)
{
    TForm1 &f = *form;
    // Unchecked start-up lines: constant ordinate 1 between 0 and 1 on both.
    const tragvel::effects::TPatchIntegrals start = f.PricCara(0.25, 0.75, 0.0, 1.0);
    EXPECT_DOUBLE_EQ(start.NyXPlus, 0.5);
    EXPECT_DOUBLE_EQ(start.NyYPlus, 1.0);
    commitCellEdit(*f.StringGrid1, 2, 2, QStringLiteral("-1"));
    const tragvel::effects::TPatchIntegrals edited = f.PricCara(0.0, 1.0, 0.5, 0.5);
    EXPECT_DOUBLE_EQ(edited.NyXPlus, 0.25);
    EXPECT_DOUBLE_EQ(edited.NyXMinus, -0.25);
    EXPECT_DOUBLE_EQ(edited.NyYPlus, 1.0);
    // Nothing on the window changes.
    EXPECT_EQ(f.LongLineInvalid, 1);
    EXPECT_EQ(f.StringGrid1->cell(2, 2), QStringLiteral("-1"));
    EXPECT_EQ(f.StringGrid5->rowCount(), 2);
    EXPECT_TRUE(dialogs.log.isEmpty());
}

// One calculation from the influence lines to both load capacities, by the buttons.
TEST_F(EffectsWindow, CompleteRoad)
{
    TForm1 &f = *form;
    const double span = 10.0;
    checkLines(*this);

    // Design set: a uniform permanent load over the span and a vehicle at midspan.
    const double q = 10.0, p = 100.0, deltaP = 1.2;
    enterTable(*this, *f.Button15, *f.StringGrid3,
               {{"0", "10", "0", "1", "10", "0"}, {"5", "5", "0,5", "0,5", "100", "1"}});
    f.Button19->click();
    ASSERT_EQ(f.DesignLoadsInvalid, 0);
    f.Edit5->setText(QStringLiteral("1,2"));
    f.Button18->click();
    ASSERT_EQ(f.DesignEffectsInvalid, 0);
    const double designPermanent = q * span * span / 8; // 125
    const double designVehicle = deltaP * p * span / 4;   // 300
    EXPECT_EQ(gridRow(*f.StringGrid5, 1),
              texts({"1", "10", "12,5", "0", "1", "0", "100%/100%", "Stálé", "1,00", "125"}));
    EXPECT_EQ(gridRow(*f.StringGrid5, 2),
              texts({"2", "100", "2,5", "0", "1", "0", "100%/0%", "Vozidlo", "1,2", "300"}));
    EXPECT_EQ(f.Label90->text(), QString::number(designPermanent, 'f', 2).replace(u'.', u','));
    EXPECT_EQ(f.Label93->text(), QString::number(designVehicle, 'f', 2).replace(u'.', u','));
    EXPECT_EQ(f.Label49->text(), u8("0,00"));
    EXPECT_EQ(f.Label112->text(), u8("0,00"));
    EXPECT_EQ(f.Label102->text(), u8("425,00"));

    // Assessment set: permanent, permanent with relief, vehicle, other variable load.
    enterTable(*this, *f.Button21, *f.StringGrid4,
               {{"0", "10", "0", "1", "12", "0"},
                {"0", "10", "0", "1", "2", "3"},
                {"5", "5", "0,5", "0,5", "80", "1"},
                {"0", "10", "0", "1", "4", "2"}});
    f.Button24->click();
    ASSERT_EQ(f.AssessLoadsInvalid, 0);
    f.Edit6->setText(QStringLiteral("1,25"));
    f.Edit8->setText(QStringLiteral("50"));
    f.Button23->click();
    ASSERT_EQ(f.AssessEffectsInvalid, 0);
    const double moment = span * span / 8;
    EXPECT_EQ(f.StringGrid6->rowCount(), 5);
    EXPECT_EQ(f.StringGrid6->cell(6, 2), u8("100%/50%"));
    EXPECT_EQ(f.StringGrid6->cell(8, 4), u8("1,25"));
    EXPECT_EQ(f.Label96->text(), u8("150,00"));  // 12 qL^2/8
    EXPECT_EQ(f.Label115->text(), u8("25,00"));  // 2 qL^2/8
    EXPECT_EQ(f.Label99->text(), u8("250,00"));  // 1,25 * 80 * L/4
    EXPECT_EQ(f.Label53->text(), u8("62,50"));   // 1,25 * 4 * qL^2/8
    EXPECT_EQ(f.Label105->text(), u8("487,50"));
    EXPECT_DOUBLE_EQ(12 * moment + 2 * moment + 1.25 * 80 * span / 4 + 1.25 * 4 * moment, 487.5);

    // Capacity inputs copied from the effects.
    f.Button26->click();
    f.Button27->click();
    f.Button28->click();
    f.Button29->click();
    EXPECT_EQ(f.Edit11->text(), u8("425,00"));
    EXPECT_EQ(f.Edit15->text(), u8("175"));
    EXPECT_EQ(f.Edit12->text(), u8("250,00"));
    EXPECT_EQ(f.Edit13->text(), u8("62,50"));
    f.Edit14->setText(QStringLiteral("30"));
    f.Edit16->setText(QStringLiteral("500"));
    f.Button25->click();
    f.Button30->click();
    EXPECT_EQ(f.Label82->text(), u8("22,50"));  // (425 - 175 - 62,5) / 250 * 30
    EXPECT_EQ(f.Label128->text(), u8("31,50")); // (500 - 175 - 62,5) / 250 * 30
    EXPECT_TRUE(dialogs.log.isEmpty()) << dialogs.log.join(QLatin1Char('\n')).toStdString();

    // A new dynamic coefficient changes nothing until the effects are computed again.
    f.Edit5->setText(QStringLiteral("2"));
    EXPECT_EQ(f.Label93->text(), u8("300,00"));
    EXPECT_EQ(f.StringGrid5->cell(8, 2), u8("1,2"));
    EXPECT_EQ(f.DesignEffectsInvalid, 0);
    f.Edit11->setText(QStringLiteral("0"));
    f.Button26->click();
    EXPECT_EQ(f.Edit11->text(), u8("425,00"));
    EXPECT_EQ(f.Label82->text(), u8("22,50"));
    f.Button18->click();
    EXPECT_EQ(f.Label93->text(), u8("500,00"));
    EXPECT_EQ(f.StringGrid5->cell(8, 2), u8("2"));
    EXPECT_EQ(f.Label102->text(), u8("625,00"));
    EXPECT_EQ(f.Label82->text(), u8("22,50")); // formulas keep their results until pressed
}

} // namespace
