#include "docking/core/drop_target.h"
#include "docking/core/form_drag.h"

#include <gtest/gtest.h>

using namespace dockable;

namespace {
// A host whose docking area is 800 x 600 at (100, 100); the right edge holds one pane.
DockSnapshot host() {
    DockSnapshot s;
    s.dockArea = {100, 100, 900, 700};
    s.edges[SideTop] = {false, {100, 100, 900, 100}, 80};
    s.edges[SideBottom] = {false, {100, 700, 900, 700}, 90};
    s.edges[SideLeft] = {false, {100, 100, 100, 700}, 150};
    s.edges[SideRight] = {true, {740, 100, 900, 700}, 160};
    return s;
}
} // namespace

TEST(DropTarget, SideAtPoint) {
    struct Case {
        const char* name;
        Point pt;
        int pane;      // pane under the point (on the right edge), 0 none
        bool canRight; // may dock right
        bool topBusy;  // the top edge holds a pane
        DropHit expected;
    };
    const Case cases[] = {
        {"over a pane", {800, 300}, 4001, true, false, {DropOnPane, 4001}},
        {"over a pane of a forbidden edge", {800, 300}, 4001, false, false, {DropNoChange, 0}},
        {"occupied edge outside its panes", {742, 300}, 0, true, false, {DropNoChange, 0}},
        {"left band", {120, 300}, 0, true, false, {SideLeft, 0}},
        {"top band", {400, 130}, 0, true, false, {SideTop, 0}},
        {"bottom band", {400, 690}, 0, true, false, {SideBottom, 0}},
        {"corner: left first", {110, 110}, 0, true, false, {SideLeft, 0}},
        {"corner cut by a busy top edge", {110, 110}, 0, true, true, {DropNoChange, 0}},
        {"open area", {400, 400}, 0, true, false, {DropFloat, 0}},
        {"outside the host", {50, 50}, 0, true, false, {DropFloat, 0}},
    };
    for (const Case& c : cases) {
        DockSnapshot s = host();
        s.paneUnderPoint = c.pane;
        s.paneSide = c.pane ? SideRight : 0;
        s.canDock[SideRight] = c.canRight;
        if (c.topBusy) {
            s.edges[SideTop] = {true, {100, 100, 900, 180}, 80};
        }
        EXPECT_EQ(DockSideAtPoint(s, c.pt), c.expected) << c.name;
    }
}

TEST(DropTarget, ForbiddenBandFloats) {
    DockSnapshot s = host();
    s.canDock[SideTop] = false;
    EXPECT_EQ(DockSideAtPoint(s, {400, 130}).side, DropFloat);
}

TEST(DropTarget, EdgeDropRectPerSide) {
    DockSnapshot s = host();
    EXPECT_EQ(EdgeDropRect(s, SideTop), (Rect{100, 100, 900, 180}));
    EXPECT_EQ(EdgeDropRect(s, SideBottom), (Rect{100, 610, 900, 700}));
    EXPECT_EQ(EdgeDropRect(s, SideLeft), (Rect{100, 100, 250, 700}));
    s.edges[SideTop].hasSlots = true;
    s.edges[SideBottom].hasSlots = true;
    EXPECT_EQ(EdgeDropRect(s, SideLeft), (Rect{100, 180, 250, 610}));
    EXPECT_EQ(EdgeDropRect(s, SideRight), (Rect{740, 180, 900, 610}));
}

TEST(DropTarget, NearestPaneEdgeTiesKeepTheEarlierSide) {
    const Rect pane{0, 0, 108, 108}; // 100 x 100 inside a 4-pixel frame
    EXPECT_EQ(NearestPaneEdge(pane, {50, 10}, 4, 4), SideTop);
    EXPECT_EQ(NearestPaneEdge(pane, {10, 50}, 4, 4), SideLeft);
    EXPECT_EQ(NearestPaneEdge(pane, {50, 100}, 4, 4), SideBottom);
    EXPECT_EQ(NearestPaneEdge(pane, {100, 50}, 4, 4), SideRight);
    EXPECT_EQ(NearestPaneEdge(pane, {14, 14}, 4, 4), SideTop);    // top = left
    EXPECT_EQ(NearestPaneEdge(pane, {14, 94}, 4, 4), SideLeft);   // left = bottom
    EXPECT_EQ(NearestPaneEdge(pane, {94, 94}, 4, 4), SideBottom); // bottom = right
}

