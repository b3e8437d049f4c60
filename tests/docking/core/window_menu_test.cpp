#include "docking/core/frame_hit.h"
#include "docking/core/window_menu.h"

#include <gtest/gtest.h>

using namespace dockable;

namespace {
std::string kinds(const std::vector<WindowMenuItem>& menu) {
    std::string s;
    for (const auto& item : menu) {
        s += "RMSNXsCD"[item.kind];
    }
    return s;
}
} // namespace

TEST(WindowMenu, Trims) {
    EXPECT_EQ(kinds(TrimSystemMenu({})), "RMSNXsC");
    EXPECT_EQ(kinds(TrimSystemMenu({true, true, true, true, true, true, false})), "C");
    EXPECT_EQ(kinds(dockedMenu("Dockable")), "CD");
    EXPECT_TRUE(dockedMenu("Dockable").back().checked);
    EXPECT_EQ(kinds(floatingMenu("Dockable", false, false)), "MSsCD");
    EXPECT_FALSE(floatingMenu("Dockable", false, false).back().checked);
    EXPECT_EQ(kinds(floatingMenu("Dockable", true, false)), "RMSNsCD");
    EXPECT_EQ(kinds(floatingMenu("Dockable", false, true)), "RMSXsCD");
    EXPECT_EQ(kinds(floatingMenu("Dockable", true, true)), "RMSNXsCD");
    EXPECT_EQ(floatingMenu("Agganciabile", false, false).back().text, "Agganciabile");
}

TEST(FrameHitTest, FrameCaptionAndClient) {
    struct Case {
        Point p;
        int expected;
    };
    const Case cases[] = {
        {{1, 100}, HTLEFT},       {{298, 100}, HTRIGHT},       {{100, 1}, HTTOP},
        {{100, 198}, HTBOTTOM},   {{1, 1}, HTTOPLEFT},         {{298, 1}, HTTOPRIGHT},
        {{1, 198}, HTBOTTOMLEFT}, {{298, 198}, HTBOTTOMRIGHT}, {{10, 2}, HTTOPLEFT},
        {{100, 10}, HTCAPTION},   {{100, 100}, HTCLIENT},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(frameHitTest(300, 200, c.p, 4, 4, 20), c.expected) << c.p.x << "," << c.p.y;
    }
}
