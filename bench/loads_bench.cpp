#include "loads/loadcheck.h"
#include "loads/loaddrawing.h"
#include "loads/loadtable.h"
#include "loads/zatreader.h"

#include <QByteArray>

#include <benchmark/benchmark.h>

namespace {

// A file of 100 patches of every kind and both signs.
QByteArray hundredRowFile()
{
    QByteArray bytes;
    for (int i = 1; i <= 100; ++i) {
        const int kind = i % 4;
        const double x1 = i * 0.5;
        const double x2 = x1 + ((kind == 1 || kind == 3) ? 2.25 : 0.0);
        const double y1 = (i % 7) * 0.5;
        const double y2 = y1 + (kind >= 2 ? 1.5 : 0.0);
        const double load = (i % 3 == 0) ? -7.5 * i : 12.5 * i;
        bytes += QByteArray::number(x1) + ' ' + QByteArray::number(x2) + ' ' + QByteArray::number(y1) + ' ' +
                 QByteArray::number(y2) + ' ' + QByteArray::number(load) + ' ' + QByteArray::number(i % 4) +
                 "\r\n";
    }
    return bytes;
}

void BM_LoadCheckAndDraw(benchmark::State &state)
{
    const QByteArray bytes = hundredRowFile();
    for (auto _ : state) {
        tragvel::CellTable table = tragvel::startupLoadTable(tragvel::designLoadSet());
        tragvel::applyLoadFile(table, tragvel::readLoadFile(bytes, tragvel::designLoadSet()));
        const tragvel::LoadCheckResult check = tragvel::checkLoads(table, QStringLiteral("1,5"), QStringLiteral("0"));
        if (!check.passed())
            state.SkipWithError("the table does not pass the check");
        tragvel::LoadPictures pictures =
            tragvel::drawLoadPictures(check.patches, check.referenceX, check.referenceY);
        benchmark::DoNotOptimize(pictures);
    }
}
BENCHMARK(BM_LoadCheckAndDraw)->Unit(benchmark::kMillisecond);

void BM_ReadLoadFile(benchmark::State &state)
{
    const QByteArray bytes = hundredRowFile();
    for (auto _ : state) {
        tragvel::LoadFileContents contents = tragvel::readLoadFile(bytes, tragvel::designLoadSet());
        benchmark::DoNotOptimize(contents);
    }
}
BENCHMARK(BM_ReadLoadFile)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
