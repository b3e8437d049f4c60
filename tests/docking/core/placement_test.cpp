#include "docking/core/form_drag.h"
#include "docking/core/layout_store.h"
#include "docking/core/placement.h"

#include <gtest/gtest.h>

using namespace dockable;

namespace {
struct NoTargets : DragQuery {
    DropHit sideAtPoint(Point) override { return {}; }
    Rect edgeDropRect(int) override { return {}; }
    Rect paneRect(int) override { return {}; }
    int ownPane() override { return 0; }
};
} // namespace

// A floating window 100 wide and 80 high (frame 4) whose minimum is 60 x 28.
TEST(FormDrag, SizingStopsAtTheMinimumWhicheverSideIsDragged) {
    const Rect window = Rect::fromSize(500, 300, 100, 80);
    struct Case {
        int hit;
        Point by;
        Rect expected; // the window after the drop
    };
    const Case cases[] = {
        {10, {400, 0}, {540, 300, 600, 380}},  // left edge past the right one
        {11, {-400, 0}, {500, 300, 560, 380}}, // right edge past the left one
        {12, {0, 400}, {500, 352, 600, 380}},  // top edge past the bottom
        {17, {-400, -400}, {500, 300, 560, 328}},
        {10, {20, 0}, {520, 300, 600, 380}}, // above the minimum: as dragged
    };
    NoTargets none;
    for (const Case& c : cases) {
        FormDrag d(4, 4);
        d.setMinimumSize(60, 28);
        ASSERT_TRUE(d.pressFrame(c.hit, {550, 340}, window));
        d.move({550 + c.by.x, 340 + c.by.y}, none, 100, 80);
        const DragCommand command = d.release();
        EXPECT_EQ(command.kind, DragCommand::Resize);
        EXPECT_EQ(command.rect, c.expected) << c.hit << " " << c.by.x << "," << c.by.y;
    }
}

TEST(Placement, StoredRectanglesComeBackBoundedOnAScreen) {
    const std::vector<Rect> screens = {Rect::fromSize(0, 0, 1600, 1000),
                                       Rect::fromSize(1600, 0, 1280, 1024)};
    struct Case {
        Rect stored;
        Rect expected;
    };
    const Case cases[] = {
        {Rect::fromSize(200, 150, 300, 200), Rect::fromSize(200, 150, 300, 200)},
        // Its caption reachable on the second screen, half of it beyond: left as it is.
        {Rect::fromSize(2700, 400, 300, 200), Rect::fromSize(2700, 400, 300, 200)},
        {Rect::fromSize(-5000, -5000, 300, 200), Rect::fromSize(0, 0, 300, 200)},
        // The caption above the screen's top: the whole window comes down.
        {Rect::fromSize(100, -10, 300, 200), Rect::fromSize(100, 0, 300, 200)},
        // Beyond every screen: onto the host's, the first.
        {Rect::fromSize(2000, 5000, 300, 200), Rect::fromSize(1300, 800, 300, 200)},
        // Partly on the second screen, its caption beyond its bottom.
        {Rect::fromSize(2000, 1010, 300, 200), Rect::fromSize(2000, 824, 300, 200)},
        // Too small, and too big for any screen.
        {Rect::fromSize(100, 100, 1, 1), Rect::fromSize(100, 100, 60, 28)},
        {Rect::fromSize(-100, -100, 5000, 5000), Rect::fromSize(0, 0, 1600, 1000)},
    };
    for (const Case& c : cases) {
        const Rect r = placeOnScreens(c.stored, screens, 60, 28, 20);
        EXPECT_EQ(r, c.expected) << c.stored.left << "," << c.stored.top;
    }
}

TEST(Placement, AStoredPlacementOfAnySizeReadsWithinBounds) {
    MemoryLayoutStore store;
    for (const char* key : {"LeftWhenUnDocked", "TopWhenUnDocked"}) {
        store.SaveSetting("app", "frmA", key, "2000000000");
    }
    for (const char* key : {"WidthWhenUnDocked", "HeightWhenUnDocked"}) {
        store.SaveSetting("app", "frmA", key, "2147483647");
    }
    QStringList bad;
    LayoutReader reader{store, "app", bad};
    FormRecord r;
    r.name = "frmA";
    loadForm(reader, r);
    EXPECT_TRUE(bad.isEmpty());
    EXPECT_EQ(r.TopWhenUnDocked, PlacementLimit);
    EXPECT_EQ(r.HeightWhenUnDocked, PlacementLimit);
    // Its far corner still has room in the arithmetic.
    EXPECT_LT(static_cast<long long>(r.TopWhenUnDocked) + r.HeightWhenUnDocked, INT32_MAX);
    const Rect placed = placeOnScreens(Rect::fromSize(r.LeftWhenUnDocked, r.TopWhenUnDocked,
                                                      r.WidthWhenUnDocked, r.HeightWhenUnDocked),
                                       {Rect::fromSize(0, 0, 1600, 1000)}, 60, 28, 20);
    EXPECT_EQ(placed, Rect::fromSize(0, 0, 1600, 1000));
}
