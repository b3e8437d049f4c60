#include "docking/core/layout_math.h"
#include "docking/core/numeric.h"

#include <gtest/gtest.h>

using namespace dockable;

namespace {
struct SplitCase {
    int promille, extent, minimum, expected;
};
} // namespace

TEST(LayoutMath, SplitPositionClampsAsTheLayoutDoes) {
    const SplitCase cases[] = {
        {500, 200, 12, 100},  // the middle
        {500, 20, 12, 10},    // both parts too small: the half
        {1000, 200, 12, 190}, // far side: two pixels more than the minimum are kept
        {0, 200, 12, 12},     // near side: the minimum
        {990, 200, 12, 190},  {30, 200, 12, 12}, {500, 201, 12, 100}, // 100.5: halves to even
        {500, 203, 12, 102},                                          // 101.5
        {500, 0, 12, 0},
    };
    for (const SplitCase& c : cases) {
        EXPECT_EQ(splitPosition(c.promille, c.extent, c.minimum), c.expected)
            << c.promille << " of " << c.extent;
    }
}

TEST(LayoutMath, VerticalSplitGivesPartsAroundTheBar) {
    SplitTree t;
    t.AddPane("A", "", 4, 500);
    t.AddPane("B", "", 4, 500); // B on the right
    PaneSlot& root = t.slot(2);
    root.Left = 0;
    root.Top = 0;
    root.Width = 200;
    root.Height = 50;
    Limits limits;
    ResizePane(t, 2, limits);
    EXPECT_EQ(root.SplitterPos, 100);
    EXPECT_EQ(t.slot(1).rect(), (Rect{0, 0, 97, 50}));
    EXPECT_EQ(t.slot(3).rect(), (Rect{103, 0, 200, 50}));
    EXPECT_EQ(placeSplitter(root, limits).bar, (Rect{98, 0, 102, 50}));
    EXPECT_EQ(placeSplitter(root, limits).minimum, 12);
    EXPECT_EQ(placeSplitter(root, limits).maximum, 188);
}

TEST(LayoutMath, Child2TakesTheSideItWasAddedOn) {
    // Child2Align: 1 top and 3 left put Child2 first; 2 bottom and 4 right second.
    for (int align = 1; align <= 4; ++align) {
        SplitTree t;
        t.AddPane("A", "", align, 500);
        t.AddPane("B", "", align, 500);
        PaneSlot& root = t.slot(2);
        root.Left = 10;
        root.Top = 20;
        root.Width = 100;
        root.Height = 100;
        ResizePane(t, 2, Limits{});
        const Rect a = t.slot(1).rect();
        const Rect b = t.slot(3).rect();
        switch (align) {
        case 1:
            EXPECT_LT(b.top, a.top);
            break;
        case 2:
            EXPECT_GT(b.top, a.top);
            break;
        case 3:
            EXPECT_LT(b.left, a.left);
            break;
        case 4:
            EXPECT_GT(b.left, a.left);
            break;
        }
    }
}

TEST(LayoutMath, NestedSplitsTileTheRootWithTheirGaps) {
    SplitTree t;
    t.AddPane("A", "", 4, 500);
    t.AddPane("B", "", 2, 300);
    t.AddPane("C", "B", 4, 700);
    const int root = t.RootPaneIndex();
    PaneSlot& r = t.slot(root);
    r.Width = 300;
    r.Height = 400;
    ResizePane(t, root, Limits{});
    long area = 0;
    for (int i = 1; i <= t.Count(); ++i) {
        const PaneSlot& s = t.slot(i);
        if (!s.IsSplitter) {
            area += long(s.Width) * s.Height;
            EXPECT_GE(s.Left, 0);
            EXPECT_LE(s.Left + s.Width, 300);
        }
    }
    // A 400-high root split at 30%: 120, parts of 117 and 277 high; the lower one split
    // at 70% of 300: 210, parts of 207 and 87 wide.
    EXPECT_EQ(area, 300L * 117 + 207L * 277 + 87L * 277);
}

TEST(LayoutMath, SizerAndContentPerSide) {
    const Rect c{0, 0, 150, 80};
    EXPECT_EQ(placeSizer(SideBottom, c).sizer, (Rect{0, 1, 150, 5}));
    EXPECT_EQ(placeSizer(SideBottom, c).content, (Rect{0, 6, 150, 80}));
    EXPECT_EQ(placeSizer(SideLeft, c).sizer, (Rect{145, 0, 149, 80}));
    EXPECT_EQ(placeSizer(SideLeft, c).content, (Rect{0, 0, 144, 80}));
    EXPECT_EQ(placeSizer(SideTop, c).sizer, (Rect{0, 75, 150, 79}));
    EXPECT_EQ(placeSizer(SideTop, c).content, (Rect{0, 0, 150, 74}));
    EXPECT_EQ(placeSizer(SideRight, c).sizer, (Rect{1, 0, 5, 80}));
    EXPECT_EQ(placeSizer(SideRight, c).content, (Rect{6, 0, 150, 80}));
}

