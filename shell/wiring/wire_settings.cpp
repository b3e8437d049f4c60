#include "shell/wiring/wire_settings.h"

#include "platform/ui_services.h"
#include "shell/about/frm_about.h"
#include "shell/main/main_hooks.h"
#include "shell/settings/frm_settings.h"
#include "shell/startup/restart_program.h"
#include "shell/startup/shell_hooks.h"

void RegisterSettingsAndAbout() {
    MainWindowHooks& hooks = MainWindowHook();
    hooks.ShowSettingsDialog = [] {
        frmSettings dialog(Ui().Owner());
        dialog.Form_Load();
        Ui().RunModal(dialog);
    };
    hooks.ShowAbout = [] {
        frmAbout about(Ui().Owner());
        about.Form_Load();
        Ui().RunModal(about);
    };
    ShellHook().RestartProgram = [] { RestartProgram(); };
}
