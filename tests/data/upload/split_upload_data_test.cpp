#include "core/options.h"
#include "core/wait_box.h"
#include "data/dataset.h"
#include "data/upload/split_upload_data.h"
#include "data/warnings/generate_warnings.h"
#include "image_builder.h"
#include "scripted_port.h"
#include "tests/support/fake_ui.h"
#include "tests/support/language_scope.h"
#include "text/date_math.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {
// A data set that stands for the one loaded before the download.
DataSet Previous() {
    DataSet d;
    d.DataPresent = true;
    d.DataSaved = true;
    d.DataSourceName = QStringLiteral("File");
    d.CurrentFileName = QStringLiteral("/data/session.log");
    d.NumSamples = 1;
    d.DataRes = {0.0, 7.0};
    d.StopReason = 2;
    d.IDShort = QStringLiteral("before");
    return d;
}

class SplitUploadDataTest : public ::testing::Test {
protected:
    void SetUp() override {
        ReplaceCurrentData(Previous());
        WaitBoxHook().Show = [this](const QString& text) { events << "show:" + text; };
        WaitBoxHook().Hide = [this] { events << "hide"; };
        WarningsPane().Clear = [this] { events << "warnings"; };
        Options().ShowWarningsOnLoad = false;
    }
    void TearDown() override {
        WaitBoxHook() = WaitBoxHooks();
        WarningsPane() = WarningsPaneHooks();
        ReplaceCurrentData(DataSet());
        Options() = OptionsRecord();
    }
    FakeUi ui;
    LanguageScope language;
    VirtualClock clock{NaiveDateTime(2026, 12, 10, 9, 0, 0)};
    QStringList events;
};

TEST_F(SplitUploadDataTest, AGoodImageBecomesTheDataSetWithItsFigures) {
    ImageBuilder b;
    b.Add(512, 0, 0, 0).Add(1536, 0, 0, 0).Add(0, 0, 0, 0).Add(1024, 0, 0, 0);
    ASSERT_TRUE(SplitUploadData(b.Reply()));
    const DataSet& d = CurrentData();
    EXPECT_EQ(d.DataSourceName, QStringLiteral("Upload"));
    EXPECT_EQ(d.NumSamples, 4);
    EXPECT_TRUE(d.CurrentFileName.isEmpty());
    EXPECT_FALSE(d.DataSaved);
    EXPECT_EQ(d.StartDate, NaiveDateTime(2025, 7, 5, 10, 20, 30));
    EXPECT_TRUE(d.StatisticsPresent);
    EXPECT_FLOAT_EQ(d.ResMin, 1.0f);
    EXPECT_FLOAT_EQ(d.ResMax, 3.0f);
    EXPECT_FLOAT_EQ(d.ResMean, 1.5f);
    EXPECT_DOUBLE_EQ(d.MedianValue, 1.5);
    EXPECT_EQ(d.MedianIndex, 2);
    EXPECT_EQ(d.MedianSampleNumber, 1);
    DataSet sorted = d;
    SortByValue(sorted);
    EXPECT_EQ(sorted.SortedIndex, (QVector<qint32>{0, 3, 1, 4, 2}));
    EXPECT_TRUE(ui.messageCalls.isEmpty());
    EXPECT_EQ(events, (QStringList{"show:Processing the downloaded data...", "warnings", "hide"}));
}

TEST_F(SplitUploadDataTest, RefusedImagesLeaveThePreviousDataSetAndSayWhy) {
    const QByteArray replies[] = {
        ImageBuilder().Add(4, 4, 4, 0).Set(29, {'X'}).Reply(), // no marker
        ImageBuilder().Reply(),                                // empty memory
        ImageBuilder().Add(4, 4, 4, 0).Set(7, {1}).Reply(),    // unit without a letter
        ImageBuilder().Add(4, 4, 4, 0).Set(8, {0}).Reply(),    // step 0
        ImageBuilder().Add(4, 4, 4, 0).Reply().left(60),       // cut inside the header
        QByteArray("<\x00"),                                   // not even a head
    };
    for (const QByteArray& reply : replies) {
        ui.messageCalls.clear();
        EXPECT_FALSE(SplitUploadData(reply));
        ASSERT_EQ(ui.messageCalls.size(), 1);
        EXPECT_EQ(ui.messageCalls[0].message, ResString(3032));
        const DataSet& d = CurrentData();
        EXPECT_EQ(d.DataSourceName, QStringLiteral("File"));
        EXPECT_EQ(d.CurrentFileName, QStringLiteral("/data/session.log"));
        EXPECT_EQ(d.NumSamples, 1);
        EXPECT_EQ(d.StopReason, 2);
        EXPECT_EQ(d.IDShort, QStringLiteral("before"));
        EXPECT_TRUE(d.DataSaved);
    }
    EXPECT_FALSE(events.contains(QStringLiteral("warnings")));
    EXPECT_EQ(events.count(QStringLiteral("hide")), 6);
}
} // namespace
