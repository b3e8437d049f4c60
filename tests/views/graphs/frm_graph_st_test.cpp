#include "platform/chart/chart_widget.h"
#include "platform/paths.h"
#include "stats/histogram.h"
#include "tests/support/default_locale.h"
#include "tests/support/fake_ui.h"
#include "tests/views/graphs/graphs_fixture.h"
#include "views/graphs/frm_graph_st.h"
#include "views/graphs/graph_hooks.h"
#include "views/graphs/limit_box.h"
#include "views/windows/single_window.h"

#include <QAction>
#include <QComboBox>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <vector>

namespace {
// A data set of these resultants (components of a third each).
DataSet ResultantSet(const std::vector<double>& values) {
    DataSet d = MakeSamples({});
    d.NumSamples = static_cast<qint32>(values.size());
    float maxRes = 0, minRes = 1e9f;
    for (double v : values) {
        const float c = static_cast<float>(v / 3);
        d.DataX.append(c);
        d.DataY.append(c);
        d.DataZ.append(c);
        d.DataRes.append(v);
        d.DataRf.append(0);
        if (v > 0) {
            maxRes = std::max(maxRes, float(v));
            minRes = std::min(minRes, float(v));
        }
    }
    d.ResMax = maxRes;
    d.ResMin = minRes > maxRes ? 0 : minRes;
    return d;
}

class GraphStWindow : public GraphWindowTest<frmGraphSt> {
protected:
    DefaultLocale cLocale{QLocale::c()}; // the figures below are the C locale's
    void SetUp() override {
        GraphWindowTest::SetUp();
        Histogram() = HistogramClasses();
        CurrentData() = ResultantSet({0.3, 0.5, 1.0, 2.5, 9.0, 0.05, 0.95, -1, 0});
    }
    void TearDown() override {
        GraphWindowTest::TearDown();
        Histogram() = HistogramClasses();
    }
    static const ChartSeries& Bars(frmGraphSt& w) { return w.teeStatistics->Model().Series(0); }
    static QStringList BarLabels(frmGraphSt& w) {
        QStringList labels;
        for (qint32 i = 0; i < Bars(w).Count(); ++i)
            labels << Bars(w).Label(i);
        return labels;
    }
    static std::vector<double> BarValues(frmGraphSt& w) {
        std::vector<double> values;
        for (qint32 i = 0; i < Bars(w).Count(); ++i)
            values.push_back(Bars(w).Value(i));
        return values;
    }
    static void Refresh(frmGraphSt& w, const QString& min, const QString& max, int classes) {
        w.txtMinValue->setText(min);
        w.txtMaxValue->setText(max);
        w.cboNumClassi->setCurrentIndex(classes - 3);
        QTest::mouseClick(w.btnRefresh, Qt::LeftButton);
    }
};
} // namespace

TEST(LimitBox, KeysLimitsAndSteps) {
    struct Key {
        QChar typed;
        std::optional<QChar> becomes;
    };
    for (const Key& k : std::vector<Key>{{u'7', u'7'},
                                         {u'0', u'0'},
                                         {u'.', u'.'},
                                         {u',', u'.'},
                                         {QChar(8), QChar(8)}, // backspace
                                         {QChar(13), QChar(13)},
                                         {u'a', std::nullopt},
                                         {u'-', std::nullopt},
                                         {u'e', std::nullopt},
                                         {u' ', std::nullopt}})
        EXPECT_EQ(LimitBoxKey(k.typed), k.becomes) << int(k.typed.unicode());

    struct Clamp {
        const char* text;
        const char* kept;
    };
    for (const Clamp& c : std::vector<Clamp>{{"75", "50"},
                                             {"50", "50"},
                                             {"50.01", "50"},
                                             {"-3", "0"},
                                             {"12.5", "12.5"},
                                             {"", ""},
                                             {"1.5x", "1.5x"}})
        EXPECT_EQ(ClampedLimitText(QString::fromLatin1(c.text)), QString::fromLatin1(c.kept))
            << c.text;

    EXPECT_EQ(LimitText(0.12f), QStringLiteral("0.12"));
    EXPECT_EQ(LimitText(2.5f), QStringLiteral("2.5"));
    EXPECT_EQ(LimitText(120.0f), QStringLiteral("120"));
    EXPECT_EQ(LimitStep(QStringLiteral("1.5"), true), 2);
    EXPECT_EQ(LimitStep(QStringLiteral("1.5"), false), 1);
    EXPECT_EQ(LimitStep(QStringLiteral("3"), false), 2);
    EXPECT_EQ(LimitStep(QStringLiteral("50"), true), 50);
    EXPECT_EQ(LimitStep(QStringLiteral("0"), false), 0);
    EXPECT_EQ(LimitStep(QStringLiteral("120"), false), 50);
}

