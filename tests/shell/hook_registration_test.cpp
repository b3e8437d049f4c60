#include "data/upload/load_hooks.h"
#include "link/link_hooks.h"
#include "shell/startup/shell_hooks.h"
#include "views/graphs/graph_hooks.h"
#include "views/table/table_hooks.h"

#include <gtest/gtest.h>

// The lower layers reach the windows and each other only through hooks; a hook the
// program never registers fails silently at run time (a download that arrives and goes
// nowhere), so the program's one registration is checked here.
TEST(HookRegistration, TheProgramRegistersEveryHookADownloadNeeds) {
    LinkReplies() = LinkReplyHandlers{};
    DataLoad() = DataLoadHooks{};
    RegisterShellHooks();
    EXPECT_TRUE(LinkReplies().Download) << "the download reply goes nowhere";
    EXPECT_TRUE(LinkReplies().StoreIdTexts);
    EXPECT_TRUE(LinkReplies().CurrentIdTexts);
    EXPECT_TRUE(DataLoad().UpdateInfo);
    EXPECT_TRUE(DataLoad().EnableToolbarButton);
    EXPECT_TRUE(DataLoad().ShowWarningsPane);
    EXPECT_TRUE(DataLoad().OpenRequestedForms);
    EXPECT_TRUE(ShellHooksRegistry().InitCommunication);
    EXPECT_TRUE(ShellHooksRegistry().SaveFile);
}

// A button whose command is not built yet answers with a message instead of doing nothing.
TEST(HookRegistration, PrintButtonsAnswerEvenBeforePrintingIsBuilt) {
    GraphHook() = GraphHooks{};
    DataTableHooks() = TableHooks{};
    RegisterShellHooks();
    EXPECT_TRUE(GraphHook().PrintGraph);
    EXPECT_TRUE(DataTableHooks().PrintData);
}
