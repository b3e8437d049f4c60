#include "docking/core/split_tree.h"

#include <set>

namespace dockable {

namespace {
bool horizontalSplit(int align) {
    return align == 1 || align == 2;
}
bool hasSplitterWindow(int align) {
    return align >= 1 && align <= 4;
}
} // namespace

int SplitTree::RootPaneIndex() const {
    int root = 0;
    for (const PaneSlot& s : slots_) {
        if (!s.Deleted && s.ParentIndex == 0) {
            root = s.Index;
        }
    }
    return root;
}

int SplitTree::liveSlotOf(const QString& key) const {
    int found = 0;
    if (key.isEmpty()) {
        return 0;
    }
    for (const PaneSlot& s : slots_) {
        if (s.ValidKey() == key) {
            found = s.Index;
        }
    }
    return found;
}

int SplitTree::FreePaneIndex() {
    for (PaneSlot& s : slots_) {
        if (s.Deleted) {
            int index = s.Index;
            s = PaneSlot{};
            s.Index = index;
            return index;
        }
    }
    PaneSlot fresh;
    fresh.Index = Count() + 1;
    slots_.push_back(fresh);
    return fresh.Index;
}

void SplitTree::createSplitter(int index) {
    PaneSlot& node = slot(index);
    node.IsSplitter = true;
    if (observer_ && hasSplitterWindow(node.Child2Align)) {
        observer_->splitterCreated(index, horizontalSplit(node.Child2Align));
    }
}

void SplitTree::setChild2Align(int index, int align) {
    PaneSlot& node = slot(index);
    bool turned = node.IsSplitter && hasSplitterWindow(align) &&
                  (!hasSplitterWindow(node.Child2Align) ||
                   horizontalSplit(node.Child2Align) != horizontalSplit(align));
    bool had = node.IsSplitter && hasSplitterWindow(node.Child2Align);
    node.Child2Align = align;
    if (turned && observer_) {
        if (had) {
            observer_->splitterDestroyed(index);
        }
        observer_->splitterCreated(index, horizontalSplit(align));
    }
}

void SplitTree::destroyNode(int index) {
    if (!observer_) {
        return;
    }
    const PaneSlot& node = slot(index);
    if (node.IsSplitter) {
        if (hasSplitterWindow(node.Child2Align)) {
            observer_->splitterDestroyed(index);
        }
    } else {
        observer_->leafDestroyed(index);
    }
}

int SplitTree::AddPane(const QString& key, const QString& hostPane, int alignToHostPane,
                       int hostSplitPromille) {
    if (liveSlotOf(key) != 0) {
        return 0;
    }
    int host = 0;
    if (!hostPane.isEmpty()) {
        host = liveSlotOf(hostPane);
    }
    if (host == 0 && Count() > 0) {
        for (const PaneSlot& s : slots_) {
            if (!s.Deleted) {
                host = s.Index;
                break;
            }
        }
        if (host == 0) {
            return 0;
        }
    }
    int node = FreePaneIndex();
    int leaf = node;
    if (Count() > 1) {
        leaf = FreePaneIndex();
        PaneSlot& inner = slot(node);
        inner.SplitPromille = hostSplitPromille;
        inner.ParentIndex = slot(host).ParentIndex;
        inner.Child1Index = host;
        inner.Child2Index = leaf;
        inner.Child2Align = alignToHostPane;
        slot(host).ParentIndex = node;
        if (inner.ParentIndex > 0) {
            PaneSlot& grand = slot(inner.ParentIndex);
            if (grand.Child1Index == host) {
                grand.Child1Index = node;
            } else {
                grand.Child2Index = node;
            }
        }
        createSplitter(node);
        slot(leaf).ParentIndex = node;
    }
    slot(leaf).Key = key;
    if (observer_) {
        observer_->leafCreated(leaf, key);
    }
    return leaf;
}

bool SplitTree::RemovePane(const QString& key) {
    int leaf = liveSlotOf(key);
    if (leaf == 0) {
        return false;
    }
    if (slot(leaf).ParentIndex < 1) {
        for (const PaneSlot& s : slots_) {
            if (!s.Deleted) {
                destroyNode(s.Index);
            }
        }
        slots_.clear();
        undeleteKey_.clear();
        removal_ = {};
        return true;
    }
    int parent = slot(leaf).ParentIndex;
    PaneSlot& p = slot(parent);
    int sibling = p.Child1Index == leaf ? p.Child2Index : p.Child1Index;
    int grand = p.ParentIndex;
    if (grand > 0) {
        PaneSlot& g = slot(grand);
        if (g.Child1Index == parent) {
            g.Child1Index = sibling;
        } else {
            g.Child2Index = sibling;
        }
    }
    slot(sibling).ParentIndex = grand;
    destroyNode(parent);
    destroyNode(leaf);
    slot(parent).Deleted = true;
    slot(leaf).Deleted = true;
    undeleteKey_ = slot(leaf).Key;
    removal_ = {leaf, parent, sibling, grand};
    return true;
}

int SplitTree::Undelete(const QString& key) {
    int leaf = 0;
    for (const PaneSlot& s : slots_) {
        if (s.Deleted && s.Key == key) {
            leaf = s.Index;
        }
    }
    if (leaf == 0 || key.isEmpty() || liveSlotOf(key) != 0) {
        return 0;
    }
    if (undeleteKey_ != key) {
        undeleteKey_.clear();
        return 0;
    }
    // Restore only into the very place the removal left: both slots still free and the
    // sibling still hanging where it hung then. Anything else would not give a tree.
    const Removal r = removal_;
    auto freeSlot = [this](int i) { return i >= 1 && i <= Count() && slot(i).Deleted; };
    bool intact = freeSlot(r.leaf) && freeSlot(r.parent) && slot(r.leaf).Key == key &&
                  slot(r.leaf).ParentIndex == r.parent && r.sibling >= 1 && r.sibling <= Count() &&
                  !slot(r.sibling).Deleted && slot(r.sibling).ParentIndex == r.grandParent;
    if (intact) {
        const PaneSlot& p = slot(r.parent);
        int keptSibling = p.Child1Index == r.leaf ? p.Child2Index : p.Child1Index;
        intact = keptSibling == r.sibling && p.ParentIndex == r.grandParent;
    }
    if (intact && r.grandParent > 0) {
        const PaneSlot& g = slot(r.grandParent);
        intact = !g.Deleted && (g.Child1Index == r.sibling || g.Child2Index == r.sibling);
    } else if (intact) {
        intact = RootPaneIndex() == r.sibling;
    }
    if (!intact) {
        undeleteKey_.clear();
        removal_ = {};
        return 0;
    }
    slot(r.sibling).ParentIndex = r.parent;
    if (r.grandParent > 0) {
        PaneSlot& g = slot(r.grandParent);
        if (g.Child1Index == r.sibling) {
            g.Child1Index = r.parent;
        } else {
            g.Child2Index = r.parent;
        }
    }
    slot(r.parent).Deleted = false;
    createSplitter(r.parent);
    slot(r.leaf).Deleted = false;
    if (observer_) {
        observer_->leafCreated(r.leaf, key);
    }
    undeleteKey_.clear();
    removal_ = {};
    return r.leaf;
}

void SplitTree::PreventUndelete(const QString& key) {
    if (undeleteKey_ == key) {
        undeleteKey_.clear();
    }
}

std::string SplitTree::check() const {
    int live = 0;
    int roots = 0;
    for (const PaneSlot& s : slots_) {
        if (s.Index < 1 || s.Index > Count() || &slot(s.Index) != &s) {
            return "slot number does not match its place";
        }
        if (s.Deleted) {
            continue;
        }
        ++live;
        if (s.ParentIndex == 0) {
            ++roots;
        }
    }
    if (live == 0) {
        return slots_.empty() ? "" : "slots left but none live";
    }
    if (roots != 1) {
        return "live slots have " + std::to_string(roots) + " roots";
    }
    std::set<int> seen;
    std::set<QString> keys;
    std::vector<int> stack{RootPaneIndex()};
    while (!stack.empty()) {
        int n = stack.back();
        stack.pop_back();
        if (n < 1 || n > Count()) {
            return "link to slot " + std::to_string(n) + " outside the array";
        }
        const PaneSlot& s = slot(n);
        if (s.Deleted) {
            return "live node links to deleted slot " + std::to_string(n);
        }
        if (!seen.insert(n).second) {
            return "slot " + std::to_string(n) + " reached twice";
        }
        if (s.IsSplitter) {
            for (int child : {s.Child1Index, s.Child2Index}) {
                if (child < 1 || child > Count() || slot(child).ParentIndex != n) {
                    return "child " + std::to_string(child) + " of " + std::to_string(n) +
                           " does not name it as parent";
                }
                stack.push_back(child);
            }
        } else {
            if (s.Key.isEmpty()) {
                return "leaf " + std::to_string(n) + " without a key";
            }
            if (!keys.insert(s.Key).second) {
                return "key held by two leaves";
            }
        }
    }
    if (static_cast<int>(seen.size()) != live) {
        return "live slots not reachable from the root";
    }
    return "";
}

} // namespace dockable
