#include "data/files/session_log.h"

#include "core/error_report.h"
#include "tests/data/files/files_test_support.h"
#include "text/display_texts.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <clocale>
#include <cmath>
#include <future>
#include <limits>
#include <random>
#include <vector>

namespace {
FileTextLocale locale(const char* name) {
    return FileTextLocale(QLocale(QLatin1String(name)));
}

// The small session of the golden files: a plain record, a zero and a large value, a
// sample that is not available, and a negative value with a rounding tie.
DataSet goldenSession() {
    return MakeDataSet({{1.23f, 4.56f, 7.89f},
                        {0.0f, 0.01f, 200.0f},
                        {-1.0f, -1.0f, -1.0f},
                        {-0.5f, 12.0f, 0.125f}});
}

DataSet read(const QByteArray& bytes, const FileTextLocale& text = locale("en_GB")) {
    DataSet data;
    EXPECT_EQ(ReadSessionLog(bytes, text, data), LoadRefusal::None);
    return data;
}

QStringList header(const char* times = nullptr, const char* step = nullptr,
                   const char* count = nullptr) {
    return {QStringLiteral("Field Activity Log"),
            times ? QString::fromUtf8(times)
                  : QStringLiteral("09/12/2026 07:44:47@09/12/2026 09:44:47@1"),
            step ? QString::fromUtf8(step) : QStringLiteral("5s"),
            count ? QString::fromUtf8(count) : QStringLiteral("1"),
            QStringLiteral("SN001"),
            QStringLiteral("Cantiere nord")};
}
// The records of a data set as the long way writes them, value by value through the
// significant digits.
QByteArray longWayRecords(const DataSet& data, char decimal) {
    QByteArray records;
    auto number = [&](float value) {
        char text[TwoDecimalsMaxLength];
        records.append(text, WriteTwoDecimalsBySignificantDigits(text, value, decimal) - text);
    };
    for (qint32 i = 1; i <= data.NumSamples; ++i) {
        if (data.DataX[i] == -1 && data.DataY[i] == -1 && data.DataZ[i] == -1) {
            records += "\"-1 -1 -1 0\"\r\n";
            continue;
        }
        records += '"';
        number(data.DataX[i]);
        records += ' ';
        number(data.DataY[i]);
        records += ' ';
        number(data.DataZ[i]);
        records += "  0\"\r\n";
    }
    return records;
}

// The session log of count samples (sample(i) the values of the i-th) written with either
// decimal separator: its records are the long way's, byte for byte.
template <class Sample> void expectRecordsOfTheLongWay(qint32 count, Sample&& sample) {
    DataSet data = MakeDataSet({});
    data.NumSamples = count;
    data.DataX.fill(0, count + 1);
    data.DataY.fill(0, count + 1);
    data.DataZ.fill(0, count + 1);
    for (qint32 i = 1; i <= count; ++i) {
        const std::array<float, 3> values = sample(i);
        data.DataX[i] = values[0];
        data.DataY[i] = values[1];
        data.DataZ[i] = values[2];
    }
    for (const char decimal : {'.', ','}) {
        const QByteArray records = longWayRecords(data, decimal);
        const QByteArray written =
            SessionLogBytes(data, locale(decimal == ',' ? "it_IT" : "en_GB"));
        ASSERT_EQ(written.right(records.size()), records);
    }
}
} // namespace

TEST(SessionLogGolden, WrittenByteForByteAsTheFormatSays) {
    const QByteArray expected = "\"Field Activity Log\"\r\n"
                                "\"09/12/2026 07:44:47@09/12/2026 09:44:47@1\"\r\n"
                                "\"5s\"\r\n"
                                "\"4\"\r\n"
                                "\"SN001\"\r\n"
                                "\"Cantiere nord\"\r\n"
                                "\"1.23 4.56 7.89  0\"\r\n"
                                "\"0.00 0.01 200.00  0\"\r\n"
                                "\"-1 -1 -1 0\"\r\n"
                                "\"-0.50 12.00 0.13  0\"\r\n";
    EXPECT_EQ(SessionLogBytes(goldenSession(), locale("en_GB")), expected);
}

