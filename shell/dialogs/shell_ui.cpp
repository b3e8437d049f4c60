#include "shell/dialogs/shell_ui.h"

#include "shell/dialogs/frm_message_box.h"

bool ShellUi::ShowMessageBox(const MessageBoxRequest& request) {
    frmMessageBox box(Owner());
    return box.MessBox(request);
}

BoxAnswer ShellUi::AskMessageBox(const MessageBoxRequest& request) {
    frmMessageBox box(Owner());
    return box.Ask(request);
}
