// The table's rows made one at a time, in any order, give the lines of the whole text.
#include "tests/support/default_locale.h"
#include "tests/views/table/table_fixture.h"
#include "text/date_math.h"
#include "text/date_pattern.h"
#include "text/format_pattern.h"
#include "views/table/table_rows.h"
#include "views/table/table_text.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {
// A day's worth of samples and more, with gaps and values of every width.
DataSet longDataSet(bool station) {
    std::vector<Sample> samples;
    std::mt19937 random(7);
    for (int i = 0; i < 3000; ++i) {
        if (i % 97 == 3) {
            samples.push_back({-1, -1, -1, -1});
            continue;
        }
        const float x = float(random() % 200000) / 100.0f;
        samples.push_back(
            {x, float(random() % 300) / 100.0f, 0.5f, double(random() % 400) / 100.0});
    }
    DataSet data = MakeData(samples);
    data.SampleStep = 45; // minutes: rows over many days, midnight among them
    if (station) {
        data.RfDataPresent = true;
        data.CsvAuxMin = 1;
        data.CsvAuxMax = 2;
        data.CsvAuxMean = 1.5f;
    }
    SortAndMedian(data);
    SortByValue(data);
    return data;
}

class TableRowsTest : public ::testing::Test {
protected:
    TaggedLanguage language;
};
} // namespace

TEST_F(TableRowsTest, LinesInAnyOrderAreTheLinesOfTheWholeText) {
    for (const char* name : {"C", "it_IT", "en_US", "ar_EG"}) {
        const DefaultLocale scope{QLocale(QLatin1String(name))};
        for (const bool station : {false, true}) {
            const DataSet data = longDataSet(station);
            for (const TableOrder order : {TableOrder::Time, TableOrder::Value}) {
                const TableRows rows(data, order);
                const QStringList lines = Lines(rows.Text());
                ASSERT_EQ(rows.LineCount(), lines.size()) << name;
                EXPECT_EQ(rows.HeaderOffset(), station ? 8 : 7);
                // Backwards, then at random: each line made alone, whatever came before.
                std::vector<qint32> sequence(size_t(rows.LineCount()));
                for (qint32 i = 0; i < rows.LineCount(); ++i)
                    sequence[size_t(i)] = rows.LineCount() - 1 - i;
                std::mt19937 random(3);
                std::vector<qint32> shuffled = sequence;
                std::shuffle(shuffled.begin(), shuffled.end(), random);
                sequence.insert(sequence.end(), shuffled.begin(), shuffled.begin() + 500);
                for (const qint32 line : sequence) {
                    ASSERT_EQ(rows.Line(line), lines[line]) << name << " line " << line;
                    ASSERT_EQ(rows.LineLength(line), lines[line].size());
                }
                EXPECT_EQ(rows.Line(rows.LineCount()), QString());
                EXPECT_EQ(rows.LineLength(rows.LineCount()), -1);
                EXPECT_EQ(rows.LineLength(-1), -1);
                // The same text as the table text, written a block at a time too.
                const DataTable table = BuildDataTable(data, order);
                EXPECT_EQ(rows.Text(), table.text);
                EXPECT_EQ(rows.MedianRow(), table.medianRow);
                QBuffer written;
                written.open(QIODevice::WriteOnly);
                ASSERT_TRUE(rows.Write(written));
                EXPECT_EQ(written.data(), table.text);
            }
        }
    }
}

// Every row's time, minute by minute over a day and a half: across the hours where a
// 12-hour clock's hour gains a digit, noon, midnight and the night the clocks of Italy go
// forward (every hour of it is in the naive timeline).
TEST_F(TableRowsTest, TimeOrderRowsShowTheLocalesDateAndTimeAtEveryHour) {
    for (const char* name : {"C", "it_IT", "en_GB", "en_US"}) {
        const DefaultLocale scope{QLocale(QLatin1String(name))};
        const QLocale locale;
        DataSet data = MakeData(std::vector<Sample>(2200, {1, 2, 3, 4}));
        data.StartDate = NaiveDateTime(2026, 3, 28, 0, 57, 31);
        const QStringList lines = Lines(BuildDataTable(data, TableOrder::Time).text);
        ASSERT_EQ(lines.size(), 7 + 2200 + 1) << name;
        const QString columns = QStringLiteral("    ") + locale.toString(1.0, 'f', 2);
        for (int i = 0; i < 2200; ++i) {
            const QDateTime when = data.StartDate.addSecs(60 * i);
            const QString time = locale.toString(when.date(), ShortDatePattern(locale)) + u' ' +
                                 locale.toString(when.time(), LongTimePattern(locale));
            ASSERT_EQ(lines[7 + i].left(time.size() + columns.size()), time + columns)
                << name << " row " << i;
        }
    }
}

TEST_F(TableRowsTest, MedianRowIsTheMedianSampleInEitherOrder) {
    const DataSet data = longDataSet(false);
    const qint32 sample = data.MedianSampleNumber;
    ASSERT_GE(sample, 1);
    const TableRows time(data, TableOrder::Time);
    EXPECT_EQ(time.MedianRow(), sample - 1);
    const TableRows value(data, TableOrder::Value);
    // The median's row in value order is its position in the sorted arrays, and the row
    // shows that sample (its time).
    EXPECT_EQ(value.MedianRow(), data.MedianIndex - 1);
    EXPECT_EQ(value.Line(value.HeaderOffset() + value.MedianRow()).left(12),
              time.Line(time.HeaderOffset() + sample - 1).left(12));
}

TEST_F(TableRowsTest, KeepsItsRowsWhenTheDataSetIsReplaced) {
    DataSet data = MakeData({{1, 2, 3, 3.74}, {4, 5, 6, 8.77}});
    const TableRows rows(data, TableOrder::Time);
    const QString row = rows.Line(rows.HeaderOffset() + 1);
    data = MakeData({{9, 9, 9, 15.59}});
    EXPECT_EQ(rows.Line(rows.HeaderOffset() + 1), row);
}

TEST_F(TableRowsTest, NumbersShowTheLocalesDigitsInEveryRow) {
    // Digits other than 0-9 (and a separator of two bytes): every number is the windows'
    // number text, a rounding half (0.125, 2.675) as much as any other value.
    const QLocale arabic(QLocale::Arabic, QLocale::Egypt);
    const DefaultLocale scope{arabic};
    const DataSet data = MakeData({{1.5f, 0.125f, 2.675f, 3.25}, {123.45f, 0.3f, 7.0f, 9.995}});
    const TableRows rows(data, TableOrder::Time);
    for (qint32 row = 0; row < 2; ++row) {
        const QString line = rows.Line(rows.HeaderOffset() + row);
        const float x = data.DataX[row + 1], y = data.DataY[row + 1], z = data.DataZ[row + 1];
        const QString columns =
            FormatPattern(x, u"#0.00", arabic).rightJustified(8) +
            FormatPattern(y, u"#0.00", arabic).rightJustified(8) +
            FormatPattern(z, u"#0.00", arabic).rightJustified(8) +
            FormatPattern(data.DataRes[row + 1], u"#0.00", arabic).rightJustified(8);
        EXPECT_TRUE(line.endsWith(columns)) << line.toStdString();
        EXPECT_FALSE(line.right(32).contains(u'1')) << line.toStdString(); // no 0-9 digit
    }
}
