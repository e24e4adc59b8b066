#include "windowtesting.h"

#include "app/longitudinalgenerator.h"
#include "app/stringgrid.h"
#include "app/transversegenerator.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

class GeneratorWindow : public ::testing::Test, public WindowFixture
{
protected:
    template<typename Dialog>
    Dialog *openGenerator(const char *action)
    {
        form->findChild<QAction *>(QString::fromLatin1(action))->trigger();
        return form->findChild<Dialog *>();
    }

    static void setText(QDialog &dialog, const char *edit, const char *text)
    {
        dialog.findChild<QLineEdit *>(QString::fromLatin1(edit))->setText(u8(text));
    }

    static void pressOk(QDialog &dialog)
    {
        dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"))->button(QDialogButtonBox::Ok)->click();
    }
};

TEST_F(GeneratorWindow, RigidCrossBeamsWriteTheExampleEdgeGirderLineAsOneChange)
{
    TForm1 &f = *form;
    enterTable(*this, *f.Button10, *f.StringGrid2, {{"0", "1"}, {"10", "1"}});
    f.Button14->click();
    ASSERT_EQ(f.TransLineInvalid, 0);
    dialogs.clear();
    f.DesignEffectsInvalid = 0;
    f.AssessEffectsInvalid = 0;

    auto *dialog = openGenerator<TransverseGeneratorDialog>("actionGenerateTransverse");
    ASSERT_NE(dialog, nullptr);
    dialog->findChild<QComboBox *>(QStringLiteral("comboMethod"))->setCurrentIndex(1); // rigid cross-beams
    pressOk(*dialog);

    // Deck 8 m, girders at 1, 4 and 7 m, the edge girder: the line of the example file.
    const std::vector<QStringList> expected{texts({"0", "0,375"}), texts({"1", "0,3125"}), texts({"4", "0,125"}),
                                            texts({"7", "-0,0625"}), texts({"8", "-0,125"})};
    ASSERT_EQ(f.StringGrid2->rowCount(), 6);
    for (int row = 1; row <= 5; ++row)
        EXPECT_EQ(gridRow(*f.StringGrid2, row).mid(1), expected[row - 1]) << row;
    EXPECT_EQ(gridRow(*f.StringGrid2, 5).first(), QStringLiteral("          5"));
    EXPECT_EQ(f.TransLineInvalid, 1);
    EXPECT_EQ(f.DesignEffectsInvalid, 1);
    EXPECT_EQ(f.AssessEffectsInvalid, 1);
    EXPECT_EQ(f.Label25->text(), QStringLiteral("X"));

    f.Button14->click(); // the generated line has the area 1 the check asks for
    EXPECT_EQ(f.TransLineInvalid, 0);
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join(QLatin1Char('|')).toStdString();
}

TEST_F(GeneratorWindow, TwoSpanSectionMomentFillsTabOneAndPassesItsCheck)
{
    TForm1 &f = *form;
    auto *dialog = openGenerator<LongitudinalGeneratorDialog>("actionGenerateLongitudinal");
    ASSERT_NE(dialog, nullptr);
    setText(*dialog, "editSpans", "16; 16");
    setText(*dialog, "editStation", "6");
    const QString status = dialog->findChild<QLabel *>(QStringLiteral("labelStatus"))->text();
    EXPECT_TRUE(status.startsWith(u8("Bodů tabulky: 100. Největší odchylka lomené čáry od přesné: "))) << status.toStdString();
    pressOk(*dialog);

    ASSERT_EQ(f.StringGrid1->rowCount(), 101);
    EXPECT_EQ(gridRow(*f.StringGrid1, 1).mid(1), texts({"0", "0"}));
    EXPECT_EQ(gridRow(*f.StringGrid1, 100).mid(1), texts({"32", "0"}));
    bool sectionFound = false; // the section is a point of the table
    for (int row = 1; row <= 100; ++row)
        sectionFound = sectionFound || f.StringGrid1->cell(1, row) == QStringLiteral("6");
    EXPECT_TRUE(sectionFound);
    EXPECT_EQ(f.Label24->text(), QStringLiteral("X"));
    f.Button5->click();
    EXPECT_EQ(f.LongLineInvalid, 0);
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join(QLatin1Char('|')).toStdString();
}

// A wrong input is named in the dialog; OK then keeps the dialog open and writes nothing.
TEST_F(GeneratorWindow, BadInputsAreNamedAndWriteNothing)
{
    TForm1 &f = *form;
    enterTable(*this, *f.Button7, *f.StringGrid1, {{"0", "0"}, {"6", "3"}, {"12", "0"}});
    enterTable(*this, *f.Button10, *f.StringGrid2, {{"0", "1"}, {"10", "1"}});
    const QStringList longBefore = gridRow(*f.StringGrid1, 2), transBefore = gridRow(*f.StringGrid2, 2);

    const struct
    {
        bool transverse;
        const char *edit, *text, *message;
    } cases[] = {
        {false, "editSpans", "12; 0", "Délka pole 2 musí být kladná."},
        {false, "editStiffnesses", "-1", "Ohybová tuhost EI pole 1 musí být kladná."},
        {false, "editStation", "13", "Řez musí ležet na nosníku: zadejte staničení 0 až 12."},
        {false, "editSpans", "12 x", "„x“ není číslo: zadejte čísla oddělená středníkem."},
        {true, "editGirders", "1; 9", "Nosník 2 leží mimo mostovku: jeho poloha musí být 0 až šířka mostovky."},
        {true, "editGirders", "1; 1; 7", "Nosníky 1 a 2 leží na stejném místě."},
        {true, "editWidth", "x", "Zadejte šířku mostovky jako číslo."},
    };
    for (const auto &c : cases) {
        QDialog *dialog = c.transverse
                              ? static_cast<QDialog *>(openGenerator<TransverseGeneratorDialog>("actionGenerateTransverse"))
                              : openGenerator<LongitudinalGeneratorDialog>("actionGenerateLongitudinal");
        ASSERT_NE(dialog, nullptr);
        setText(*dialog, c.edit, c.text);
        EXPECT_EQ(dialog->findChild<QLabel *>(QStringLiteral("labelStatus"))->text(), u8(c.message)) << c.text;
        pressOk(*dialog);
        EXPECT_TRUE(dialog->isVisible()) << c.text;
        delete dialog;
    }
    EXPECT_EQ(f.StringGrid1->rowCount(), 4);
    EXPECT_EQ(gridRow(*f.StringGrid1, 2), longBefore);
    EXPECT_EQ(f.StringGrid2->rowCount(), 3);
    EXPECT_EQ(gridRow(*f.StringGrid2, 2), transBefore);
}

} // namespace
