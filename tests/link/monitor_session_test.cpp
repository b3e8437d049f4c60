#include "core/language.h"
#include "core/options.h"
#include "link/monitor_session.h"
#include "tests/link/link_fixture.h"
#include "text/display_texts.h"

#include <gtest/gtest.h>

namespace {
QDateTime at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::UTC);
}

using Params = std::array<qint16, 10>;

class MonitorSessionTest : public ::testing::Test {
protected:
    void SetUp() override {
        memory = Options().MemorySize;
        Options().MemorySize = 65536;
    }
    void TearDown() override { Options().MemorySize = memory; }

    SessionChoice choice(const char* step, int unit) const {
        SessionChoice c;
        c.stepText = QString::fromLatin1(step);
        c.unitCode = unit;
        return c;
    }

    EnglishTexts texts;
    qint32 memory = 0;
    const QDateTime now = at(2014, 3, 15, 8, 0, 0);
};

TEST(StepField, RulesOnLeavingTheField) {
    struct Case {
        const char* typed;
        int unit;
        const char* kept;
    } cases[] = {
        {"9", 2, "10"},    {"0", 2, "10"},      {"10", 2, "10"},   {"300", 3, "255"},
        {"300", 2, "255"}, {"-4", 3, "0"},      {"9", 3, "9"},     {"abc", 3, "abc"},
        {"abc", 2, "10"},  {" 15 ", 4, " 15 "}, {"300", 0, "300"}, // no unit: as typed
    };
    for (const Case& c : cases)
        EXPECT_EQ(StepFieldText(QString::fromLatin1(c.typed), c.unit), QLatin1String(c.kept))
            << c.typed << " unit " << c.unit;
    EXPECT_EQ(StepLowerLimit(2), 10);
    EXPECT_EQ(StepLowerLimit(3), 1);
    EXPECT_EQ(StepValue(QStringLiteral(" 12abc")), 12);
    EXPECT_EQ(StepValue(QStringLiteral("-3")), -3);
    EXPECT_EQ(StepValue(QStringLiteral("x1")), 0);
}

