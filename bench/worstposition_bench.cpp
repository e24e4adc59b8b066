#include "effects/worstposition.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

using namespace tragvel::effects;

// A wavy line of `count` points over 0..length with both signs.
tragvel::effects::InfluenceLine wavyLine(int count, double from, double length)
{
    tragvel::effects::InfluenceLine line;
    for (int i = 0; i < count; ++i) {
        const double x = from + length * i / (count - 1);
        line.push_back({x, std::sin(x / 4.0) + 0.25});
    }
    return line;
}

// A 100-point longitudinal and a 25-point transverse line; the vehicle of 20 patches (axles and
// wheel areas) of the 100-row set.
WorstPositionTask benchTask(ShiftRange dy)
{
    WorstPositionTask task;
    task.longitudinal = wavyLine(100, 0.0, 50.0);
    task.transverse = wavyLine(25, -5.0, 10.0);
    for (int i = 0; i < 20; ++i) {
        const double x = 0.37 * i;
        const bool area = i % 2 == 0;
        task.vehicle.push_back({x, area ? x + 0.21 : x, -1.1 + 0.1 * i, -1.1 + 0.1 * i + (area ? 0.4 : 0.0),
                                10.0 + i});
    }
    task.delta = 1.2;
    task.relief = 30.0;
    task.dx = passingRange(task.longitudinal, task.vehicle);
    task.dy = dy;
    return task;
}

void BM_WorstPositionAlong(benchmark::State &state)
{
    const WorstPositionTask task = benchTask({0.0, 0.0});
    for (auto _ : state)
        benchmark::DoNotOptimize(findWorstPosition(task));
}
BENCHMARK(BM_WorstPositionAlong)->Unit(benchmark::kMillisecond);

// Along and across: the vehicle moved over 2 m of the carriageway.
void BM_WorstPositionAlongAndAcross(benchmark::State &state)
{
    const WorstPositionTask task = benchTask({-1.0, 1.0});
    for (auto _ : state)
        benchmark::DoNotOptimize(findWorstPosition(task));
}
BENCHMARK(BM_WorstPositionAlongAndAcross)->Unit(benchmark::kMillisecond);

} // namespace
