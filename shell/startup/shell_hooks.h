#pragma once

#include "data/files/session_file.h"

#include <QString>

#include <functional>
#include <vector>

// What start-up and shutdown ask of the other subsystems. Each hook is called only when
// it is set; RegisterShellHooks() sets the program's own, tests set fakes.
struct ShellHooks {
    // Start values of the program-wide state (ResetProgramState), run by InitVariabili.
    std::function<void()> ResetState;
    // Kills the keep-alive, reply time-out and live-reading timers and clears their ids.
    std::function<void()> KillTimers;
    // Connects to the instrument (start-up with Options().ConnectOnStart); its result is
    // not looked at.
    std::function<bool()> InitCommunication;
    // Handles the program's command line, last step of the start-up.
    std::function<void()> GestioneCommandLine;
    // Writes the current data set as a session file (asking before it replaces one).
    std::function<SaveOutcome(const QString&)> SaveFile;
    // Ends the program and starts it again: the settings dialog's answer to a new language.
    std::function<void()> RestartProgram;
    // Lets the message loop run once while the splash waits. Unset: the real event loop.
    std::function<void()> DoEvents;
};

ShellHooks& ShellHook();
// Sets the program's own hooks (called once by the program's main before Main).
void RegisterShellHooks();
