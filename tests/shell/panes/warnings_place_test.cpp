#include "shell/panes/warnings_place.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {
std::string text(const QRect& r) {
    std::ostringstream out;
    out << '(' << r.x() << ", " << r.y() << ", " << r.width() << " x " << r.height() << ')';
    return out.str();
}

struct PlaceCase {
    const char* name;
    QRect screen;
    QRect main;
    QRect work;
    QRect expected;
};

const QSize Pane(420, 200);
const QSize Minimum(240, 96);

// The main window as it opens without a window manager (900 x 640 at the screen's corner),
// its work area below the menu and the toolbar and left of the docked information pane.
const QRect OpenMain(0, 0, 900, 640);
const QRect OpenWork(0, 58, 640, 557);

const PlaceCase Cases[] = {
    {"a wide screen: right of the main window, level with the work area", QRect(0, 0, 1600, 1000),
     OpenMain, OpenWork, QRect(900, 58, 420, 200)},
    {"a small screen: the strip below the window, as tall as the screen leaves",
     QRect(0, 0, 1024, 768), OpenMain, OpenWork, QRect(0, 640, 420, 128)},
    {"the window on the right of the screen: below it, level with the work area",
     QRect(0, 0, 1600, 1000), QRect(700, 0, 900, 640), QRect(700, 58, 640, 557),
     QRect(700, 640, 420, 200)},
    {"the window at the bottom right of the screen: left of it, ending where it begins",
     QRect(0, 0, 1600, 1000), QRect(700, 360, 900, 640), QRect(700, 418, 640, 557),
     QRect(280, 418, 420, 200)},
    {"the window low on a narrow screen: above it", QRect(0, 0, 1000, 1000),
     QRect(0, 300, 900, 640), QRect(0, 358, 640, 557), QRect(0, 100, 420, 200)},
    {"a screen with a task bar: right of the window, inside the available part",
     QRect(0, 30, 1600, 970), QRect(0, 30, 900, 640), QRect(0, 88, 640, 557),
     QRect(900, 88, 420, 200)},
    {"a maximised window: the screen's top right corner, over the toolbar and the pane",
     QRect(0, 0, 1024, 768), QRect(0, 0, 1024, 768), QRect(0, 58, 760, 685),
     QRect(604, 0, 420, 200)},
    {"strips narrower than the minimum: the screen's corner covering the least work area",
     QRect(0, 0, 1100, 700), QRect(0, 0, 1000, 640), QRect(0, 58, 740, 557),
     QRect(680, 500, 420, 200)},
};
} // namespace

TEST(PlaceWarningsPane, OpensWhereItHidesTheLeastOfTheWorkAreaAndOnTheScreen) {
    for (const PlaceCase& c : Cases) {
        SCOPED_TRACE(c.name);
        const QRect placed = PlaceWarningsPane(c.screen, c.main, c.work, Pane, Minimum);
        EXPECT_EQ(placed, c.expected) << text(placed);
        EXPECT_TRUE(c.screen.contains(placed));
    }
}

TEST(PlaceWarningsPane, BesideTheWindowItNeverCoversTheWorkArea) {
    // Every place of the main window on a large screen leaves room beside it.
    const QRect screen(0, 0, 1920, 1080);
    for (int x : {0, 100, 500, 1020}) {
        for (int y : {0, 200, 440}) {
            SCOPED_TRACE(testing::Message() << x << "," << y);
            const QRect main(x, y, 900, 640);
            const QRect work(x, y + 58, 640, 557);
            const QRect placed = PlaceWarningsPane(screen, main, work, Pane, Minimum);
            EXPECT_EQ(placed.size(), Pane);
            EXPECT_FALSE(placed.intersects(main));
            EXPECT_TRUE(screen.contains(placed));
        }
    }
}

TEST(PlaceWarningsPane, APaneLargerThanTheScreenIsCutToIt) {
    const QRect screen(0, 0, 640, 480);
    const QRect placed = PlaceWarningsPane(screen, QRect(-50, -20, 800, 600),
                                           QRect(-50, 38, 700, 500), QSize(1000, 900), Minimum);
    EXPECT_EQ(placed, screen);
}
