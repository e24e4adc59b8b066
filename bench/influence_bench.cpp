#include "common/gridpicture.h"
#include "common/numbertext.h"
#include "influence/linecheck.h"
#include "influence/linedrawing.h"
#include "influence/linetable.h"
#include "influence/prcfile.h"
#include "influence/transverseline.h"

#include <QByteArray>
#include <QImage>

#include <benchmark/benchmark.h>

namespace {

// A longitudinal line of 100 points over a span of 49,5 with ordinates of both signs.
QByteArray hundredLineFile()
{
    QByteArray bytes;
    for (int i = 0; i < 100; ++i) {
        const double station = i * 0.5;
        const double ordinate = (i % 10 - 4) * 0.125;
        bytes += QByteArray::number(station) + ' ' + QByteArray::number(ordinate) + "\r\n";
    }
    return bytes;
}

void BM_InfluenceLoadCheckAndDraw(benchmark::State &state)
{
    const QByteArray bytes = hundredLineFile();
    const tragvel::LineKind &kind = tragvel::longitudinalLine();
    const QChar separator = tragvel::programDecimalSeparator();
    QImage picture = tragvel::blankPicture(tragvel::lineImageWidth, tragvel::lineImageHeight);
    for (auto _ : state) {
        tragvel::CellTable table = tragvel::initialLineTable(kind);
        tragvel::applyPrc(table, tragvel::readPrc(bytes, kind, separator));
        const tragvel::LineCheckOutcome outcome = tragvel::checkLine(table, kind, separator);
        if (!outcome.valid)
            state.SkipWithError("the line does not pass the check");
        tragvel::drawCheckedLine(picture, outcome, kind);
        benchmark::DoNotOptimize(picture.constBits());
    }
}
BENCHMARK(BM_InfluenceLoadCheckAndDraw)->Unit(benchmark::kMillisecond);

void BM_InfluenceReadOnly(benchmark::State &state)
{
    const QByteArray bytes = hundredLineFile();
    for (auto _ : state) {
        tragvel::PrcReadResult result
            = tragvel::readPrc(bytes, tragvel::longitudinalLine(), tragvel::programDecimalSeparator());
        benchmark::DoNotOptimize(result.rows.data());
    }
}
BENCHMARK(BM_InfluenceReadOnly)->Unit(benchmark::kMicrosecond);

// The generators at their largest: ten unequal spans with fixed ends, the shear line at a station
// inside a span (a step in the line), sampled to the 100 points of the table.
void BM_GenerateContinuousBeamLine(benchmark::State &state)
{
    tragvel::influence::ContinuousBeam beam;
    for (int k = 0; k < 10; ++k) {
        beam.spans.push_back(12.0 + 1.5 * k);
        beam.stiffnesses.push_back(1.0 + 0.1 * k);
    }
    beam.fixedStart = beam.fixedEnd = true;
    const tragvel::influence::BeamSection section{tragvel::influence::BeamEffect::Shear, 40.0, 0};
    for (auto _ : state)
        benchmark::DoNotOptimize(tragvel::influence::sampleBeamLine(beam, section, 100).points.data());
}
BENCHMARK(BM_GenerateContinuousBeamLine)->Unit(benchmark::kMillisecond);

// Twelve girders of unequal stiffness under rigid cross-beams, and by the lever rule.
void BM_GenerateTransverseLine(benchmark::State &state)
{
    tragvel::influence::Deck deck;
    deck.width = 24.0;
    for (int i = 0; i < 12; ++i) {
        deck.girders.push_back(1.0 + 2.0 * i);
        deck.stiffnesses.push_back(1.0 + 0.05 * i);
    }
    deck.wantedGirder = 0;
    deck.method = state.range(0) == 0 ? tragvel::influence::DistributionMethod::RigidCrossBeams
                                      : tragvel::influence::DistributionMethod::LeverRule;
    for (auto _ : state)
        benchmark::DoNotOptimize(tragvel::influence::distributionLine(deck).points.data());
}
BENCHMARK(BM_GenerateTransverseLine)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
