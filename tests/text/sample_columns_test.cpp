#include "text/sample_columns.h"

#include "text/format_pattern.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {
// A column the long way: the windows' number text of the value's type, the two blanks,
// the padding to 8 characters.
template <class T> std::string column(T value, bool twoBlanks, char decimal) {
    std::string number = FormatPattern(value, u"#0.00", QLocale::c()).toStdString();
    for (char& c : number)
        if (c == '.')
            c = decimal;
    std::string text = twoBlanks ? "  " : "";
    const size_t width = twoBlanks ? 6 : 8;
    if (number.size() < width)
        text.append(width - number.size(), ' ');
    return text + number;
}

std::string columns(float x, float y, float z, double res, char decimal, bool tabs) {
    std::string text;
    const std::string separator = tabs ? "\t" : "";
    text += separator + column(x, false, decimal);
    text += separator + column(y, true, decimal);
    text += separator + column(z, true, decimal);
    text += separator + column(res, true, decimal);
    return text;
}

std::string written(float x, float y, float z, double res, char decimal, bool tabs) {
    std::vector<char> room(SampleColumnsRoom);
    char* end = tabs ? WriteSampleColumns<true>(room.data(), x, y, z, res, decimal)
                     : WriteSampleColumns<false>(room.data(), x, y, z, res, decimal);
    return std::string(room.data(), end);
}

// Values on, next to and between the halves of a hundredth, at every magnitude, with the
// -1 of a sample that is not available and values that are no number.
std::vector<double> values() {
    std::vector<double> v = {0,
                             0.125,
                             2.675,
                             0.005,
                             0.015,
                             99.995,
                             1234.5,
                             9999.995,
                             12345.67,
                             1e7 + 0.005,
                             1e13,
                             1e15,
                             1e15 + 0.5,
                             1e20,
                             3.4e38,
                             -1,
                             -0.125,
                             -2.675,
                             -0.004,
                             -1e15,
                             0.3,
                             123.45,
                             std::numeric_limits<double>::infinity(),
                             std::nan("")};
    std::mt19937_64 random(720);
    for (int i = 0; i < 60000; ++i) {
        const double offsets[] = {0.5, 0.4999, 0.5001, 0.45, 0.55, 0.0};
        const double cents = double(random() % 2000000) + offsets[random() % 6];
        v.push_back((i % 7 == 0 ? -cents : cents) / 100.0);
        v.push_back(std::ldexp(double(random() % 1000000) / 1e6 + 1.0, int(random() % 60) - 10));
    }
    return v;
}
} // namespace

TEST(SampleColumns, AgreeWithTheWindowsNumberTextsAtAndNearEveryHalf) {
    const std::vector<double> all = values();
    // The long way's columns of every value, made once: x's, the others' as singles, the
    // resultant's as a double.
    std::vector<std::string> first, single, twice;
    for (const double v : all) {
        first.push_back(column(float(v), false, '.'));
        single.push_back(column(float(v), true, '.'));
        twice.push_back(column(v, true, '.'));
    }
    for (size_t i = 0; i + 3 < all.size(); ++i) {
        const float x = float(all[i]), y = float(all[i + 1]), z = float(all[i + 2]);
        const double res = all[i + 3];
        const std::string row = first[i] + single[i + 1] + single[i + 2] + twice[i + 3];
        ASSERT_EQ(written(x, y, z, res, '.', false), row)
            << all[i] << ' ' << all[i + 1] << ' ' << all[i + 2] << ' ' << res;
        if (i % 5 == 0) {
            ASSERT_EQ(written(x, y, z, res, ',', true), columns(x, y, z, res, ',', true))
                << all[i] << ' ' << all[i + 1] << ' ' << all[i + 2] << ' ' << res;
        }
    }
}

TEST(SampleColumns, LayOutTheTableRow) {
    EXPECT_EQ(written(1.23f, 4.56f, 7.89f, 9.25, '.', false), "    1.23    4.56    7.89    9.25");
    EXPECT_EQ(written(123456.7f, 1234.5f, 0.125f, 2.675, ',', false),
              "123456,70  1234,50    0,13    2,68");
    EXPECT_EQ(written(-1, -1, -1, -1, '.', true), "\t   -1.00\t   -1.00\t   -1.00\t   -1.00");
}

#if defined(CORVANEL_EIGHT_DECIMAL_FIELDS)
namespace {
// Two rows through the eight lanes, each row's 32 bytes; empty when they are refused.
CORVANEL_EIGHT_LANES std::string eightLanes(const double* first, const double* second) {
    __m256i low, high;
    const __m256d bounds = _mm256_setr_pd(SampleColumnBounds.a, SampleColumnBounds.b,
                                          SampleColumnBounds.c, SampleColumnBounds.d);
    if (!EightTwoDecimalFields(_mm256_loadu_pd(first), _mm256_loadu_pd(second), bounds, bounds, '.',
                               low, high))
        return std::string();
    char text[64];
    _mm_storeu_si128(reinterpret_cast<__m128i*>(text), _mm256_castsi256_si128(low));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(text + 16), _mm256_castsi256_si128(high));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(text + 32), _mm256_extracti128_si256(low, 1));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(text + 48), _mm256_extracti128_si256(high, 1));
    return std::string(text, 64);
}

// The same through four lanes, one row at a time.
std::string fourLanes(const double* first, const double* second) {
    std::string text;
    for (const double* row : {first, second}) {
        __m128i xy, zr;
        if (!FourTwoDecimalFields(row[0], row[1], row[2], row[3], SampleColumnBounds, '.', xy, zr))
            return std::string();
        char bytes[32];
        _mm_storeu_si128(reinterpret_cast<__m128i*>(bytes), xy);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(bytes + 16), zr);
        text.append(bytes, 32);
    }
    return text;
}
} // namespace

TEST(SampleColumns, EightLanesLayOutTwoRowsAsFourLanesLayOutEach) {
    if (!HasEightLanes())
        GTEST_SKIP() << "no eight-lane instructions here";
    const std::vector<double> all = values();
    size_t taken = 0;
    for (size_t i = 0; i + 8 <= all.size(); ++i) {
        double rows[8];
        for (int k = 0; k < 8; ++k) {
            // The values as they are, values that fit their columns (the remainder keeps a
            // half a half) and the same on a hundredth; singles where the table has singles.
            double v = all[i + size_t(k)];
            if (i % 3 != 0 && std::isfinite(v))
                v = std::fmod(std::fabs(v), k % 4 == 0 ? 99999.0 : 999.0);
            if (i % 3 == 2) // on a hundredth, as the instrument's values are
                v = std::round(v * 100) / 100;
            rows[k] = k % 4 == 3 ? v : double(float(v));
        }
        const std::string eight = eightLanes(rows, rows + 4);
        ASSERT_EQ(eight, fourLanes(rows, rows + 4)) << all[i];
        taken += eight.empty() ? 0 : 1;
    }
    EXPECT_GT(taken, all.size() / 4); // the quick way is taken for the plain rows
}
#endif
