#include "data/warnings/warning_rows.h"
#include "tests/support/language_scope.h"
#include "text/date_math.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {
constexpr float Threshold = 0.2f;
const QDateTime Start = NaiveDateTime(2026, 12, 9, 7, 44, 0);

// A downloaded session of these resultants, one sample a minute from Start, stopped by
// the memory running full exactly where the data ends.
DataSet session(std::vector<double> res) {
    DataSet d;
    d.DataPresent = true;
    d.StartDate = Start;
    d.SampleStep = 1;
    d.SampleStepUnit = QStringLiteral("n");
    d.NumSamples = static_cast<qint32>(res.size());
    d.DataRes.push_back(0);
    for (double r : res)
        d.DataRes.push_back(r);
    d.DataEndDate = DateAdd(d.SampleStepUnit, d.NumSamples, d.StartDate);
    d.StopDate = d.DataEndDate;
    d.StopReason = 1;
    double sum = 0;
    int available = 0;
    for (double r : res)
        if (r >= 0) {
            sum += r;
            ++available;
        }
    d.ResMean = available ? static_cast<float>(sum / available) : 0.0f;
    d.DataSourceName = QStringLiteral("Upload");
    return d;
}

// An expected row: a language text (0 for none) followed by a fixed tail.
struct Row {
    int id;
    QString tail;
    WarningLevel level;
};

std::vector<WarningRow> expand(const std::vector<Row>& rows) {
    std::vector<WarningRow> out;
    for (const Row& r : rows)
        out.push_back({(r.id ? ResString(r.id) : QString()) + r.tail, r.level});
    return out;
}

std::string show(const std::vector<WarningRow>& rows) {
    std::string s;
    for (const WarningRow& r : rows)
        s += "  [" + std::to_string(static_cast<int>(r.Level)) + "] " + r.Text.toStdString() + "\n";
    return s;
}

constexpr WarningLevel Fine = WarningLevel::Fine;
constexpr WarningLevel Attention = WarningLevel::Attention;
const Row MemoryFull{41, {}, Fine};

Row percent(const char* tail, WarningLevel level) {
    return {4201, QStringLiteral(" : ") + QLatin1String(tail), level};
}
Row variance(const char* figure) {
    return {51, QStringLiteral(" : ") + QLatin1String(figure) + QStringLiteral(" µT²"), Fine};
}
Row minimumAt(const char* when) {
    return {4202, QStringLiteral(" : ") + QLatin1String(when), Fine};
}
Row maximumAt(const char* when) {
    return {4203, QStringLiteral(" : ") + QLatin1String(when), Fine};
}
const std::vector<Row> NoFigures = {
    {4201, QStringLiteral(" : ---"), Fine},
    {51, QStringLiteral(" : ---"), Fine},
    {4202, QStringLiteral(" : ---"), Fine},
    {4203, QStringLiteral(" : ---"), Fine},
};

