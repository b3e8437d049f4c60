#pragma once

#include "core/options.h"
#include "link/comm_state.h"
#include "shell/main/frm_main.h"
#include "shell/startup/shell_hooks.h"
#include "tests/support/kl720_pty.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/strict_ui.h"

#include <QFile>

#include <gtest/gtest.h>

// The options of a user's program in these tests: port 1, English, no connection at start.
inline OptionsRecord UserOptionsOnPort1() {
    OptionsRecord options;
    SetDefaultOptions(options);
    options.CommPort = 1;
    options.ConnectOnStart = false;
    options.Language = 1;
    return options;
}

// The whole program against the emulated instrument on a pseudo-terminal, as a user starts
// it: a scratch program folder with the support files and the options file, the emulator
// named as port 1, the fake UI services. Afterwards the link's timers stop, the main window
// is unloaded and the shell's hooks are cleared.
class ProgramOnEmulator : public ::testing::Test {
protected:
    // Writes the options file into the program folder and names the emulator as port 1.
    void Prepare(const OptionsRecord& options) {
        folder.InstallSupportFiles();
        QFile file(folder.File(QString::fromLatin1(OptionsFileName)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(OptionsToBytes(options));
        file.close();
        ASSERT_TRUE(server.IsRunning());
        server.ExportAsComPort(1);
    }
    void TearDown() override {
        StopLinkTimers();
        UnloadMainWindow();
        ShellHook() = ShellHooks();
    }

    ScratchProgramFolder folder;
    Kl720PtyServer server;
    StrictUi ui;
};
