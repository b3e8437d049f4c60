#include "docking/core/split_tree.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <random>

using namespace dockable;

namespace {
// The tree as one line: live leaves "n:Key^p", inner nodes "n:[c1,c2]a^p", deleted slots
// with a leading "~" and their kept links.
std::string dump(const SplitTree& t) {
    QStringList parts;
    for (int i = 1; i <= t.Count(); ++i) {
        const PaneSlot& s = t.slot(i);
        QString text = s.IsSplitter
                           ? QStringLiteral("%1:[%2,%3]%4^%5")
                                 .arg(i)
                                 .arg(s.Child1Index)
                                 .arg(s.Child2Index)
                                 .arg(s.Child2Align)
                                 .arg(s.ParentIndex)
                           : QStringLiteral("%1:%2^%3").arg(i).arg(s.Key).arg(s.ParentIndex);
        parts.append((s.Deleted ? "~" : "") + text);
    }
    return parts.join(' ').toStdString();
}

// Records what the tree asks its windows to do.
struct Recorder : SplitTreeObserver {
    QStringList events;
    void leafCreated(int slot, const QString& key) override {
        events.append(QStringLiteral("+leaf %1 %2").arg(slot).arg(key));
    }
    void leafDestroyed(int slot) override { events.append(QStringLiteral("-leaf %1").arg(slot)); }
    void splitterCreated(int slot, bool horizontal) override {
        events.append(QStringLiteral("+split %1 %2").arg(slot).arg(horizontal ? "h" : "v"));
    }
    void splitterDestroyed(int slot) override {
        events.append(QStringLiteral("-split %1").arg(slot));
    }
};

// One step of a script: "+Key[/Host]/align" adds, "-Key" removes, "^Key" restores (the
// expected result follows "=": the restored slot, 0 when refused), "!Key" prevents.
struct Step {
    const char* op;
    const char* expected; // the dump after the step
};

struct Script {
    const char* name;
    std::vector<Step> steps;
};

void run(SplitTree& t, const std::string& op, int& result) {
    const QString text = QString::fromStdString(op.substr(1));
    QStringList parts = text.split('/');
    switch (op[0]) {
    case '+': {
        const QString host = parts.size() > 2 ? parts[1] : QString();
        const int align = parts.size() > 1 ? parts.last().toInt() : 4;
        result = t.AddPane(parts[0], host, align, 500);
        break;
    }
    case '-':
        result = t.RemovePane(parts[0]) ? 1 : 0;
        break;
    case '^':
        result = t.Undelete(parts[0].section('=', 0, 0));
        break;
    case '!':
        t.PreventUndelete(parts[0]);
        break;
    }
}

class SplitTreeScripts : public ::testing::TestWithParam<Script> {};
} // namespace

