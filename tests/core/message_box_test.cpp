#include "core/language.h"
#include "core/message_box.h"
#include "tests/support/fake_ui.h"
#include "tests/support/language_scope.h"

#include <gtest/gtest.h>

namespace {
// The built language table, in Italian, and the fake UI services that record what the
// front asks of them.
class MessBoxFront : public ::testing::Test {
protected:
    LanguageScope language{0};
    FakeUi ui;
};
} // namespace

TEST_F(MessBoxFront, KindsTitlesAndCaptionsAreResolved) {
    struct Case {
        const char* title;
        int iconKind, buttonKind;
        int wantIcon, wantButtons, wantTitleId;
        int okId, cancelId;
    };
    const Case cases[] = {
        {"", -1, -1, 0, 1, 2, 4001, 4002},  {"", 0, 0, 0, 0, 2, 4003, 4004},
        {"", 1, 0, 1, 0, 3, 4003, 4004},    {"", 2, 2, 2, 2, 4, 4001, 4002},
        {"Mio", 2, 1, 2, 1, 0, 4001, 4002}, {"Mio", -1, 0, 0, 0, 0, 4003, 4004},
    };
    for (const Case& c : cases) {
        ui.messageCalls.clear();
        ui.messageAnswers = {false};
        EXPECT_FALSE(
            MessBox(QStringLiteral("testo"), QString::fromUtf8(c.title), c.iconKind, c.buttonKind));
        ASSERT_EQ(ui.messageCalls.size(), 1);
        const MessageBoxRequest& r = ui.messageCalls[0];
        EXPECT_EQ(r.message, QStringLiteral("testo"));
        EXPECT_EQ(r.iconKind, c.wantIcon) << c.iconKind;
        EXPECT_EQ(r.buttonKind, c.wantButtons) << c.buttonKind;
        const QString title = c.wantTitleId ? ResString(c.wantTitleId) : QString::fromUtf8(c.title);
        EXPECT_FALSE(title.isEmpty());
        EXPECT_EQ(r.title, title);
        EXPECT_EQ(r.okCaption, ResString(c.okId));
        if (c.buttonKind != 1 && c.buttonKind != -1)
            EXPECT_EQ(r.cancelCaption, ResString(c.cancelId));
    }
    ui.messageAnswers = {true};
    EXPECT_TRUE(MessBox(QStringLiteral("x"), QString(), -1, -1));
}

TEST_F(MessBoxFront, YesNoCancelTellsTheThreeAnswersApart) {
    for (const BoxAnswer answer : {BoxAnswer::Yes, BoxAnswer::No, BoxAnswer::Cancel}) {
        ui.messageCalls.clear();
        ui.choiceAnswers = {answer};
        EXPECT_EQ(MessBoxYesNoCancel(QStringLiteral("testo"), QString(), 2), answer);
        ASSERT_EQ(ui.messageCalls.size(), 1);
        const MessageBoxRequest& r = ui.messageCalls[0];
        EXPECT_EQ(r.buttonKind, 3);
        EXPECT_EQ(r.iconKind, 2);
        EXPECT_EQ(r.title, ResString(4));
        EXPECT_EQ(r.okCaption, ResString(4003));
        EXPECT_EQ(r.noCaption, ResString(4004));
        EXPECT_EQ(r.cancelCaption, ResString(4002));
    }
}

TEST_F(MessBoxFront, AnIconKindWithNoPictureIsReportedAndAnswersFalse) {
    for (int kind : {3, -2}) {
        ui.standardCalls.clear();
        EXPECT_FALSE(MessBox(QStringLiteral("x"), QString(), kind, 1));
        ASSERT_EQ(ui.standardCalls.size(), 1);
        EXPECT_TRUE(
            ui.standardCalls[0].text.contains(QStringLiteral("Error Raised by  : MessBox\r\n")));
    }
    EXPECT_TRUE(ui.messageCalls.isEmpty());
}
