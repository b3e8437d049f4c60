#include "core/language.h"
#include "shell/panes/info_view.h"
#include "tests/support/language_scope.h"
#include "text/date_math.h"

#include <gtest/gtest.h>

namespace {
const QString NoValue = QStringLiteral("---");

DataSet loadedSession() {
    DataSet d;
    d.DataPresent = true;
    d.DataSaved = true;
    d.IDShort = QStringLiteral("  KL720-07      ");
    d.IDLong = QStringLiteral("Via Roma 3").leftJustified(IdLongLength);
    d.StartDate = NaiveDateTime(2026, 12, 9, 7, 44, 47);
    d.SampleStep = 10;
    d.SampleStepUnit = QStringLiteral("n");
    d.NumSamples = 3;
    d.DataEndDate = NaiveDateTime(2026, 12, 9, 8, 14, 47);
    d.StopDate = d.DataEndDate.addSecs(-600); // the reported stop: not what the pane shows
    d.ResMin = 0.12f;
    d.ResMax = 1.5f;
    d.ResMean = 0.605f;
    d.StatisticsPresent = true;
    d.MedianValue = 0.2;
    d.MedianPresent = true;
    d.DataSourceName = QStringLiteral("Upload");
    return d;
}

InfoView expectedEmpty(const QString& shortId, const QString& longId) {
    InfoView v;
    v.ShortId = shortId;
    v.LongId = longId;
    v.Step = v.Source = v.Count = v.Start = v.End = NoValue;
    v.Min = v.Max = v.Mean = NoValue;
    v.Median = NoValue;
    v.DataPresent = false;
    v.Saved = false;
    v.Status = StatusView(-1, false);
    return v;
}
} // namespace

class InfoViewTest : public ::testing::TestWithParam<int> {
protected:
    LanguageScope language{GetParam()};
};

TEST_P(InfoViewTest, StatusColoursFollowTheMonitoringStateAndTheLink) {
    struct Case {
        int monitorState;
        bool connected;
        int monitorId;
        QColor back;
        int commId;
        QColor text;
    };
    const QColor lightRed(255, 192, 192), lightGreen(192, 255, 192), grey(224, 224, 224);
    const QColor green(0, 192, 0), darkRed(192, 0, 0);
    const Case cases[] = {
        {1, true, 3010, lightRed, 3022, green},    {0, true, 3011, lightGreen, 3022, green},
        {-1, false, 5, grey, 3023, darkRed},       {2, false, 5, grey, 3023, darkRed},
        {1, false, 3010, lightRed, 3023, darkRed}, {0, false, 3011, lightGreen, 3023, darkRed},
    };
    for (const Case& c : cases) {
        const InfoStatus s = StatusView(c.monitorState, c.connected);
        EXPECT_EQ(s.MonitorText, ResString(c.monitorId)) << c.monitorState;
        EXPECT_FALSE(s.MonitorText.isEmpty());
        EXPECT_EQ(s.MonitorBack, c.back) << c.monitorState;
        EXPECT_EQ(s.CommText, ResString(c.commId)) << c.connected;
        EXPECT_FALSE(s.CommText.isEmpty());
        EXPECT_EQ(s.CommColour, c.text) << c.connected;
    }
}

TEST_P(InfoViewTest, TheDataBlockFollowsTheDataSet) {
    struct Case {
        const char* name;
        DataSet data;
        InfoView expected;
    };
    std::vector<Case> cases;
    {
        DataSet none;
        none.IDShort = QStringLiteral("KL720-07").leftJustified(IdShortLength);
        none.IDLong = QString(IdLongLength, u' ');
        cases.push_back({"no data set: the stored identification and --- everywhere", none,
                         expectedEmpty(QStringLiteral("KL720-07"), ResString(3021))});
    }
    {
        InfoView v;
        v.ShortId = QStringLiteral("KL720-07");
        v.LongId = QStringLiteral("Via Roma 3");
        v.Step = QStringLiteral("10 ") + ResString(3012);
        v.Source = QStringLiteral("Upload");
        v.Count = QStringLiteral("3");
        v.Start = QStringLiteral("9 Dec 2026 07:44:47");
        v.End = QStringLiteral("9 Dec 2026 08:14:47");
        v.Min = QStringLiteral("0.12 µT");
        v.Max = QStringLiteral("1.50 µT");
        v.Mean = QStringLiteral("0.61 µT"); // 0.605 rounds away from zero, as "#0.00" does
        v.Median = QStringLiteral("0.20 µT");
        v.DataPresent = true;
        v.Saved = true;
        v.Status = StatusView(-1, false);
        cases.push_back({"a loaded session", loadedSession(), v});

        DataSet zero = loadedSession();
        zero.ResMin = zero.ResMax = zero.ResMean = 0;
        zero.MedianValue = 0;
        zero.DataSaved = false;
        InfoView z = v;
        z.Min = z.Max = z.Mean = QStringLiteral("0.00 µT");
        z.Median = QStringLiteral("0.00 µT");
        z.Saved = false;
        cases.push_back({"all four figures zero, not saved", zero, z});

        DataSet gaps = loadedSession();
        gaps.StatisticsPresent = gaps.MedianPresent = false;
        gaps.ResMin = -1;
        InfoView g = v;
        g.Min = g.Max = g.Mean = NoValue;
        g.Median = NoValue;
        cases.push_back({"no sample available: no figures, never -1", gaps, g});

        DataSet blanks = loadedSession();
        blanks.IDShort = QString(IdShortLength, u' ');
        blanks.IDLong = QString();
        InfoView b = v;
        b.ShortId = b.LongId = ResString(3021);
        cases.push_back({"blank identification texts", blanks, b});

        const std::pair<const char*, int> units[] = {
            {"s", 3013}, {"n", 3012}, {"h", 3014}, {"d", 3015}};
        for (const auto& [letter, id] : units) {
            DataSet u = loadedSession();
            u.SampleStepUnit = QLatin1String(letter);
            InfoView uv = v;
            uv.Step = QStringLiteral("10 ") + ResString(id);
            cases.push_back({"unit name", u, uv});
        }
        DataSet odd = loadedSession();
        odd.SampleStepUnit = QStringLiteral("x");
        odd.DataEndDate = QDateTime();
        InfoView ov = v;
        ov.Step = QStringLiteral("10 ");
        ov.End = NoValue;
        cases.push_back({"an unknown unit has no name", odd, ov});

        DataSet big = loadedSession();
        big.SampleStep = 2'000'000'000;
        big.IntervalMultiplier = 2;
        InfoView bv = v;
        bv.Step = QStringLiteral("4000000000 ") + ResString(3012);
        cases.push_back({"the step product does not overflow", big, bv});
    }
    for (const Case& c : cases) {
        const InfoView view = DataInfoView(c.data, -1, false, QLocale::c());
        EXPECT_TRUE(view == c.expected)
            << c.name << ": " << view.ShortId.toStdString() << " | " << view.Step.toStdString()
            << " | " << view.End.toStdString() << " | " << view.Min.toStdString();
    }
}

