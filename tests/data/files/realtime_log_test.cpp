// "RealTime.log": its bytes, the count written in place after every record, and the log
// loading back as a session of 3-second samples.
#include "data/dataset.h"
#include "data/files/realtime_log.h"
#include "data/files/session_log.h"
#include "data/live/realtime_set.h"
#include "platform/paths.h"
#include "tests/support/fake_ui.h"
#include "tests/support/virtual_time.h"
#include "text/file_text_locale.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
class RealTimeLogTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetWritableFolderForTests(dir.path());
        ResetRealTimeSet();
        RealTimeSet().RtIDShort = QStringLiteral("SN0042   ");
        RealTimeSet().RtIDLong = QStringLiteral("Cantiere \"nord\"");
    }
    void TearDown() override {
        CloseLastLog();
        SetWritableFolderForTests(QString());
        ResetRealTimeSet();
    }
    QByteArray bytes() const {
        QFile file(RealTimeLogPath());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }
    QString startText() const {
        return FileTextLocale().DateTimeText(
            QDateTime(QDate(2014, 3, 15), QTime(8, 30, 8), Qt::UTC));
    }

    QTemporaryDir dir;
    VirtualTime time; // 15 March 2014 08:30:05
    FakeUi ui;
};

TEST_F(RealTimeLogTest, WritesTheSessionLayoutAndTheCountInPlaceAfterEveryRecord) {
    time.Block(400); // whole seconds: the start is 08:30:08 however far into the second
    ASSERT_TRUE(OpenLastLog());
    EXPECT_EQ(RealTimeSet().RtStartDate, QDateTime(QDate(2014, 3, 15), QTime(8, 30, 8), Qt::UTC));
    EXPECT_EQ(RealTimeSet().RtStep, 3);
    EXPECT_EQ(RealTimeSet().RtStepUnit, QStringLiteral("s"));
    EXPECT_EQ(RealTimeSet().RtSourceName, QStringLiteral("Real Time"));
    const QByteArray head =
        "\"Field Activity Log\"\r\n\"" + startText().toUtf8() + "\"\r\n\" 3s\"\r\n";
    const QByteArray ids = "\r\n\"SN0042\"\r\n\"Cantiere  nord\"\r\n";
    EXPECT_EQ(bytes(), head + "          " + ids) << "ten blanks while no reading is in";

    // The records' numbers in the user's decimal separator.
    const auto record = [](QByteArray text) {
        return text.replace('.', FileTextLocale().DecimalSeparator());
    };
    ASSERT_TRUE(AppendRealTimeRecord(1.23f, 0.5f, 200.0f));
    EXPECT_EQ(bytes(), head + " 1        " + ids + record("\"1.23 0.50 200.00  0\"\r\n"))
        << "the count is current before the log is closed";
    ASSERT_TRUE(AppendRealTimeRecord(0.0f, 0.01f, 3.12f));
    CloseLastLog();
    EXPECT_FALSE(RealTimeLogOpen());
    EXPECT_EQ(bytes(), head + " 2        " + ids + record("\"1.23 0.50 200.00  0\"\r\n") +
                           record("\"0.00 0.01 3.12  0\"\r\n"));
    EXPECT_FALSE(AppendRealTimeRecord(1, 1, 1)) << "nothing is written once closed";
}

TEST_F(RealTimeLogTest, ALogOfFortyTwoReadingsLoadsAsFortyTwoSamplesOfThreeSeconds) {
    ASSERT_TRUE(OpenLastLog());
    for (int i = 1; i <= 42; ++i)
        ASSERT_TRUE(AppendRealTimeRecord(i / 100.0f, 0.5f, i * 1.5f));
    // Read before it is closed, as after a crash: every record counts already.
    for (bool closed : {false, true}) {
        if (closed)
            CloseLastLog();
        DataSet data;
        ASSERT_EQ(ReadSessionLog(bytes(), FileTextLocale(), data), LoadRefusal::None);
        EXPECT_EQ(data.NumSamples, 42);
        EXPECT_EQ(data.SampleStep, 3);
        EXPECT_EQ(data.SampleStepUnit, QStringLiteral("s"));
        EXPECT_EQ(data.StopDate, NoStopDate());
        EXPECT_EQ(data.StopReason, -1);
        EXPECT_EQ(data.StartDate, RealTimeSet().RtStartDate);
        EXPECT_FLOAT_EQ(data.DataX[42], 0.42f);
        EXPECT_FLOAT_EQ(data.DataZ[42], 63.0f);
        EXPECT_EQ(data.IDShort.trimmed(), QStringLiteral("SN0042"));
    }
}

TEST_F(RealTimeLogTest, ALogClosedBeforeAnyReadingCountsZeroAndIsRefused) {
    ASSERT_TRUE(OpenLastLog());
    CloseLastLog();
    DataSet data;
    EXPECT_TRUE(bytes().contains("\r\n 0        \r\n"));
    EXPECT_EQ(ReadSessionLog(bytes(), FileTextLocale(), data), LoadRefusal::BadCount);
}

TEST_F(RealTimeLogTest, ReplacesAnEarlierLog) {
    {
        QFile old(RealTimeLogPath());
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(5000, 'x'));
    }
    ASSERT_TRUE(OpenLastLog());
    CloseLastLog();
    EXPECT_FALSE(bytes().contains('x'));
}

TEST_F(RealTimeLogTest, AFolderThatCannotBeWrittenIsReportedAndLeavesTheLogClosed) {
    SetWritableFolderForTests(dir.filePath(QStringLiteral("missing/folder")));
    EXPECT_FALSE(OpenLastLog());
    EXPECT_FALSE(RealTimeLogOpen());
    EXPECT_FALSE(AppendRealTimeRecord(1, 2, 3));
    ASSERT_EQ(ui.standardCalls.size(), 1) << "one report, from the start";
    EXPECT_TRUE(ui.standardCalls[0].text.contains(QStringLiteral("OpenLastLog")));
}

TEST(RealTimeCountField, HoldsThirtyTwoBitCountsInItsTenCharacters) {
    EXPECT_EQ(RealTimeCountField(0), QByteArray(" 0        "));
    EXPECT_EQ(RealTimeCountField(32768), QByteArray(" 32768    "));
    EXPECT_EQ(RealTimeCountField(999'999'999), QByteArray(" 999999999"));
    EXPECT_EQ(RealTimeCountField(2'000'000'000).size(), RealTimeCountWidth);
}
} // namespace
