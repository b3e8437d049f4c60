#pragma once

#include "platform/clock.h"
#include "platform/timers/timer_registry.h"

#include <QDateTime>

#include <functional>
#include <map>
#include <vector>

// Something that happens at set virtual times and is delivered by the event loop (the fake
// serial port's arriving bytes).
class VirtualEventSource {
public:
    virtual ~VirtualEventSource() = default;
    // The earliest time something is due, or -1 when nothing is.
    virtual qint64 NextEventMs() const = 0;
    // Delivers what is due at now (the event loop runs).
    virtual void DeliverDue(qint64 nowMs) = 0;
};

// Virtual time for tests: the program's clock and timers, installed for the object's
// lifetime. Time moves only when a test runs the "event loop" (RunFor: timers fire and
// sources deliver, in time order) or when a blocking wait passes time (Block: nothing
// fires, as in a waiting send). A repeating timer that became due during a blocking wait
// fires once when the event loop runs again, then keeps its interval from there.
class VirtualTime final : public Clock, public TimerService {
public:
    explicit VirtualTime(const QDateTime& wallStart = QDateTime(QDate(2014, 3, 15), QTime(8, 30, 5),
                                                                Qt::UTC));
    ~VirtualTime() override;
    VirtualTime(const VirtualTime&) = delete;
    VirtualTime& operator=(const VirtualTime&) = delete;

    QDateTime Now() const override { return wallStart_.addMSecs(now_); }
    qint64 MonotonicMs() const override { return now_; }
    void SetWallClock(const QDateTime& wall) { wallStart_ = wall.addMSecs(-now_); }

    TimerId SetTimer(int intervalMs, std::function<void()> callback) override;
    bool KillTimer(TimerId id) override;
    bool IsTimerRunning(TimerId id) const override;
    int RunningTimers() const { return static_cast<int>(timers_.size()); }
    // The interval of a running timer (0 when none).
    int TimerInterval(TimerId id) const;

    // Runs the event loop for ms of virtual time.
    void RunFor(qint64 ms);
    void RunUntil(qint64 whenMs);
    // Time passes without the event loop.
    void Block(qint64 ms) { now_ += ms; }
    // A test's own action, delivered by the event loop at a virtual time.
    void At(qint64 whenMs, std::function<void()> action);

    void AddSource(VirtualEventSource* source);
    void RemoveSource(VirtualEventSource* source);

private:
    struct Timer {
        int interval;
        qint64 due;
        std::function<void()> callback;
    };
    qint64 now_ = 0;
    QDateTime wallStart_;
    std::map<TimerId, Timer> timers_;
    TimerId lastId_ = 0;
    std::multimap<qint64, std::function<void()>> actions_;
    std::vector<VirtualEventSource*> sources_;
    Clock* previousClock_ = nullptr;
};
