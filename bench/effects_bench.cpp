#include "app/stringgrid.h"
#include "app/tform1.h"
#include "effects/loadeffects.h"
#include "effects/patchintegrals.h"

#include "common/celltable.h"
#include "common/numbertext.h"

#include <QApplication>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstddef>
#include <utility>
#include <optional>

#include "bench/benchwindow.h"

namespace {

// A wavy line of `count` points over 0..50 with both signs and a step in the middle.
tragvel::effects::InfluenceLine wavyLine(int count)
{
    tragvel::effects::InfluenceLine line;
    for (int i = 0; i < count; ++i) {
        const double x = 50.0 * i / (count - 1);
        line.push_back({x, std::sin(x / 4.0) + 0.25});
        if (i == count / 2)
            line.push_back({x, -0.5});
    }
    return line;
}

void integrateOverLine(benchmark::State &state, int count)
{
    const tragvel::effects::InfluenceLine longitudinal = wavyLine(count);
    const tragvel::effects::InfluenceLine transverse = wavyLine(count);
    double x1 = 3.3, x2 = 47.1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(x1);
        benchmark::DoNotOptimize(x2);
        benchmark::DoNotOptimize(
            tragvel::effects::integratePatch(longitudinal, transverse, x1, x2, 1.5, 44.0));
    }
}

// The floor of the integral: a bare loop over the same points of both lines (those strictly
// inside the patch, found beforehand), summing trapezoids without clipping, searching,
// interpolating or keeping the signs apart.
double bareTrapezoids(const tragvel::effects::InfluenceLine &line, std::size_t from, std::size_t to)
{
    double sum = 0.0;
    for (std::size_t k = from + 1; k < to; ++k)
        sum += (line[k].abscissa - line[k - 1].abscissa) * (line[k].ordinate + line[k - 1].ordinate) * 0.5;
    return sum;
}

std::pair<std::size_t, std::size_t> insidePoints(const tragvel::effects::InfluenceLine &line, double a, double b)
{
    std::size_t from = 0;
    while (from < line.size() && !(line[from].abscissa > a))
        ++from;
    std::size_t to = from;
    while (to < line.size() && line[to].abscissa < b)
        ++to;
    return {from, to};
}

void bareLoopOverLine(benchmark::State &state, int count)
{
    const tragvel::effects::InfluenceLine longitudinal = wavyLine(count);
    const tragvel::effects::InfluenceLine transverse = wavyLine(count);
    auto [x1, x2] = insidePoints(longitudinal, 3.3, 47.1);
    auto [y1, y2] = insidePoints(transverse, 1.5, 44.0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(x1);
        benchmark::DoNotOptimize(x2);
        benchmark::DoNotOptimize(y1);
        benchmark::DoNotOptimize(y2);
        benchmark::DoNotOptimize(bareTrapezoids(longitudinal, x1, x2));
        benchmark::DoNotOptimize(bareTrapezoids(transverse, y1, y2));
    }
}

void BM_IntegrateHundredPointLines(benchmark::State &state)
{
    integrateOverLine(state, 100);
}
BENCHMARK(BM_IntegrateHundredPointLines);

void BM_BareLoopHundredPointLines(benchmark::State &state)
{
    bareLoopOverLine(state, 100);
}
BENCHMARK(BM_BareLoopHundredPointLines);

void BM_IntegrateTwentyFivePointLines(benchmark::State &state)
{
    integrateOverLine(state, 25);
}
BENCHMARK(BM_IntegrateTwentyFivePointLines);

void BM_BareLoopTwentyFivePointLines(benchmark::State &state)
{
    bareLoopOverLine(state, 25);
}
BENCHMARK(BM_BareLoopTwentyFivePointLines);

// A short patch on lines of 10 000 points: both ends are found by halving, not by walking.
void BM_IntegrateShortPatchOnLongLines(benchmark::State &state)
{
    const tragvel::effects::InfluenceLine longitudinal = wavyLine(10000);
    const tragvel::effects::InfluenceLine transverse = wavyLine(10000);
    double x1 = 31.3, x2 = 32.1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(x1);
        benchmark::DoNotOptimize(x2);
        benchmark::DoNotOptimize(tragvel::effects::integratePatch(longitudinal, transverse, x1, x2, 40.5, 41.0));
    }
}
BENCHMARK(BM_IntegrateShortPatchOnLongLines);

