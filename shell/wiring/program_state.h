#pragma once

struct CommunicationState;
struct DataSet;
struct OptionsState;
struct RealTimeSetState;
struct ShellState;

// The records the program keeps for the whole run. Each is owned by its layer (the link's
// communication state, the current data set, the options, the shell's own start-up state,
// the live readings; the open flags live with their windows, Window<W>()), and all of them
// are reached here
// together, so a reader finds every piece of program-wide state in one place.
struct ProgramState {
    CommunicationState& Comm;
    DataSet& Data;
    OptionsState& Opts;
    ShellState& Shell;
    RealTimeSetState& Live;
};
ProgramState State();

// Gives every record of the run its start values: start-up's InitVariabili calls it, and
// so do the tests that put the whole program together.
void ResetProgramState();