TEST_F(GraphStWindow, LoadStartsFromTheDataSetsLimitsWithElevenClasses) {
    EXPECT_FALSE(GraphStOpen());
    frmGraphSt& w = Open();
    EXPECT_TRUE(GraphStOpen());
    EXPECT_EQ(Window<frmGraphSt>().Instance(), &w);
    EXPECT_EQ(w.txtMinValue->text(), QStringLiteral("0.05"));
    EXPECT_EQ(w.txtMaxValue->text(), QStringLiteral("9"));
    ASSERT_EQ(w.cboNumClassi->count(), 9);
    EXPECT_EQ(w.cboNumClassi->itemText(0), QStringLiteral(" 3"));
    EXPECT_EQ(w.cboNumClassi->itemText(8), QStringLiteral(" 11"));
    EXPECT_EQ(w.cboNumClassi->currentIndex(), 8);
    EXPECT_EQ(Bars(w).Count(), 11);
    EXPECT_TRUE(BarLabels(w).first().startsWith(u'<')); // a minimum above 0
    EXPECT_EQ(w.teeStatistics->Model().TitleLines, QStringList{QStringLiteral("T3037")});
    EXPECT_EQ(w.lblText[0]->text(), QStringLiteral("T4010"));
    EXPECT_EQ(w.lblText[2]->text(), QStringLiteral("T4012"));
    EXPECT_EQ(w.btnRefresh->text(), QStringLiteral("T4013"));
    EXPECT_EQ(w.btnRefresh->toolTip(), QStringLiteral("T4145"));
    EXPECT_EQ(w.Button(3)->toolTip(), QStringLiteral("T4143"));
    EXPECT_EQ(w.txtMaxValue->accessibleName(), QStringLiteral("T4011"));
    EXPECT_FALSE(w.updMax->Up->accessibleName().isEmpty());
    w.Form_Activate();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("T4008"));
    CurrentData().CurrentFileName = QStringLiteral("survey.log");
    w.Form_Activate();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("survey.log [T4008]"));
    // A second show is the same window; close clears the flag.
    EXPECT_EQ(&Window<frmGraphSt>().Show(), &w);
    w.tbrGraphSt_ButtonClick(5);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(GraphStOpen());
    EXPECT_EQ(Window<frmGraphSt>().Instance(), nullptr);
}

TEST_F(GraphStWindow, RefreshBuildsTheClassesOfTheLimits) {
    frmGraphSt& w = Open();
    // Nine samples: 0.05, 0.3, 0.5, 0.95, 1.0, 2.5, 9.0 count; the 0 and the gap do not.
    const double one = 100.0 / 9;
    struct Case {
        const char* min;
        const char* max;
        int classes;
        QStringList labels;
        std::vector<double> shares;
    } cases[] = {
        {"0",
         "1",
         11,
         QStringList{"0.00-0.10", "0.10-0.20", "0.20-0.30", "0.30-0.40", "0.40-0.50", "0.50-0.60",
                     "0.60-0.70", "0.70-0.80", "0.80-0.90", "0.90-1.00", ">1.00"},
         // A sample on a bound goes to the class above it: 0.3 to 0.30-0.40, 0.5 to
         // 0.50-0.60, and 1.0 to ">1.00" with 2.5 and 9.0.
         {one, 0, 0, one, 0, one, 0, 0, 0, one, 3 * one}},
        {"0.5",
         "2.5",
         6,
         QStringList{"<0.5", "0.5-1.0", "1.0-1.5", "1.5-2.0", "2.0-2.5", ">2.5"},
         {2 * one, 2 * one, one, 0, 0, 2 * one}},
    };
    for (const Case& c : cases) {
        Refresh(w, QString::fromLatin1(c.min), QString::fromLatin1(c.max), c.classes);
        EXPECT_EQ(BarLabels(w), c.labels) << c.min << ".." << c.max;
        const std::vector<double> values = BarValues(w);
        ASSERT_EQ(values.size(), c.shares.size());
        for (size_t k = 0; k < values.size(); ++k)
            EXPECT_NEAR(values[k], c.shares[k], 1e-5) // bars hold single precision
                << c.min << " class " << k + 1;
    }
    EXPECT_TRUE(ui.messageCalls.isEmpty());
}

TEST_F(GraphStWindow, LimitsNotInOrderAreRefusedAndTheGraphStays) {
    frmGraphSt& w = Open();
    Refresh(w, QStringLiteral("0.5"), QStringLiteral("2.5"), 6);
    const QStringList before = BarLabels(w);
    for (const char* max : {"0.5", "0.2", ""}) {
        Refresh(w, QStringLiteral("0.5"), QString::fromLatin1(max), 4);
        EXPECT_EQ(BarLabels(w), before) << max;
    }
    ASSERT_EQ(ui.messageCalls.size(), 3);
    EXPECT_EQ(ui.messageCalls[0].message, QStringLiteral("T30"));
    EXPECT_EQ(ui.messageCalls[0].buttonKind, 1);
}