TEST_P(InfoViewTest, HalfwayFiguresRoundAwayFromZeroAsTheirPatternDoes) {
    struct Case {
        float min, max, mean;
        double median;
        const char* texts[4];
    };
    const Case cases[] = {
        {0.125f, 2.675f, 0.605f, 0.125, {"0.13 µT", "2.68 µT", "0.61 µT", "0.13 µT"}},
        {0.005f, 1.005f, 0.015f, 0.135, {"0.01 µT", "1.01 µT", "0.02 µT", "0.14 µT"}},
        {0.004f, 9.995f, 0.3f, 0.1249, {"0.00 µT", "10.00 µT", "0.30 µT", "0.12 µT"}},
    };
    for (const Case& c : cases) {
        DataSet d = loadedSession();
        d.ResMin = c.min;
        d.ResMax = c.max;
        d.ResMean = c.mean;
        d.MedianValue = c.median;
        const InfoView view = DataInfoView(d, -1, false, QLocale::c());
        EXPECT_EQ(view.Min, QString::fromUtf8(c.texts[0]));
        EXPECT_EQ(view.Max, QString::fromUtf8(c.texts[1]));
        EXPECT_EQ(view.Mean, QString::fromUtf8(c.texts[2]));
        EXPECT_EQ(view.Median, QString::fromUtf8(c.texts[3]));
    }
}

TEST_P(InfoViewTest, TheLiveBlockShowsDashesUntilItsFirstReadingAndWhenPollingStops) {
    LiveInfo live;
    live.IdShort = QStringLiteral("KL720-07");
    live.IdLong = QString();
    live.Active = true;
    live.Count = 0;
    live.SourceName = QStringLiteral("Real Time");
    live.Start = NaiveDateTime(2026, 12, 9, 7, 44, 50);
    live.Step = 3;
    live.StepUnit = QStringLiteral("s");
    live.Min = -1; // left over from the previous run
    live.Max = 9;
    live.Mean = 4;

    InfoView first = LiveInfoView(live, 0, true, QLocale::c());
    EXPECT_EQ(first.LongId, ResString(3021));
    EXPECT_EQ(first.Count, QStringLiteral("0"));
    EXPECT_EQ(first.Source, QStringLiteral("Real Time"));
    EXPECT_EQ(first.Step, QStringLiteral("3 ") + ResString(3013));
    EXPECT_EQ(first.Start, QStringLiteral("9 Dec 2026 07:44:50"));
    EXPECT_EQ(first.End, NoValue);
    EXPECT_EQ(first.Min, NoValue);
    EXPECT_EQ(first.Max, NoValue);
    EXPECT_EQ(first.Mean, NoValue);
    EXPECT_FALSE(first.Median.has_value());
    EXPECT_FALSE(first.DataPresent.has_value());
    EXPECT_FALSE(first.Saved.has_value());
    EXPECT_EQ(first.Status, StatusView(0, true));

    live.Count = 4;
    live.Min = 0.1f;
    live.Max = 0.35f;
    live.Mean = 0.2f;
    const InfoView polling = LiveInfoView(live, 0, true, QLocale::c());
    EXPECT_EQ(polling.Count, QStringLiteral("4"));
    EXPECT_EQ(polling.End, QStringLiteral("9 Dec 2026 07:44:59")); // the fourth reading
    EXPECT_EQ(polling.Min, QStringLiteral("0.10 µT"));
    EXPECT_EQ(polling.Max, QStringLiteral("0.35 µT"));
    EXPECT_EQ(polling.Mean, QStringLiteral("0.20 µT"));

    live.Active = false;
    const InfoView stopped = LiveInfoView(live, 1, false, QLocale::c());
    EXPECT_EQ(stopped.ShortId, QStringLiteral("KL720-07"));
    for (const QString& text : {stopped.Step, stopped.Source, stopped.Count, stopped.Start,
                                stopped.End, stopped.Min, stopped.Max, stopped.Mean})
        EXPECT_EQ(text, NoValue);
    EXPECT_FALSE(stopped.Median.has_value());
    EXPECT_EQ(stopped.Status, StatusView(1, false));
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, InfoViewTest, ::testing::Values(0, 1));