std::vector<Row> join(std::vector<Row> a, const std::vector<Row>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct Case {
    const char* name;
    DataSet data;
    std::vector<Row> expected;
};

std::vector<Case> cases() {
    std::vector<Case> list;
    list.push_back({"all below the threshold",
                    session({0.1, 0.15, 0.1}),
                    {MemoryFull, percent("0.0%", Fine), variance("0.00"),
                     minimumAt("9 Dec 2026 07:44:00"), maximumAt("9 Dec 2026 07:45:00")}});
    list.push_back({"a value at the threshold is not counted",
                    session({0.2, 0.2, 0.1, 0.3}),
                    {MemoryFull, percent("25.0%", Attention), variance("0.01"),
                     minimumAt("9 Dec 2026 07:46:00"), maximumAt("9 Dec 2026 07:47:00")}});
    list.push_back({"above the threshold, equal extremes show the earlier time",
                    session({0.5, 0.1, 0.5, 0.1}),
                    {MemoryFull, percent("50.0%", Attention), variance("0.04"),
                     minimumAt("9 Dec 2026 07:45:00"), maximumAt("9 Dec 2026 07:44:00")}});
    {
        std::vector<double> res(20, 0.1);
        res[7] = 0.9;
        list.push_back({"one in twenty is 5.0 percent and still fine",
                        session(res),
                        {MemoryFull, percent("5.0%", Fine), variance("0.03"),
                         minimumAt("9 Dec 2026 07:44:00"), maximumAt("9 Dec 2026 07:51:00")}});
    }
    {
        std::vector<double> res(1000, 0.1);
        for (int i = 0; i < 51; ++i)
            res[949 + i] = 1.1;
        list.push_back({"51 in a thousand is 5.1 percent",
                        session(res),
                        {MemoryFull, percent("5.1%", Attention), variance("0.05"),
                         minimumAt("9 Dec 2026 07:44:00"), maximumAt("9 Dec 2026 23:33:00")}});
    }
    list.push_back({"samples not available take no part",
                    session({-1, 0.5, -1, 0.3, -1}),
                    {MemoryFull, percent("100.0%", Attention), variance("0.01"),
                     minimumAt("9 Dec 2026 07:47:00"), maximumAt("9 Dec 2026 07:45:00")}});
    list.push_back({"no sample available", session({-1, -1}), join({MemoryFull}, NoFigures)});
    {
        DataSet empty = session({});
        empty.StopReason = 2;
        list.push_back({"empty data set", empty, join({{40, {}, Attention}}, NoFigures)});
    }
    const std::pair<qint16, Row> reasons[] = {
        {0, {0, QStringLiteral("No Valid Stop Data"), Attention}},
        {1, MemoryFull},
        {2, {40, {}, Attention}},
        {3, {42, {}, Fine}},
        {4, {43, {}, Attention}},
    };
    const std::vector<Row> oneSample = {percent("0.0%", Fine), variance("0.00"),
                                        minimumAt("9 Dec 2026 07:44:00"),
                                        maximumAt("9 Dec 2026 07:44:00")};
    for (const auto& [reason, row] : reasons) {
        DataSet d = session({0.1});
        d.StopReason = reason;
        list.push_back({"stop reason", d, join({row}, oneSample)});
    }
    for (qint16 reason : {-1, 5}) {
        DataSet d = session({0.1});
        d.StopReason = reason;
        list.push_back({"no stop reason row", d, oneSample});
    }
    {
        DataSet d = session({0.1});
        d.StopReason = -1;
        d.StopDate = NoStopDate();
        list.push_back({"a file without stop data", d, oneSample});
    }
    {
        DataSet d = session({0.1});
        d.StopDate = UnknownStopDate();
        list.push_back({"stop time the instrument could not give", d,
                        join({MemoryFull, {4204, {}, Attention}}, oneSample)});
    }
    {
        DataSet d = session({0.1});
        d.StopDate = DateAdd(QStringLiteral("n"), 1, d.DataEndDate);
        list.push_back({"stop one step from the data end", d, join({MemoryFull}, oneSample)});
        d.StopDate = DateAdd(QStringLiteral("n"), -2, d.DataEndDate);
        list.push_back({"stop two steps before the data end", d,
                        join({MemoryFull, {4200, {}, Attention}}, oneSample)});
    }
    {
        // 10:00:59 to 10:02:00 crosses two minute boundaries though it is 61 s.
        DataSet d = session({0.1});
        d.DataEndDate = NaiveDateTime(2026, 12, 9, 10, 0, 59);
        d.StopDate = NaiveDateTime(2026, 12, 9, 10, 2, 0);
        list.push_back({"stop counted in unit boundaries", d,
                        join({MemoryFull, {4200, {}, Attention}}, oneSample)});
    }
    {
        DataSet d = session({0.4, 0.1});
        d.RfDataPresent = true;
        d.StopReason = 2;
        d.StopDate = UnknownStopDate();
        d.CsvAuxMin = 0.15f;
        d.CsvAuxMax = 12.0f;
        d.CsvAuxMean = 3.25f;
        d.CsvRfMin = -100.0f;
        d.CsvRfMax = 0.35f;
        d.CsvRfMean = 1.04f;
        // The import sizes its arrays beyond the count; only NumSamples of them count.
        d.DataRes.resize(20000, 7.0);
        d.SampleStep = 5;
        d.SampleStepUnit = QStringLiteral("s");
        list.push_back({"station data shows its channels and never the stop rows",
                        d,
                        {{44, {}, Attention},
                         {45, QStringLiteral("0.2"), Fine},
                         {46, QStringLiteral("12"), Fine},
                         {47, QStringLiteral("3.2"), Fine},
                         {48, QStringLiteral("-100"), Fine},
                         {49, QStringLiteral("0.4"), Fine},
                         {50, QStringLiteral("1"), Fine},
                         percent("50.0%", Attention),
                         variance("0.02"),
                         minimumAt("9 Dec 2026 07:44:05"),
                         maximumAt("9 Dec 2026 07:44:00")}});
    }
    {
        // Extremes far beyond sample 32768 keep their own times.
        std::vector<double> res(40000, 0.1);
        res[39998] = 0.05;
        res[39999] = 0.15;
        DataSet d = session(res);
        d.SampleStep = 1;
        d.SampleStepUnit = QStringLiteral("s");
        d.DataEndDate = DateAdd(QStringLiteral("s"), d.NumSamples, d.StartDate);
        d.StopDate = d.DataEndDate;
        list.push_back({"extremes beyond sample 32768",
                        d,
                        {MemoryFull, percent("0.0%", Fine), variance("0.00"),
                         minimumAt("9 Dec 2026 18:50:38"), maximumAt("9 Dec 2026 18:50:39")}});
    }
    return list;
}
} // namespace

