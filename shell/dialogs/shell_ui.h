#pragma once

#include "platform/ui_services.h"

// The program's services: plain Qt dialogs, but the program's own message box window.
class ShellUi : public QtUiServices {
public:
    bool ShowMessageBox(const MessageBoxRequest& request) override;
    BoxAnswer AskMessageBox(const MessageBoxRequest& request) override;
};
