#include "tests/views/table/table_fixture.h"
#include "views/table/table_text.h"

#include "tests/support/default_locale.h"
#include "text/date_math.h"

#include <gtest/gtest.h>

namespace {
QString joined(const QStringList& lines) {
    return lines.join(QStringLiteral("\r\n"));
}

// The three-sample set most cases use: an ordinary sample, one not available, and one
// whose columns are wider than eight characters.
DataSet threeSamples() {
    return MakeData(
        {{1.5f, 2.25f, 0.5f, 2.75}, {-1, -1, -1, -1}, {12.34f, 123.45f, 1234.5f, 1241.37}});
}

class TableText : public ::testing::Test {
protected:
    TaggedLanguage language;
    DefaultLocale cLocale{QLocale::c()}; // the texts below are the C locale's
};
} // namespace

TEST_F(TableText, TimeOrderListsEverySampleWithHeaderAndMedianRow) {
    const DataTable table = BuildDataTable(threeSamples(), TableOrder::Time);
    EXPECT_EQ(QString::fromUtf8(table.text),
              joined({"T3016", "T3017: KL720 A", "T3018: Via Roma 1", "T3019: Upload",
                      "         Mediana dei dati :622.06(uT)", "T3020", "",
                      "9 Dec 2026 07:44:47    1.50    2.25    0.50    2.75",
                      "9 Dec 2026 07:45:47 NOT AVAILABLE - OPERATING GSM",
                      "9 Dec 2026 07:46:47   12.34  123.45  1234.50  1241.37", ""}));
    EXPECT_EQ(table.headerOffset, 7);
    // Two available samples: the median stands on the lower one, sample 1.
    EXPECT_EQ(table.medianRow, 0);
}

TEST_F(TableText, ValueOrderRunsFromSmallestResultantAndKeepsSamplesNotAvailable) {
    const DataTable table = BuildDataTable(threeSamples(), TableOrder::Value);
    const QStringList lines = Lines(table.text);
    ASSERT_EQ(lines.size(), 7 + 3 + 1);
    EXPECT_EQ(lines.mid(7),
              QStringList({"9 Dec 2026 07:45:47 NOT AVAILABLE - OPERATING GSM",
                           "9 Dec 2026 07:44:47    1.50    2.25    0.50    2.75",
                           "9 Dec 2026 07:46:47   12.34  123.45  1234.50  1241.37", ""}));
    EXPECT_EQ(table.medianRow, 1);
}

TEST_F(TableText, SortPlaceholderAmongTheSamplesNeverBecomesARow) {
    // The sorted arrays as a sort over all positions leaves them: the empty element 0
    // (value 0) behind the samples not available.
    DataSet data = threeSamples();
    data.SortedIndex = {2, 0, 1, 3};
    data.SortedRes = {-1, 0, 2.75, 1241.37};
    data.MedianIndex = 1; // names the placeholder
    data.MedianSampleNumber = 0;
    const DataTable value = BuildDataTable(data, TableOrder::Value);
    const QStringList lines = Lines(value.text);
    ASSERT_EQ(lines.size(), 11);
    EXPECT_TRUE(lines[7].endsWith(QLatin1String(NotAvailableMarker)));
    EXPECT_TRUE(lines[8].startsWith(QStringLiteral("9 Dec 2026 07:44:47")));
    EXPECT_TRUE(lines[9].startsWith(QStringLiteral("9 Dec 2026 07:46:47")));
    EXPECT_EQ(value.medianRow, -1);
    EXPECT_EQ(BuildDataTable(data, TableOrder::Time).medianRow, -1);
}

TEST_F(TableText, SortedArraysOfAnotherDataSetAreNotUsed) {
    DataSet data = threeSamples();
    data.SortedIndex = {0, 3, 1, 2}; // not ascending for these values
    EXPECT_EQ(ValueOrder(data), (std::vector<qint32>{2, 1, 3}));
    data.SortedIndex = {0, 1, 2}; // one sample short
    EXPECT_EQ(ValueOrder(data), (std::vector<qint32>{2, 1, 3}));
    data.SortedIndex = {0, 2, 2, 3}; // a sample twice
    EXPECT_EQ(ValueOrder(data), (std::vector<qint32>{2, 1, 3}));
    data.SortedIndex.clear();
    EXPECT_EQ(ValueOrder(data), (std::vector<qint32>{2, 1, 3}));
    data.MedianSampleNumber = 4; // no sample of this data set
    EXPECT_EQ(MedianSample(data), -1);
}

