#pragma once

#include <QDateTime>
#include <QtGlobal>

// "Now" and elapsed time come through here so that tests can run on a virtual clock.
class Clock {
public:
    virtual ~Clock() = default;
    // Naive local date-time (no time zone: held as Qt::UTC so arithmetic never shifts).
    virtual QDateTime Now() const = 0;
    // Monotonic milliseconds since an arbitrary origin.
    virtual qint64 MonotonicMs() const = 0;
};

Clock& CurrentClock();
// Installs a clock for the whole program (tests); nullptr restores the system clock.
void SetClock(Clock* clock);

// The local wall-clock time as a naive date-time.
QDateTime NaiveLocalNow();
