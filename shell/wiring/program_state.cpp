#include "shell/wiring/program_state.h"

#include "core/options.h"
#include "data/dataset.h"
#include "link/comm_state.h"
#include "shell/startup/shell_state.h"

ProgramState State() {
    return {CommState(), CurrentData(), OptionsStore(), Shell()};
}

void ResetProgramState() {
    Shell() = ShellState{};
    ResetCommState();
    CurrentData().IntervalMultiplier = 1;
}
