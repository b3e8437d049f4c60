#include "data/files/table_export.h"

#include "core/language.h"
#include "tests/data/files/files_test_support.h"
#include "tests/support/fake_ui.h"
#include "text/date_pattern.h"
#include "text/pattern_number.h"
#include "text/sample_columns.h"
#include "text/table_time_text.h"
#include "text/text_buffer.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <random>
#include <string>

namespace {
std::string pattern(double value, int digits, int decimals, bool integerDigit, char point = '.') {
    char text[PatternNumberRoom];
    return std::string(text,
                       WritePatternNumber(text, value, digits, decimals, integerDigit, point));
}

// The same through the layouts fixed beforehand.
std::string patternAs(double value, int digits, int decimals, bool integerDigit) {
    char text[PatternNumberRoom];
    const bool single = digits == SingleDigits;
    char* end =
        decimals == 2
            ? (single ? WritePatternNumberAs<SingleDigits, 2>(text, value, integerDigit, '.')
                      : WritePatternNumberAs<DoubleDigits, 2>(text, value, integerDigit, '.'))
            : (single ? WritePatternNumberAs<SingleDigits, 4>(text, value, integerDigit, '.')
                      : WritePatternNumberAs<DoubleDigits, 4>(text, value, integerDigit, '.'));
    return std::string(text, end);
}

// Samples across midnight: the second sample's time is 00:00:00 and shows it.
DataSet exported() {
    DataSet data = MakeDataSet({{1.23f, 4.56f, 7.89f},
                                {1234.5f, 1234.5f, 0.0f},
                                {0.5f, 0.5f, 0.5f},
                                {-1.0f, -1.0f, -1.0f}});
    data.StartDate = NaiveDateTime(2026, 12, 9, 23, 59, 55);
    return data;
}

QByteArray lines(std::initializer_list<const char*> texts) {
    QByteArray out;
    for (const char* t : texts)
        out += QByteArray(t) + "\r\n";
    return out;
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}
} // namespace

