// The block download of the second kind of instrument: the program's real code over the
// real serial layer, against the emulated instrument on a pseudo-terminal.
#include "core/language.h"
#include "core/program_events.h"
#include "data/dataset.h"
#include "data/upload/tressil_download.h"
#include "link/comm_port.h"
#include "link/comm_state.h"
#include "link/connection.h"
#include "link/exchange.h"
#include "link/link_hooks.h"
#include "platform/paths.h"
#include "platform/serial/qt_serial_port.h"
#include "tests/support/kl720_pty.h"
#include "tests/support/strict_ui.h"
#include "text/date_math.h"

#include <QSignalSpy>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {
using Sample = TressilMemory::Sample;

const QDateTime Ten = NaiveDateTime(2026, 12, 9, 10, 0, 0);

// count samples whose x raw value counts up from first.
std::vector<Sample> samples(int count, quint8 first = 10) {
    std::vector<Sample> out;
    for (int i = 0; i < count; ++i)
        out.push_back({static_cast<quint8>(first + i), 0, 0, 0});
    return out;
}

class BlockDownloadPty : public ::testing::Test {
protected:
    void SetUp() override {
        ResetCommState();
        SetProgramFolderForTests(QStringLiteral(CORVANEL_PROGRAM_DIR));
        InitLibrary(QStringLiteral("Language.dll"));
        SetLanguage(1);
        server = std::make_unique<Kl720PtyServer>();
        ASSERT_TRUE(server->IsRunning());
        server->ExportAsComPort(1);
        InstallSeriale(std::make_unique<QtSerialPort>());
        ASSERT_TRUE(OpenCommPort(1));
        DataSet previous;
        previous.DataPresent = previous.DataSaved = true;
        previous.NumSamples = 1;
        previous.DataX = previous.DataY = previous.DataZ = {0, 7};
        previous.DataRes = {0, 12.12};
        previous.CurrentFileName = QStringLiteral("previous.log");
        ReplaceCurrentData(std::move(previous));
    }
    void TearDown() override {
        StopLinkTimers();
        InstallSeriale(nullptr);
        server.reset();
        ResetCommState();
        ReplaceCurrentData(DataSet());
        FreeResLibrary();
        SetLanguage(0);
        SetProgramFolderForTests(QString());
        QCoreApplication::processEvents();
    }

