#include "shell/startup/restart_program.h"

#include "shell/main/frm_main.h"
#include "shell/startup/shell_state.h"
#include "shell/startup/shut_down.h"

#include <QCoreApplication>
#include <QProcess>

void RestartProgram() {
    // Queued, so that no window of the command that asked is still on the call stack when
    // the windows go.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [] {
            QWidget* main = MainWindowLoaded() ? &MainWindow() : nullptr;
            // The user kept the program and its data: the new language waits for the next
            // start, as when the restart is declined.
            if (!ShutDown(main))
                return;
            Shell().RestartRequested = true;
            if (main)
                main->close(); // its close finds the shutdown done
            QCoreApplication::quit();
        },
        Qt::QueuedConnection);
}

bool StartAgainIfAsked(const ProgramStarter& start) {
    if (!Shell().RestartRequested)
        return false;
    Shell().RestartRequested = false;
    const QString program = QCoreApplication::applicationFilePath();
    if (start)
        return start(program, {});
    return QProcess::startDetached(program, {});
}
