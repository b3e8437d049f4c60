#include "core/language.h"
#include "core/options.h"
#include "link/comm_state.h"
#include "link/monitor_status.h"
#include "link/monitor_units.h"
#include "tests/link/link_fixture.h"
#include "tests/support/fake_clock.h"

#include <gtest/gtest.h>

namespace {
QDateTime at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::UTC);
}

std::array<quint8, 19> settingsFrom(const char* hex) {
    const QByteArray bytes = Hex(hex);
    std::array<quint8, 19> s{};
    for (int i = 0; i < 19 && i < bytes.size(); ++i)
        s[i] = static_cast<quint8>(bytes[i]);
    return s;
}

class MonitorStatusTest : public ::testing::Test {
protected:
    void SetUp() override {
        memory = Options().MemorySize;
        Options().MemorySize = 65536; // 9349 samples
    }
    void TearDown() override { Options().MemorySize = memory; }

    EnglishTexts texts;
    qint32 memory = 0;
    const QDateTime now = at(2014, 6, 1, 12, 0, 0);
};

// Elements:        stamp0-4       unit step opt  stamp8-12      stop  -- stat -- reason
struct StateCase {
    const char* name;
    const char* settings;
    QString text;
    unsigned back;
    bool startEnabled;
    int monitorState;
};

TEST_F(MonitorStatusTest, EachStateWithItsTextColourButtonsAndMonitorState) {
    const StateCase cases[] = {
        {"nothing programmed", "00 00 10 85 06 03 15 00 00 00 10 85 06 00 00 00 00 00 00",
         QStringLiteral("None / ended"), MonitorIdleBack, true, 0},
        {"waiting for its start", "00 00 10 85 06 03 15 01 00 00 10 85 06 00 00 00 01 00 00",
         QStringLiteral("IN ATTESA DI PARTENZA"), MonitorBusyBack, false, 1},
        {"running", "00 00 10 85 06 03 15 00 00 00 10 85 06 00 00 00 03 00 00",
         QStringLiteral("Programmed / running"), MonitorBusyBack, false, 1},
        {"not valid", "00 00 10 85 06 03 15 00 00 00 10 85 06 00 00 00 07 00 00",
         QStringLiteral("TERMINATO (NON VALIDO)"), MonitorIdleBack, true, 0},
        {"memory end", "00 00 10 85 06 03 15 00 00 00 10 85 06 00 00 00 07 00 01",
         QStringLiteral("TERMINATO (FINE MEMORIA)"), MonitorIdleBack, true, 0},
        {"battery end", "00 00 10 85 06 03 15 00 00 00 10 85 06 00 00 00 07 00 02",
         QStringLiteral("TERMINATO (FINE BATTERIA)"), MonitorIdleBack, true, 0},
        {"monitor end", "00 00 10 85 06 03 15 00 00 00 10 85 06 00 00 00 07 00 03",
         QStringLiteral("TERMINATO (FINE MONITOR)"), MonitorIdleBack, true, 0},
        {"user stop", "00 00 10 85 06 03 15 00 00 00 10 85 06 00 00 00 07 00 04",
         QStringLiteral("TERMINATO (STOP UTENTE)"), MonitorIdleBack, true, 0},
        {"unknown reason", "00 00 10 85 06 03 15 00 00 00 10 85 06 00 00 00 07 00 09",
         QStringLiteral("TERMINATO (SCONOSCIUTO)"), MonitorIdleBack, true, 0},
    };
    for (const StateCase& c : cases) {
        SCOPED_TRACE(c.name);
        const MonitorStatusView v = DecodeMonitorSettings(settingsFrom(c.settings), true, now);
        EXPECT_EQ(v.statusText, c.text);
        EXPECT_EQ(v.statusBack, c.back);
        EXPECT_EQ(v.startEnabled, c.startEnabled);
        EXPECT_EQ(v.stopEnabled, !c.startEnabled);
        EXPECT_EQ(v.monitorState, c.monitorState);
    }
}

struct FieldCase {
    const char* name;
    const char* settings;
    int step;
    int unitCode;
    bool startAtDate;
    QDateTime start;
    bool stopAtDate;
    QDateTime stop;
};

