#include "core/options.h"
#include "data/dataset.h"
#include "data/warnings/generate_warnings.h"
#include "tests/support/default_locale.h"
#include "tests/support/language_scope.h"
#include "text/date_math.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace {
// Keeps the program-wide data set, options and pane hooks as they were.
class GenerateWarningsTest : public ::testing::Test {
protected:
    void SetUp() override {
        savedData_ = CurrentData();
        savedOptions_ = Options();
        savedHooks_ = WarningsPane();
        WarningsPane().Clear = [this] { calls.append(QStringLiteral("clear")); };
        WarningsPane().Add = [this](const QString& text, int picture) {
            calls.append(QString::number(picture) + u' ' + text);
        };
    }
    void TearDown() override {
        CurrentData() = savedData_;
        Options() = savedOptions_;
        WarningsPane() = savedHooks_;
    }
    QStringList calls;
    DefaultLocale cLocale{QLocale::c()}; // the figures below are the C locale's

private:
    DataSet savedData_;
    OptionsRecord savedOptions_;
    WarningsPaneHooks savedHooks_;
};
} // namespace

TEST_F(GenerateWarningsTest, ClearsThePaneThenAddsTheRowsAgainstTheOptionsThreshold) {
    LanguageScope language(1);
    DataSet d;
    d.DataPresent = true;
    d.StartDate = NaiveDateTime(2026, 12, 9, 7, 44, 0);
    d.SampleStep = 10;
    d.SampleStepUnit = QStringLiteral("s");
    d.NumSamples = 2;
    d.DataRes = {0, 0.5, 1.5};
    d.ResMean = 1.0f;
    d.DataEndDate = DateAdd(d.SampleStepUnit, 20, d.StartDate);
    d.StopDate = NoStopDate();
    d.StopReason = 3;
    CurrentData() = d;

    Options().Threshold = 1.0f;
    GenerateWarnings();
    ASSERT_EQ(calls.size(), 6);
    EXPECT_EQ(calls[0], QStringLiteral("clear"));
    EXPECT_EQ(calls[1], QStringLiteral("2 Recording ended at the programmed time"));
    EXPECT_EQ(calls[2].left(2), QStringLiteral("3 "));
    EXPECT_TRUE(calls[2].endsWith(QStringLiteral(" : 50.0%"))) << calls[2].toStdString();

    calls.clear();
    Options().Threshold = 2.0f;
    GenerateWarnings();
    ASSERT_EQ(calls.size(), 6);
    EXPECT_TRUE(calls[2].startsWith(QStringLiteral("2 "))) << calls[2].toStdString();
    EXPECT_TRUE(calls[2].endsWith(QStringLiteral(" : 0.0%"))) << calls[2].toStdString();
}

TEST_F(GenerateWarningsTest, DoesNothingVisibleWithoutAPane) {
    WarningsPane() = {};
    CurrentData() = DataSet{};
    GenerateWarnings(); // no pane registered and an empty data set: no failure, no box
    EXPECT_TRUE(calls.isEmpty());
}