TEST_P(SplitTreeScripts, EachStepLeavesTheExpectedSoundTree) {
    SplitTree t;
    for (const Step& step : GetParam().steps) {
        std::string op = step.op;
        int result = -1;
        run(t, op, result);
        if (op[0] == '^') {
            const auto eq = op.find('=');
            ASSERT_NE(eq, std::string::npos);
            EXPECT_EQ(result, std::stoi(op.substr(eq + 1))) << op;
        }
        EXPECT_EQ(dump(t), step.expected) << "after " << op;
        EXPECT_EQ(t.check(), "") << "after " << op;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Edge, SplitTreeScripts,
    ::testing::Values(
        Script{"two_panes", {{"+A/4", "1:A^0"}, {"+B/3", "1:A^2 2:[1,3]3^0 3:B^2"}}},
        Script{"host_pane_split_in_place",
               {{"+A/4", "1:A^0"},
                {"+B/2", "1:A^2 2:[1,3]2^0 3:B^2"},
                {"+C/A/4", "1:A^4 2:[4,3]2^0 3:B^2 4:[1,5]4^2 5:C^4"}}},
        Script{"remove_then_restore",
               {{"+A/4", "1:A^0"},
                {"+B/2", "1:A^2 2:[1,3]2^0 3:B^2"},
                {"-B", "1:A^0 ~2:[1,3]2^0 ~3:B^2"},
                {"^B=3", "1:A^2 2:[1,3]2^0 3:B^2"},
                {"^B=0", "1:A^2 2:[1,3]2^0 3:B^2"}}},
        Script{"reuse_consumes_restore",
               {{"+A/4", "1:A^0"},
                {"+B/2", "1:A^2 2:[1,3]2^0 3:B^2"},
                {"-B", "1:A^0 ~2:[1,3]2^0 ~3:B^2"},
                {"+D/2", "1:A^2 2:[1,3]2^0 3:D^2"},
                {"^B=0", "1:A^2 2:[1,3]2^0 3:D^2"}}},
        Script{"only_pane_removed", {{"+A/4", "1:A^0"}, {"-A", ""}, {"^A=0", ""}}},
        Script{"unknown_host_takes_first_live",
               {{"+A/4", "1:A^0"},
                {"+B/Nobody/2", "1:A^2 2:[1,3]2^0 3:B^2"},
                {"+B/1", "1:A^2 2:[1,3]2^0 3:B^2"}}},
        Script{"prevent_undelete",
               {{"+A/4", "1:A^0"},
                {"+B/2", "1:A^2 2:[1,3]2^0 3:B^2"},
                {"-B", "1:A^0 ~2:[1,3]2^0 ~3:B^2"},
                {"!B", "1:A^0 ~2:[1,3]2^0 ~3:B^2"},
                {"^B=0", "1:A^0 ~2:[1,3]2^0 ~3:B^2"}}},
        Script{"remove_first_of_three",
               {{"+A/4", "1:A^0"},
                {"+B/2", "1:A^2 2:[1,3]2^0 3:B^2"},
                {"+C/B/4", "1:A^2 2:[1,4]2^0 3:B^4 4:[3,5]4^2 5:C^4"},
                {"-A", "~1:A^2 ~2:[1,4]2^0 3:B^4 4:[3,5]4^0 5:C^4"},
                {"^A=1", "1:A^2 2:[1,4]2^0 3:B^4 4:[3,5]4^2 5:C^4"}}},
        // A pane added beside the removed pane's sibling in slots freed earlier: the kept
        // links no longer describe the tree, and the restore is refused.
        Script{"stale_restore_refused",
               {{"+A/4", "1:A^0"},
                {"+B/2", "1:A^2 2:[1,3]2^0 3:B^2"},
                {"+C/B/4", "1:A^2 2:[1,4]2^0 3:B^4 4:[3,5]4^2 5:C^4"},
                {"+E/C/4", "1:A^2 2:[1,4]2^0 3:B^4 4:[3,6]4^2 5:C^6 6:[5,7]4^4 7:E^6"},
                {"-A", "~1:A^2 ~2:[1,4]2^0 3:B^4 4:[3,6]4^0 5:C^6 6:[5,7]4^4 7:E^6"},
                {"-E", "~1:A^2 ~2:[1,4]2^0 3:B^4 4:[3,5]4^0 5:C^4 ~6:[5,7]4^4 ~7:E^6"},
                {"+D/C/2", "1:[5,2]2^4 2:D^1 3:B^4 4:[3,1]4^0 5:C^1 ~6:[5,7]4^4 ~7:E^6"},
                {"^E=0", "1:[5,2]2^4 2:D^1 3:B^4 4:[3,1]4^0 5:C^1 ~6:[5,7]4^4 ~7:E^6"}}}),
    [](const auto& info) { return info.param.name; });

TEST(SplitTree, RestoreOfAnOlderRemovalIsRefusedWhenANewerOneIsKept) {
    SplitTree t;
    t.AddPane("A", "", 4, 500);
    t.AddPane("B", "", 2, 500);
    t.AddPane("C", "A", 4, 500);
    t.RemovePane("C");
    t.RemovePane("B");
    EXPECT_EQ(t.Undelete("C"), 0);
    // The newer key was cleared by the refused request, as the edge does.
    EXPECT_EQ(t.undeleteKey(), "");
    EXPECT_EQ(t.Undelete("B"), 0);
    EXPECT_EQ(t.check(), "");
}

TEST(SplitTree, WindowsFollowTheNodes) {
    SplitTree t;
    Recorder r;
    t.setObserver(&r);
    t.AddPane("A", "", 4, 500);
    t.AddPane("B", "", 2, 500);
    t.RemovePane("B");
    t.Undelete("B");
    t.setChild2Align(2, 3);
    t.setChild2Align(2, 4);
    t.RemovePane("A");
    EXPECT_EQ(r.events.join("; ").toStdString(),
              "+leaf 1 A; +split 2 h; +leaf 3 B; -split 2; -leaf 3; +split 2 h; +leaf 3 B; "
              "-split 2; +split 2 v; -split 2; -leaf 1");
}

TEST(SplitTree, SeededRandomOperationsKeepTheTreeSound) {
    for (unsigned seed : {1u, 7u, 42u, 2026u}) {
        std::mt19937 random(seed);
        SplitTree t;
        QStringList live;
        for (int step = 0; step < 3000; ++step) {
            const QString key = QString(QChar(char16_t('A' + random() % 8)));
            switch (random() % 4) {
            case 0:
            case 1: {
                const QString host = live.isEmpty() ? QString() : live[random() % live.size()];
                const int align = 1 + random() % 4;
                const int promille = random() % 1001;
                if (t.AddPane(key, random() % 3 ? host : QString(), align, promille) != 0) {
                    live.append(key);
                } else {
                    ASSERT_TRUE(live.contains(key)) << "seed " << seed << " step " << step;
                }
                break;
            }
            case 2:
                if (t.RemovePane(key)) {
                    live.removeAll(key);
                }
                break;
            case 3:
                if (t.Undelete(key) != 0) {
                    ASSERT_FALSE(live.contains(key));
                    live.append(key);
                }
                break;
            }
            ASSERT_EQ(t.check(), "") << "seed " << seed << " step " << step << ": " << dump(t);
            int leaves = 0;
            for (int i = 1; i <= t.Count(); ++i) {
                leaves += !t.slot(i).Deleted && !t.slot(i).IsSplitter;
            }
            ASSERT_EQ(leaves, live.size()) << "seed " << seed << " step " << step;
        }
    }
}
