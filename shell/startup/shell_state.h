#pragma once

#include <QPointer>
#include <QString>

class frmSplash;

// The shell's own start-up and shutdown state.
struct ShellState {
    // Help file of the chosen language ("Corvanel_it.hlp" or "Corvanel_en.hlp").
    QString HelpFile;
    QPointer<frmSplash> Splash;
    // The main window was shown at the end of a good start.
    bool MainWindowShown = false;
    // Shutdown is under way or done: it runs once, however it is reached.
    bool ShutDownStarted = false;
    // The program is to be started again once it has ended (a new language was chosen).
    bool RestartRequested = false;
    // ShutDown was called without a window: the program ends without its event loop.
    bool Ended = false;
};

ShellState& Shell();