TEST(SessionLogGolden, ItalianLocaleWritesCommaDecimals) {
    const QByteArray expected = "\"Field Activity Log\"\r\n"
                                "\"09/12/2026 07:44:47@09/12/2026 09:44:47@1\"\r\n"
                                "\"5s\"\r\n"
                                "\"4\"\r\n"
                                "\"SN001\"\r\n"
                                "\"Cantiere nord\"\r\n"
                                "\"1,23 4,56 7,89  0\"\r\n"
                                "\"0,00 0,01 200,00  0\"\r\n"
                                "\"-1 -1 -1 0\"\r\n"
                                "\"-0,50 12,00 0,13  0\"\r\n";
    EXPECT_EQ(SessionLogBytes(goldenSession(), locale("it_IT")), expected);
}

TEST(SessionLogGolden, MidnightStartNoStopTimeAndZeroDate) {
    DataSet data = MakeDataSet({{0.5f, 0.5f, 0.5f}});
    data.StartDate = NaiveDateTime(2026, 12, 9);
    data.StopDate = NoStopDate();
    data.StopReason = -1;
    data.SampleStep = 10;
    data.SampleStepUnit = QStringLiteral("n");
    QByteArray bytes = SessionLogBytes(data, locale("en_GB"));
    EXPECT_TRUE(bytes.startsWith("\"Field Activity Log\"\r\n"
                                 "\"09/12/2026@01/01/2001 01:01:01@-1\"\r\n"
                                 "\"10n\"\r\n"
                                 "\"1\"\r\n"))
        << bytes.toStdString();
    data.StartDate = NaiveDateTime(1899, 12, 30);
    bytes = SessionLogBytes(data, locale("en_GB"));
    EXPECT_TRUE(bytes.contains("\r\n\"00:00:00@01/01/2001 01:01:01@-1\"\r\n"));
}

TEST(SessionLogGolden, IdentificationTextsCannotBreakTheFile) {
    DataSet data = MakeDataSet({{1, 2, 3}});
    data.IDShort = QStringLiteral(" A\"B\rC\nD\tE\x01 ");
    data.IDLong = QString::fromUtf8("Caf\xC3\xA8 \xC2\xB5T \"x\",y").leftJustified(IdLongLength);
    const QByteArray bytes = SessionLogBytes(data, locale("en_GB"));
    EXPECT_TRUE(bytes.contains("\r\n\"A B C D E\"\r\n\"Caf\xC3\xA8 \xC2\xB5T  x ,y\"\r\n"))
        << bytes.toStdString();
    const DataSet back = read(bytes);
    EXPECT_EQ(back.IDShort, QStringLiteral("A B C D E").leftJustified(IdShortLength));
    EXPECT_EQ(back.IDLong,
              QString::fromUtf8("Caf\xC3\xA8 \xC2\xB5T  x ,y").leftJustified(IdLongLength));
    EXPECT_FLOAT_EQ(back.DataZ[1], 3.0f);
}

TEST(SessionLogGolden, ProcessNumericLocaleDoesNotChangeTheBytes) {
    const QByteArray before = SessionLogBytes(goldenSession(), locale("en_GB"));
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    if (!std::setlocale(LC_NUMERIC, "it_IT.UTF-8") && !std::setlocale(LC_NUMERIC, "it_IT"))
        GTEST_SKIP() << "no Italian C locale on this machine";
    const QByteArray during = SessionLogBytes(goldenSession(), locale("en_GB"));
    const DataSet back = read(during);
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ(during, before);
    EXPECT_FLOAT_EQ(back.DataX[1], 1.23f);
}

class SessionLogRoundTrip : public ::testing::TestWithParam<const char*> {};