TEST_F(MonitorSessionTest, StartNowAndStartAtADateGiveTheirParameterBytes) {
    SessionChoice now15 = choice("15", 3);
    SessionPlan plan = PlanSession(now15, now);
    ASSERT_TRUE(plan.refusal.isEmpty()) << plan.refusal.toStdString();
    EXPECT_EQ(plan.params, (Params{3, 0x15, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(plan.start, now);
    EXPECT_EQ(plan.stop, now.addSecs(9349LL * 15 * 60));

    SessionChoice dated = choice("15", 3);
    dated.startAtDate = true;
    dated.start = at(2014, 3, 15, 8, 30, 5);
    plan = PlanSession(dated, now);
    ASSERT_TRUE(plan.refusal.isEmpty());
    EXPECT_EQ(plan.params, (Params{3, 0x15, 1, 0x05, 0x30, 0x08, 149, 0x03, 0, 0}));

    // Later years go into the two year bits modulo 4: 2025 is 1 (0x40 + day 0x05).
    dated.start = at(2025, 6, 5, 10, 0, 0);
    plan = PlanSession(dated, at(2025, 6, 1));
    EXPECT_EQ(plan.params, (Params{3, 0x15, 1, 0x00, 0x00, 0x10, 0x45, 0x06, 0, 0}));
}

TEST_F(MonitorSessionTest, StopAddresses) {
    struct Case {
        const char* name;
        const char* step;
        int unit;
        qint64 stopAfterSeconds;
        qint16 high, low;
        bool noSamples;
    } cases[] = {
        // 100 ten-minute samples: 96 + 700 = 796 = 0x031C.
        {"hundred samples", "10", 3, 100 * 600, 0x03, 0x1C, false},
        // Half a step after the start: no sample, the start goes on with the header only.
        {"half a step", "10", 3, 300, 0x00, 0x60, true},
        // A whole-step count rounds down: 3 steps and a bit.
        {"partial last step", "20", 2, 70, 0x00, 96 + 7 * 3, false},
        // The last record that fits two bytes: 9348 records end at 65532.
        {"last address that fits", "1", 3, 9348LL * 60, 0xFF, 0xFC, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SessionChoice s = choice(c.step, c.unit);
        s.stopAtDate = true;
        s.stop = now.addSecs(c.stopAfterSeconds);
        const SessionPlan plan = PlanSession(s, now);
        ASSERT_TRUE(plan.refusal.isEmpty()) << plan.refusal.toStdString();
        EXPECT_EQ(plan.params[8], c.high);
        EXPECT_EQ(plan.params[9], c.low);
        EXPECT_EQ(plan.noSamples, c.noSamples);
        EXPECT_EQ(plan.stop, s.stop);
    }
}

// Each memory size holds its count of samples; one more is refused with the date the
// memory fills.
TEST_F(MonitorSessionTest, CapacityAtTheFourMemorySizes) {
    struct Case {
        qint32 memory;
        qint64 capacity;
    } cases[] = {{4096, 571}, {8192, 1157}, {32768, 4667}, {65536, 9349}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.memory);
        Options().MemorySize = c.memory;
        SessionChoice s = choice("10", 3);
        s.stopAtDate = true;
        s.stop = now.addSecs((c.capacity + 1) * 600);
        SessionPlan plan = PlanSession(s, now);
        EXPECT_EQ(plan.refusalId, 13);
        EXPECT_EQ(plan.refusal,
                  ResString(13) + u' ' + GeneralDateText(now.addSecs(c.capacity * 600)));
        s.stop = now.addSecs(c.capacity * 600);
        plan = PlanSession(s, now);
        if (c.memory == 65536) {
            // 96 + 7 * 9349 = 65539 does not fit the two address bytes: refused, nothing cut.
            EXPECT_EQ(plan.refusalId, 3801);
        } else {
            EXPECT_EQ(plan.refusalId, 0);
            EXPECT_EQ(plan.params[8] * 256 + plan.params[9], 96 + 7 * c.capacity);
        }
    }
    // The worked case: 4096 bytes, 10 minutes, a stop 5720 minutes on gives 572 points.
    Options().MemorySize = 4096;
    SessionChoice s = choice("10", 3);
    s.stopAtDate = true;
    s.stop = now.addSecs(5720 * 60);
    EXPECT_EQ(PlanSession(s, now).refusal,
              ResString(13) + u' ' + GeneralDateText(now.addSecs(5710 * 60)));
}

TEST_F(MonitorSessionTest, ChecksInTheirOrder) {
    struct Case {
        const char* name;
        SessionChoice choice;
        int refusal;
    };
    auto with = [&](SessionChoice c, auto change) {
        change(c);
        return c;
    };
    const Case cases[] = {
        {"no step", choice("", 3), 9},
        {"blank step", choice("  ", 3), 9},
        {"no unit", choice("10", 0), 9},
        {"seconds below 10", choice("9", 2), 10},
        // The instrument takes two BCD digits: 0 and 100..255 never go out.
        {"step 0", choice("0", 3), 3800},
        {"step 0 with a stop date",
         with(choice("0", 3),
              [&](SessionChoice& c) {
                  c.stopAtDate = true;
                  c.stop = now.addSecs(3600);
              }),
         3800},
        {"step 100", choice("100", 3), 3800},
        {"step 255", choice("255", 2), 3800},
        {"start a second ago",
         with(choice("10", 3),
              [&](SessionChoice& c) {
                  c.startAtDate = true;
                  c.start = now.addSecs(-1);
              }),
         11},
        {"stop before the start",
         with(choice("10", 3),
              [&](SessionChoice& c) {
                  c.startAtDate = true;
                  c.start = now.addSecs(3600);
                  c.stopAtDate = true;
                  c.stop = now.addSecs(3599);
              }),
         12},
        {"start now is never late", choice("99", 3), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SessionPlan plan = PlanSession(c.choice, now);
        EXPECT_EQ(plan.refusalId, c.refusal);
        if (c.refusal != 0)
            EXPECT_EQ(plan.refusal, ResString(c.refusal));
    }
}

TEST_F(MonitorSessionTest, TheConfirmationTurnsAt21CalendarDays) {
    SessionChoice s = choice("1", 5);
    s.startAtDate = true;
    s.start = at(2014, 4, 1, 23, 59, 0);
    s.stopAtDate = true;
    s.stop = at(2014, 4, 22, 0, 1, 0); // 21 midnights, little more than 20 days
    EXPECT_EQ(PlanSession(s, now).confirmId, 14);
    s.stop = at(2014, 4, 21, 23, 59, 59); // 20 midnights
    EXPECT_EQ(PlanSession(s, now).confirmId, 15);
    // Without a stop date the session runs until the memory is full: 9349 minutes is 6 days.
    EXPECT_EQ(PlanSession(choice("1", 3), now).confirmId, 15);
    EXPECT_EQ(PlanSession(choice("10", 3), now).confirmId, 14);
}

TEST_F(MonitorSessionTest, TheStopRowFollowsTheMemory) {
    Options().MemorySize = 4096; // 571 samples
    const QDateTime start = at(2014, 3, 15, 8, 0, 0);
    const QDateTime full = start.addSecs(5710 * 60);
    StopRow row = AutoStopDate(start, 10, 3, false, at(2000, 1, 1));
    EXPECT_EQ(row.stop, full);
    EXPECT_FALSE(row.clamped);
    row = AutoStopDate(start, 10, 3, true, full.addSecs(1));
    EXPECT_EQ(row.stop, full);
    EXPECT_TRUE(row.clamped);
    row = AutoStopDate(start, 10, 3, true, full);
    EXPECT_EQ(row.stop, full);
    EXPECT_FALSE(row.clamped);
    row = AutoStopDate(start, 10, 0, false, start.addDays(1)); // no unit: as it was
    EXPECT_EQ(row.stop, start.addDays(1));
}
} // namespace
