#include "shell/core/error_report.h"
#include "tests/support/fake_ui.h"

#include <gtest/gtest.h>

TEST(ErrorReport, TrappedFailureShowsTheFixedBoxAndReturnsTheInitialResult) {
    FakeUi ui;
    const int result = Trapped("SetLanguage", 0, []() -> int {
        RaiseError(ErrorNumber::Overflow, QStringLiteral("Overflow"));
    });
    EXPECT_EQ(result, 0);
    ASSERT_EQ(ui.standardCalls.size(), 1);
    const auto& call = ui.standardCalls.first();
    EXPECT_EQ(call.title, QStringLiteral("ERROR! (Corvanel)"));
    EXPECT_EQ(call.icon, StandardIcon::Critical);
    EXPECT_EQ(call.buttons, StandardButtons::Ok);
    EXPECT_EQ(call.text, QStringLiteral("An unpredictable error occurred.\r\n"
                                        "Error Raised by  : SetLanguage\r\n"
                                        "Error Source     : Corvanel\r\n"
                                        "Error Number     : 6\r\n"
                                        "Error Description: Overflow\r\n"));
}
