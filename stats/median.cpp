#include "stats/median.h"

#include "core/error_report.h"
#include "stats/sample_availability.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// Which positions of a layout hold a value equal to the median's, one bit a position.
class EqualBits {
public:
    EqualBits(std::uint64_t* words) : words_(words) {}
    static std::size_t Words(std::size_t n) { return (n + 63) / 64; }
    bool operator[](std::size_t p) const { return words_[p >> 6] >> (p & 63) & 1; }
    void Take(const std::uint8_t* classes, std::size_t n) {
        std::size_t w = 0;
#if defined(__SSE2__)
        const __m128i one = _mm_set1_epi8(1);
        for (; 64 * w + 64 <= n; ++w) {
            std::uint64_t bits = 0;
            for (int part = 0; part < 4; ++part) {
                const __m128i bytes =
                    _mm_loadu_si128(reinterpret_cast<const __m128i*>(classes + 64 * w + 16 * part));
                bits |= std::uint64_t(unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, one))))
                        << (16 * part);
            }
            words_[w] = bits;
        }
#endif
        for (; w < Words(n); ++w) {
            std::uint64_t bits = 0;
            const std::size_t end = std::min(n, 64 * w + 64);
            for (std::size_t p = 64 * w; p < end; ++p)
                bits |= std::uint64_t(classes[p] == 1) << (p & 63);
            words_[w] = bits;
        }
    }

private:
    std::uint64_t* words_;
};

// One pass of the Shell sort with gap h over a layout of classes (0 below, 1 equal, 2
// above). The insertion sort of each chain is stable, so a sorted chain holds its 0s, then
// its 1s, then its 2s: each chain is laid out from its counts. Position 0 stays.
void classPass(std::uint8_t* c, std::size_t n, std::size_t h, std::vector<std::uint32_t>& counts) {
    if (n <= h + 1)
        return;
    if ((n - 1) / h <= 16) {
        // Short chains, each counted and laid out along its positions.
        for (std::size_t first = 1; first <= h && first < n; ++first) {
            std::size_t zeros = 0, ones = 0;
            for (std::size_t p = first; p < n; p += h) {
                zeros += c[p] == 0;
                ones += c[p] == 1;
            }
            std::size_t p = first;
            for (; zeros > 0; --zeros, p += h)
                c[p] = 0;
            for (; ones > 0; --ones, p += h)
                c[p] = 1;
            for (; p < n; p += h)
                c[p] = 2;
        }
        return;
    }
    if (h == 1) {
        // One chain: the whole layout sorted.
        std::size_t zeros = 0, ones = 0;
        for (std::size_t p = 1; p < n; ++p) {
            zeros += c[p] == 0;
            ones += c[p] == 1;
        }
        std::memset(c + 1, 0, zeros);
        std::memset(c + 1 + zeros, 1, ones);
        std::memset(c + 1 + zeros + ones, 2, n - 1 - zeros - ones);
        return;
    }
    // Long chains: every chain counted at once in position order, then laid out so, a row
    // of h positions (one of each chain) at a time.
    counts.assign(2 * h, 0);
    std::uint32_t* zeros = counts.data();
    std::uint32_t* ones = zeros + h;
    for (std::size_t row = 0; row < n; row += h) {
        const std::uint8_t* at = c + row;
        const std::size_t end = std::min(h, n - row);
        for (std::size_t r = row == 0 ? 1 : 0; r < end; ++r) {
            zeros[r] += at[r] == 0;
            ones[r] += at[r] == 1;
        }
    }
    // Without a branch on the class: in the first passes the classes come in no order.
    for (std::size_t row = 0; row < n; row += h) {
        std::uint8_t* at = c + row;
        const std::size_t end = std::min(h, n - row);
        for (std::size_t r = row == 0 ? 1 : 0; r < end; ++r) {
            const std::uint32_t zero = zeros[r], one = ones[r];
            const std::uint32_t isZero = zero > 0;
            const std::uint32_t isOne = (1 - isZero) & (one > 0);
            at[r] = std::uint8_t(2 - 2 * isZero - isOne);
            zeros[r] = zero - isZero;
            ones[r] = one - isOne;
        }
    }
}

// Which sample the Shell sort puts at position pos (1-based) whose value is t. The sort
// of each chain is stable, so it moves the values below t, those equal to t and those
// above t as three classes alone: the classes' layout after each pass follows from the
// layout before it, whatever the order inside a class. The passes are made on the
// classes, one byte each, and the sample is then traced back from pos through the layouts
// (where the values equal to t stood, a bit each): the k-th value equal to t of a chain
// after a pass was its k-th before.
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
    // The layout before each pass, and after the last.
    const std::size_t words = EqualBits::Words(n);
    std::vector<std::uint64_t> layouts((gaps.size() + 1) * words);
    auto layout = [&](std::size_t s) { return EqualBits(layouts.data() + s * words); };
    std::vector<std::uint32_t> counts;
    for (std::size_t s = 0; s < gaps.size(); ++s) {
        layout(s).Take(classes.data(), n);
        classPass(classes.data(), n, gaps[s], counts);
    }
    layout(gaps.size()).Take(classes.data(), n);
    std::size_t at = pos;
    for (std::size_t s = gaps.size(); s-- > 0;) {
        const std::size_t h = gaps[s];
        const EqualBits after = layout(s + 1);
        const EqualBits before = layout(s);
        const std::size_t first = at % h == 0 ? h : at % h;
        std::size_t k = 0;
        for (std::size_t p = first; p < at; p += h)
            k += after[p];
        std::size_t p = first;
        for (;; p += h) {
            if (before[p]) {
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