TEST_F(TableText, EqualValuesKeepTheSortedArraysOrder) {
    DataSet data = MakeData({{1, 1, 1, 5}, {1, 1, 1, 5}, {1, 1, 1, 2}});
    data.SortedIndex = {0, 3, 2, 1};
    EXPECT_EQ(ValueOrder(data), (std::vector<qint32>{3, 2, 1}));
}

TEST_F(TableText, StationImportHasOneHeaderLineMore) {
    DataSet data = MakeData({{0.5f, 0.25f, 0, 0.75}, {1, 2, 3, 4}});
    data.RfDataPresent = true;
    data.DataSourceName = QStringLiteral("File Centralina");
    data.CsvAuxMin = 1;
    data.CsvAuxMax = 3.5f;
    data.CsvAuxMean = 2.25f;
    // A station import leaves whatever sorted arrays the previous data set had.
    data.SortedIndex = {0, 7, 9, 11, 4};
    data.MedianIndex = 1;
    data.MedianSampleNumber = 7;
    data.MedianValue = 0;
    const DataTable table = BuildDataTable(data, TableOrder::Time);
    EXPECT_EQ(QString::fromUtf8(table.text),
              joined({"T3016", "T3017: KL720 A", "T3018: Via Roma 1", "T3019: File Centralina",
                      "         Mediana dei dati :0.00(uT)", "T45 1.00 T46 3.50 T47 2.25 ",
                      "T3020T3050", "", "9 Dec 2026 07:44:47    0.50    0.25    0.00    0.75",
                      "9 Dec 2026 07:45:47    1.00    2.00    3.00    4.00", ""}));
    EXPECT_EQ(table.headerOffset, 8);
    EXPECT_EQ(table.medianRow, -1);
    SortAndMedian(data);
    EXPECT_EQ(BuildDataTable(data, TableOrder::Time).medianRow, 0);
    EXPECT_EQ(BuildDataTable(data, TableOrder::Value).medianRow, 0);
}

TEST_F(TableText, OneSampleGivesHeaderEmptyLineAndOneRowWithTheMedian) {
    const DataTable table = BuildDataTable(MakeData({{3, 4, 0, 5}}), TableOrder::Value);
    const QStringList lines = Lines(table.text);
    ASSERT_EQ(lines.size(), 9);
    EXPECT_EQ(lines[6], QString());
    EXPECT_EQ(lines[7], QStringLiteral("9 Dec 2026 07:44:47    3.00    4.00    0.00    5.00"));
    EXPECT_EQ(table.medianRow, 0);
}

TEST_F(TableText, EmptyDataSetGivesTheHeaderOnly) {
    DataSet data = MakeData(std::vector<Sample>{});
    data.SampleStepUnit.clear();
    const DataTable table = BuildDataTable(data, TableOrder::Time);
    EXPECT_EQ(Lines(table.text).size(), 8);
    EXPECT_EQ(table.medianRow, -1);
}

TEST_F(TableText, AnyNegativeComponentGivesTheMarkerInBothOrders) {
    for (int component = 0; component < 4; ++component) {
        Sample s{1, 2, 3, 4};
        (component == 0 ? s.x : component == 1 ? s.y : s.z) = -1;
        if (component == 3) {
            s.z = 3;
            s.res = -1;
        }
        const DataSet data = MakeData({s});
        for (TableOrder order : {TableOrder::Time, TableOrder::Value}) {
            EXPECT_EQ(Lines(BuildDataTable(data, order).text)[7],
                      QStringLiteral("9 Dec 2026 07:44:47 NOT AVAILABLE - OPERATING GSM"))
                << component;
        }
    }
}