// The effects of 100 patches of every type over 100-point lines, without the window.
void BM_EffectSetOfHundredPatches(benchmark::State &state)
{
    const QChar sep = tragvel::programDecimalSeparator();
    const tragvel::effects::InfluenceLine longitudinal = wavyLine(100);
    const tragvel::effects::InfluenceLine transverse = wavyLine(100);
    tragvel::CellTable loads;
    loads.rows.push_back(QStringList(7));
    for (int i = 1; i <= 100; ++i) {
        const double x1 = i * 0.4;
        const double x2 = x1 + (i % 2 ? 5.5 : 0.0);
        loads.rows.push_back({QString::number(i), tragvel::generalText(x1, sep),
                              tragvel::generalText(x2, sep), QStringLiteral("0"),
                              QStringLiteral("12"), QString::number(i % 3 ? 10 : -10),
                              QString::number(i % 4)});
    }
    const tragvel::effects::EffectBoxes boxes{QStringLiteral("0"), QStringLiteral("0"),
                                     QStringLiteral("1,20"), QStringLiteral("25")};
    const tragvel::effects::PatchIntegrator integrate = [&](double a, double b, double c, double d) {
        return tragvel::effects::integratePatch(longitudinal, transverse, a, b, c, d);
    };
    for (auto _ : state)
        benchmark::DoNotOptimize(tragvel::effects::computeEffectSet(loads, boxes, integrate, sep));
}
BENCHMARK(BM_EffectSetOfHundredPatches);

void fillLine(StringGrid &grid, const tragvel::effects::InfluenceLine &line, QChar sep)
{
    grid.setGridRowCount(int(line.size()) + 1);
    for (int row = 1; row <= int(line.size()); ++row) {
        grid.setCell(0, row, QString::number(row));
        grid.setCell(1, row, tragvel::generalText(line[size_t(row - 1)].abscissa, sep));
        grid.setCell(2, row, tragvel::generalText(line[size_t(row - 1)].ordinate, sep));
    }
}

// The design command through the window: 100 patches over a 100-point and a 25-point line,
// every call reading both line tables, and the effect table and labels written.
void BM_DesignEffectsThroughTheWindow(benchmark::State &state)
{
    ensureApplication();
    BenchDialogs dialogs;
    TForm1 form(dialogs);
    const QChar sep = tragvel::programDecimalSeparator();
    fillLine(*form.StringGrid1, wavyLine(100), sep);
    fillLine(*form.StringGrid2, wavyLine(25), sep);
    form.StringGrid3->setGridRowCount(101);
    for (int i = 1; i <= 100; ++i) {
        const double x1 = i * 0.4;
        const double x2 = x1 + (i % 2 ? 5.5 : 0.0);
        const QString cells[] = {QString::number(i), tragvel::generalText(x1, sep), tragvel::generalText(x2, sep),
                                 QStringLiteral("0"), QStringLiteral("12"), QString::number(i % 3 ? 10 : -10),
                                 QString::number(i % 4)};
        for (int column = 0; column < 7; ++column)
            form.StringGrid3->setCell(column, i, cells[column]);
    }
    form.Edit5->setText(QStringLiteral("1,20"));
    form.Edit7->setText(QStringLiteral("25"));
    form.LongLineInvalid = 0;
    form.TransLineInvalid = 0;
    form.DesignLoadsInvalid = 0;
    for (auto _ : state) {
        form.Button18Click();
        benchmark::DoNotOptimize(form.DesignEffectsInvalid);
    }
    if (form.DesignEffectsInvalid != 0 || form.StringGrid5->rowCount() != 101)
        state.SkipWithError("the effects were not computed");
}
BENCHMARK(BM_DesignEffectsThroughTheWindow)->Unit(benchmark::kMicrosecond);

} // namespace