TEST(LayoutMath, SizerDropGivesTheEdgeSize) {
    // The top sizer's bar top dragged to 150: its centre 152, the edge 155 high.
    EXPECT_EQ(dwidthFromSizer(SideTop, 152, 80), 155);
    // A drop where the bar already is leaves every edge as it was.
    for (int side = 1; side <= 4; ++side) {
        const Rect c = isHorizontalSide(side) ? Rect{0, 0, 300, 80} : Rect{0, 0, 80, 300};
        const Rect bar = placeSizer(side, c).sizer;
        const int centre = (isHorizontalSide(side) ? bar.top : bar.left) + 2;
        EXPECT_EQ(dwidthFromSizer(side, centre, 80), 80) << "side " << side;
    }
}

TEST(LayoutMath, LeafGeometryKeepsTheFrameOutsideThePane) {
    Metrics m;
    m.cxFrame = 4;
    m.cyFrame = 4;
    m.captionHeight = 18;
    LeafGeometry none = leafGeometry(SideRight, 150, 300, false, m);
    EXPECT_EQ(none.inner, Rect::fromSize(0, 0, 150, 300));
    EXPECT_EQ(none.form, Rect::fromSize(-4, -4, 158, 308));
    LeafGeometry top = leafGeometry(SideRight, 150, 300, true, m);
    EXPECT_EQ(top.inner, Rect::fromSize(0, 10, 150, 290));
    EXPECT_EQ(top.form, Rect::fromSize(-4, -22, 158, 316));
    LeafGeometry left = leafGeometry(SideBottom, 300, 100, true, m);
    EXPECT_EQ(left.inner, Rect::fromSize(10, 0, 290, 100));
    EXPECT_EQ(left.form, Rect::fromSize(-4, -22, 298, 126));
}

TEST(LayoutMath, SplitterDropGivesThePromille) {
    PaneSlot node;
    node.Child2Align = 3;
    node.Left = 10;
    node.Width = 200;
    node.SplitPromille = 500;
    node.SplitterPos = splitPosition(500, 200, 12);
    // Dropped where it stands, the split stays.
    EXPECT_EQ(promilleFromPosition(node, node.Left + node.SplitterPos), 500);
    EXPECT_EQ(promilleFromPosition(node, 10 + 51), 255);
    node.Child2Align = 2;
    node.Top = 0;
    node.Height = 0;
    // No extent: the split is left alone.
    EXPECT_EQ(promilleFromPosition(node, 5), 500);
}

TEST(LayoutMath, SizerBoundsLetAnEdgeGrowUntilItNearlyMeetsTheOtherSide) {
    Limits l;
    l.sizerMin[SideLeft] = l.sizerMin[SideRight] = l.sizerMin[SideTop] = l.sizerMin[SideBottom] =
        12;
    const Rect area{100, 50, 900, 650}; // 800 x 600
    const int visible[5] = {0, 60, 70, 150, 160};
    EXPECT_EQ(sizerBounds(SideLeft, area, visible, {0, 0, 150, 470}, l).minimum, 7);
    EXPECT_EQ(sizerBounds(SideLeft, area, visible, {0, 0, 150, 470}, l).maximum, 800 - 172);
    EXPECT_EQ(sizerBounds(SideRight, area, visible, {0, 0, 160, 470}, l).minimum,
              160 - 800 + 150 + 8);
    EXPECT_EQ(sizerBounds(SideRight, area, visible, {0, 0, 160, 470}, l).maximum, 160 - 12 + 1);
    EXPECT_EQ(sizerBounds(SideTop, area, visible, {0, 0, 800, 60}, l).maximum, 600 - 82);
    EXPECT_EQ(sizerBounds(SideBottom, area, visible, {0, 0, 800, 70}, l).minimum,
              70 - 600 + 60 + 8);
}

TEST(Numeric, TwipsAndPixelsRoundHalvesToEven) {
    EXPECT_EQ(twipsToPixels(2355, 15), 157);
    EXPECT_EQ(twipsToPixels(180, 15), 12);
    EXPECT_EQ(twipsToPixels(30, 12), 2); // 2.5
    EXPECT_EQ(twipsToPixels(42, 12), 4); // 3.5
    EXPECT_EQ(pixelsToTwips(157, 15), 2355);
    EXPECT_EQ(asInt16(70000), 70000 - 65536);
}
