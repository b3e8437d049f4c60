#include "data/dataset.h"
#include "data/upload/upload_data.h"
#include "link/comm_port.h"
#include "link/comm_state.h"
#include "link/link_hooks.h"
#include "platform/clock.h"
#include "platform/serial/qt_serial_port.h"
#include "tests/support/event_scope.h"
#include "tests/support/kl720_pty.h"
#include "tests/support/language_scope.h"
#include "tests/support/link_reset.h"
#include "tests/support/strict_ui.h"
#include "text/date_math.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>

namespace {
// "Now" fixed (the stamps' years are read near it), elapsed time real: the line is real.
class FixedNowClock : public Clock {
public:
    explicit FixedNowClock(const QDateTime& now) : now_(now) {
        timer_.start();
        SetClock(this);
    }
    ~FixedNowClock() override { SetClock(nullptr); }
    QDateTime Now() const override { return now_; }
    qint64 MonotonicMs() const override { return timer_.elapsed(); }

private:
    QDateTime now_;
    QElapsedTimer timer_;
};

struct Expected {
    Kl720Instrument::Sample raw;
    float x, y, z;
    double res;
};

// The whole download road over a pseudo-terminal through the real serial layer, against the
// emulated instrument holding a known memory image.
class DownloadEndToEnd : public ::testing::Test {
protected:
    explicit DownloadEndToEnd(Kl720Pacing pacing = Kl720Pacing()) : server(pacing) {}
    void SetUp() override {
        ASSERT_TRUE(server.IsRunning());
        ResetCommState();
        InstallSeriale(std::make_unique<QtSerialPort>());
        const QString path = server.SlavePath();
        SetPortResolver([path](int) { return path; });
        ASSERT_TRUE(OpenCommPort(1));
        RegisterDataReplyHandlers();
        events.On(&ProgramEvents::DataSetReplaced, [this] { ++replaced; });
    }
    void TearDown() override {
        ResetLinkForTests();
        ReplaceCurrentData(DataSet());
    }
    StrictUi ui;
    LanguageScope language;
    FixedNowClock clock{NaiveDateTime(2026, 12, 10, 9, 0, 0)};
    Kl720PtyServer server;
    int replaced = 0;
    EventScope events;
};

// The same at the line's real speed, so that a download takes seconds.
class PacedDownload : public DownloadEndToEnd {
protected:
    static Kl720Pacing paced() {
        Kl720Pacing pacing;
        pacing.lineSpeed = true;
        return pacing;
    }
    PacedDownload() : DownloadEndToEnd(paced()) {}
};

TEST_F(DownloadEndToEnd, TheRecordedSessionBecomesTheDataSetSampleBySample) {
    const Expected table[] = {
        {{0x0000, 0x0003, 0x0004, 0}, 0.0f, 0.0f, 0.01f, 0.01},
        {{0x0040, 0x00C0, 0x0140, 0}, 0.12f, 0.38f, 0.62f, 0.74},
        {{0x0010, 0x0030, 0x0400, 7}, 3.12f, 9.38f, 200.0f, 200.24},
        {{0x0400, 0x0002, 0x0200, 5}, 200.0f, 0.0f, 100.0f, 223.61},
        {{0x8000, 0x0100, 0x0000, 0}, 64.0f, 0.5f, 0.0f, 64.0},
    };
    server.With([&](Kl720Instrument& k) {
        // Start 30 Nov 2025 23:58:00 (year bits 01 near December 2026), 1 minute steps,
        // no option bit, stop programmed after 4 records, stop reason 2.
        k.settings = {};
        const quint8 stamp[5] = {0x00, 0x58, 0x23, 0x70, 0x11};
        std::copy(stamp, stamp + 5, k.settings.begin());
        k.settings[5] = 3;
        k.settings[6] = 0x01;
        k.settings[13] = 0;
        k.settings[14] = 96 + 4 * 7;
        k.settings[18] = 2;
        k.idShort = QByteArray("KL720-0042").leftJustified(16, ' ');
        k.idLong = QByteArray("Roof \xE8 north").leftJustified(48, ' ');
        for (const Expected& e : table)
            k.samples.push_back(e.raw);
    });

    ASSERT_TRUE(UploadData()); // connects first: "connect?" is answered OK

    const DataSet& d = CurrentData();
    ASSERT_EQ(d.NumSamples, 5);
    EXPECT_EQ(d.DataSourceName, QStringLiteral("Upload"));
    EXPECT_EQ(d.IDShort, QStringLiteral("KL720-0042      "));
    EXPECT_EQ(d.IDLong, QStringLiteral("Roof è north").leftJustified(48));
    EXPECT_EQ(d.StopReason, 2);
    EXPECT_EQ(d.SampleStepUnit, QStringLiteral("n"));
    EXPECT_EQ(d.SampleStep, 1);
    EXPECT_EQ(d.StartDate, NaiveDateTime(2025, 11, 30, 23, 58, 0));
    EXPECT_EQ(d.StopDate, NaiveDateTime(2025, 12, 1, 0, 2, 0));
    EXPECT_EQ(d.DataEndDate, NaiveDateTime(2025, 12, 1, 0, 3, 0));
    const char* times[] = {"30 Nov 2025 23:58:00", "30 Nov 2025 23:59:00", "1 Dec 2025",
                           "1 Dec 2025 00:01:00", "1 Dec 2025 00:02:00"};
    for (int i = 1; i <= 5; ++i) {
        const Expected& e = table[i - 1];
        EXPECT_EQ(d.DataX[i], e.x) << i;
        EXPECT_EQ(d.DataY[i], e.y) << i;
        EXPECT_EQ(d.DataZ[i], e.z) << i;
        EXPECT_EQ(d.DataRes[i], e.res) << i;
        EXPECT_EQ(SampleTimeText(d, i), QString::fromLatin1(times[i - 1])) << i;
        EXPECT_EQ(SampleTime(d, i), d.StartDate.addSecs(60 * (i - 1))) << i;
    }
    EXPECT_TRUE(d.StatisticsPresent);
    EXPECT_FLOAT_EQ(d.ResMax, 223.61f);
    EXPECT_FLOAT_EQ(d.ResMin, 0.01f);
    EXPECT_DOUBLE_EQ(d.MedianValue, 64.0);
    EXPECT_EQ(replaced, 1);
    EXPECT_EQ(server.With([](Kl720Instrument& k) { return k.commands; }), (QList<int>{3, 10, 4}));
}

TEST_F(DownloadEndToEnd, AFullMemoryComesWhole) {
    server.With([](Kl720Instrument& k) {
        k.settings[5] = 2;
        k.settings[6] = 0x05;
        k.settings[3] = 0x41;
        k.settings[4] = 0x01;
        for (int i = 0; i < Kl720Instrument::MaxSamples; ++i)
            k.samples.push_back({static_cast<quint16>(i % 1024), 0, 0, 1});
    });
    CommState().Connected = true;
    CommState().MonitorState = 0;
    ASSERT_TRUE(UploadData());
    const DataSet& d = CurrentData();
    ASSERT_EQ(d.NumSamples, Kl720Instrument::MaxSamples);
    for (int i = 1; i <= d.NumSamples; ++i)
        ASSERT_EQ(d.DataX[i],
                  static_cast<float>(std::nearbyint((i - 1) % 1024 * 200.0 / 1024 * 100) / 100))
            << i;
    EXPECT_EQ(d.DataEndDate, NaiveDateTime(2025, 1, 1).addSecs(5LL * Kl720Instrument::MaxSamples));
}

TEST_F(PacedDownload, AnInstrumentUnpluggedMidDownloadIsSaidOnceAndThePreviousDataSetStays) {
    DataSet before;
    before.DataSourceName = QStringLiteral("File");
    ReplaceCurrentData(std::move(before));
    server.With([](Kl720Instrument& k) {
        k.settings[5] = 2;
        k.settings[6] = 1;
        for (int i = 0; i < 1000; ++i) // about 3.7 s on the line
            k.samples.push_back({4, 4, 4, 0});
    });
    CommState().Connected = true;
    CommState().MonitorState = 0;
    std::thread unplug([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(1000));
        server.Vanish();
    });
    const bool downloaded = UploadData();
    unplug.join();
    EXPECT_FALSE(downloaded);
    ASSERT_EQ(ui.messageCalls.size(), 1);
    EXPECT_EQ(ui.messageCalls[0].message, ResString(3943));
    EXPECT_EQ(CurrentData().DataSourceName, QStringLiteral("File"));
    EXPECT_EQ(replaced, 0);
}

TEST_F(DownloadEndToEnd, ACorruptedDownloadLeavesThePreviousDataSet) {
    DataSet before;
    before.DataSourceName = QStringLiteral("File");
    ReplaceCurrentData(std::move(before));
    server.With([](Kl720Instrument& k) {
        k.settings[5] = 2;
        k.settings[6] = 1;
        k.samples.push_back({4, 4, 4, 0});
        k.SetFault(Kl720Instrument::Fault::BadCrc, 1, 4);
    });
    CommState().Connected = true;
    CommState().MonitorState = 0;
    EXPECT_FALSE(UploadData());
    EXPECT_EQ(CurrentData().DataSourceName, QStringLiteral("File"));
    EXPECT_EQ(replaced, 0);
    ASSERT_EQ(ui.messageCalls.size(), 1);
    EXPECT_EQ(ui.messageCalls[0].message, ResString(3942));
}
} // namespace
