#include "tests/support/virtual_time.h"

#include <algorithm>

VirtualTime::VirtualTime(const QDateTime& wallStart) : wallStart_(wallStart) {
    SetClock(this);
    SetTimers(this);
}

VirtualTime::~VirtualTime() {
    SetClock(nullptr);
    SetTimers(nullptr);
}

TimerId VirtualTime::SetTimer(int intervalMs, std::function<void()> callback) {
    if (intervalMs < 0 || !callback)
        return 0;
    do {
        ++lastId_;
    } while (lastId_ == 0 || timers_.count(lastId_));
    timers_[lastId_] = Timer{intervalMs, now_ + intervalMs, std::move(callback)};
    return lastId_;
}

bool VirtualTime::KillTimer(TimerId id) {
    return timers_.erase(id) != 0;
}

bool VirtualTime::IsTimerRunning(TimerId id) const {
    return timers_.count(id) != 0;
}

int VirtualTime::TimerInterval(TimerId id) const {
    auto it = timers_.find(id);
    return it == timers_.end() ? 0 : it->second.interval;
}

void VirtualTime::At(qint64 whenMs, std::function<void()> action) {
    actions_.emplace(whenMs, std::move(action));
}

void VirtualTime::AddSource(VirtualEventSource* source) {
    sources_.push_back(source);
}

void VirtualTime::RemoveSource(VirtualEventSource* source) {
    sources_.erase(std::remove(sources_.begin(), sources_.end(), source), sources_.end());
}

void VirtualTime::RunFor(qint64 ms) {
    RunUntil(now_ + ms);
}

void VirtualTime::RunUntil(qint64 whenMs) {
    for (;;) {
        // The earliest thing due: sources first, then actions, then timers (by id).
        qint64 next = -1;
        auto consider = [&](qint64 t) {
            if (t >= 0 && (next < 0 || t < next))
                next = t;
        };
        for (VirtualEventSource* s : sources_)
            consider(s->NextEventMs());
        if (!actions_.empty())
            consider(actions_.begin()->first);
        for (const auto& [id, timer] : timers_)
            consider(timer.due);
        if (next < 0 || next > whenMs)
            break;
        // Overdue things (a blocking wait passed them) happen now.
        now_ = std::max(now_, next);

        bool delivered = false;
        for (VirtualEventSource* s : std::vector<VirtualEventSource*>(sources_)) {
            const qint64 t = s->NextEventMs();
            if (t >= 0 && t <= now_) {
                s->DeliverDue(now_);
                delivered = true;
                break;
            }
        }
        if (delivered)
            continue;
        if (!actions_.empty() && actions_.begin()->first <= now_) {
            auto action = std::move(actions_.begin()->second);
            actions_.erase(actions_.begin());
            action();
            continue;
        }
        for (auto& [id, timer] : timers_) {
            if (timer.due <= now_) {
                timer.due = now_ + std::max(timer.interval, 1);
                auto callback = timer.callback; // the callback may kill its own timer
                callback();
                break;
            }
        }
    }
    now_ = std::max(now_, whenMs);
}
