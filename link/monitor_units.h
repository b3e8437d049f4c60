#pragma once

#include <QString>

#include <array>

// The sampling units of a monitoring session: the instrument's unit code, the interval
// letter of the date arithmetic and the text id of its name, in the order the monitoring
// dialog lists them.
struct StepUnit {
    int code;
    const char* letter;
    int textId;
};
inline constexpr std::array<StepUnit, 4> StepUnits{{
    {2, "s", 3013}, // seconds
    {3, "n", 3012}, // minutes
    {4, "h", 3014}, // hours
    {5, "d", 3015}, // days
}};

// The interval letter of a unit code; empty for a code that names no unit.
QString StepUnitLetter(int unitCode);

// Colours of the monitoring state (BGR): no session or an ended one, a session waiting or
// running.
inline constexpr unsigned MonitorIdleBack = 0xC0FFC0;
inline constexpr unsigned MonitorBusyBack = 0xC0C0FF;
