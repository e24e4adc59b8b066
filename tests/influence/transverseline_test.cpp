#include "influence/continuousbeam.h"
#include "influence/generatedtable.h"
#include "influence/numberlist.h"
#include "influence/prcfile.h"
#include "influence/transverseline.h"

#include "influencetesting.h"
#include "testfiles.h"

#include <gtest/gtest.h>

#include <random>

using namespace tragvel::influence;

TEST(TransverseLine, RigidCrossBeamsReproduceTheExampleEdgeGirderFile)
{
    const Deck deck{8.0, {1.0, 4.0, 7.0}, {}, 0, DistributionMethod::RigidCrossBeams};
    const DistributionLine line = distributionLine(deck);
    EXPECT_EQ(line.scale, 0.375);
    ASSERT_TRUE(line.zeroCrossing);
    EXPECT_EQ(*line.zeroCrossing, 6.0);

    const tragvel::LineKind &kind = tragvel::transverseLine();
    tragvel::CellTable loaded = tragvel::initialLineTable(kind);
    tragvel::applyPrc(loaded, tragvel::readPrc(readTestFile(sourcePath(QStringLiteral("examples/transverse-edge-girder.prc"))),
                                               kind, comma));
    const tragvel::CellTable generated
        = generatedLineTable(tragvel::initialLineTable(kind), line.points, comma);
    EXPECT_EQ(generated.rows, loaded.rows);
    EXPECT_EQ(generated.rows.at(2), (QStringList{QStringLiteral("          2"), QStringLiteral("1"), QStringLiteral("0,3125")}));
}

TEST(TransverseLine, SharesOfAllGirdersSumToOneAtEveryLoadPosition)
{
    std::mt19937 random(25);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int trial = 0; trial < 100; ++trial) {
        Deck deck;
        deck.width = 4.0 + 16.0 * unit(random);
        const int n = 2 + int(random() % 11);
        for (int i = 0; i < n; ++i)
            deck.girders.push_back(deck.width * (i + 0.2 + 0.6 * unit(random)) / n);
        deck.method = trial % 2 ? DistributionMethod::RigidCrossBeams : DistributionMethod::LeverRule;
        if (trial % 4 == 1)
            for (int i = 0; i < n; ++i)
                deck.stiffnesses.push_back(0.5 + unit(random));
        ASSERT_EQ(deckInputError(deck), QString());
        for (int step = 0; step <= 40; ++step) {
            const double y = deck.width * step / 40.0;
            double sum = 0.0;
            for (deck.wantedGirder = 0; deck.wantedGirder < n; ++deck.wantedGirder)
                sum += girderShare(deck, y);
            EXPECT_NEAR(sum, 1.0, 1e-12) << "trial " << trial << ", y = " << y;
        }
    }
}

TEST(TransverseLine, LeverRuleLineOfAnInnerGirderHasItsKinksAtTheGirders)
{
    const Deck deck{10.0, {1.0, 3.5, 6.0, 9.0}, {}, 1, DistributionMethod::LeverRule};
    const DistributionLine line = distributionLine(deck);
    // Share 1 at the girder, 0 at its neighbours, -0,4 at the near edge (the cantilever pulls it
    // up): area -0,2 + 1,25 + 1,25 = 2,3 of shares.
    ASSERT_EQ(line.points.size(), 6u);
    const double expected[][2] = {{0, -0.4 / 2.3}, {1, 0}, {3.5, 1 / 2.3}, {6, 0}, {9, 0}, {10, 0}};
    for (size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(line.points[i].station, expected[i][0]);
        EXPECT_NEAR(line.points[i].ordinate, expected[i][1], 1e-15);
    }
    EXPECT_NEAR(line.scale, 1 / 2.3, 1e-15);
    EXPECT_FALSE(line.zeroCrossing); // it changes sign only at a girder, where it is a table point
}

TEST(GeneratorInput, BadInputGetsItsMessage)
{
    const auto beamOf = [](std::vector<double> spans, std::vector<double> ei) {
        return ContinuousBeam{std::move(spans), std::move(ei), false, false};
    };
    const struct
    {
        ContinuousBeam beam;
        BeamSection section;
        const char *message;
    } beams[] = {
        {beamOf({}, {}), {}, "Zadejte 1 až 10 polí."},
        {beamOf(std::vector<double>(11, 1.0), std::vector<double>(11, 1.0)), {}, "Zadejte 1 až 10 polí."},
        {beamOf({12, 0}, {1, 1}), {}, "Délka pole 2 musí být kladná."},
        {beamOf({12, 8}, {1}), {},
         "Zadejte ohybovou tuhost EI pro každé pole (2 hodnot), nebo žádnou pro stejnou tuhost všech polí."},
        {beamOf({12, 8}, {1, -2}), {}, "Ohybová tuhost EI pole 2 musí být kladná."},
        {beamOf({12, 8.5}, {1, 1}), {BeamEffect::Moment, 20.6, 0},
         "Řez musí ležet na nosníku: zadejte staničení 0 až 20,5."},
        {beamOf({12, 8.5}, {1, 1}), {BeamEffect::Shear, -0.5, 0},
         "Řez musí ležet na nosníku: zadejte staničení 0 až 20,5."},
        {beamOf({12, 8.5}, {1, 1}), {BeamEffect::Reaction, 0, 3}, "Zadejte číslo podpory 1 až 3."},
        {beamOf({12, 8.5}, {1, 1}), {BeamEffect::Reaction, 0, 2}, ""},
    };
    for (const auto &c : beams)
        EXPECT_EQ(beamInputError(c.beam, c.section), QString::fromUtf8(c.message));

    const struct
    {
        Deck deck;
        const char *message;
    } decks[] = {
        {{0.0, {1, 4}, {}, 0, DistributionMethod::LeverRule}, "Šířka mostovky musí být kladná."},
        {{8.0, {1}, {}, 0, DistributionMethod::LeverRule}, "Zadejte polohy 2 až 12 nosníků."},
        {{8.0, {1, 4, 8.5}, {}, 0, DistributionMethod::LeverRule},
         "Nosník 3 leží mimo mostovku: jeho poloha musí být 0 až šířka mostovky."},
        {{8.0, {1, 4, 4}, {}, 0, DistributionMethod::LeverRule}, "Nosníky 2 a 3 leží na stejném místě."},
        {{8.0, {4, 1, 7}, {}, 0, DistributionMethod::LeverRule},
         "Zadejte polohy nosníků vzestupně od okraje mostovky."},
        {{8.0, {1, 4, 7}, {}, 3, DistributionMethod::LeverRule}, "Zadejte číslo nosníku 1 až 3."},
        {{8.0, {1, 4, 7}, {1, 2}, 0, DistributionMethod::RigidCrossBeams},
         "Zadejte tuhost každého nosníku (3 hodnot), nebo žádnou pro stejné tuhosti."},
        {{8.0, {1, 4, 7}, {1, 0, 1}, 0, DistributionMethod::RigidCrossBeams}, "Tuhost nosníku 2 musí být kladná."},
        {{8.0, {0, 4, 8}, {1, 2, 1}, 2, DistributionMethod::RigidCrossBeams}, ""},
    };
    for (const auto &c : decks)
        EXPECT_EQ(deckInputError(c.deck), QString::fromUtf8(c.message));

    EXPECT_EQ(parseNumberList(QStringLiteral("16; 16,5  2"), comma).values, (std::vector<double>{16, 16.5, 2}));
    EXPECT_EQ(parseNumberList(QStringLiteral("16; 1.5"), comma).error,
              QString::fromUtf8("„1.5“ není číslo: zadejte čísla oddělená středníkem."));
}
