#pragma once

#include "platform/ui_services.h"

// Answers every box at once and records nothing, for runs that never look at the boxes
// (benchmarks, fuzzing).
class QuietUi : public UiServices {
public:
    bool StandardBox(const QString&, const QString&, StandardIcon, StandardButtons) override {
        return true;
    }
    bool ShowMessageBox(const MessageBoxRequest&) override { return true; }
    FileDialogResult OpenFile(const FileDialogRequest&) override { return {}; }
    FileDialogResult SaveFile(const FileDialogRequest&) override { return {}; }
    Qt::KeyboardModifiers KeyboardModifiers() override { return Qt::NoModifier; }
};