TEST(PatternNumber, LaysOutTheFormatPatterns) {
    const struct {
        double value;
        int digits, decimals;
        bool integerDigit;
        const char* text;
    } cases[] = {
        {0.5, SingleDigits, 4, false, ".5000"},
        {0.0, SingleDigits, 4, false, ".0000"},
        {-1.0, SingleDigits, 4, false, "-1.0000"},
        {-0.5, SingleDigits, 4, false, "-.5000"},
        {-0.00004, DoubleDigits, 4, false, ".0000"},
        {0.00005, DoubleDigits, 4, false, ".0001"},
        {1234.5, SingleDigits, 4, false, "1234.5000"},
        // Seven significant digits of a single-precision value, then the rounding.
        {double(1234.5678f), SingleDigits, 4, false, "1234.5680"},
        {double(2.675f), SingleDigits, 2, true, "2.68"},
        {double(0.125f), SingleDigits, 2, true, "0.13"},
        {double(2.675f), DoubleDigits, 2, true, "2.67"},
        {99.995, DoubleDigits, 2, true, "100.00"},
        {0.0, SingleDigits, 2, true, "0.00"},
        {-0.001, SingleDigits, 2, true, "0.00"},
        {1.0e20, DoubleDigits, 2, true, "100000000000000000000.00"},
        {9.99995, DoubleDigits, 4, false, "10.0000"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(pattern(c.value, c.digits, c.decimals, c.integerDigit), c.text) << c.value;
        EXPECT_EQ(patternAs(c.value, c.digits, c.decimals, c.integerDigit), c.text) << c.value;
    }
    EXPECT_EQ(pattern(0.5, SingleDigits, 4, false, ','), ",5000");
}

TEST(PatternNumber, FourDigitsOfEveryValueBelowTenThousand) {
    for (std::uint32_t n = 0; n < 10000; ++n) {
        const std::uint32_t bits = pattern_number_detail::FourDigits.digits[n];
        char text[5] = {};
        for (int i = 0; i < 4; ++i)
            text[i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
        char expected[16];
        std::snprintf(expected, sizeof expected, "%04u", n);
        ASSERT_STREQ(text, expected);
    }
}

TEST(PatternNumber, FixedLayoutsPadToTheirWidth) {
    const struct {
        double value;
        int width, leastBlanks;
        const char* text;
    } cases[] = {
        {1.5, 8, 0, "    1.50"},
        {-1.0, 6, 0, " -1.00"},
        {1234.5, 8, 0, " 1234.50"},
        {1234.5, 6, 0, "1234.50"},
        {1234.5, 8, 2, "  1234.50"},
        {1.5, 8, 2, "    1.50"},
        {12345.5, 8, 0, "12345.50"},
        {12345.5, 8, 2, "  12345.50"}, // past 10^4: the long way, padded the same
        {-12345.5, 8, 0, "-12345.50"},
        {0.004, 8, 0, "    0.00"},
        {1e20, 8, 0, "100000000000000000000.00"},
        {2.675, 0, 0, "2.68"}, // past the quick way's half: the long way
        {2.675, 6, 0, "  2.68"},
        {2.675, 0, 2, "  2.68"},
    };
    for (const auto& c : cases) {
        char text[PatternNumberRoom];
        const char* end = WritePatternNumberAs<SingleDigits, 2>(text, double(float(c.value)), true,
                                                                '.', c.width, c.leastBlanks);
        EXPECT_EQ(std::string(static_cast<const char*>(text), end), c.text)
            << c.value << ' ' << c.width << ' ' << c.leastBlanks;
    }
}

TEST(PatternNumber, ShortWayAgreesWithTheSignificantDigits) {
    // Values on, and next to, every rounding tie of 2 and 4 decimals, in both precisions.
    for (int k = -2000000; k <= 2000000; k += 7) {
        for (double offset : {0.0, 0.5, 0.4999, 0.5001, 0.45, 0.55}) {
            for (int decimals : {2, 4}) {
                const double exact = (k + offset) / (decimals == 2 ? 100.0 : 10000.0);
                for (int digits : {SingleDigits, DoubleDigits}) {
                    const double v = digits == SingleDigits ? double(float(exact)) : exact;
                    char slow[PatternNumberRoom];
                    const std::string b(slow, WritePatternNumberBySignificantDigits(
                                                  slow, v, digits, decimals, false, '.'));
                    ASSERT_EQ(pattern(v, digits, decimals, false), b) << v;
                }
            }
        }
    }
}

TEST(PatternNumber, ShortWayAgreesAtEveryMagnitude) {
    // Values of every size from 10^-6 to 10^17, and values on and next to the ties of the
    // last decimal up to 10^13, in both precisions and with both the exports' decimals.
    std::mt19937_64 random(720);
    for (int i = 0; i < 200000; ++i) {
        const double sign = random() % 2 ? -1.0 : 1.0;
        const int exponent = static_cast<int>(random() % 24) - 6;
        const double mantissa = 1.0 + static_cast<double>(random() % 9000000000) / 1e9;
        const double offsets[] = {0.5, 0.45, 0.55, 0.4999, 0.5001, 0.0};
        const double offset = offsets[random() % std::size(offsets)];
        const auto whole = static_cast<double>(random() % 10000000000000);
        for (int decimals : {2, 4}) {
            const double values[] = {sign * mantissa * std::pow(10.0, exponent),
                                     sign * (whole + offset) / std::pow(10.0, decimals)};
            for (const double exact : values) {
                for (int digits : {SingleDigits, DoubleDigits}) {
                    const double v = digits == SingleDigits ? double(float(exact)) : exact;
                    char slow[PatternNumberRoom];
                    const std::string b(slow, WritePatternNumberBySignificantDigits(
                                                  slow, v, digits, decimals, false, '.'));
                    ASSERT_EQ(pattern(v, digits, decimals, false), b) << v;
                    ASSERT_EQ(patternAs(v, digits, decimals, false), b) << v;
                }
            }
        }
    }
}

struct ExportCase {
    const char* locale;
    QByteArray tab;
    QByteArray csvRows;
};

class TableExport : public ::testing::TestWithParam<ExportCase> {
protected:
    LanguageLoaded language;
};

TEST_P(TableExport, TabTableByteForByte) {
    const ExportCase& c = GetParam();
    EXPECT_EQ(TabTableBytes(exported(), QLocale(QString::fromLatin1(c.locale))).toStdString(),
              c.tab.toStdString());
}

TEST_P(TableExport, CsvFileByteForByte) {
    const ExportCase& c = GetParam();
    const QByteArray head =
        (ResString(3016) + ";\r\n" + ResString(3017) + ": SN001;\r\n" + ResString(3018) +
         ": Cantiere nord;\r\n" + ResString(3019) + ": Upload;\r\n" + ResString(4050) + ';' +
         ResString(4015) + ';' + ResString(4016) + ';' + ResString(4017) + ';' + ResString(4018) +
         ";\r\n")
            .toUtf8();
    EXPECT_FALSE(ResString(4050).isEmpty());
    EXPECT_EQ(CsvFileBytes(exported(), QLocale(QString::fromLatin1(c.locale))).toStdString(),
              (head + c.csvRows).toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Locales, TableExport,
    ::testing::Values(
        ExportCase{"en_GB",
                   lines({"09/12/2026 23:59:55\t    1.23\t    4.56\t    7.89\t    9.20",
                          "10/12/2026 00:00:00\t 1234.50\t  1234.50\t    0.00\t  1745.85",
                          "10/12/2026 00:00:05\t    0.50\t    0.50\t    0.50\t    0.87",
                          "10/12/2026 00:00:10\t   -1.00\t   -1.00\t   -1.00\t   -1.00"}),
                   lines({"09/12/2026 23:59:55;1.2300;4.5600;7.8900;9.2000;",
                          "10/12/2026 00:00:00;1234.5000;1234.5000;.0000;1745.8500;",
                          "10/12/2026 00:00:05;.5000;.5000;.5000;.8700;",
                          "10/12/2026 00:00:10;-1.0000;-1.0000;-1.0000;-1.0000;"})},
        ExportCase{"it_IT",
                   lines({"09/12/2026 23:59:55\t    1,23\t    4,56\t    7,89\t    9,20",
                          "10/12/2026 00:00:00\t 1234,50\t  1234,50\t    0,00\t  1745,85",
                          "10/12/2026 00:00:05\t    0,50\t    0,50\t    0,50\t    0,87",
                          "10/12/2026 00:00:10\t   -1,00\t   -1,00\t   -1,00\t   -1,00"}),
                   lines({"09/12/2026 23:59:55;1,2300;4,5600;7,8900;9,2000;",
                          "10/12/2026 00:00:00;1234,5000;1234,5000;,0000;1745,8500;",
                          "10/12/2026 00:00:05;,5000;,5000;,5000;,8700;",
                          "10/12/2026 00:00:10;-1,0000;-1,0000;-1,0000;-1,0000;"})},
        ExportCase{"en_US",
                   lines({"12/9/2026 11:59:55 PM\t    1.23\t    4.56\t    7.89\t    9.20",
                          "12/10/2026 12:00:00 AM\t 1234.50\t  1234.50\t    0.00\t  1745.85",
                          "12/10/2026 12:00:05 AM\t    0.50\t    0.50\t    0.50\t    0.87",
                          "12/10/2026 12:00:10 AM\t   -1.00\t   -1.00\t   -1.00\t   -1.00"}),
                   lines({"12/9/2026 11:59:55 PM;1.2300;4.5600;7.8900;9.2000;",
                          "12/10/2026 12:00:00 AM;1234.5000;1234.5000;.0000;1745.8500;",
                          "12/10/2026 12:00:05 AM;.5000;.5000;.5000;.8700;",
                          "12/10/2026 12:00:10 AM;-1.0000;-1.0000;-1.0000;-1.0000;"})}));

// The CSV header written out by hand in both languages of the table, so that a wrong text
// id shows.
TEST(TableExportHeader, CsvHeaderInItalianAndEnglish) {
    LanguageLoaded language;
    const struct {
        int language;
        const char* head;
    } cases[] = {
        {0,
         "Corvanel - Tabella dei dati KL720;\r\nID breve: SN001;\r\nID esteso: Cantiere nord;\r\n"
         "Origine dei dati: Upload;\r\nData e ora;Asse X;Asse Y;Asse Z;Risultante;\r\n"},
        {1, "Corvanel - KL720 data table;\r\nShort ID: SN001;\r\nLong ID: Cantiere nord;\r\n"
            "Data source: Upload;\r\nDate and time;X axis;Y axis;Z axis;Resultant;\r\n"},
    };
    for (const auto& c : cases) {
        SetLanguage(c.language);
        EXPECT_EQ(CsvFileBytes(MakeDataSet({}), QLocale(QStringLiteral("it_IT"))).toStdString(),
                  c.head)
            << c.language;
    }
    SetLanguage(0);
}

TEST(TableExportEmpty, EmptyDataSetGivesNoRowsAndTheCsvHeaderAlone) {
    LanguageLoaded language;
    DataSet empty = MakeDataSet({});
    EXPECT_EQ(TabTableBytes(empty, QLocale(QStringLiteral("en_GB"))), QByteArray());
    const QByteArray csv = CsvFileBytes(empty, QLocale(QStringLiteral("en_GB")));
    EXPECT_EQ(csv.count("\r\n"), 5);
    EXPECT_TRUE(csv.endsWith(";\r\n"));
}

TEST(TableExportFiles, KindChoosesTheFormatAndAFailureLeavesThePreviousFileWhole) {
    LanguageLoaded language;
    FakeUi ui;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("out.txt"));
    ReplaceCurrentData(exported());
    ASSERT_TRUE(SaveTableFile(path, 1));
    const QByteArray csv = readFile(path);
    EXPECT_EQ(csv, CsvFileBytes(CurrentData()));
    ASSERT_TRUE(SaveTableFile(path, 2));
    EXPECT_EQ(readFile(path), TabTableBytes(CurrentData()));

    // Arrays shorter than the count: the export fails before the file is touched.
    DataSet broken = exported();
    broken.NumSamples = 10;
    ReplaceCurrentData(std::move(broken));
    EXPECT_FALSE(SaveTableFile(path, 1));
    EXPECT_EQ(readFile(path), TabTableBytes(exported()));
    ASSERT_EQ(ui.standardCalls.size(), 1);
    EXPECT_TRUE(ui.standardCalls[0].text.contains(QStringLiteral("SaveCsvFile")));

    // A folder that does not exist.
    ReplaceCurrentData(exported());
    EXPECT_FALSE(SaveTableFile(folder.filePath(QStringLiteral("no/such/out.tab")), 2));
    ASSERT_EQ(ui.standardCalls.size(), 2);
    EXPECT_TRUE(ui.standardCalls[1].text.contains(QStringLiteral("SaveFileTxt")));
    ReplaceCurrentData(DataSet());
}

// A long export, in which the columns of many rows are laid out at once wherever the
// processor can: every row's columns are what the row alone gives, through runs broken by
// a sample that is not available or a value beyond its column, and the last rows that
// make no whole run.
TEST(TableExportRows, EveryRowsColumnsAsTheRowAloneGivesThem) {
    std::mt19937 random(1003);
    DataSet data = MakeDataSet({});
    for (int i = 0; i < 1003; ++i) {
        auto value = [&](int limit) { return float(double(random() % unsigned(limit)) / 100.0); };
        const bool missing = i % 101 == 50;
        const float x = missing ? -1.0f : value(i % 97 ? 70000 : 10000000);
        const float y = missing ? -1.0f : value(50000);
        const float z = missing ? -1.0f : value(30000);
        data.DataX.append(x);
        data.DataY.append(y);
        data.DataZ.append(z);
        data.DataRes.append(missing ? -1.0 : std::nearbyint(std::hypot(x, y, z) * 100) / 100);
    }
    data.NumSamples = 1003;
    for (const char* name : {"en_GB", "it_IT"}) {
        const QLocale locale{QString::fromLatin1(name)};
        const QList<QByteArray> rows = TabTableBytes(data, locale).split('\n');
        ASSERT_EQ(rows.size(), 1004);
        for (qint32 i = 1; i <= 1003; ++i) {
            char columns[SampleColumnsRoom];
            const char* end =
                WriteSampleColumns<true>(columns, data.DataX[i], data.DataY[i], data.DataZ[i],
                                         data.DataRes[i], locale.decimalPoint().at(0).toLatin1());
            const QByteArray& row = rows[i - 1];
            ASSERT_EQ(row.mid(row.indexOf('\t')).toStdString(),
                      std::string(columns, size_t(end - columns)) + "\r")
                << name << " row " << i;
        }
    }
}

// The CSV export's numbers, laid out the quick way wherever they can be: every field is what
// the long way gives, through the significant digits, also for values below 1 (no integer
// digit), off a hundredth, near a half of the last decimal, negative, not below 1000, not
// available or no number.
TEST(TableExportRows, EveryCsvNumberAsTheLongWayGivesIt) {
    std::mt19937 random(1004);
    DataSet data = MakeDataSet({});
    const double offsets[] = {0, 0, 0, 0, 0.00003, 0.00005, 0.00004999, 0.0001, -0.00002};
    auto value = [&](int limit) {
        const double v = double(random() % unsigned(limit)) / 100.0;
        const unsigned special = random() % 64;
        if (special == 0)
            return -v;
        if (special == 1)
            return v + 1000;
        if (special == 2)
            return std::nan("");
        return v + offsets[random() % std::size(offsets)];
    };
    const int n = 4000;
    for (int i = 0; i < n; ++i) {
        const bool missing = i % 101 == 50;
        data.DataX.append(missing ? -1.0f : float(value(i % 3 ? 100 : 70000)));
        data.DataY.append(missing ? -1.0f : float(value(50000)));
        data.DataZ.append(missing ? -1.0f : float(value(300)));
        data.DataRes.append(missing ? -1.0 : value(90000));
    }
    data.NumSamples = n;
    for (const char* name : {"en_GB", "it_IT"}) {
        const QLocale locale{QString::fromLatin1(name)};
        const char decimal = locale.decimalPoint().at(0).toLatin1();
        auto longWay = [&](double v, int digits) {
            char text[PatternNumberRoom];
            return std::string(text, size_t(WritePatternNumberBySignificantDigits(
                                                text, v, digits, 4, false, decimal) -
                                            text));
        };
        const QList<QByteArray> lines = CsvFileBytes(data, locale).split('\n');
        const qsizetype first = lines.size() - 1 - n;
        for (qint32 i = 1; i <= n; ++i) {
            const QList<QByteArray> fields = lines[first + i - 1].split(';');
            ASSERT_EQ(fields.size(), 6) << name << " row " << i;
            const std::string expected[4] = {longWay(data.DataX[i], 7), longWay(data.DataY[i], 7),
                                             longWay(data.DataZ[i], 7),
                                             longWay(data.DataRes[i], 15)};
            for (int k = 0; k < 4; ++k)
                ASSERT_EQ(fields[k + 1].toStdString(), expected[k])
                    << name << " row " << i << " field " << k;
        }
    }
}

// The CSV rows are laid out two at a time, eight numbers at once, wherever the processor can:
// a pair of rows with one number the quick lanes cannot take, in any of the eight places, is
// still every row as the date, the time and the long way's numbers give it, through hours and
// a midnight.
TEST(TableExportRows, CsvRowPairsWithOneLongWayNumberInAnyPlace) {
    const double longWay[] = {-1.0,      -0.5,    -0.00001,   1000.0,      1234.56789,
                              999.99996, 2.00005, 0.00004999, std::nan("")};
    const double quick[] = {0.0, 0.5, 0.0001, 7.25, 19.99, 123.4567, 999.9999, 0.00003};
    std::mt19937 random(1005);
    DataSet data = MakeDataSet({});
    data.StartDate = NaiveDateTime(2026, 12, 9, 22, 58, 30);
    data.SampleStep = 3;
    auto add = [&](const double(&values)[8], int first) {
        data.DataX.append(float(values[first]));
        data.DataY.append(float(values[first + 1]));
        data.DataZ.append(float(values[first + 2]));
        data.DataRes.append(values[first + 3]);
    };
    for (int round = 0; round < 12; ++round) {
        for (const double odd : longWay) {
            for (int place = 0; place < 8; ++place) {
                double values[8];
                for (double& v : values)
                    v = quick[random() % std::size(quick)];
                values[place] = odd;
                add(values, 0);
                add(values, 4);
            }
        }
    }
    const int n = int(data.DataX.size()) - 1;
    data.NumSamples = n;
    for (const char* name : {"en_GB", "it_IT"}) {
        const QLocale locale{QString::fromLatin1(name)};
        const char decimal = locale.decimalPoint().at(0).toLatin1();
        auto number = [&](double v, int digits) {
            char text[PatternNumberRoom];
            return std::string(text, size_t(WritePatternNumberBySignificantDigits(
                                                text, v, digits, 4, false, decimal) -
                                            text)) +
                   ";";
        };
        RowTimeText times(ShortDatePattern(locale), LongTimePattern(locale), locale);
        const QList<QByteArray> lines = CsvFileBytes(data, locale).split('\n');
        const qsizetype first = lines.size() - 1 - n;
        for (qint32 i = 1; i <= n; ++i) {
            TextBuffer time;
            times.AppendDateAndTime(time, data.StartDate.toSecsSinceEpoch() + 3 * qint64(i - 1));
            const std::string expected = time.Text().toStdString() + ";" +
                                         number(data.DataX[i], 7) + number(data.DataY[i], 7) +
                                         number(data.DataZ[i], 7) + number(data.DataRes[i], 15) +
                                         "\r";
            ASSERT_EQ(lines[first + i - 1].toStdString(), expected) << name << " row " << i;
        }
    }
}
