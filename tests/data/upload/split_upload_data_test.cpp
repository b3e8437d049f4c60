#include "core/options.h"
#include "core/wait_box.h"
#include "data/dataset.h"
#include "data/upload/split_upload_data.h"
#include "data/upload/upload_hooks.h"
#include "data/warnings/generate_warnings.h"
#include "image_builder.h"
#include "scripted_port.h"
#include "tests/support/language_scope.h"
#include "tests/support/strict_ui.h"
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
    StrictUi ui;
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
// A start stamp that is no time stamp (memory never written holds 0xFF) is the one case
// where the user is asked for the start; the stop and the sample times follow the answer.
TEST_F(SplitUploadDataTest, AnUnreadableStartIsAskedForAndTheAnswerTaken) {
    const QDateTime given = NaiveDateTime(2014, 3, 15, 8, 30, 5);
    const struct {
        const char* name;
        std::initializer_list<int> stamp;
        QDateTime answer; // what the user answers
        int asked;        // times the question came
        QDateTime start;  // the data set's start
    } cases[] = {
        {"readable stamp",
         {0x30, 0x20, 0x10, 0x45, 0x07},
         given,
         0,
         NaiveDateTime(2025, 7, 5, 10, 20, 30)},
        {"erased stamp, answered", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, given, 1, given},
        {"erased stamp, cancelled",
         {0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
         NoDateAnswer(),
         1,
         NaiveDateTime(2023, 1, 3)},
        {"one digit above 9", {0x30, 0x2A, 0x10, 0x45, 0x07}, given, 1, given},
        // Out-of-range values in decimal digits carry as the calendar does: no question.
        {"month 13", {0x00, 0x00, 0x00, 0x41, 0x13}, given, 0, NaiveDateTime(2026, 1, 1)},
    };
    for (const auto& c : cases) {
        int asked = 0;
        events.clear();
        UploadHook().AskStartDate = [&] {
            ++asked;
            events << "asked";
            return c.answer;
        };
        ImageBuilder b;
        b.Set(2, c.stamp).SetStop(MemoryImage::HeaderBytes + 2 * MemoryImage::RecordBytes);
        b.Set(8, {0x10}).Add(4, 0, 0, 0).Add(4, 0, 0, 0).Add(4, 0, 0, 0);
        ASSERT_TRUE(SplitUploadData(b.Reply())) << c.name;
        const DataSet& d = CurrentData();
        EXPECT_EQ(asked, c.asked) << c.name;
        if (asked) // the question never stands behind the wait box
            EXPECT_EQ(events.mid(0, 4),
                      (QStringList{"show:Processing the downloaded data...", "hide", "asked",
                                   "show:Processing the downloaded data..."}))
                << c.name;
        EXPECT_EQ(d.StartDate, c.start) << c.name;
        EXPECT_EQ(d.StopDate, c.start.addSecs(20)) << c.name;
        EXPECT_EQ(SampleTime(d, 3), c.start.addSecs(20)) << c.name;
        EXPECT_EQ(d.DataEndDate, c.start.addSecs(30)) << c.name;
    }
    UploadHook() = UploadHooks();
}

// An image refused for another reason never asks.
TEST_F(SplitUploadDataTest, ARefusedImageAsksNothing) {
    int asked = 0;
    UploadHook().AskStartDate = [&] {
        ++asked;
        return NoDateAnswer();
    };
    ImageBuilder b;
    b.Set(2, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
    EXPECT_FALSE(SplitUploadData(b.Reply()));
    EXPECT_EQ(asked, 0);
    UploadHook() = UploadHooks();
}
} // namespace
