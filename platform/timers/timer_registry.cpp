#include "platform/timers/timer_registry.h"

#include <QTimer>

#include <map>
#include <memory>

namespace {
class QtTimers final : public TimerService {
public:
    TimerId SetTimer(int intervalMs, std::function<void()> callback) override {
        if (intervalMs < 0 || !callback)
            return 0;
        const TimerId id = nextId();
        auto* timer = new QTimer();
        timer->setTimerType(Qt::PreciseTimer);
        timer->setInterval(intervalMs);
        QObject::connect(timer, &QTimer::timeout, timer,
                         [callback = std::move(callback)] { callback(); });
        timers_[id] = timer;
        timer->start();
        return id;
    }

    bool KillTimer(TimerId id) override {
        auto it = timers_.find(id);
        if (it == timers_.end())
            return false;
        QTimer* timer = it->second;
        timers_.erase(it);
        timer->stop();
        // The timer may be inside its own callback.
        timer->deleteLater();
        return true;
    }

    bool IsTimerRunning(TimerId id) const override { return timers_.count(id) != 0; }

private:
    TimerId nextId() {
        do {
            ++last_;
        } while (last_ == 0 || timers_.count(last_) != 0);
        return last_;
    }

    std::map<TimerId, QTimer*> timers_;
    TimerId last_ = 0;
};

TimerService*& installed() {
    static TimerService* timers = nullptr;
    return timers;
}
} // namespace

TimerService& Timers() {
    static QtTimers real;
    return installed() ? *installed() : real;
}

void SetTimers(TimerService* timers) {
    installed() = timers;
}

void KillTimerId(TimerId& id) {
    if (id != 0)
        Timers().KillTimer(id);
    id = 0;
}
