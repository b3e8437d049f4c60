#pragma once

#include "core/program_events.h"

#include <QObject>

#include <utility>

// Receivers of the program's broadcasts for one test: every connection made through On
// ends when the scope does, so no test's receiver outlives it.
class EventScope {
public:
    template <class Signal, class F> void On(Signal signal, F&& receiver) {
        QObject::connect(&Events(), signal, &context_, std::forward<F>(receiver));
    }
    // Ends every connection made so far.
    void Clear() { QObject::disconnect(&Events(), nullptr, &context_, nullptr); }

private:
    QObject context_;
};