TEST_P(SessionLogRoundTrip, EveryFieldComesBack) {
    const FileTextLocale text = locale(GetParam());
    DataSet data = goldenSession();
    data.StopReason = 4;
    data.IDShort = QString::fromUtf8("\xC3\xA8\xC2\xB5\xC3\xBF 16 caratteri!");
    data.IDLong = QStringLiteral("L").repeated(IdLongLength);
    for (const char* unit : {"s", "n", "h", "d"}) {
        data.SampleStepUnit = QLatin1String(unit);
        data.SampleStep = 99;
        const DataSet back = read(SessionLogBytes(data, text), text);
        EXPECT_EQ(back.StartDate, data.StartDate);
        EXPECT_EQ(back.StopDate, data.StopDate);
        EXPECT_EQ(back.StopReason, 4);
        EXPECT_EQ(back.SampleStep, 99);
        EXPECT_EQ(back.SampleStepUnit, data.SampleStepUnit);
        EXPECT_EQ(back.NumSamples, 4);
        EXPECT_EQ(back.IDShort, data.IDShort.left(IdShortLength));
        EXPECT_EQ(back.IDLong, data.IDLong);
        EXPECT_EQ(back.DataX, (QVector<float>{0, 1.23f, 0, -1, -0.5f}));
        EXPECT_EQ(back.DataY, (QVector<float>{0, 4.56f, 0.01f, -1, 12}));
        EXPECT_EQ(back.DataZ, (QVector<float>{0, 7.89f, 200, -1, 0.13f}));
        EXPECT_EQ(back.DataRes[3], -1.0);
        EXPECT_EQ(back.DataEndDate, DateAdd(data.SampleStepUnit, 4 * 99, data.StartDate));
        // Sample times are shown in the user's locale, whatever the file's.
        EXPECT_EQ(SampleTimeText(back, 2),
                  GeneralDateText(DateAdd(data.SampleStepUnit, 99, data.StartDate)));
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, SessionLogRoundTrip,
                         ::testing::Values("C", "en_GB", "en_US", "it_IT", "de_DE", "fi_FI",
                                           "ja_JP", "sv_SE"));

TEST(SessionLogReader, ValuesAndResultantFromTheRecords) {
    const DataSet data = read(QuotedLines(
        header("09/12/2026 07:44:47@09/12/2026 09:44:47@3", "10n", "4") +
        QStringList{QStringLiteral("0.5 0.5 0.5 0"), QStringLiteral("3,00 4,00 0,00  0"),
                    QStringLiteral("1.23  4.56 7.89 0"), QStringLiteral("0.01 0 0 0")}));
    EXPECT_EQ(data.SampleStep, 10);
    EXPECT_EQ(data.SampleStepUnit, u"n");
    EXPECT_EQ(data.StopReason, 3);
    EXPECT_EQ(data.DataX, (QVector<float>{0, 0.5f, 3, 1.23f, 0.01f}));
    // The values sit between the first three blanks, wherever they are.
    EXPECT_EQ(data.DataY, (QVector<float>{0, 0.5f, 4, 0, 0}));
    EXPECT_EQ(data.DataZ, (QVector<float>{0, 0.5f, 0, 4.56f, 0}));
    EXPECT_EQ(data.DataRes, (QVector<double>{0, 0.87, 5, 4.72, 0.01}));
    EXPECT_TRUE(data.StatisticsPresent);
    EXPECT_FLOAT_EQ(data.ResMax, 5.0f);
    EXPECT_FLOAT_EQ(data.ResMin, 0.01f);
    EXPECT_TRUE(data.MedianPresent);
    EXPECT_EQ(SampleTimeText(data, 1), GeneralDateText(NaiveDateTime(2026, 12, 9, 7, 44, 47)));
    EXPECT_EQ(SampleTimeText(data, 4), GeneralDateText(NaiveDateTime(2026, 12, 9, 8, 14, 47)));
    EXPECT_EQ(data.DataEndDate, NaiveDateTime(2026, 12, 9, 8, 24, 47));
}

TEST(SessionLogReader, NotAvailableSamplesInBothSpellings) {
    const DataSet data = read(QuotedLines(header(nullptr, "5s", "3") +
                                          QStringList{QStringLiteral("-1 -1 -1 0"),
                                                      QStringLiteral("-1.00 -1.00 -1.00  0"),
                                                      QStringLiteral("-1,00 -1,00 -1,00  0")}));
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(data.DataX[i], -1.0f);
        EXPECT_EQ(data.DataRes[i], -1.0) << i;
    }
    // Samples that are not available give no statistics.
    EXPECT_FALSE(data.StatisticsPresent);
    EXPECT_FALSE(data.MedianPresent);
}

