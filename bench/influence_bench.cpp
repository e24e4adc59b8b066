#include "common/gridpicture.h"
#include "common/numbertext.h"
#include "influence/linecheck.h"
#include "influence/linedrawing.h"
#include "influence/linetable.h"
#include "influence/prcfile.h"

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

} // namespace

BENCHMARK_MAIN();