TEST_F(GraphStWindow, TypedLimitsAreFilteredAndBroughtInsideTheirRange) {
    frmGraphSt& w = Open();
    w.txtMinValue->clear();
    QTest::keyClicks(w.txtMinValue, QStringLiteral("1,5"));
    EXPECT_EQ(w.txtMinValue->text(), QStringLiteral("1.5"));
    QTest::keyClicks(w.txtMinValue, QStringLiteral("a-x"));
    EXPECT_EQ(w.txtMinValue->text(), QStringLiteral("1.5"));
    w.txtMaxValue->setText(QStringLiteral("75"));
    w.txtMaxValue->Validate(); // what leaving the box does
    EXPECT_EQ(w.txtMaxValue->text(), QStringLiteral("50"));
    w.updMax->StepDown();
    EXPECT_EQ(w.txtMaxValue->text(), QStringLiteral("49"));
    QTest::mouseClick(w.updMin->Up, Qt::LeftButton);
    EXPECT_EQ(w.txtMinValue->text(), QStringLiteral("2"));
}

TEST_F(GraphStWindow, AMaximumAboveFiftyIsNotClampedAtLoad) {
    CurrentData() = ResultantSet({12.0, 120.0});
    frmGraphSt& w = Open();
    EXPECT_EQ(w.txtMaxValue->text(), QStringLiteral("120"));
    EXPECT_EQ(BarLabels(w).last(), QStringLiteral(">120.0"));
}

TEST_F(GraphStWindow, ADataSetWithoutARangeDrawsNoEarlierClasses) {
    {
        frmGraphSt& w = Open();
        EXPECT_EQ(Bars(w).Count(), 11);
    }
    for (const DataSet& data :
         {ResultantSet({0.7}), ResultantSet({0.7, 0.7, 0.7}), ResultantSet({})}) {
        Window<frmGraphSt>().Unload();
        CurrentData() = data;
        frmGraphSt& w = Open();
        EXPECT_TRUE(GraphStOpen());
        EXPECT_EQ(Bars(w).Count(), 0) << data.NumSamples;
        EXPECT_EQ(w.teeStatistics->Model().TitleLines.size(), 1);
    }
    EXPECT_TRUE(ui.messageCalls.isEmpty());
}

TEST_F(GraphStWindow, ManySamplesAndAFarOutlierAreCounted) {
    std::vector<double> values(40000, 0.25);
    values.push_back(400.0);
    CurrentData() = ResultantSet(values);
    frmGraphSt& w = Open();
    Refresh(w, QStringLiteral("0.2"), QStringLiteral("0.3"), 11);
    const std::vector<double> shares = BarValues(w);
    ASSERT_EQ(shares.size(), 11u);
    EXPECT_NEAR(shares.back(), 100.0 / 40001, 1e-6); // 400 µT in ">0.30"
    double total = 0;
    for (double s : shares)
        total += s;
    EXPECT_NEAR(total, 100.0, 1e-4);
    EXPECT_TRUE(ui.messageCalls.isEmpty());
}

TEST_F(GraphStWindow, SavesPicturesAndPrintsTheHistogramPage) {
    frmGraphSt& w = Open();
    const QString jpeg = scratch.filePath(QStringLiteral("histogram.jpg"));
    const QString svg = scratch.filePath(QStringLiteral("histogram.svg"));
    ui.saveAnswers.push_back({false, QString(), 0});
    ui.saveAnswers.push_back({true, jpeg, 0});
    ui.saveAnswers.push_back({true, svg, 1});
    w.tbrGraphSt_ButtonClick(2);
    EXPECT_TRUE(QDir(scratch.path()).entryList(QDir::Files).isEmpty());
    ASSERT_EQ(ui.saveCalls.size(), 1);
    EXPECT_EQ(ui.saveCalls[0].title, QStringLiteral("T3036"));
    EXPECT_EQ(ui.saveCalls[0].filter, GraphStPictureFilter());
    w.tbrGraphSt_ButtonClick(2);
    QImageReader reader(jpeg);
    EXPECT_EQ(reader.format(), "jpeg");
    EXPECT_EQ(reader.size(), QSize(800, 600));
    w.tbrGraphSt_ButtonClick(2);
    EXPECT_TRUE(QSvgRenderer(svg).isValid());

    CurrentData().IDShort = QStringLiteral(" KL720 07  ");
    CurrentData().IDLong = QStringLiteral("Piazza Duomo   ");
    QString title, kind;
    GraphHook().PrintGraph = [&](const QString& t, const QString& k) {
        title = t;
        kind = k;
    };
    w.tbrGraphSt_ButtonClick(3);
    EXPECT_EQ(title, QStringLiteral("T4083 KL720 07 - Piazza Duomo"));
    EXPECT_EQ(kind, QStringLiteral("ST"));
}