TEST(SessionLogReader, LineTwoWithoutStopOrReason) {
    DataSet data =
        read(QuotedLines(header("09/12/2026 07:44:47") + QStringList{QStringLiteral("1 2 3 0")}));
    EXPECT_EQ(data.StartDate, NaiveDateTime(2026, 12, 9, 7, 44, 47));
    EXPECT_EQ(data.StopDate, NoStopDate());
    EXPECT_EQ(data.StopReason, -1);
    data = read(QuotedLines(header("09/12/2026 07:44:47@09/12/2026 08:00:00") +
                            QStringList{QStringLiteral("1 2 3 0")}));
    EXPECT_EQ(data.StopDate, NaiveDateTime(2026, 12, 9, 8, 0, 0));
    EXPECT_EQ(data.StopReason, -1);
}

TEST(SessionLogReader, StepRoundsHalvesToEven) {
    for (const auto& [text, step] : {std::pair{"2.5s", 2}, {"3.5s", 4}, {" 7h ", 7}, {"1D", 1}}) {
        const DataSet data =
            read(QuotedLines(header(nullptr, text) + QStringList{QStringLiteral("1 2 3 0")}));
        EXPECT_EQ(data.SampleStep, step) << text;
    }
}

TEST(SessionLogReader, LineEndsTextsAndExtraLines) {
    QByteArray bytes = QuotedLines(header(nullptr, "5s", "1") +
                                   QStringList{QStringLiteral("1.5 2 3 0"), QStringLiteral("x")});
    bytes.replace("\r\n", "\n");
    bytes.chop(1); // no line end after the last line
    const DataSet data = read(bytes);
    EXPECT_EQ(data.NumSamples, 1);
    EXPECT_FLOAT_EQ(data.DataX[1], 1.5f);
    // An older file with a quote inside a text, and one written in the 8-bit code page.
    const DataSet quoted =
        read("\"Field Activity Log\"\r\n\"09/12/2026 07:44:47\"\r\n\"5s\"\r\n   1\r\n"
             "\"A\"B\"\r\n\"Caf\xE8 lunghissimo oltre i quarantotto caratteri del campo!!\"\r\n"
             "\"1 2 3 0\"\r\n");
    EXPECT_EQ(quoted.IDShort, QStringLiteral("A\"B").leftJustified(IdShortLength));
    EXPECT_EQ(quoted.IDLong,
              QString::fromUtf8("Caf\xC3\xA8 lunghissimo oltre i quarantotto caratteri d"));
}

