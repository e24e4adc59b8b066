#include "windowtesting.h"

#include "app/stringgrid.h"
#include "app/worstpositiondialog.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include <vector>

namespace {



class WorstPositionWindow : public ::testing::Test, public WindowFixture
{
protected:
    // The midspan moment of a 12 m span and a unit transverse line, both checked, and a design
    // set of one 100 kN axle at the span's start beside a permanent patch.
    void enterInputs(const char *axleType)
    {
        TForm1 &f = *form;
        enterTable(*this, *f.Button7, *f.StringGrid1, {{"0", "0"}, {"6", "3"}, {"12", "0"}});
        enterTable(*this, *f.Button10, *f.StringGrid2, {{"0", "1"}, {"10", "1"}});
        enterTable(*this, *f.Button15, *f.StringGrid3,
                   {{"0", "0", "0", "0", "100", axleType}, {"1", "3", "0", "0", "2", "0"}});
        f.Button5->click();
        f.Button14->click();
        f.Button19->click();
        ASSERT_EQ(f.DesignLoadsInvalid, 0);
        dialogs.clear();
    }
};

TEST_F(WorstPositionWindow, ApplyMovesTheAxleToMidspanAndRecomputes)
{
    TForm1 &f = *form;
    enterInputs("1");
    f.ButtonWorstDesign->click();
    auto *dialog = f.findChild<WorstPositionDialog *>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->findChild<QLabel *>(QStringLiteral("LabelResult"))->text(),
              u8("Nejnepříznivější poloha: dx = 6, dy = 0, účinek vozidla = 300"));
    dialog->findChild<QPushButton *>(QStringLiteral("ButtonApply"))->click();
    EXPECT_EQ(gridRow(*f.StringGrid3, 1).mid(1), texts({"6", "6", "0", "0", "100", "1"}));
    EXPECT_EQ(gridRow(*f.StringGrid3, 2).mid(1), texts({"1", "3", "0", "0", "2", "0"}));
    EXPECT_EQ(f.DesignLoadsInvalid, 0);
    EXPECT_EQ(f.DesignEffectsInvalid, 0);
    EXPECT_EQ(f.Label93->text(), u8("300,00"));
    EXPECT_TRUE(dialogs.messages.isEmpty());
    // The move of the vehicle is one change of the table.
    f.findChild<QAction *>(QStringLiteral("actionEditUndo"))->trigger();
    EXPECT_EQ(gridRow(*f.StringGrid3, 1).mid(1), texts({"0", "0", "0", "0", "100", "1"}));
}

TEST_F(WorstPositionWindow, RefusesWithoutAVehicleOrCheckedInputs)
{
    TForm1 &f = *form;
    f.ButtonWorstAssessment->click();
    EXPECT_EQ(dialogs.messages,
              texts({"Chyba#19 - Chyba zadání/kontroly podélné příčinkové čáry !!!",
                     "Chyba#20 - Chyba zadání/kontroly příčinkové čáry příčného roznosu !!!",
                     "Chyba#22 - Chyba zadání/kontroly nového zatížení konstrukce !!!"}));
    enterInputs("2");
    f.ButtonWorstDesign->click();
    EXPECT_EQ(dialogs.messages, texts({"Zatížení nemá žádný řádek typu 1 (vozidlo), není čím posouvat. "
                                       "Zadejte vozidlo do tabulky zatížení !!!"}));
    EXPECT_EQ(f.findChild<WorstPositionDialog *>(), nullptr);
}

} // namespace
