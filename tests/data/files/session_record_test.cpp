#include "data/files/session_record.h"

#include <QByteArray>

#include <gtest/gtest.h>

#include <iterator>
#include <random>
#include <vector>

namespace {
// Records of values every way of laying them out must write alike: each value the
// instrument gives below 10000 once in each place of a record, then values a little off a
// hundredth (near enough to a half for the long way, or far enough for the quick one), now
// and then one at 10000 and up, and now and then one below 0.
struct Records {
    std::vector<float> x, y, z;
    int Count() const { return int(x.size()); }
};

Records testRecords() {
    Records records;
    std::vector<float>* places[] = {&records.x, &records.y, &records.z};
    std::mt19937_64 random(4720);
    const double offsets[] = {0.25, 0.3, 0.32, 0.35, 0.4, 0.45, 0.5, 0.55, 0.6, 0.65, 0.68, 0.7};
    for (int place = 0; place < 3; ++place) {
        std::vector<float>& values = *places[place];
        for (int cents = 0; cents < 1000000; ++cents)
            values.push_back(float(double((cents + place * 333334) % 1000000) / 100.0));
        for (int i = 0; i < 20000; ++i) {
            const double cents = double(random() % (i % 101 ? 1000000 : 1000100));
            const double value = (cents + offsets[random() % std::size(offsets)]) / 100.0;
            values.push_back(float(i % 997 ? value : -value));
        }
    }
    return records;
}

// Room for the records (none above 40 bytes) and for the widest way's writing past them.
qsizetype roomFor(const Records& records) {
    return qsizetype(records.Count()) * 40 + 16 * SessionRecordRoom;
}

// The records as the long way writes them, value by value through the significant digits.
QByteArray longWay(const Records& records, char decimal) {
    QByteArray text;
    auto number = [&](float value) {
        char digits[TwoDecimalsMaxLength];
        text.append(digits, WriteTwoDecimalsBySignificantDigits(digits, value, decimal) - digits);
    };
    for (int i = 0; i < records.Count(); ++i) {
        text += '"';
        number(records.x[size_t(i)]);
        text += ' ';
        number(records.y[size_t(i)]);
        text += ' ';
        number(records.z[size_t(i)]);
        text += "  0\"\r\n";
    }
    return text;
}

// The records written group by group with write(p, first) (null for a group it leaves),
// the groups it leaves record by record.
template <class Write>
QByteArray byGroups(const Records& records, char decimal, int size, Write&& write) {
    QByteArray text(roomFor(records), Qt::Uninitialized);
    char* p = text.data();
    for (int first = 0; first + size <= records.Count(); first += size) {
        if (char* end = write(p, first)) {
            p = end;
            continue;
        }
        for (int i = first; i < first + size; ++i)
            p = WriteSessionRecord(p, records.x[size_t(i)], records.y[size_t(i)],
                                   records.z[size_t(i)], decimal);
    }
    text.truncate(p - text.data());
    return text;
}

// Each way is tried wherever the processor has its instructions, whichever way a save
// would take there.
TEST(SessionRecords, EveryWayOfLayingThemOutWritesWhatTheLongWayWrites) {
    const Records records = testRecords();
    ASSERT_EQ(records.Count() % 16, 0);
    for (const char decimal : {'.', ','}) {
        SCOPED_TRACE(decimal);
        const QByteArray expected = longWay(records, decimal);
        EXPECT_EQ(byGroups(records, decimal, 1,
                           [&](char* p, int i) {
                               return WriteSessionRecord(p, records.x[size_t(i)],
                                                         records.y[size_t(i)], records.z[size_t(i)],
                                                         decimal);
                           }),
                  expected);
#if defined(CORVANEL_TWO_DECIMAL_FIELDS)
        EXPECT_EQ(byGroups(records, decimal, 4,
                           [&](char* p, int i) {
                               return WriteFourSessionRecords(p, &records.x[size_t(i)],
                                                              &records.y[size_t(i)],
                                                              &records.z[size_t(i)], decimal);
                           }),
                  expected);
#endif
#if defined(CORVANEL_EIGHT_DECIMAL_FIELDS)
        if (HasEightLanes())
            EXPECT_EQ(byGroups(records, decimal, 8,
                               [&](char* p, int i) {
                                   return WriteEightSessionRecords(p, &records.x[size_t(i)],
                                                                   &records.y[size_t(i)],
                                                                   &records.z[size_t(i)], decimal);
                               }),
                      expected);
#endif
    }
}
} // namespace
