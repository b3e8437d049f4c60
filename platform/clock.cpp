#include "platform/clock.h"

#include <QElapsedTimer>

namespace {
class SystemClock final : public Clock {
public:
    SystemClock() { timer_.start(); }
    QDateTime Now() const override { return NaiveLocalNow(); }
    qint64 MonotonicMs() const override { return timer_.elapsed(); }

private:
    QElapsedTimer timer_;
};

Clock*& installed() {
    static Clock* clock = nullptr;
    return clock;
}
} // namespace

Clock& CurrentClock() {
    static SystemClock system;
    return installed() ? *installed() : system;
}

void SetClock(Clock* clock) {
    installed() = clock;
}

QDateTime NaiveLocalNow() {
    const QDateTime local = QDateTime::currentDateTime();
    return QDateTime(local.date(), local.time(), Qt::UTC);
}
