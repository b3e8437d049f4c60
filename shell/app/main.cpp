#include "shell/dialogs/shell_ui.h"
#include "shell/main/picture_store.h"
#include "shell/startup/corvanel_application.h"
#include "shell/startup/restart_program.h"
#include "shell/startup/shell_hooks.h"
#include "shell/startup/shell_state.h"
#include "shell/startup/shut_down.h"
#include "shell/startup/start_up.h"

int main(int argc, char* argv[]) {
    CorvanelApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvanel"));
    UseFallbackIconTheme();
    ShellUi ui;
    SetUi(&ui);
    RegisterShellHooks();
    int code = 0;
    if (Main() == StartResult::Running) {
        code = app.exec();
        // The main window's close runs the shutdown; should the loop end any other way,
        // the options are still stored and saved (it runs once only).
        ShutDown(nullptr);
    }
    SetUi(nullptr);
    // A new language chosen in the settings: the program starts again in it.
    StartAgainIfAsked();
    return code;
}
