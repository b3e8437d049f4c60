#pragma once

#include "core/language.h"
#include "core/options.h"
#include "data/dataset.h"
#include "shell/main/frm_main.h"
#include "shell/startup/frm_splash.h"
#include "shell/startup/shell_hooks.h"
#include "shell/startup/shell_state.h"
#include "tests/support/fake_clock.h"
#include "tests/support/fake_ui.h"
#include "tests/support/scratch_folder.h"

#include <QFile>

#include <gtest/gtest.h>

// A program folder, scripted boxes and dialogs, a clock that moves only by the splash's
// turns of the event loop, and every piece of start-up state fresh.
class StartupFixture : public ::testing::Test {
protected:
    void SetUp() override {
        resetAll();
        // Port numbers name paths that do not exist, so the machine's own serial devices
        // never take part.
        for (int n = 1; n <= 10; ++n)
            qputenv(QByteArray("CORVANEL_COM") + QByteArray::number(n),
                    folder.File(QStringLiteral("no-port-%1").arg(n)).toUtf8());
        ShellHook().DoEvents = [this] {
            ++turns;
            clock.Advance(500);
        };
    }
    void TearDown() override {
        resetAll();
        for (int n = 1; n <= 10; ++n)
            qunsetenv(QByteArray("CORVANEL_COM") + QByteArray::number(n));
    }

    static void resetAll() {
        if (MainWindowLoaded())
            UnloadMainWindow();
        delete Shell().Splash.data();
        Shell() = ShellState{};
        ShellHook() = ShellHooks{};
        OptionsStore() = OptionsState{};
        CurrentData() = DataSet{};
        FreeResLibrary();
        Language().ResOffset = 0;
    }

    QString ini() const { return folder.File(QStringLiteral("Corvanel.ini")); }
    QByteArray iniBytes() const {
        QFile file(ini());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void writeFile(const QString& name, const QByteArray& bytes) const {
        QFile file(folder.File(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void writeOptions(void (*change)(OptionsRecord&)) const {
        OptionsRecord r;
        SetDefaultOptions(r);
        change(r);
        writeFile(QStringLiteral("Corvanel.ini"), OptionsToBytes(r));
    }
    ScratchProgramFolder folder;
    FakeUi ui;
    FakeClock clock;
    int turns = 0;
};