class WarningRows : public ::testing::TestWithParam<int> {};

TEST_P(WarningRows, FollowTheDataSetRowByRow) {
    LanguageScope language(GetParam());
    for (const Case& c : cases()) {
        const std::vector<WarningRow> expected = expand(c.expected);
        const std::vector<WarningRow> rows = BuildWarnings(c.data, Threshold, QLocale::c());
        EXPECT_TRUE(rows == expected) << c.name << "\nexpected:\n"
                                      << show(expected) << "got:\n"
                                      << show(rows);
    }
}

TEST_P(WarningRows, EveryTextIsTheLanguagesOwn) {
    LanguageScope language(GetParam());
    DataSet d = session({0.1, 0.3});
    const std::vector<WarningRow> rows = BuildWarnings(d, Threshold, QLocale::c());
    ASSERT_EQ(rows.size(), 5u);
    const QString memoryFull = GetParam() == 0
                                   ? QStringLiteral("Registrazione terminata per memoria piena")
                                   : QStringLiteral("Recording ended: memory full");
    EXPECT_EQ(rows[0].Text, memoryFull);
    for (const WarningRow& row : rows)
        EXPECT_FALSE(row.Text.startsWith(QStringLiteral(" : "))) << row.Text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, WarningRows, ::testing::Values(0, 1));

TEST(WarningRowsLocale, FiguresAndTimesFollowTheLocale) {
    LanguageScope language(0);
    const std::vector<WarningRow> rows = BuildWarnings(session({0.1, 0.3, 0.3}), Threshold,
                                                       QLocale(QLocale::Italian, QLocale::Italy));
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_TRUE(rows[1].Text.endsWith(QStringLiteral(" : 66,7%"))) << rows[1].Text.toStdString();
    EXPECT_TRUE(rows[2].Text.endsWith(QStringLiteral(" : 0,01 µT²"))) << rows[2].Text.toStdString();
    EXPECT_TRUE(rows[3].Text.endsWith(QStringLiteral(" : 09/12/2026 07:44:00")))
        << rows[3].Text.toStdString();
}

TEST(WarningRowsLocale, HalfwayFiguresRoundAwayFromZero) {
    LanguageScope language(1);
    struct Case {
        std::vector<double> res;
        const char* share;
    };
    // One sample in sixteen above the threshold is 6.25 %; one in eight 12.5 %.
    std::vector<double> sixteen(16, 0.1);
    sixteen[3] = 0.5;
    std::vector<double> eight(8, 0.1);
    eight[5] = 0.5;
    const Case cases[] = {{sixteen, " : 6.3%"}, {eight, " : 12.5%"}};
    for (const Case& c : cases) {
        const std::vector<WarningRow> rows = BuildWarnings(session(c.res), Threshold, QLocale::c());
        ASSERT_EQ(rows.size(), 5u);
        EXPECT_TRUE(rows[1].Text.endsWith(QLatin1String(c.share))) << rows[1].Text.toStdString();
    }
}
