#include "shell/wiring/program_state.h"

#include "core/options.h"
#include "data/dataset.h"
#include "data/live/realtime_set.h"
#include "link/comm_state.h"
#include "shell/startup/shell_state.h"

ProgramState State() {
    return {CommState(), CurrentData(), OptionsStore(), Shell(), RealTimeSet()};
}

void ResetProgramState() {
    Shell() = ShellState{};
    ResetCommState();
    ResetRealTimeSet();
    CurrentData().IntervalMultiplier = 1;
}
