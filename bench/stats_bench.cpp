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
// Resultants as the loaders make them: two decimals, so values repeat, a few gaps.
std::vector<double> Resultants(std::size_t n) {
    std::mt19937 random(42);
    std::normal_distribution<double> field(1.5, 0.6);
    std::vector<double> res(n);
    for (std::size_t i = 0; i < n; ++i) {
        const double v = std::max(0.0, field(random));
        res[i] = i % 997 == 0 ? -1.0 : std::nearbyint(v * 100.0) / 100.0;
    }
    return res;
}

// What every load computes: minimum, maximum, mean, and the median with its sample.
void StatisticsAndMedian(benchmark::State& state) {
    const std::vector<double> res = Resultants(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(CalculateStats(res));
        benchmark::DoNotOptimize(CalculateMediana(std::span<const double>(res)));
    }
}

// The baseline: the same values copied and sorted once, on one thread.
void PlainSort(benchmark::State& state) {
    const std::vector<double> res = Resultants(static_cast<std::size_t>(state.range(0)));
    std::vector<double> copy(res.size());
    for (auto _ : state) {
        std::copy(res.begin(), res.end(), copy.begin());
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
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();
BENCHMARK(PlainSort)->Arg(1000000)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(ValueOrder)->Arg(1000000)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK_MAIN();