TEST_F(MonitorStatusTest, StepUnitStartAndStopFields) {
    const QDateTime june5 = at(2014, 6, 5, 10, 0, 0);
    const QDateTime march = at(2014, 3, 15, 8, 30, 5);
    const FieldCase cases[] = {
        // The waiting session: programmed start read from elements 8..12.
        {"programmed start, memory full",
         "15 30 08 95 03 03 15 01 00 00 10 85 06 00 00 00 01 00 00", 15, 3, true, june5, false,
         june5.addSecs(9349LL * 15 * 60)},
        // Starting at once: the start the instrument recorded, elements 0..4.
        {"recorded start", "05 30 08 95 03 03 15 00 00 00 10 85 06 00 00 00 03 00 00", 15, 3, false,
         march, false, march.addSecs(9349LL * 15 * 60)},
        {"seconds", "05 30 08 95 03 02 30 00 00 00 00 00 00 00 00 00 03 00 00", 30, 2, false, march,
         false, march.addSecs(9349LL * 30)},
        {"hours", "05 30 08 95 03 04 02 00 00 00 00 00 00 00 00 00 03 00 00", 2, 4, false, march,
         false, march.addSecs(9349LL * 2 * 3600)},
        {"days", "05 30 08 95 03 05 01 00 00 00 00 00 00 00 00 00 03 00 00", 1, 5, false, march,
         false, march.addDays(9349)},
        // Only bits 0-2 of the unit byte count.
        {"unit in the low bits", "05 30 08 95 03 F3 10 00 00 00 00 00 00 00 00 00 03 00 00", 10, 3,
         false, march, false, march.addSecs(9349LL * 600)},
        // Stop address 96 + 7 * 100: a hundred samples.
        {"stop after 100 samples", "05 30 08 95 03 03 10 00 00 00 00 00 00 03 1C 00 03 00 00", 10,
         3, false, march, true, march.addSecs(100 * 600)},
        {"stop address 96: no sample", "05 30 08 95 03 03 10 00 00 00 00 00 00 00 60 00 03 00 00",
         10, 3, false, march, true, march},
        {"stop address inside the header",
         "05 30 08 95 03 03 10 00 00 00 00 00 00 00 10 00 03 00 00", 10, 3, false, march, true,
         march},
        // No unit: the stop cannot be told and shows now.
        {"unit code 0", "05 30 08 95 03 00 10 00 00 00 00 00 00 00 00 00 03 00 00", 10, 0, false,
         march, false, now},
        {"unit code 6", "05 30 08 95 03 06 10 00 00 00 00 00 00 03 1C 00 03 00 00", 10, 0, false,
         march, true, now},
        // A stamp that is no date: start and stop show now.
        {"invalid start stamp", "05 30 08 00 13 03 10 00 00 00 00 00 00 03 1C 00 03 00 00", 10, 3,
         false, now, true, now},
        {"invalid programmed start", "05 30 08 95 03 03 10 01 00 00 25 85 06 00 00 00 01 00 00", 10,
         3, true, now, false, now},
    };
    for (const FieldCase& c : cases) {
        SCOPED_TRACE(c.name);
        const MonitorStatusView v = DecodeMonitorSettings(settingsFrom(c.settings), true, now);
        EXPECT_EQ(v.step, c.step);
        EXPECT_EQ(v.unitCode, c.unitCode);
        EXPECT_EQ(v.startAtDate, c.startAtDate);
        EXPECT_EQ(v.start, c.start);
        EXPECT_EQ(v.stopAtDate, c.stopAtDate);
        EXPECT_EQ(v.stop, c.stop);
    }
}

TEST_F(MonitorStatusTest, TheStartYearFromItsTwoBitsRecordedBeforeNowProgrammedAhead) {
    // Year bits 1: 2013, 2017, 2021, 2025... and now lies in 2026.
    const MonitorStatusView v = DecodeMonitorSettings(
        settingsFrom("00 00 10 45 06 03 10 00 00 00 00 00 00 00 00 00 03 00 00"), true,
        at(2026, 12, 10));
    EXPECT_EQ(v.start, at(2025, 6, 5, 10, 0, 0));
    // A session still waiting for its start: programmed in December for January.
    const MonitorStatusView waiting = DecodeMonitorSettings(
        settingsFrom("00 00 00 00 00 03 10 01 00 00 08 C5 01 00 00 00 01 00 00"), true,
        at(2026, 12, 10));
    EXPECT_EQ(waiting.start, at(2027, 1, 5, 8, 0, 0));
    EXPECT_EQ(waiting.stop, at(2027, 1, 5, 8, 0, 0).addSecs(9349LL * 600));
}

TEST_F(MonitorStatusTest, AMissingReplyFillsNowTenMinutesAndAMemoryFullStop) {
    Options().MemorySize = 4096; // 571 samples
    const MonitorStatusView v = DecodeMonitorSettings(
        settingsFrom("00 00 10 85 06 03 15 01 00 00 10 85 06 00 00 00 03 00 00"), false, now);
    EXPECT_EQ(v.statusText, QStringLiteral("Unknown"));
    EXPECT_FALSE(v.statusBack.has_value());
    EXPECT_FALSE(v.startEnabled.has_value());
    EXPECT_FALSE(v.stopEnabled.has_value());
    EXPECT_FALSE(v.monitorState.has_value());
    EXPECT_EQ(v.step, 10);
    EXPECT_EQ(v.unitCode, 3);
    EXPECT_FALSE(v.startAtDate);
    EXPECT_EQ(v.start, now);
    EXPECT_FALSE(v.stopAtDate);
    EXPECT_EQ(v.stop, now.addSecs(5710LL * 60));
}

TEST_F(MonitorStatusTest, OnlyAGoodReplyChangesTheMonitorState) {
    FakeClock clock;
    clock.now = now;
    ResetCommState();
    CommState().MonitorSettings =
        settingsFrom("00 00 10 85 06 03 15 01 00 00 10 85 06 00 00 00 01 00 00");
    DecodeMonitorStatus(false);
    EXPECT_EQ(CommState().MonitorState, -1);
    const MonitorStatusView v = DecodeMonitorStatus(true);
    EXPECT_EQ(CommState().MonitorState, 1);
    EXPECT_EQ(v.start, at(2014, 6, 5, 10, 0, 0));
    CommState().MonitorSettings[16] = 0x07;
    DecodeMonitorStatus(true);
    EXPECT_EQ(CommState().MonitorState, 0);
    ResetCommState();
}
} // namespace
