// Statistics and median of a large data set against one plain sort of the same values.
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

void StatisticsAndMedian(benchmark::State& state) {
    const std::vector<double> res = Resultants(static_cast<std::size_t>(state.range(0)));
    std::vector<double> sortedRes(res.size() + 1);
    std::vector<qint32> sortedIndex(res.size() + 1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(CalculateStats(res));
        sortedRes[0] = 0.0;
        sortedIndex[0] = 0;
        for (std::size_t i = 0; i < res.size(); ++i) {
            sortedRes[i + 1] = res[i];
            sortedIndex[i + 1] = static_cast<qint32>(i + 1);
        }
        benchmark::DoNotOptimize(CalculateMediana(sortedRes, sortedIndex));
    }
}

void PlainSort(benchmark::State& state) {
    const std::vector<double> res = Resultants(static_cast<std::size_t>(state.range(0)));
    std::vector<double> copy(res.size());
    for (auto _ : state) {
        std::copy(res.begin(), res.end(), copy.begin());
        std::sort(copy.begin(), copy.end());
        benchmark::DoNotOptimize(copy.data());
    }
}
} // namespace

BENCHMARK(StatisticsAndMedian)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(PlainSort)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
