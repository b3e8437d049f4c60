#include "data/dataset.h"
#include "data/warnings/generate_warnings.h"
#include "data/warnings/warning_rows.h"
#include "platform/chart/chart_layout.h"
#include "platform/chart/chart_model.h"
#include "platform/chart/chart_paint.h"
#include "shell/about/frm_about.h"
#include "shell/settings/color_box.h"
#include "stats/histogram.h"
#include "tests/shell/settings/settings_fixture.h"
#include "text/date_math.h"
#include "views/graphs/graph_builders.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>

namespace {
class OptionsTakeEffect : public SettingsFixture {
protected:
    void TearDown() override {
        CurrentData() = DataSet{};
        Histogram() = HistogramClasses{};
        WarningsPane() = WarningsPaneHooks{};
        SettingsFixture::TearDown();
    }
    // Four samples whose resultants lie at 0.1, 0.3, 0.4 and 0.6 µT.
    static DataSet fieldData() {
        DataSet d;
        d.DataPresent = true;
        d.NumSamples = 4;
        d.StartDate = NaiveDateTime(2026, 12, 9, 8, 0, 0);
        d.SampleStep = 1;
        d.SampleStepUnit = QStringLiteral("n");
        d.DataX = {0, 0.1f, 0.3f, 0.4f, 0.6f};
        d.DataY = {0, 0, 0, 0, 0};
        d.DataZ = {0, 0, 0, 0, 0};
        d.DataRes = {0, 0.1, 0.3, 0.4, 0.6};
        d.DataRf = {0, 0, 0, 0, 0};
        d.ResMax = 0.6f;
        d.ResMin = 0.1f;
        return d;
    }
    // The dialog's OK after the colour boxes and the threshold options were worked.
    void choose(const std::vector<std::pair<int, QColor>>& colours, int thresholdOption,
                int memoryItem = 3) {
        const auto d = open();
        for (const auto& [box, colour] : colours) {
            ui.colorAnswers.push_back(colour);
            d->pctColor[static_cast<size_t>(box)]->click();
        }
        d->optSoglia[static_cast<size_t>(thresholdOption)]->click();
        d->cboMemorySize->setCurrentIndex(memoryItem);
        d->btnOk->click();
    }
};
} // namespace

TEST_F(OptionsTakeEffect, ChosenColoursReachTheGraphsOnTheirNextDrawing) {
    CurrentData() = fieldData();
    ChartModel evolution;
    GraphSetup(evolution, GraphKind::TimeEvolution, {});
    const QColor trace(1, 2, 3), bars(4, 5, 6), timeBack(7, 8, 9), statBack(10, 11, 12);
    choose({{0, trace}, {4, bars}, {5, timeBack}, {6, statBack}}, 0);

    GraphSetup(evolution, GraphKind::TimeEvolution, {});
    EXPECT_EQ(evolution.Series(0).Color, trace);
    EXPECT_EQ(evolution.PanelColor, timeBack);

    ChartModel statistics;
    GraphSetup(statistics, GraphKind::Statistics, {});
    Histogram().ClassNumber = 2;
    Histogram().ClassCount[1] = 40;
    Histogram().ClassCount[2] = 60;
    DrawGraph(statistics, GraphKind::Statistics, {});
    EXPECT_EQ(statistics.PanelColor, statBack);
    ASSERT_EQ(statistics.Series(0).Count(), 2);
    EXPECT_EQ(statistics.Series(0).PointColor(0), bars);
}

TEST_F(OptionsTakeEffect, TheThresholdLineOfAnOpenGraphMovesOnItsNextPaint) {
    CurrentData() = fieldData();
    ChartModel chart;
    GraphSetup(chart, GraphKind::TimeEvolution, {});
    DrawGraph(chart, GraphKind::TimeEvolution, {});
    const QRgb lineColour = QColor(255, 0, 255).rgb();
    choose({{7, QColor(lineColour)}}, 1); // 0.5 µT, magenta

    const QRectF area(0, 0, 800, 600);
    QImage image(800, 600, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintChart(painter, chart, area);
    painter.end();
    const ChartGeometry g = ComputeChartGeometry(chart, area, QFont());
    const int x = static_cast<int>(g.x.ToPixel(1.5));
    EXPECT_EQ(image.pixel(x, static_cast<int>(std::floor(g.y.ToPixel(0.5)))), lineColour);
    EXPECT_NE(image.pixel(x, static_cast<int>(std::floor(g.y.ToPixel(0.2)))), lineColour);
}

TEST_F(OptionsTakeEffect, TheThresholdDecidesTheWarnings) {
    CurrentData() = fieldData();
    std::vector<QString> shown;
    WarningsPane().Clear = [&] { shown.clear(); };
    WarningsPane().Add = [&](const QString& text, int) { shown.push_back(text); };
    const auto texts = [](float threshold) {
        std::vector<QString> out;
        for (const WarningRow& row : BuildWarnings(CurrentData(), threshold))
            out.push_back(row.Text);
        return out;
    };
    ASSERT_NE(texts(0.2f), texts(0.5f)) << "the data must tell the two thresholds apart";

    GenerateWarnings();
    EXPECT_EQ(shown, texts(0.2f));
    choose({}, 1);
    GenerateWarnings();
    EXPECT_EQ(shown, texts(0.5f));
}

TEST_F(OptionsTakeEffect, TheMemorySizeReachesTheMonitoringArithmeticAndTheAboutBox) {
    const QDateTime start = NaiveDateTime(2026, 12, 9, 8, 0, 0);
    struct Case {
        int item;
        qint64 seconds;
        const char* label;
    };
    const Case cases[] = {{0, 571, "Memory : 32 Kbit"},
                          {1, 1157, "Memory : 64 Kbit"},
                          {2, 4667, "Memory : 256 Kbit"},
                          {3, 9349, "Memory : 512 Kbit"}};
    for (const Case& c : cases) {
        choose({}, 0, c.item);
        EXPECT_EQ(CalculateMemoryFullDate(start, 1, QStringLiteral("s")), start.addSecs(c.seconds));
        frmAbout about;
        about.Form_Load();
        EXPECT_EQ(about.lblEEprom->text(), QString::fromUtf8(c.label));
    }
}