TEST(SessionLogReader, RefusalsBeforeAnythingIsRead) {
    const struct {
        QStringList values;
        LoadRefusal refusal;
    } cases[] = {
        {{QStringLiteral("Field Activity Lag")}, LoadRefusal::NotSessionLog},
        {{QStringLiteral("field activity log")}, LoadRefusal::NotSessionLog},
        {header("32/12/2026 07:44:47@09/12/2026 09:44:47@1"), LoadRefusal::BadDate},
        {header("09/12/2026 07:44:47@tomorrow@1"), LoadRefusal::BadDate},
        {header("12/31/2026 07:44:47"), LoadRefusal::BadDate},
        {header(""), LoadRefusal::BadDate},
        {header(nullptr, "0s"), LoadRefusal::BadStep},
        {header(nullptr, "-5s"), LoadRefusal::BadStep},
        {header(nullptr, "0.4s"), LoadRefusal::BadStep},
        {header(nullptr, "5"), LoadRefusal::BadStep},
        {header(nullptr, "5x"), LoadRefusal::BadStep},
        {header(nullptr, "5m"), LoadRefusal::BadStep},
        {header(nullptr, "s"), LoadRefusal::BadStep},
        {header(nullptr, "1e12s"), LoadRefusal::BadStep},
        {header(nullptr, nullptr, "0"), LoadRefusal::BadCount},
        {header(nullptr, nullptr, "          "), LoadRefusal::BadCount},
        {header(nullptr, nullptr, "-3"), LoadRefusal::BadCount},
        {header(nullptr, nullptr, "0.3"), LoadRefusal::BadCount},
        {header(nullptr, nullptr, "1e10"), LoadRefusal::BadCount},
        {header(nullptr, nullptr, "99999999999999999999"), LoadRefusal::BadCount},
        {header(nullptr, "1e300s"), LoadRefusal::BadStep},
        // A file that ends before its header does, or before its count of records, was cut
        // short: it is no session log to read.
        {{}, LoadRefusal::NotSessionLog},
        {header().mid(0, 1), LoadRefusal::NotSessionLog},
        {header().mid(0, 4), LoadRefusal::NotSessionLog},
        {header().mid(0, 5), LoadRefusal::NotSessionLog},
        {header(), LoadRefusal::NotSessionLog},
        {header(nullptr, nullptr, "3") + QStringList{QStringLiteral("1 2 3 0")},
         LoadRefusal::NotSessionLog},
        {header(nullptr, nullptr, "1000000000") + QStringList{QStringLiteral("1 2 3 0")},
         LoadRefusal::NotSessionLog},
        // Fields longer than any such field could be.
        {header(qPrintable(QStringLiteral("09/12/2026") + QString(200, u' ') +
                           QStringLiteral("07:44:47"))),
         LoadRefusal::BadDate},
        {header(nullptr, qPrintable(QString(70, u'0') + u'5' + u's')), LoadRefusal::BadStep},
        {header(nullptr, nullptr, qPrintable(QString(70, u'0') + u'1')), LoadRefusal::BadCount},
    };
    for (const auto& c : cases) {
        DataSet data;
        EXPECT_EQ(ReadSessionLog(QuotedLines(c.values), locale("en_GB"), data), c.refusal)
            << c.values.join(u'|').toStdString();
    }
}

TEST(SessionLogReader, AHugeDateLineIsRefusedWithoutHanging) {
    // Every blank of a date line is a place where the date could end: a megabyte of them
    // once kept the reader busy for seconds, ten megabytes for minutes.
    QString times = QStringLiteral("09/12/2026 ");
    while (times.size() < 1'000'000)
        times += QStringLiteral("7 ");
    const QByteArray bytes =
        QuotedLines({QStringLiteral("Field Activity Log"), times, QStringLiteral("5s"),
                     QStringLiteral("1"), QString(), QString(), QStringLiteral("1 2 3 0")});
    auto refusal = std::async(std::launch::async, [&bytes] {
        DataSet data;
        return ReadSessionLog(bytes, locale("en_GB"), data);
    });
    ASSERT_EQ(refusal.wait_for(std::chrono::seconds(5)), std::future_status::ready)
        << "the reader hangs on a long date line";
    EXPECT_EQ(refusal.get(), LoadRefusal::BadDate);
}