TEST(DropTarget, HalveRectTruncates) {
    const Rect r{10, 20, 111, 221};
    EXPECT_EQ(HalveRectToward(SideLeft, r), (Rect{10, 20, 60, 221}));
    EXPECT_EQ(HalveRectToward(SideRight, r), (Rect{60, 20, 111, 221}));
    EXPECT_EQ(HalveRectToward(SideTop, r), (Rect{10, 20, 111, 120}));
    EXPECT_EQ(HalveRectToward(SideBottom, r), (Rect{10, 120, 111, 221}));
}

namespace {
// The same host for a drag: a second pane (4002) lies on the right edge at the bottom.
struct FakeHost : DragQuery {
    DockSnapshot snap = host();
    int own = 0;
    Rect pane1{740, 100, 900, 397};
    Rect pane2{740, 403, 900, 700};
    DropHit sideAtPoint(Point pt) override {
        DockSnapshot s = snap;
        if (pane1.containsInclusive(pt)) {
            s.paneUnderPoint = 4001;
        } else if (pane2.containsInclusive(pt)) {
            s.paneUnderPoint = 4002;
        }
        s.paneSide = s.paneUnderPoint ? SideRight : 0;
        return DockSideAtPoint(s, pt);
    }
    Rect edgeDropRect(int side) override { return EdgeDropRect(snap, side); }
    Rect paneRect(int pane) override { return pane == 4001 ? pane1 : pane2; }
    int ownPane() override { return own; }
};
} // namespace

TEST(FormDrag, ClickWithoutMoveChangesNothing) {
    FormDrag d(4, 4);
    d.pressCaption({800, 110}, false, {}, {740, 100, 900, 397});
    EXPECT_TRUE(d.outline().visible);
    EXPECT_EQ(d.release().kind, DragCommand::None);
    EXPECT_FALSE(d.outline().visible);
}

TEST(FormDrag, DockedFormDraggedToTheEmptyLeftBand) {
    FakeHost h;
    h.own = 4001;
    FormDrag d(4, 4);
    d.pressCaption({800, 110}, false, {}, h.pane1);
    d.move({120, 300}, h, 300, 200);
    EXPECT_EQ(d.outline(), (DragOutline{true, {100, 100, 250, 700}, false}));
    d.move({125, 305}, h, 300, 200); // the preview follows the mouse
    EXPECT_EQ(d.outline().rect, (Rect{105, 105, 255, 705}));
    DragCommand c = d.release();
    EXPECT_EQ(c.kind, DragCommand::DockEdge);
    EXPECT_EQ(c.side, SideLeft);
}

TEST(FormDrag, DropOnHalvesOfAnotherPane) {
    FakeHost h;
    h.own = 4001;
    FormDrag d(4, 4);
    d.pressCaption({800, 110}, false, {}, h.pane1);
    d.move({820, 690}, h, 300, 200); // lower part of pane 2
    EXPECT_EQ(d.outline().rect, HalveRectToward(SideBottom, h.pane2));
    d.move({748, 550}, h, 300, 200); // its left part: the half turns
    EXPECT_EQ(d.half(), SideLeft);
    EXPECT_EQ(d.outline().rect, HalveRectToward(SideLeft, h.pane2));
    DragCommand c = d.release();
    EXPECT_EQ(c.kind, DragCommand::DockPane);
    EXPECT_EQ(c.pane, 4002);
    EXPECT_EQ(c.half, SideLeft);
}

TEST(FormDrag, OccupiedEdgeBetweenPanesKeepsTheTarget) {
    FakeHost h;
    FormDrag d(4, 4);
    d.pressCaption({500, 300}, true, {400, 250, 700, 500}, {});
    d.move({120, 300}, h, 300, 250);
    d.move({820, 400}, h, 300, 250); // the gap between the right edge's panes
    EXPECT_EQ(d.side(), SideLeft);
    EXPECT_EQ(d.release().side, SideLeft);
}