    void memory(const std::function<void(TressilMemory&)>& set) {
        server->With([&](Kl720Instrument& k) {
            k.tressil.enabled = true;
            set(k.tressil);
        });
    }
    // The requests of a kind the emulator took, once it took expected of them (the last
    // "H" may still be on the line when the download returns) or a second passed.
    int requests(char c, int expected) {
        int seen = 0;
        for (int i = 0; i < 100; ++i) {
            seen = server->With([c](Kl720Instrument& k) {
                return c == 'E' ? k.tressil.eRequests : k.tressil.hRequests;
            });
            if (seen >= expected)
                break;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return seen;
    }
    bool previousKept() const { return CurrentData().CurrentFileName == u"previous.log"; }
    QString onlyMessage() const {
        return ui.messageCalls.size() == 1 ? ui.messageCalls[0].message : QString();
    }

    // Quick waits for the failures that wait out their time.
    BlockTimings quick{2000, 1500};
    StrictUi ui;
    std::unique_ptr<Kl720PtyServer> server;
};

TEST_F(BlockDownloadPty, OneBlockBecomesTheDataSet) {
    memory([](TressilMemory& m) {
        m.countReply = "0001\r\n";
        m.blocks = {TressilMemory::Block(2, Ten, {{4, 255, 3, 2}, {0, 0, 0, 0}, {200, 0, 0, 1}})};
    });
    QSignalSpy replaced(&Events(), &ProgramEvents::DataSetReplaced);
    ASSERT_TRUE(DownloadTressilData(quick));
    const DataSet& data = CurrentData();
    EXPECT_EQ(data.DataSourceName, QStringLiteral("Tressil"));
    EXPECT_EQ(data.NumSamples, 3);
    EXPECT_EQ(data.StartDate, Ten);
    EXPECT_EQ(data.SampleStep, 2);
    EXPECT_EQ(data.SampleStepUnit, QStringLiteral("n"));
    EXPECT_EQ(data.StopDate, Ten.addSecs(3 * 2 * 60));
    EXPECT_EQ(data.DataEndDate, data.StopDate);
    EXPECT_EQ(data.StopReason, -1);
    EXPECT_TRUE(data.DataPresent);
    EXPECT_FALSE(data.DataSaved);
    EXPECT_EQ(data.DataX, (QVector<float>{0, 0.01f, 0, 39.06f}));
    EXPECT_EQ(data.DataY, (QVector<float>{0, 49.8f, 0, 0}));
    EXPECT_EQ(data.DataRes[1], 49.8);
    EXPECT_TRUE(data.StatisticsPresent);
    EXPECT_FLOAT_EQ(data.ResMax, 49.8f);
    EXPECT_EQ(replaced.count(), 1);
    EXPECT_TRUE(ui.messageCalls.isEmpty());
    // "E", then one "H" for each block and one after the last.
    EXPECT_EQ(requests('E', 1), 1);
    EXPECT_EQ(requests('H', 2), 2);
}

TEST_F(BlockDownloadPty, TwelveBlocksOfWhichTheSixFirstCopiesAreUnpacked) {
    memory([](TressilMemory& m) {
        QList<QByteArray> distinct;
        for (int b = 0; b < 6; ++b)
            distinct << TressilMemory::Block(1, Ten.addSecs(b * 3 * 60),
                                             samples(3, quint8(10 * b)));
        m.SendTwice(distinct);
    });
    EXPECT_EQ(server->With([](Kl720Instrument& k) { return k.tressil.countReply; }),
              QByteArray("0012\r\n"));
    ASSERT_TRUE(DownloadTressilData(quick));
    const DataSet& data = CurrentData();
    ASSERT_EQ(data.NumSamples, 18);
    // The first sample of each block: raw 0, 10, ..., 50 on the low range (raw x 2 / 1024).
    const float firsts[] = {0.0f, 0.02f, 0.04f, 0.06f, 0.08f, 0.1f};
    for (int b = 0; b < 6; ++b)
        EXPECT_EQ(data.DataX[1 + 3 * b], firsts[b]) << b;
    EXPECT_EQ(data.StopDate, Ten.addSecs(18 * 60));
    EXPECT_EQ(requests('H', 13), 13);
}

TEST_F(BlockDownloadPty, AGapIsFilledAndAnEarlierBlockAddsNoFiller) {
    memory([](TressilMemory& m) {
        // Block 0: 10:00..10:02, next expected 10:03. Block 2 starts at 10:10: 7 fillers.
        // Block 4 starts at 10:05, before the expected 10:12: no filler.
        m.SendTwice({TressilMemory::Block(1, Ten, samples(3)),
                     TressilMemory::Block(1, Ten.addSecs(10 * 60), samples(2)),
                     TressilMemory::Block(1, Ten.addSecs(5 * 60), samples(1))});
    });
    ASSERT_TRUE(DownloadTressilData(quick));
    const DataSet& data = CurrentData();
    ASSERT_EQ(data.NumSamples, 3 + 7 + 2 + 1);
    for (int i = 4; i <= 10; ++i) {
        EXPECT_EQ(data.DataX[i], -1.0f) << i;
        EXPECT_EQ(data.DataRes[i], -1.0) << i;
    }
    EXPECT_NE(data.DataX[11], -1.0f);
    EXPECT_NE(data.DataX[13], -1.0f);
    // Sample 11 is block 2's first, at start + 10 steps = 10:10 as its header says.
    EXPECT_EQ(SampleTime(data, 11), Ten.addSecs(10 * 60));
}

TEST_F(BlockDownloadPty, BrokenDownloadsLeaveThePreviousDataSetWhole) {
    const QByteArray good = TressilMemory::Block(1, Ten, samples(3));
    const struct {
        const char* name;
        std::function<void(TressilMemory&)> set;
        QString message;
    } cases[] = {
        {"silence after E", [](TressilMemory& m) { m.silentAfterE = true; },
         QStringLiteral("Errore nello scaricamento dei dati. Nessuna risposta dalla seriale.")},
        {"a short block",
         [&](TressilMemory& m) {
             m.SendTwice({good, good});
             m.blocks[2].chop(1);
         },
         QStringLiteral("Errore nella ricezione dei blocchi dei dati")},
        {"silence mid-way",
         [&](TressilMemory& m) {
             m.SendTwice({good, good, good});
             m.silentFromH = 3;
         },
         QStringLiteral("Errore nella ricezione dei blocchi dei dati")},
        {"a count no memory holds", [](TressilMemory& m) { m.countReply = "99999\r\n"; },
         ResString(3745).arg(99999).arg(1024)},
        {"a block of 1001 samples",
         [&](TressilMemory& m) {
             m.SendTwice({good, TressilMemory::Block(1, Ten.addSecs(180), samples(3), 1001)});
         },
         ResString(3746).arg(3).arg(1000)},
        {"a first block without a step",
         [](TressilMemory& m) { m.SendTwice({TressilMemory::Block(0, Ten, samples(3))}); },
         ResString(3970).arg(1)},
        {"a gap over a year",
         [&](TressilMemory& m) {
             m.SendTwice({good, TressilMemory::Block(1, Ten.addDays(400), samples(3))});
         },
         ResString(3747).arg(3)},
    };
    for (const auto& c : cases) {
        server->With([&](Kl720Instrument& k) { k.tressil = TressilMemory(); });
        memory(c.set);
        ui.messageCalls.clear();
        QSignalSpy replaced(&Events(), &ProgramEvents::DataSetReplaced);
        EXPECT_FALSE(DownloadTressilData(quick)) << c.name;
        EXPECT_EQ(onlyMessage(), c.message) << c.name;
        EXPECT_TRUE(previousKept()) << c.name;
        EXPECT_EQ(replaced.count(), 0) << c.name;
        EXPECT_FALSE(CommState().PortHeld) << c.name;
    }
}

TEST_F(BlockDownloadPty, NoBlocksLeavesTheDataSetAndAnswersTrue) {
    memory([](TressilMemory& m) { m.countReply = "abc\r\n"; });
    EXPECT_TRUE(DownloadTressilData(quick));
    EXPECT_EQ(onlyMessage(),
              QStringLiteral("Non sono stati trovati dati validi all'interno della centralina"));
    EXPECT_TRUE(previousKept());
}

TEST_F(BlockDownloadPty, OwnsThePortWhileItRuns) {
    ui.messageAnswers = {true};
    ASSERT_TRUE(InitCommunication());
    ASSERT_TRUE(Timers().IsTimerRunning(CommState().PollTimerId));
    const int packets = server->With([](Kl720Instrument& k) { return int(k.requests.size()); });
    memory([](TressilMemory& m) {
        m.SendTwice({TressilMemory::Block(1, Ten, samples(3)),
                     TressilMemory::Block(1, Ten.addSecs(180), samples(3))});
    });
    // A keep-alive and a live reading due in the middle of the download send nothing.
    int tries = 0;
    QTimer::singleShot(0, [&] {
        ++tries;
        KeepAlive();
        SendCommand(2, false);
    });
    ASSERT_TRUE(DownloadTressilData(quick));
    EXPECT_EQ(tries, 1);
    EXPECT_EQ(server->With([](Kl720Instrument& k) { return int(k.requests.size()); }), packets);
    EXPECT_FALSE(CommState().PortHeld);
    EXPECT_FALSE(CommState().CommandPending());
    // The keep-alive runs again afterwards and the link still answers.
    EXPECT_TRUE(Timers().IsTimerRunning(CommState().PollTimerId));
    EXPECT_TRUE(SendCommand(3, true));
}
} // namespace