TEST(SessionLogReader, MalformedRecordsRaiseErrors) {
    const struct {
        QStringList values;
        int error;
    } cases[] = {
        {header() + QStringList{QStringLiteral("1.00 2.00 3.00")},
         ErrorNumber::InvalidProcedureCall},
        {header() + QStringList{QStringLiteral("1.00")}, ErrorNumber::InvalidProcedureCall},
        {header() + QStringList{QString(300, u'1') + QStringLiteral(" 2 3 0")},
         ErrorNumber::Overflow},
        {header() + QStringList{QStringLiteral("1e39 2 3 0")}, ErrorNumber::Overflow},
        // Each value fits single precision, their resultant does not.
        {header() + QStringList{QStringLiteral("3.4e38 3.4e38 3.4e38  0")},
         ErrorNumber::InvalidProcedureCall},
        {header("09/12/2026 07:44:47@09/12/2026 09:44:47@-1e300") +
             QStringList{QStringLiteral("1 2 3 0")},
         ErrorNumber::Overflow},
        {header("09/12/2026 07:44:47@09/12/2026 09:44:47@99999") +
             QStringList{QStringLiteral("1 2 3 0")},
         ErrorNumber::Overflow},
        {header("09/12/9999 07:44:47", "99d", "2") +
             QStringList{QStringLiteral("1 2 3 0"), QStringLiteral("1 2 3 0")},
         ErrorNumber::Overflow},
    };
    for (const auto& c : cases) {
        DataSet data;
        try {
            ReadSessionLog(QuotedLines(c.values), locale("en_GB"), data);
            ADD_FAILURE() << "no error for " << c.values.join(u'|').left(80).toStdString();
        } catch (const TrappedError& e) {
            EXPECT_EQ(e.Number(), c.error) << c.values.join(u'|').left(80).toStdString();
        }
        EXPECT_LT(data.DataX.size(), 10) << "sized by a count the file does not hold";
    }
}

TEST(SessionLogWriter, RefusesWhatTheReaderWouldRefuse) {
    const struct {
        qint32 count;
        qint32 step;
        const char* unit;
        bool validStart;
        SaveRefusal refusal;
    } cases[] = {
        {1, 5, "s", true, SaveRefusal::None},          {0, 5, "s", true, SaveRefusal::NoSamples},
        {-1, 5, "s", true, SaveRefusal::NoSamples},    {1, 0, "s", true, SaveRefusal::BadStep},
        {1, -2, "s", true, SaveRefusal::BadStep},      {1, 5, "x", true, SaveRefusal::BadStep},
        {1, 5, "", true, SaveRefusal::BadStep},        {1, 5, "m", true, SaveRefusal::BadStep},
        {1, 5, "s", false, SaveRefusal::BadStartDate},
    };
    for (const auto& c : cases) {
        DataSet data = MakeDataSet({{1, 2, 3}});
        data.NumSamples = c.count;
        data.SampleStep = c.step;
        data.SampleStepUnit = QLatin1String(c.unit);
        if (!c.validStart)
            data.StartDate = QDateTime();
        EXPECT_EQ(CheckSavable(data), c.refusal) << c.count << c.step << c.unit;
    }
}

TEST(SessionLogWriter, ProgressEveryTenthSample) {
    QList<qint32> seen;
    DataSet data = MakeDataSet({});
    data.NumSamples = 25;
    data.DataX.fill(1, 26);
    data.DataY.fill(1, 26);
    data.DataZ.fill(1, 26);
    SessionLogBytes(data, locale("C"), [&](qint32 i, qint32 n) {
        EXPECT_EQ(n, 25);
        seen.append(i);
    });
    EXPECT_EQ(seen, (QList<qint32>{10, 20}));
    data.NumSamples = 30;
    EXPECT_THROW(SessionLogBytes(data, locale("C")), TrappedError);
}

