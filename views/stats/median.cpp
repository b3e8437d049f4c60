#include "views/stats/median.h"

#include "shell/core/error_report.h"
#include "views/stats/sample_availability.h"

#include <vector>

namespace {
struct Pair {
    double value;
    qint32 index;
};

// One pass of the Shell sort with gap h over positions from..to, each chain of positions
// congruent modulo h sorted by insertion. Position 0 holds no sample and is never moved:
// it counts as lower than every value.
void ShellPass(std::vector<Pair>& a, std::size_t h) {
    const std::size_t n = a.size();
    for (std::size_t i = h; i < n; ++i) {
        const Pair taken = a[i];
        std::size_t j = i;
        while (j >= h && j - h > 0 && a[j - h].value > taken.value) {
            a[j] = a[j - h];
            j -= h;
        }
        a[j] = taken;
    }
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
