#include "core/language.h"
#include "core/wait_box.h"
#include "shell/panes/bounce_marker.h"
#include "shell/panes/frm_wait.h"
#include "tests/support/language_scope.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPointer>
#include <QWindow>

#include <gtest/gtest.h>

#include <vector>

TEST(BounceMarker, TurnsRoundAtBothEndsAndStaysInsideTheBar) {
    struct Case {
        const char* name;
        int bar;
        int block;
        int step;
        std::vector<int> lefts; // after each tick
    };
    const Case cases[] = {
        {"wide bar", 100, 20, 30, {30, 60, 80, 50, 20, 0, 30}},
        {"lands exactly on the right end", 100, 20, 40, {40, 80, 40, 0, 40}},
        {"bar narrower than the block", 10, 20, 5, {0, 0, 0, 0}},
        {"bar as wide as the block", 20, 20, 1, {0, 0, 0}},
        {"negative step moves the same way", 100, 20, -30, {30, 60, 80}},
    };
    for (const Case& c : cases) {
        BounceMarker marker(c.block);
        std::vector<int> lefts;
        std::vector<bool> forward;
        for (size_t i = 0; i < c.lefts.size(); ++i) {
            marker.Advance(c.step, c.bar);
            lefts.push_back(marker.Left());
            forward.push_back(marker.Forward());
        }
        EXPECT_EQ(lefts, c.lefts) << c.name;
        if (c.bar <= c.block) {
            // A narrow bar reverses the direction on every tick.
            for (size_t i = 1; i < forward.size(); ++i)
                EXPECT_NE(forward[i], forward[i - 1]) << c.name << " tick " << i;
        }
    }
}

namespace {
class WaitBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = WaitBoxHook();
        RegisterWaitBox();
    }
    void TearDown() override {
        HideWaitBox();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        WaitBoxHook() = saved_;
    }

private:
    WaitBoxHooks saved_;
};
} // namespace

TEST_F(WaitBoxTest, TheCloseBoxLeavesItOnScreenUntilTheProgramTakesItAway) {
    LanguageScope language(1);
    ShowWaitBox();
    QPointer<frmWait> box = WaitBoxWindow();
    ASSERT_TRUE(box);
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->windowTitle(), ResString(37));
    EXPECT_EQ(box->lblProgress()->text(), ResString(38));

    EXPECT_FALSE(box->close());
    EXPECT_TRUE(box->isVisible());
    QCloseEvent closeByUser;
    QApplication::sendEvent(box, &closeByUser);
    EXPECT_FALSE(closeByUser.isAccepted());
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(WaitBoxWindow(), box.data());

    StepWaitBox(150); // the transfer goes on
    EXPECT_EQ(box->pctProgress()->Marker().Left(), 150);

    HideWaitBox();
    EXPECT_FALSE(box->isVisible());
    EXPECT_EQ(WaitBoxWindow(), nullptr);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(box.isNull());
}

TEST_F(WaitBoxTest, CallersSetTheirOwnTextAndTheScopeTakesTheBoxAwayOnEveryWayOut) {
    LanguageScope language(0);
    QPointer<frmWait> box;
    try {
        WaitBoxScope scope(QStringLiteral("Decodifica..."));
        box = WaitBoxWindow();
        ASSERT_TRUE(box);
        EXPECT_EQ(box->lblProgress()->text(), QStringLiteral("Decodifica..."));
        SetWaitBoxText(QString());
        EXPECT_EQ(box->lblProgress()->text(), ResString(38));
        throw std::runtime_error("transfer failed");
    } catch (const std::runtime_error&) {
    }
    ASSERT_TRUE(box);
    EXPECT_FALSE(box->isVisible());
    EXPECT_EQ(WaitBoxWindow(), nullptr);
}

TEST_F(WaitBoxTest, TheMarkerBouncesInsideTheBarItIsShownIn) {
    ShowWaitBox();
    frmWait* box = WaitBoxWindow();
    ASSERT_TRUE(box);
    const WaitBar* bar = box->pctProgress();
    const int room = bar->InnerWidthTwips() - bar->Marker().BlockWidth();
    ASSERT_GT(room, 0);
    bool turned = false;
    for (int i = 0; i < 2 * room / 20 + 5; ++i) {
        StepWaitBox(20);
        EXPECT_GE(bar->Marker().Left(), 0);
        EXPECT_LE(bar->Marker().Left(), room);
        turned = turned || !bar->Marker().Forward();
    }
    EXPECT_TRUE(turned);
}

TEST(WaitBoxHooks, DoNothingUntilTheShellRegistersTheBox) {
    const WaitBoxHooks saved = WaitBoxHook();
    WaitBoxHook() = {};
    ShowWaitBox(QStringLiteral("x"));
    StepWaitBox(10);
    SetWaitBoxText(QStringLiteral("y"));
    HideWaitBox();
    EXPECT_EQ(WaitBoxWindow(), nullptr);
    WaitBoxHook() = saved;
}

TEST_F(WaitBoxTest, ItIsOnScreenWhenShowReturns) {
    // Its callers work on without returning to the event loop: a box that was not yet
    // shown by the window system would stay blank for the whole transfer.
    ShowWaitBox();
    frmWait* box = WaitBoxWindow();
    ASSERT_TRUE(box);
    ASSERT_TRUE(box->windowHandle());
    EXPECT_TRUE(box->windowHandle()->isExposed());
}
