#include "core/program_events.h"
#include "data/dataset.h"
#include "data/upload/upload_data.h"
#include "link/comm_port.h"
#include "link/comm_state.h"
#include "link/exchange.h"
#include "link/link_hooks.h"
#include "tests/support/event_scope.h"
#include "tests/support/fake_serial_port.h"
#include "tests/support/kl720_fake_link.h"
#include "tests/support/kl720_instrument.h"
#include "tests/support/language_scope.h"
#include "tests/support/link_reset.h"
#include "tests/support/strict_ui.h"
#include "tests/support/virtual_time.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
using Fault = Kl720Instrument::Fault;

// A download the user started, against the emulated instrument behind a fake port, each
// fault in turn: one message says that it failed and why, and the data set stays.
class DownloadFailure : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(OpenFakeInstrumentLink(time, instrument, port));
        RegisterDataReplyHandlers();
        events.On(&ProgramEvents::CommStatus,
                  [this](int, const QString& text) { statuses << text; });
        instrument.settings[5] = 2; // seconds
        instrument.settings[6] = 1;
        for (int i = 0; i < 30; ++i)
            instrument.samples.push_back({static_cast<quint16>(i + 4), 4, 4, 0});
        DataSet before;
        before.DataPresent = before.DataSaved = true;
        before.DataSourceName = QStringLiteral("File");
        ReplaceCurrentData(std::move(before));
        CommState().Connected = true;
        CommState().MonitorState = 0;
    }
    void TearDown() override {
        events.Clear();
        ResetLinkForTests();
        ReplaceCurrentData(DataSet());
    }
    QStringList messages() const { return ui.MessageTexts(); }

    StrictUi ui;
    LanguageScope language;
    VirtualTime time;
    FakeSerialPort* port = nullptr;
    Kl720Instrument instrument;
    QStringList statuses;
    EventScope events;
};

TEST_F(DownloadFailure, EachFaultGivesItsOneMessageAndKeepsTheDataSet) {
    const struct {
        Fault fault;
        int text;
    } cases[] = {
        {Fault::Silence, 3941},   {Fault::BadCrc, 3942},    {Fault::ErrorReply, 3942},
        {Fault::Truncated, 3942}, {Fault::WrongEcho, 3942}, {Fault::WrongLength, 3942},
        {Fault::Garbage, 3942},
    };
    for (const auto& c : cases) {
        ui.messageCalls.clear();
        statuses.clear();
        CommState().TimeoutCount = 0;
        instrument.SetFault(c.fault, 1, 4);
        EXPECT_FALSE(UploadData()) << static_cast<int>(c.fault);
        EXPECT_EQ(messages(), QStringList{ResString(c.text)}) << static_cast<int>(c.fault);
        EXPECT_FALSE(statuses.contains(QStringLiteral("Last Command OK")))
            << static_cast<int>(c.fault);
        EXPECT_EQ(CurrentData().DataSourceName, QStringLiteral("File"))
            << static_cast<int>(c.fault);
        EXPECT_FALSE(CommState().CommandPending());
        time.RunFor(1000); // anything left over on the line goes
    }
    // The next download goes through.
    ui.messageCalls.clear();
    EXPECT_TRUE(UploadData());
    EXPECT_TRUE(ui.messageCalls.isEmpty());
    EXPECT_EQ(CurrentData().NumSamples, 30);
    EXPECT_EQ(statuses.last(), QStringLiteral("Last Command OK"));
}

TEST_F(DownloadFailure, AnInstrumentUnpluggedAsTheDownloadStartsSaysTheLinkWasLost) {
    port->responder = [this](const QByteArray&) { port->Vanish(); };
    EXPECT_FALSE(UploadData());
    EXPECT_EQ(messages(), QStringList{ResString(3943)});
    EXPECT_EQ(CurrentData().DataSourceName, QStringLiteral("File"));
    EXPECT_FALSE(CommState().Connected);
}

TEST_F(DownloadFailure, AnImageThatIsNoSessionIsSaidOnceByTheUnpacking) {
    instrument.samples.clear(); // empty memory: no samples
    EXPECT_FALSE(UploadData());
    EXPECT_EQ(messages(), QStringList{ResString(3032)});
}
} // namespace
