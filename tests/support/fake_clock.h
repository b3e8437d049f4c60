#pragma once

#include "platform/clock.h"

// A clock that moves only when told, installed for its lifetime.
class FakeClock : public Clock {
public:
    FakeClock();
    ~FakeClock() override;
    QDateTime Now() const override { return now; }
    qint64 MonotonicMs() const override { return monotonicMs; }
    void Advance(qint64 ms) {
        monotonicMs += ms;
        now = now.addMSecs(ms);
    }

    QDateTime now;
    qint64 monotonicMs = 1000000;
};