TEST(FormDrag, IntoTheOpenFloatsAtTheCursorWithTheStoredSize) {
    FakeHost h;
    h.own = 4001;
    FormDrag d(4, 4);
    d.pressCaption({800, 110}, false, {}, h.pane1);
    d.move({400, 400}, h, 300, 250);
    EXPECT_EQ(d.outline(), (DragOutline{true, Rect::fromSize(390, 390, 292, 242), true}));
    DragCommand c = d.release();
    EXPECT_EQ(c.kind, DragCommand::FloatFromDocked);
    EXPECT_EQ(c.rect, Rect::fromSize(386, 386, 300, 250));
}

TEST(FormDrag, FloatingFormMovesByTheMouse) {
    FakeHost h;
    FormDrag d(4, 4);
    d.pressCaption({500, 300}, true, {400, 250, 700, 500}, {});
    EXPECT_EQ(d.outline(), (DragOutline{true, {404, 254, 696, 496}, true}));
    d.move({530, 320}, h, 300, 250);
    DragCommand c = d.release();
    EXPECT_EQ(c.kind, DragCommand::MoveFloating);
    EXPECT_EQ(c.rect, (Rect{430, 270, 730, 520}));
}

TEST(FormDrag, DropOnItsOwnPaneDoesNothing) {
    FakeHost h;
    h.own = 4001;
    FormDrag d(4, 4);
    d.pressCaption({800, 110}, false, {}, h.pane1);
    d.move({810, 200}, h, 300, 250);
    EXPECT_EQ(d.outline().rect, h.pane1.translated(0, 0));
    EXPECT_EQ(d.release().kind, DragCommand::DockPane); // the control refuses its own pane
}

TEST(FormDrag, FrameSizingMovesOnlyTheFlaggedSides) {
    struct Case {
        int hit;
        Rect expected; // after a drag of (+10, +20), grown back by the frame
    };
    const Rect window{100, 100, 400, 300};
    const Case cases[] = {
        {10, {110, 100, 400, 300}}, {11, {100, 100, 410, 300}}, {12, {100, 120, 400, 300}},
        {13, {110, 120, 400, 300}}, {14, {100, 120, 410, 300}}, {15, {100, 100, 400, 320}},
        {16, {110, 100, 400, 320}}, {17, {100, 100, 410, 320}},
    };
    FakeHost h;
    for (const Case& c : cases) {
        FormDrag d(4, 4);
        ASSERT_TRUE(d.pressFrame(c.hit, {0, 0}, window));
        d.move({10, 20}, h, 0, 0);
        DragCommand command = d.release();
        EXPECT_EQ(command.kind, DragCommand::Resize);
        EXPECT_EQ(command.rect, c.expected) << "hit " << c.hit;
    }
    FormDrag d(4, 4);
    EXPECT_FALSE(d.pressFrame(2, {0, 0}, window));
}

TEST(SplitterDrag, GhostAndDropWithinLimits) {
    // A horizontal bar whose top is at 100 (origin 100), on screen at 300.
    SplitterDrag d;
    d.press(305, 300, 100);
    EXPECT_TRUE(d.move(335, 20, 250));
    EXPECT_EQ(d.ghost(), 330);
    int position = 0;
    ASSERT_TRUE(d.release(335, 20, 250, position));
    EXPECT_EQ(position, 132);

    d.press(305, 300, 100);
    ASSERT_TRUE(d.release(900, 20, 250, position));
    EXPECT_EQ(position, 252); // past the maximum: max + 2
    d.press(305, 300, 100);
    ASSERT_TRUE(d.release(-900, 20, 250, position));
    EXPECT_EQ(position, 22); // past the minimum: min + 2
}

TEST(SplitterDrag, NoRoomMeansNoMoveAndNoChange) {
    SplitterDrag d;
    d.press(305, 300, 100);
    EXPECT_FALSE(d.move(335, 50, 50));
    int position = -1;
    EXPECT_FALSE(d.release(335, 50, 50, position));
    EXPECT_EQ(position, -1);
}
