#include "stats/median.h"

#include "core/error_report.h"
#include "stats/sample_availability.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {
struct Pair {
    double value;
    qint32 index;
};

// The gaps of the Shell sort over count positions, largest first.
std::vector<std::size_t> shellGaps(std::size_t count) {
    std::size_t h = 0;
    while (h <= count)
        h = 3 * h + 1;
    std::vector<std::size_t> gaps;
    do {
        h /= 3;
        gaps.push_back(h);
    } while (h > 1);
    return gaps;
}

// One pass of the Shell sort with gap h: every chain of positions congruent modulo h
// sorted by insertion, in increasing position. Position 0 holds no sample and is never
// moved: it counts as lower than every value. Key gives what is compared.
template <class T, class Key> void shellPass(T* a, std::size_t n, std::size_t h, Key key) {
    for (std::size_t i = h + 1; i < n; ++i) {
        const T taken = a[i];
        const auto takenKey = key(taken);
        std::size_t j = i;
        while (j > h && key(a[j - h]) > takenKey) {
            a[j] = a[j - h];
            j -= h;
        }
        a[j] = taken;
    }
}

MedianResult medianOfSorted(std::span<const double> sortedRes, std::span<const qint32> index) {
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
    result.Sample = index[static_cast<std::size_t>(result.Index)];
    result.Present = true;
    return result;
}

// Which sample the Shell sort puts at position pos (1-based) whose value is t. The sort
// of each chain is stable, so it moves the values below t, those equal to t and those
// above t as three classes alone: the classes' layout after each pass follows from the
// layout before it, whatever the order inside a class. The passes are made on the
// classes, one byte each, and the sample is then traced back from pos through the
// layouts: the k-th value equal to t of a chain after a pass was its k-th before.
qint32 sampleAtPosition(std::span<const double> samples, std::size_t pos, double t) {
    const std::size_t n = samples.size() + 1;
    std::vector<std::uint8_t> classes(n);
    classes[0] = 0;
    std::size_t equal = 0;
    std::size_t lastEqual = 0;
    for (std::size_t i = 1; i < n; ++i) {
        const double v = samples[i - 1];
        classes[i] = v < t ? 0 : v > t ? 2 : 1;
        if (classes[i] == 1) {
            ++equal;
            lastEqual = i;
        }
    }
    if (equal == 1)
        return static_cast<qint32>(lastEqual);
    const std::vector<std::size_t> gaps = shellGaps(n);
    std::vector<std::vector<std::uint8_t>> before;
    before.reserve(gaps.size());
    for (const std::size_t h : gaps) {
        before.push_back(classes);
        shellPass(classes.data(), n, h, [](std::uint8_t c) { return c; });
    }
    std::size_t at = pos;
    for (std::size_t s = gaps.size(); s-- > 0;) {
        const std::size_t h = gaps[s];
        const std::vector<std::uint8_t>& after = s + 1 < gaps.size() ? before[s + 1] : classes;
        const std::size_t first = at % h == 0 ? h : at % h;
        std::size_t k = 0;
        for (std::size_t p = first; p < at; p += h)
            k += after[p] == 1;
        std::size_t p = first;
        for (;; p += h) {
            if (before[s][p] == 1) {
                if (k == 0)
                    break;
                --k;
            }
        }
        at = p;
    }
    return static_cast<qint32>(at);
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
    for (const std::size_t h : shellGaps(count))
        shellPass(a.data(), count, h, [](const Pair& p) { return p.value; });
    for (std::size_t i = 0; i < count; ++i) {
        sortedRes[i] = a[i].value;
        sortedIndex[i] = a[i].index;
    }
}

MedianResult CalculateMediana(std::span<double> sortedRes, std::span<qint32> sortedIndex) {
    return Trapped("CalculateMediana", MedianResult{}, [&] {
        SortResultants(sortedRes, sortedIndex);
        return medianOfSorted(sortedRes, sortedIndex);
    });
}

MedianResult CalculateMediana(std::span<const double> samples) {
    return Trapped("CalculateMediana", MedianResult{}, [&] {
        const std::size_t n = samples.size();
        std::vector<double> values(samples.begin(), samples.end());
        std::size_t gaps = 0;
        bool unordered = false;
        for (const double v : values) {
            gaps += v < 0.0;
            // A NaN has no place in an order and a zero of either sign ties with the other
            // but prints apart: both take the sort itself.
            unordered |= std::isnan(v) || (v == 0.0 && std::signbit(v));
        }
        if (unordered) {
            std::vector<double> res(n + 1, 0.0);
            std::vector<qint32> index(n + 1, 0);
            for (std::size_t i = 0; i < n; ++i) {
                res[i + 1] = values[i];
                index[i + 1] = static_cast<qint32>(i + 1);
            }
            SortResultants(res, index);
            return medianOfSorted(res, index);
        }
        MedianResult result;
        const std::size_t m = n - gaps;
        if (m == 0)
            return result;
        const std::size_t half = gaps + m / 2;
        const std::size_t pos = m % 2 == 1 ? half + 1 : half;
        const auto nth = values.begin() + static_cast<std::ptrdiff_t>(pos - 1);
        std::nth_element(values.begin(), nth, values.end());
        const double t = *nth;
        result.Value = m % 2 == 1 ? t : (t + *std::min_element(nth + 1, values.end())) / 2.0;
        result.Index = static_cast<qint32>(pos);
        result.Sample = sampleAtPosition(samples, pos, t);
        result.Present = true;
        return result;
    });
}