TEST(SessionLogWriter, RecordsAgreeWithTheLongWayAtAndNearEveryHalf) {
    // Values on, next to and between the halves of a hundredth, at every magnitude, lone -1
    // marks beside real values, and values that are no number.
    std::vector<float> values = {0.125f,        2.675f,
                                 0.005f,        99.995f,
                                 99999.99f,     1e5f,
                                 1e15f,         -1.0f,
                                 -0.125f,       -2.675f,
                                 -0.004f,       0.3f,
                                 std::nanf(""), std::numeric_limits<float>::infinity()};
    std::mt19937_64 random(720);
    for (int i = 0; i < 30000; ++i) {
        const double offsets[] = {0.5, 0.4999, 0.5001, 0.45, 0.55, 0.0};
        const double cents = double(random() % 20000000) + offsets[random() % 6];
        values.push_back(float((i % 9 == 0 ? -cents : cents) / 100.0));
        values.push_back(
            std::ldexp(float(random() % 1000000) / 1e6f + 1.0f, int(random() % 60) - 10));
    }
    // Runs of the instrument's values, on a hundredth from 0 to 99999.99, with a sample that
    // is not available now and then.
    for (int i = 0; i < 30000; ++i) {
        if (i % 997 == 5) {
            values.insert(values.end(), {-1.0f, -1.0f, -1.0f});
            continue;
        }
        values.push_back(float(double(random() % (i % 2 ? 30000 : 10000000)) / 100.0));
    }
    expectRecordsOfTheLongWay(qint32(values.size()) - 2, [&](qint32 i) {
        return std::array<float, 3>{values[size_t(i - 1)], values[size_t(i)],
                                    values[size_t(i + 1)]};
    });
}

TEST(SessionLogWriter, EveryHundredthBelowTenThousandAsTheLongWayWritesIt) {
    // Every value the instrument gives below 10000 in each place of a record (the first
    // follows the quote, the others a blank), in runs long enough for the widest way of
    // laying records out, which a sample that is not available breaks now and then (it
    // stands in for one value in 5003); then values a little off a hundredth, near enough to
    // a half for the long way or far enough for the quick one, now and then one at 10000
    // and up.
    std::mt19937_64 random(7200);
    const double offsets[] = {0.25, 0.3, 0.32, 0.35, 0.4, 0.45, 0.5, 0.55, 0.6, 0.65, 0.68, 0.7};
    std::vector<float> values;
    for (int shift = 0; shift < 3; ++shift) {
        for (int cents = 0; cents < 1000000; ++cents)
            values.push_back(float(double((cents + shift * 333334) % 1000000) / 100.0));
        for (int i = 0; i < 20000; ++i) {
            const double cents = double(random() % (i % 101 ? 1000000 : 1000100));
            values.push_back(float((cents + offsets[random() % std::size(offsets)]) / 100.0));
        }
    }
    const qint32 count = qint32(values.size() / 3);
    expectRecordsOfTheLongWay(count, [&](qint32 i) {
        if (i % 5003 == 0)
            return std::array<float, 3>{-1, -1, -1};
        return std::array<float, 3>{values[size_t(i - 1)], values[size_t(count + i - 1)],
                                    values[size_t(2 * count + i - 1)]};
    });
}

// A session saved under one locale opens under another: one saved under C (month names)
// opens everywhere, one saved under a locale opens under it and under those that write the
// same numeric dates.
TEST(SessionLogLocales, ASessionSavedUnderOneLocaleOpensUnderAnother) {
    const DataSet saved = goldenSession();
    const struct {
        const char* writer;
        std::vector<const char*> readers;
    } cases[] = {
        {"C", {"C", "en_GB", "en_US", "it_IT", "de_DE"}},
        {"en_GB", {"en_GB", "it_IT"}},
        {"it_IT", {"en_GB", "it_IT"}},
        {"en_US", {"en_US"}},
        {"de_DE", {"de_DE"}},
    };
    for (const auto& c : cases) {
        const QByteArray bytes = SessionLogBytes(saved, locale(c.writer));
        for (const char* reader : c.readers) {
            DataSet data;
            ASSERT_EQ(ReadSessionLog(bytes, locale(reader), data), LoadRefusal::None)
                << c.writer << " read under " << reader;
            EXPECT_EQ(data.StartDate, saved.StartDate) << c.writer << " read under " << reader;
            EXPECT_EQ(data.StopDate, saved.StopDate) << c.writer << " read under " << reader;
            EXPECT_EQ(data.NumSamples, saved.NumSamples) << c.writer << " read under " << reader;
        }
    }
}
