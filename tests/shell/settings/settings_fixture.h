#pragma once

#include "core/options.h"
#include "shell/settings/frm_settings.h"
#include "shell/startup/shell_hooks.h"
#include "tests/support/language_scope.h"
#include "tests/support/strict_ui.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <memory>

// The options at their defaults, the English texts, scripted boxes and colour dialogs, a
// locale of the test's choosing and a restart that only counts.
class SettingsFixture : public ::testing::Test {
protected:
    void SetUp() override {
        OptionsStore() = OptionsState{};
        SetDefaultOptions(Options());
        ShellHook().RestartProgram = [this] { ++restarts; };
        useLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    void TearDown() override {
        ShellHook() = ShellHooks{};
        OptionsStore() = OptionsState{};
        QLocale::setDefault(saved_);
    }
    void useLocale(const QLocale& locale) { QLocale::setDefault(locale); }

    std::unique_ptr<frmSettings> open() {
        auto dialog = std::make_unique<frmSettings>();
        dialog->Form_Load();
        return dialog;
    }

    LanguageScope language{1};
    StrictUi ui;
    int restarts = 0;

private:
    QLocale saved_;
};
