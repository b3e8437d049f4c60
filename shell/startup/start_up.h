#pragma once

// How a start ended: the program runs on in its event loop, or it ended during start-up
// (a missing support file, the language table) and must not enter the event loop.
enum class StartResult { Running, Ended };

// The program's start: start values, splash, support files, options, language, port,
// main window, connection and command line.
StartResult Main();
// Start values of the shared state.
void InitVariabili();
// True when both help files and the language table lie in the program folder; at the
// first one missing shows its own box and gives false.
bool CheckIntegrity();
