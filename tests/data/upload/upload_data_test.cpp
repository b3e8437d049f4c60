#include "data/dataset.h"
#include "data/upload/upload_data.h"
#include "image_builder.h"
#include "link/comm_port.h"
#include "link/comm_state.h"
#include "link/link_hooks.h"
#include "scripted_port.h"
#include "tests/support/event_scope.h"
#include "tests/support/language_scope.h"
#include "tests/support/strict_ui.h"
#include "text/date_math.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <deque>
#include <memory>

namespace {
// The download road against a port that answers at once: the toolbar's transfer button
// down to the data set, with the questions the user is asked.
class UploadDataTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto owned = std::make_unique<ScriptedPort>(clock);
        port = owned.get();
        InstallSeriale(std::move(owned));
        ResetCommState();
        RegisterDataReplyHandlers();
        DataSet before;
        before.DataPresent = before.DataSaved = true;
        before.DataSourceName = QStringLiteral("File");
        before.CurrentFileName = QStringLiteral("/data/before.log");
        ReplaceCurrentData(std::move(before));
        scope.On(&ProgramEvents::InfoChanged, [this] { events << "info"; });
        scope.On(&ProgramEvents::DataSetReplaced, [this] { events << "replaced"; });
        image.Add(1024, 0, 0, 0).Add(0, 1024, 0, 2); // y of the second in the high range
        port->replies[4] = image.Reply();
    }
    void TearDown() override {
        StopLinkTimers();
        ResetCommState();
        InstallSeriale(nullptr);
        LinkReplyHook() = LinkReplyHooks();
        ReplaceCurrentData(DataSet());
    }
    void ExpectPreviousDataSet() {
        EXPECT_EQ(CurrentData().DataSourceName, QStringLiteral("File"));
        EXPECT_EQ(CurrentData().CurrentFileName, QStringLiteral("/data/before.log"));
    }
    StrictUi ui;
    LanguageScope language;
    VirtualClock clock{NaiveDateTime(2026, 12, 10, 9, 0, 0)};
    ScriptedPort* port = nullptr;
    ImageBuilder image;
    QStringList events;
    EventScope scope;
};

TEST_F(UploadDataTest, ConnectedDownloadBecomesTheDataSetAndEnablesTheButtons) {
    CommState().Connected = true;
    CommState().MonitorState = 0;
    EXPECT_TRUE(UploadData());
    EXPECT_EQ(port->commandsSent, (QList<int>{4}));
    EXPECT_EQ(CurrentData().DataSourceName, QStringLiteral("Upload"));
    EXPECT_EQ(CurrentData().NumSamples, 2);
    EXPECT_EQ(CurrentData().DataY[2], 200.0f);
    EXPECT_TRUE(CurrentData().CurrentFileName.isEmpty());
    EXPECT_EQ(events, (QStringList{"replaced"}));
    EXPECT_TRUE(ui.messageCalls.isEmpty());
}

TEST_F(UploadDataTest, NotConnectedConnectsFirst) {
    port->replies[3] = ReplyFrame(3, QByteArray(1, '\0'));
    port->replies[10] = ReplyFrame(10, QByteArray(19, '\0'));
    ASSERT_TRUE(UploadData());
    EXPECT_EQ(port->commandsSent, (QList<int>{3, 10, 4}));
    EXPECT_TRUE(CommState().Connected);
    EXPECT_EQ(CurrentData().DataSourceName, QStringLiteral("Upload"));
}

TEST_F(UploadDataTest, ConnectionRefusedByTheUserDownloadsNothing) {
    ui.messageAnswers = {false}; // "connect?" answered Cancel
    EXPECT_FALSE(UploadData());
    EXPECT_TRUE(port->commandsSent.isEmpty());
    ExpectPreviousDataSet();
}

