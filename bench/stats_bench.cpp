// Statistics and median of a large data set against one single-threaded std::sort of the
// same values, CPU time of the whole process beside the wall time; and the value order the
// value-ordered table takes when it is first shown.
#include "stats/data_stats.h"
#include "stats/median.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <vector>

namespace {
// Resultants as the loaders make them (kind 0): two decimals of a field-like spread, so
// values repeat, a few gaps; or (kind 1) values spread evenly, none alike.
std::vector<double> Resultants(std::size_t n, int kind = 0) {
    std::mt19937 random(42);
    std::normal_distribution<double> field(1.5, 0.6);
    std::uniform_real_distribution<double> even(0.0, 3.0);
    std::vector<double> res(n);
    for (std::size_t i = 0; i < n; ++i) {
        if (kind == 1) {
            res[i] = even(random);
            continue;
        }
        const double v = std::max(0.0, field(random));
        res[i] = i % 997 == 0 ? -1.0 : std::nearbyint(v * 100.0) / 100.0;
    }
    return res;
}

// What every load computes: minimum, maximum, mean, and the median with its sample.
void StatisticsAndMedian(benchmark::State& state) {
    const std::vector<double> res =
        Resultants(static_cast<std::size_t>(state.range(0)), int(state.range(1)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(CalculateStats(res));
        benchmark::DoNotOptimize(CalculateMediana(std::span<const double>(res)));
    }
}

// The baseline, the least work any correct median needs: the same values copied into a
// new buffer and sorted, on one thread.
void PlainSort(benchmark::State& state) {
    const std::vector<double> res =
        Resultants(static_cast<std::size_t>(state.range(0)), int(state.range(1)));
    for (auto _ : state) {
        std::vector<double> copy(res.begin(), res.end());
        std::sort(copy.begin(), copy.end());
        benchmark::DoNotOptimize(copy.data());
    }
}

// The value order with its sample numbers (the Shell sort whose order of equal values the
// value-ordered table shows), made once when that table is first shown.
void ValueOrder(benchmark::State& state) {
    const std::vector<double> res = Resultants(static_cast<std::size_t>(state.range(0)));
    std::vector<double> sortedRes(res.size() + 1);
    std::vector<qint32> sortedIndex(res.size() + 1);
    for (auto _ : state) {
        sortedRes[0] = 0.0;
        sortedIndex[0] = 0;
        for (std::size_t i = 0; i < res.size(); ++i) {
            sortedRes[i + 1] = res[i];
            sortedIndex[i + 1] = static_cast<qint32>(i + 1);
        }
        SortResultants(sortedRes, sortedIndex);
        benchmark::DoNotOptimize(sortedIndex.data());
    }
}
} // namespace

BENCHMARK(StatisticsAndMedian)
    ->Args({1000000, 0})
    ->Args({1000000, 1})
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();
BENCHMARK(PlainSort)
    ->Args({1000000, 0})
    ->Args({1000000, 1})
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();
BENCHMARK(ValueOrder)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();
BENCHMARK_MAIN();