TEST_F(TableText, ColumnsArePaddedToEightCharactersAndNeverCut) {
    struct Case {
        double value;
        const char* first;  // x column
        const char* others; // y, z and resultant columns
    };
    const Case cases[] = {
        {0, "    0.00", "    0.00"},       {0.5, "    0.50", "    0.50"},
        {12.34, "   12.34", "   12.34"},   {123.45, "  123.45", "  123.45"},
        {1234.5, " 1234.50", "  1234.50"}, {12345.67, "12345.67", "  12345.67"},
    };
    for (const Case& c : cases) {
        const float v = static_cast<float>(c.value);
        const DataSet data = MakeData({{v, v, v, c.value}});
        const QString row = Lines(BuildDataTable(data, TableOrder::Time).text)[7];
        const QString expected = QStringLiteral("9 Dec 2026 07:44:47") + QLatin1String(c.first) +
                                 QLatin1String(c.others) + QLatin1String(c.others) +
                                 QLatin1String(c.others);
        EXPECT_EQ(row, expected) << c.value;
    }
}

TEST_F(TableText, MidnightShowsItsTimeInTimeOrderOnly) {
    DataSet data = MakeData({{1, 1, 1, 2}, {1, 1, 1, 1}});
    data.StartDate = NaiveDateTime(2026, 12, 31, 23, 0, 0);
    data.SampleStepUnit = QStringLiteral("h");
    EXPECT_EQ(Lines(BuildDataTable(data, TableOrder::Time).text)[8],
              QStringLiteral("1 Jan 2027 00:00:00    1.00    1.00    1.00    1.00"));
    EXPECT_EQ(Lines(BuildDataTable(data, TableOrder::Value).text)[7],
              QStringLiteral("1 Jan 2027    1.00    1.00    1.00    1.00"));
}

TEST_F(TableText, StepUnitsAndDayRollOver) {
    struct Case {
        const char* unit;
        qint32 step;
        const char* second; // time text of sample 2
    };
    const Case cases[] = {{"s", 30, "9 Dec 2026 07:45:17"},
                          {"n", 20, "9 Dec 2026 08:04:47"},
                          {"h", 17, "10 Dec 2026 00:44:47"},
                          {"d", 23, "1 Jan 2027 07:44:47"}};
    for (const Case& c : cases) {
        DataSet data = MakeData({{1, 1, 1, 1}, {1, 1, 1, 1}});
        data.SampleStepUnit = QLatin1String(c.unit);
        data.SampleStep = c.step;
        EXPECT_TRUE(Lines(BuildDataTable(data, TableOrder::Time).text)[8].startsWith(
            QLatin1String(c.second)))
            << c.unit;
    }
}

TEST_F(TableText, UnknownStepUnitOrShortArraysAreErrors) {
    DataSet data = threeSamples();
    data.SampleStepUnit = QStringLiteral("m");
    EXPECT_ANY_THROW(BuildDataTable(data, TableOrder::Time));
    data = threeSamples();
    data.DataZ.resize(2);
    EXPECT_ANY_THROW(BuildDataTable(data, TableOrder::Value));
}

TEST_F(TableText, RowsFollowTheLocaleDatesAndDecimalSeparator) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    const DataTable table = BuildDataTable(threeSamples(), TableOrder::Time);
    QLocale::setDefault(saved);
    const QStringList lines = Lines(table.text);
    EXPECT_EQ(lines[4], QStringLiteral("         Mediana dei dati :622,06(uT)"));
    EXPECT_EQ(lines[7], QStringLiteral("09/12/2026 07:44:47    1,50    2,25    0,50    2,75"));
    EXPECT_EQ(lines[9], QStringLiteral("09/12/2026 07:46:47   12,34  123,45  1234,50  1241,37"));
}

TEST_F(TableText, HalfwayFiguresRoundAwayFromZeroAsTheirPatternDoes) {
    // An even count: the median is the mean of the middle values 0.12 and 0.13, 0.125.
    const DataTable table =
        BuildDataTable(MakeData({{0.125f, 2.675f, 0.005f, 0.12}, {0.25f, 0.375f, 1.005f, 0.13}}),
                       TableOrder::Time);
    const QStringList lines = QString::fromUtf8(table.text).split(QStringLiteral("\r\n"));
    ASSERT_GE(lines.size(), 9);
    EXPECT_EQ(lines[4], QStringLiteral("         Mediana dei dati :0.13(uT)"));
    EXPECT_EQ(lines[7], QStringLiteral("9 Dec 2026 07:44:47    0.13    2.68    0.01    0.12"));
    EXPECT_EQ(lines[8], QStringLiteral("9 Dec 2026 07:45:47    0.25    0.38    1.01    0.13"));
}