TEST_F(UploadDataTest, ARecordingSessionIsStoppedOnlyWhenTheUserSaysSo) {
    CommState().Connected = true;
    CommState().MonitorState = 1;
    ui.messageAnswers = {false};
    EXPECT_FALSE(UploadData());
    ASSERT_EQ(ui.messageCalls.size(), 1);
    EXPECT_EQ(ui.messageCalls[0].message, ResString(27));
    EXPECT_EQ(ui.messageCalls[0].buttonKind, 0);
    EXPECT_TRUE(port->commandsSent.isEmpty());
    EXPECT_EQ(CommState().MonitorState, 1);
    ExpectPreviousDataSet();

    ui.messageAnswers = {true};
    port->replies[14] = ReplyFrame(14, QByteArray(1, '\0'));
    EXPECT_TRUE(UploadData());
    EXPECT_EQ(port->commandsSent, (QList<int>{14, 4}));
    EXPECT_EQ(CommState().MonitorState, 0);
    EXPECT_EQ(CurrentData().DataSourceName, QStringLiteral("Upload"));
}

TEST_F(UploadDataTest, AStopThatFailsIsReportedAndNothingIsDownloaded) {
    CommState().Connected = true;
    CommState().MonitorState = 1;
    EXPECT_FALSE(UploadData()); // no reply to the stop command
    EXPECT_EQ(port->commandsSent, (QList<int>{14}));
    ASSERT_EQ(ui.messageCalls.size(), 2);
    EXPECT_EQ(ui.messageCalls[1].message,
              QStringLiteral("Si è verificato un problema nel fermare il monitoraggio."));
    EXPECT_EQ(CommState().MonitorState, 1);
    ExpectPreviousDataSet();
}

TEST_F(UploadDataTest, AnUnsavedDataSetIsOfferedForSavingBeforeTheDownload) {
    CommState().Connected = true;
    CommState().MonitorState = 0;
    const struct {
        const char* what;
        std::deque<bool> answers;
        std::deque<FileDialogResult> saveDialogs;
        bool downloads;
        std::deque<BoxAnswer> choices = {};
    } cases[] = {
        {"no: the download goes on", {false}, {}, true},
        {"yes, then the save dialog cancelled: nothing sent", {true}, {FileDialogResult{}}, false},
        {"cancel: nothing sent", {}, {}, false, {BoxAnswer::Cancel}},
    };
    for (const auto& c : cases) {
        CurrentData().DataSourceName = QStringLiteral("File");
        CurrentData().CurrentFileName = QStringLiteral("/data/before.log");
        CurrentData().DataSaved = false;
        port->commandsSent.clear();
        ui.messageCalls.clear();
        ui.messageAnswers = c.answers;
        ui.choiceAnswers = c.choices;
        ui.saveAnswers = c.saveDialogs;
        EXPECT_EQ(UploadData(), c.downloads) << c.what;
        ASSERT_EQ(ui.messageCalls.size(), 1) << c.what;
        EXPECT_EQ(ui.messageCalls[0].message, ResString(31)) << c.what;
        EXPECT_EQ(port->commandsSent.size(), c.downloads ? 1 : 0) << c.what;
        if (!c.downloads)
            ExpectPreviousDataSet();
        else
            EXPECT_EQ(CurrentData().DataSourceName, QStringLiteral("Upload")) << c.what;
    }
}

TEST_F(UploadDataTest, FailedOrRefusedDownloadsLeaveThePreviousDataSet) {
    CommState().Connected = true;
    CommState().MonitorState = 0;
    const QByteArray bad[] = {
        QByteArray(),                                        // silence
        ImageBuilder().Add(4, 4, 4, 0).Set(30, {0}).Reply(), // no marker
        ReplyFrame(0xFF, QByteArray(100, '\0')),             // the instrument's error reply
        image.Reply().left(image.Reply().size() - 1),        // CRC cut off
    };
    for (const QByteArray& reply : bad) {
        port->replies[4] = reply;
        EXPECT_FALSE(UploadData());
        ExpectPreviousDataSet();
        EXPECT_TRUE(events.isEmpty()) << events.join(u',').toStdString();
    }
}
} // namespace
