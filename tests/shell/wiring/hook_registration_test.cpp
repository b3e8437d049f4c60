#include "core/program_events.h"
#include "data/upload/upload_hooks.h"
#include "link/link_hooks.h"
#include "shell/main/main_hooks.h"
#include "shell/startup/shell_hooks.h"
#include "views/graphs/graph_hooks.h"
#include "views/table/table_hooks.h"

#include <gtest/gtest.h>

// The lower layers reach the windows and each other only through hooks; a hook the
// program never registers fails silently at run time (a download that arrives and goes
// nowhere), so the program's one registration is checked here.
TEST(HookRegistration, TheProgramRegistersEveryHookADownloadNeeds) {
    LinkReplyHook() = LinkReplyHooks{};
    RegisterShellHooks();
    EXPECT_TRUE(LinkReplyHook().Download) << "the download reply goes nowhere";
    const ProgramEvents& events = Events();
    EXPECT_TRUE(events.HasReceivers(SIGNAL(DataSetReplaced()))) << "a new data set shows nowhere";
    EXPECT_TRUE(events.HasReceivers(SIGNAL(InfoChanged())));
    EXPECT_TRUE(events.HasReceivers(SIGNAL(WindowActivated(QWidget*))));
    EXPECT_TRUE(events.HasReceivers(SIGNAL(RecentFilesChanged())));
    EXPECT_TRUE(ShellHook().InitCommunication);
    EXPECT_TRUE(ShellHook().SaveFile);
    EXPECT_TRUE(MainWindowHook().ReadMonitorSettings) << "the settings read says not available";
    EXPECT_TRUE(MainWindowHook().ShowIdCodeDialog);
    EXPECT_TRUE(MainWindowHook().ShowSettingsDialog) << "Preferences says not available";
    EXPECT_TRUE(MainWindowHook().ShowAbout);
    EXPECT_TRUE(ShellHook().RestartProgram) << "a new language would never restart";
    EXPECT_TRUE(UploadHook().AskStartDate) << "an image without a start asks nobody";
}

// A button whose command is not built yet answers with a message instead of doing nothing.
TEST(HookRegistration, PrintButtonsAnswerEvenBeforePrintingIsBuilt) {
    GraphHook() = GraphHooks{};
    DataTableHook() = DataTableHooks{};
    RegisterShellHooks();
    EXPECT_TRUE(GraphHook().PrintGraph);
    EXPECT_TRUE(DataTableHook().PrintData);
}
