#include "text/sample_columns_wide.h"

#include "text/sample_columns.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <limits>
#include <random>
#include <string>
#include <vector>

#if defined(CORVANEL_WIDE_COLUMNS)
namespace {
struct Rows {
    std::vector<float> x, y, z;
    std::vector<double> res;
};

// Every hundredth below 10000 in the x column and below 1000 in the others, the resultant
// as the data set holds it (in double precision, on a hundredth) or off it a little; then
// values near a half, values past their column's quick way, negative ones, a resultant
// that is a tiny negative number, and values that are no number.
Rows testRows() {
    Rows rows;
    for (int cents = 0; cents < 1000000; ++cents) {
        rows.x.push_back(float(double(cents) / 100.0));
        rows.y.push_back(float(double(cents % 100000) / 100.0));
        rows.z.push_back(float(double((cents * 7 + 3) % 100000) / 100.0));
        const double res = double((cents * 13 + 5) % 100000) / 100.0;
        rows.res.push_back(cents % 5 ? res : res + 0.0007 * (cents % 4));
    }
    std::mt19937_64 random(1600);
    const double offsets[] = {0.25, 0.3, 0.32, 0.35, 0.4, 0.45, 0.5, 0.55, 0.6, 0.65, 0.7};
    auto nearHalf = [&](int limit) {
        return (double(random() % unsigned(limit)) + offsets[random() % std::size(offsets)]) /
               100.0;
    };
    for (int i = 0; i < 64000; ++i) {
        rows.x.push_back(float(nearHalf(i % 211 ? 1000000 : 10000000)));
        rows.y.push_back(float(nearHalf(i % 223 ? 100000 : 1000000)));
        rows.z.push_back(float(i % 227 ? nearHalf(100000) : -nearHalf(100000)));
        const double special[] = {-1e-40, -0.0, std::numeric_limits<double>::quiet_NaN(), 1e300};
        rows.res.push_back(i % 229 ? nearHalf(100000) : special[(i / 229) % 4]);
    }
    return rows;
}
} // namespace

// Wherever the sixteen-row way takes a group, each row is what the row-by-row way writes;
// and it takes the plain rows.
TEST(SampleColumnsWide, SixteenRowsAsEachRowAlone) {
    if (!HasWideLanes())
        GTEST_SKIP() << "no 512-bit instructions here";
    const Rows rows = testRows();
    for (const char decimal : {'.', ','}) {
        size_t groups = 0, taken = 0;
        for (size_t first = 0; first + 16 <= rows.x.size(); first += 16, ++groups) {
            char wide[16 * 32];
            if (!WriteSixteenSampleColumns(wide, &rows.x[first], &rows.y[first], &rows.z[first],
                                           &rows.res[first], decimal))
                continue;
            ++taken;
            for (size_t r = 0; r < 16; ++r) {
                const size_t i = first + r;
                char one[SampleColumnsRoom];
                const char* end = WriteSampleColumns<false>(one, rows.x[i], rows.y[i], rows.z[i],
                                                            rows.res[i], decimal);
                ASSERT_EQ(std::string(wide + 32 * r, 32), std::string(one, size_t(end - one)))
                    << rows.x[i] << ' ' << rows.y[i] << ' ' << rows.z[i] << ' ' << rows.res[i];
            }
        }
        EXPECT_GE(taken, 1000000 / 16 * 9 / 10) << "of " << groups;
    }
}
#endif
