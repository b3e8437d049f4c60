#pragma once

#include "core/language.h"
#include "core/options.h"
#include "platform/paths.h"
#include "shell/main/main_hooks.h"
#include "tests/support/strict_ui.h"

#include <QStringList>

#include <ostream>

#include <gtest/gtest.h>

// The program's language table, the default options, empty hooks and the recording UI for
// each test; whatever a test registers is gone after it.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetProgramFolderForTests(QStringLiteral(CORVANEL_PROGRAM_DIR));
        ASSERT_TRUE(InitLibrary(QStringLiteral("Language.dll")));
        SetLanguage(0);
        SetDefaultOptions(Options());
        MainWindowHook() = MainWindowHooks{};
    }
    void TearDown() override {
        MainWindowHook() = MainWindowHooks{};
        FreeResLibrary();
        SetLanguage(0);
        SetProgramFolderForTests(QString());
    }

    // The language offset in use (0 Italian, 1 English).
    void UseLanguage(int language) {
        SetLanguage(language);
        Options().Language = static_cast<quint8>(language);
    }

    // The texts of the message boxes shown so far.
    QStringList Messages() const {
        QStringList texts;
        for (const MessageBoxRequest& call : ui.messageCalls)
            texts.append(call.message);
        return texts;
    }

    StrictUi ui;
};

// Readable failures for the texts the tests compare.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& texts, std::ostream* out) {
    *out << '{';
    for (const QString& text : texts)
        *out << " \"" << text.toStdString() << '"';
    *out << " }";
}
