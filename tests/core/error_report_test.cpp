#include "core/error_report.h"
#include "shell/startup/corvanel_application.h"
#include "tests/support/fake_ui.h"
#include "tests/support/strict_ui.h"

#include <QObject>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <stdexcept>

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

TEST(ErrorReport, MayIgnoreFormAsksYesOrNoAndOnlyYesIgnores) {
    FakeUi ui;
    ui.standardAnswers = {false, true};
    EXPECT_FALSE(
        ErrHandler(QStringLiteral("Main"), 53, QStringLiteral("Corvanel"), QString(), true));
    EXPECT_TRUE(
        ErrHandler(QStringLiteral("Main"), 53, QStringLiteral("Corvanel"), QString(), true));
    ASSERT_EQ(ui.standardCalls.size(), 2);
    EXPECT_EQ(ui.standardCalls[0].buttons, StandardButtons::YesNoDefaultNo);
    EXPECT_EQ(ui.standardCalls[0].text, QStringLiteral("An unpredictable error occurred.\r\n"
                                                       "Error Raised by  : Main\r\n"
                                                       "Error Source     : Corvanel\r\n"
                                                       "Error Number     : 53\r\n"
                                                       "Error Description: \r\n"
                                                       "\r\n"
                                                       "It may be possible to proceed.\r\n"
                                                       "Do you want to ignore the error?\r\n"));
    // Without the offer the answer is never "ignore".
    EXPECT_FALSE(ErrHandler(QStringLiteral("Main"), 53, QString(), QString()));
}

namespace {
// Services whose first box fails, as a report that cannot show its box would.
class FailingUi : public FakeUi {
public:
    bool StandardBox(const QString& text, const QString& title, StandardIcon icon,
                     StandardButtons buttons) override {
        if (failures-- > 0)
            throw std::runtime_error("no box");
        return FakeUi::StandardBox(text, title, icon, buttons);
    }
    int failures = 1;
};
} // namespace

TEST(ErrorReport, AFailureInsideTheReportShowsTheFallbackBox) {
    FailingUi ui;
    EXPECT_FALSE(ErrHandler(QStringLiteral("Main"), 5, QString(), QString(), true));
    ASSERT_EQ(ui.standardCalls.size(), 1);
    EXPECT_EQ(ui.standardCalls[0].text, QStringLiteral("Error on Error Handler!!! "));
    EXPECT_EQ(ui.standardCalls[0].title, QStringLiteral("Corvanel"));
    EXPECT_EQ(ui.standardCalls[0].icon, StandardIcon::Critical);
    EXPECT_EQ(ui.standardCalls[0].buttons, StandardButtons::Ok);

    ui.failures = 2; // even the fallback fails: nothing escapes
    EXPECT_NO_THROW(ErrHandler(QStringLiteral("Main"), 5, QString(), QString()));
}

TEST(ErrorReport, EveryKindOfFailureIsTrappedUnderTheProcedureName) {
    FakeUi ui;
    EXPECT_EQ(Trapped("ReadOptions", QStringLiteral("initial"),
                      []() -> QString { throw std::runtime_error("disk gone"); }),
              QStringLiteral("initial"));
    EXPECT_FALSE(Trapped("CheckIntegrity", false, []() -> bool { throw 42; }));
    ASSERT_EQ(ui.standardCalls.size(), 2);
    EXPECT_TRUE(
        ui.standardCalls[0].text.contains(QStringLiteral("Error Raised by  : ReadOptions\r\n")));
    EXPECT_TRUE(
        ui.standardCalls[0].text.contains(QStringLiteral("Error Description: disk gone\r\n")));
    EXPECT_TRUE(
        ui.standardCalls[1].text.contains(QStringLiteral("Error Raised by  : CheckIntegrity\r\n")));
}

TEST(ErrorReport, AnEventHandlerFailureIsTheLastTrapsAndTheProgramGoesOn) {
    FakeUi ui;
    QObject receiver;
    receiver.setObjectName(QStringLiteral("frmMain"));
    EXPECT_FALSE(DeliverTrapped(&receiver, []() -> bool {
        RaiseError(ErrorNumber::SubscriptOutOfRange, QStringLiteral("Subscript out of range"));
    }));
    ASSERT_EQ(ui.standardCalls.size(), 1);
    EXPECT_TRUE(
        ui.standardCalls[0].text.contains(QStringLiteral("Error Raised by  : frmMain\r\n")));
    EXPECT_TRUE(ui.standardCalls[0].text.contains(QStringLiteral("Error Number     : 9\r\n")));

    QObject unnamed;
    DeliverTrapped(&unnamed, []() -> bool { throw std::runtime_error("x"); });
    ASSERT_EQ(ui.standardCalls.size(), 2);
    EXPECT_TRUE(
        ui.standardCalls[1].text.contains(QStringLiteral("Error Raised by  : QObject\r\n")));
    EXPECT_TRUE(DeliverTrapped(&unnamed, [] { return true; }));
}

// The fixture of the tests that read no error report: one they did not declare fails them,
// a declared one passes, and one declared but never shown fails at the end.
TEST(ErrorReport, StrictUiFailsOnAReportTheTestDidNotDeclare) {
    auto fail = [] { Trapped("LoadFile", [] { throw std::runtime_error("no such file"); }); };
    EXPECT_NONFATAL_FAILURE(
        {
            StrictUi ui;
            fail();
        },
        "no such file");
    {
        StrictUi ui;
        ui.ExpectErrorReports(1);
        fail();
        EXPECT_EQ(ui.standardCalls.size(), 1);
    }
    EXPECT_NONFATAL_FAILURE(
        {
            StrictUi ui;
            ui.ExpectErrorReports(1);
        },
        "declared but not shown");
    // Other boxes are no error reports.
    StrictUi ui;
    Ui().StandardBox(QStringLiteral("Saved"), QStringLiteral("Corvanel"), StandardIcon::Critical,
                     StandardButtons::Ok);
    EXPECT_EQ(ui.standardCalls.size(), 1);
}
