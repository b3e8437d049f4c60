#include "tests/support/fake_clock.h"

FakeClock::FakeClock() : now(QDate(2024, 6, 1), QTime(12, 0), Qt::UTC) {
    SetClock(this);
}

FakeClock::~FakeClock() {
    SetClock(nullptr);
}
