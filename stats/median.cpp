#include "stats/median.h"

#include "core/error_report.h"
#include "stats/sample_availability.h"

#include <algorithm>
#include <thread>
#include <vector>

namespace {
struct Pair {
    double value;
    qint32 index;
};

// Insertion along the chains of gap h whose residues (position mod h) lie in
// [firstResidue, lastResidue), in increasing position. Position 0 holds no sample and is
// never moved: it counts as lower than every value.
void SortChains(Pair* a, std::size_t n, std::size_t h, std::size_t firstResidue,
                std::size_t lastResidue) {
    for (std::size_t base = 0; base < n; base += h) {
        for (std::size_t r = firstResidue; r < lastResidue; ++r) {
            const std::size_t i = base + r;
            if (i >= n)
                break;
            if (i < h)
                continue;
            const Pair taken = a[i];
            std::size_t j = i;
            while (j > h && a[j - h].value > taken.value) {
                a[j] = a[j - h];
                j -= h;
            }
            a[j] = taken;
        }
    }
}

// Below these sizes a pass runs on one thread: the chains of one gap are independent, so
// splitting them among threads gives the same order, but only pays for long arrays.
constexpr std::size_t ParallelCount = 100000;
constexpr std::size_t ParallelGap = 32;

// One pass of the Shell sort with gap h: every chain of positions congruent modulo h
// sorted by insertion.
void ShellPass(std::vector<Pair>& a, std::size_t h) {
    const std::size_t n = a.size();
    const std::size_t threads = std::max(1u, std::thread::hardware_concurrency());
    if (n < ParallelCount || h < ParallelGap || threads == 1) {
        SortChains(a.data(), n, h, 0, h);
        return;
    }
    std::vector<std::thread> workers;
    const std::size_t share = (h + threads - 1) / threads;
    for (std::size_t first = 0; first < h; first += share) {
        const std::size_t last = std::min(h, first + share);
        workers.emplace_back([&a, n, h, first, last] { SortChains(a.data(), n, h, first, last); });
    }
    for (std::thread& worker : workers)
        worker.join();
}
} // namespace

void SortResultants(std::span<double> sortedRes, std::span<qint32> sortedIndex) {
    if (sortedRes.size() != sortedIndex.size())
        RaiseError(ErrorNumber::SubscriptOutOfRange, QStringLiteral("Subscript out of range"));
    const std::size_t count = sortedRes.size();
    if (count < 2)
        return;
    std::vector<Pair> a(count);
    for (std::size_t i = 0; i < count; ++i)
        a[i] = {sortedRes[i], sortedIndex[i]};
    std::size_t h = 0;
    while (h <= count)
        h = 3 * h + 1;
    do {
        h /= 3;
        ShellPass(a, h);
    } while (h > 1);
    for (std::size_t i = 0; i < count; ++i) {
        sortedRes[i] = a[i].value;
        sortedIndex[i] = a[i].index;
    }
}

MedianResult CalculateMediana(std::span<double> sortedRes, std::span<qint32> sortedIndex) {
    return Trapped("CalculateMediana", MedianResult{}, [&] {
        SortResultants(sortedRes, sortedIndex);
        MedianResult result;
        if (sortedRes.size() < 2)
            return result;
        const std::size_t n = sortedRes.size() - 1;
        std::size_t gaps = 0;
        while (gaps < n && !IsAvailableSample(sortedRes[gaps + 1]))
            ++gaps;
        const std::size_t m = n - gaps;
        if (m == 0)
            return result;
        const std::size_t half = gaps + m / 2;
        if (m % 2 == 1) {
            result.Index = static_cast<qint32>(half + 1);
            result.Value = sortedRes[half + 1];
        } else {
            result.Index = static_cast<qint32>(half);
            result.Value = (sortedRes[half] + sortedRes[half + 1]) / 2.0;
        }
        result.Present = true;
        return result;
    });
}
