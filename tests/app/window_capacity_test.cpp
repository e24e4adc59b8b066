#include "windowtesting.h"
#include "qtprinters.h"

#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <ostream>

namespace {

const QString chyba23 = u8("Chyba#23 - Chyba vstupních hodnot pro výpočet zatížitelnosti, očekává se číslo!!!");
const QString chyba24 = u8("Chyba#24 - Hmotnost vozidla musí být nenulová !!!");
const QString chyba25 = u8("Chyba#25 - Účinky zatížení vozidly nemohou být nulové !!!");
const QString chyba26 =
    u8("Chyba#26 - Výpočet účinků zatížení podle původního předpisu nebyl proveden nebo není aktuální!!!");
const QString chyba27 =
    u8("Chyba#27 - Výpočet účinků zatížení podle nového předpisu nebyl proveden nebo není aktuální!!!");

class CapacityWindow : public ::testing::Test, public WindowFixture
{
protected:
    // Sp,c 100, Sn,g 20, Sn,r 10, Sn,v 5, Tn 2; a and b keep their "1,00".
    void typeExample()
    {
        TForm1 &f = *form;
        f.Edit11->setText(QStringLiteral("100"));
        f.Edit15->setText(QStringLiteral("20"));
        f.Edit13->setText(QStringLiteral("10"));
        f.Edit12->setText(QStringLiteral("5"));
        f.Edit14->setText(QStringLiteral("2"));
    }
};

TEST_F(CapacityWindow, DefaultInputsShowBothMessages)
{
    form->Button25->click();
    form->Button30->click();
    EXPECT_EQ(dialogs.messages, (QStringList{chyba24, chyba25, chyba24, chyba25}));
    EXPECT_EQ(form->Label82->text(), u8("????"));
    EXPECT_EQ(form->Label128->text(), u8("????"));
}

TEST_F(CapacityWindow, Formulas)
{
    TForm1 &f = *form;
    typeExample();
    f.Button25->click();
    EXPECT_EQ(f.Label82->text(), u8("28,00"));
    f.Edit9->setText(QStringLiteral("0,9"));
    f.Edit10->setText(QStringLiteral("0,95"));
    f.Button25->click();
    EXPECT_EQ(f.Label82->text(), u8("23,94"));
    f.Edit11->setText(QStringLiteral("25"));
    f.Button25->click();
    EXPECT_EQ(f.Label82->text(), u8("-1,71")); // -5 / 5 * 2 * 0,9 * 0,95

    // The static formula uses Sn,u and ignores Sp,c, whatever it holds.
    f.Edit9->setText(QStringLiteral("1,00"));
    f.Edit10->setText(QStringLiteral("1,00"));
    f.Edit11->setText(QStringLiteral("abc"));
    f.Edit16->setText(QStringLiteral("100"));
    f.Button30->click();
    EXPECT_EQ(f.Label128->text(), u8("28,00"));
    EXPECT_EQ(f.Label82->text(), u8("-1,71"));
    EXPECT_TRUE(dialogs.log.isEmpty());
}

TEST_F(CapacityWindow, ChecksOfTheInputs)
{
    TForm1 &f = *form;
    typeExample();
    f.Button25->click();
    ASSERT_EQ(f.Label82->text(), u8("28,00"));

    f.Edit11->setText(QString());
    f.Edit12->setText(QStringLiteral("x"));
    f.Button25->click();
    EXPECT_EQ(dialogs.messages, QStringList{chyba23});

    typeExample();
    f.Edit14->setText(QStringLiteral("-1"));
    dialogs.clear();
    f.Button25->click();
    EXPECT_EQ(dialogs.messages, QStringList{chyba24});

    typeExample();
    f.Edit9->setText(QStringLiteral("x"));
    dialogs.clear();
    f.Button25->click();
    EXPECT_EQ(dialogs.log, QStringList{u8("error: 'x' is not a valid floating point value")});

    f.Edit9->setText(QStringLiteral("1,00"));
    f.Edit12->setText(QStringLiteral("1E-320"));
    f.Edit14->setText(QStringLiteral("1E20"));
    dialogs.clear();
    f.Button25->click();
    EXPECT_EQ(dialogs.errors, QStringList{u8("Zatížitelnost nelze vyčíslit, hodnota překračuje rozsah čísel !!!")});
    EXPECT_EQ(f.Label82->text(), u8("28,00"));
}

TEST_F(CapacityWindow, CopiesRefusedWithoutCurrentEffects)
{
    TForm1 &f = *form;
    f.Button26->click();
    f.Button27->click();
    f.Button28->click();
    f.Button29->click();
    EXPECT_EQ(dialogs.messages, (QStringList{chyba26, chyba27, chyba27, chyba27}));
    EXPECT_EQ(f.Edit11->text(), u8("0"));
    EXPECT_EQ(f.Edit15->text(), u8("0"));
    EXPECT_EQ(f.Edit12->text(), u8("0"));
    EXPECT_EQ(f.Edit13->text(), u8("0"));
}

TEST_F(CapacityWindow, PermanentEffectsCopySumsTheRoundedLabels)
{
    TForm1 &f = *form;
    // Results of an assessment computation as tab 4 shows them.
    f.Label96->setText(QStringLiteral("12,50"));
    f.Label115->setText(QStringLiteral("3,25"));
    f.Label99->setText(QStringLiteral("5,00"));
    f.Label53->setText(QStringLiteral("1,234568E7"));
    f.AssessEffectsInvalid = 0;
    f.Button27->click();
    f.Button28->click();
    f.Button29->click();
    EXPECT_EQ(f.Edit15->text(), u8("15,75"));
    EXPECT_EQ(f.Edit12->text(), u8("5,00"));
    EXPECT_EQ(f.Edit13->text(), u8("1,234568E7"));
    EXPECT_TRUE(dialogs.log.isEmpty());

    // The design copy still needs the design effects.
    f.Button26->click();
    EXPECT_EQ(dialogs.messages, QStringList{chyba26});
}

} // namespace
