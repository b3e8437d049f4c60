#include "docking/core/form_order.h"
#include "docking/core/properties.h"

#include <gtest/gtest.h>

using namespace dockable;

TEST(Properties, DefaultsWrittenInTheBagsOrder) {
    MemoryPropertyBag bag;
    DockableProperties().write(bag);
    EXPECT_EQ(bag.keys(), propertyBagKeys());
    EXPECT_EQ(bag.ReadProperty("SysMenuCaption").toString(), "Dockable");
    EXPECT_EQ(bag.ReadProperty("LeftEdgeWidth").toInt(), 1000);
    EXPECT_EQ(bag.ReadProperty("Persistant").toBool(), true);
    EXPECT_EQ(bag.ReadProperty("HSplitterMin").toInt(), 12); // pixels in the bag
    EXPECT_EQ(bag.ReadProperty("TopSizerMin").toInt(), 180);
    EXPECT_EQ(bag.ReadProperty("MDIActiveLook").toBool(), false);
}

TEST(Properties, RoundTripThroughTheBag) {
    DockableProperties p;
    p.SysMenuCaption = "Agganciabile";
    p.LeftEdgeWidth = 2355;
    p.RightEdgeWidth = 3000;
    p.Persistent = false;
    p.HSplitterMinPx = 20;
    p.MDIActiveLook = true;
    p.RightSizerMin = 300;
    MemoryPropertyBag bag;
    p.write(bag);
    DockableProperties back;
    EXPECT_TRUE(back.read(bag).isEmpty());
    EXPECT_EQ(back.SysMenuCaption, "Agganciabile");
    EXPECT_EQ(back.LeftEdgeWidth, 2355);
    EXPECT_EQ(back.RightEdgeWidth, 3000);
    EXPECT_FALSE(back.Persistent);
    EXPECT_EQ(back.HSplitterMinPx, 20);
    EXPECT_TRUE(back.MDIActiveLook);
    EXPECT_EQ(back.RightSizerMin, 300);
}

TEST(Properties, UnusableStoredValuesKeepTheirDefaultsAndAreNamed) {
    MemoryPropertyBag bag;
    bag.WriteProperty("LeftEdgeWidth", "wide");
    bag.WriteProperty("Persistant", "perhaps");
    bag.WriteProperty("RightEdgeWidth", " 1500 ");
    bag.WriteProperty("MDIActiveLook", "True");
    DockableProperties p;
    EXPECT_EQ(p.read(bag), (QStringList{"LeftEdgeWidth", "Persistant"}));
    EXPECT_EQ(p.LeftEdgeWidth, 1000);
    EXPECT_TRUE(p.Persistent);
    EXPECT_EQ(p.RightEdgeWidth, 1500);
    EXPECT_TRUE(p.MDIActiveLook);
}

TEST(Properties, SizerMinimaInPixelsOfEachDirection) {
    DockableProperties p;
    p.TopSizerMin = 30;
    p.LeftSizerMin = 42;
    Metrics m;
    m.twipsPerPixelX = 12;
    m.twipsPerPixelY = 12;
    Limits l = p.limits(m);
    EXPECT_EQ(l.sizerMin[SideTop], 2);
    EXPECT_EQ(l.sizerMin[SideLeft], 4);
    EXPECT_EQ(l.sizerMin[SideBottom], 15);
    // Each control keeps its own: another control's properties change nothing here.
    DockableProperties other;
    other.TopSizerMin = 600;
    other.limits(m);
    EXPECT_EQ(l.sizerMin[SideTop], 2);
}

namespace {
struct OrderCase {
    const char* name;
    std::vector<std::pair<QString, QString>> forms;
    std::vector<int> expected;
};
} // namespace

TEST(OrderFormsByHost, EveryFormFollowsItsHost) {
    const OrderCase cases[] = {
        {"chain", {{"A", ""}, {"B", "C"}, {"C", "A"}}, {0, 2, 1}},
        {"orphan last", {{"A", "Nobody"}, {"B", ""}}, {1, 0}},
        {"only orphan", {{"A", "Nobody"}}, {0}},
        {"cycle in array order", {{"A", "B"}, {"B", "A"}}, {0, 1}},
        {"self host", {{"A", "A"}, {"B", ""}}, {1, 0}},
        {"roots keep order", {{"A", ""}, {"B", ""}, {"C", "A"}}, {0, 2, 1}},
        {"depth first", {{"R", ""}, {"X", "R"}, {"Y", "R"}, {"Z", "X"}}, {0, 1, 3, 2}},
    };
    for (const OrderCase& c : cases) {
        EXPECT_EQ(OrderFormsByHost(c.forms), c.expected) << c.name;
    }
}
