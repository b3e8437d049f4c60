#pragma once

#include "docking/core/rect.h"

#include <QString>

#include <string>
#include <vector>

namespace dockable {

// One node of an edge's split tree. A leaf hosts one docked form (its Key); an inner node
// divides its rectangle between Child1 (the pane that was there) and Child2 (the pane that
// was added), which lies on the Child2Align side of it.
struct PaneSlot {
    QString Key;
    int Index = 0;
    int ParentIndex = 0;
    int Child1Index = 0;
    int Child2Index = 0;
    bool Deleted = false;
    bool IsSplitter = false;
    int SplitPromille = 500;
    int SplitterPos = 0;
    int Child2Align = 0;
    // Node rectangle in the edge window's client coordinates.
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;

    QString ValidKey() const { return Deleted ? QString() : Key; }
    Rect rect() const { return Rect::fromSize(Left, Top, Width, Height); }
};

// Told when the windows that stand for the tree's nodes are to be made or dropped, so that
// the tree itself needs no window.
class SplitTreeObserver {
public:
    virtual ~SplitTreeObserver() = default;
    virtual void leafCreated(int slot, const QString& key) = 0;
    virtual void leafDestroyed(int slot) = 0;
    virtual void splitterCreated(int slot, bool horizontal) = 0;
    virtual void splitterDestroyed(int slot) = 0;
};

// The binary split tree of one edge in a 1-based array of slots. Slots of removed panes
// stay as Deleted, are reused by later additions and are never compacted.
class SplitTree {
public:
    void setObserver(SplitTreeObserver* observer) { observer_ = observer; }

    int Count() const { return static_cast<int>(slots_.size()); }
    const PaneSlot& slot(int index) const { return slots_.at(index - 1); }
    PaneSlot& slot(int index) { return slots_.at(index - 1); }
    bool empty() const { return slots_.empty(); }

    // The live slot without a parent (the last such), 0 if none.
    int RootPaneIndex() const;
    // The live slot holding that key (the last such), 0 if none.
    int liveSlotOf(const QString& key) const;
    QString undeleteKey() const { return undeleteKey_; }

    // Docks a leaf for key beside the host pane; returns the new leaf's slot, 0 when the
    // key is already on this edge.
    int AddPane(const QString& key, const QString& hostPane, int alignToHostPane,
                int hostSplitPromille);
    // Removes the leaf holding key; false when there is none.
    bool RemovePane(const QString& key);
    // Restores the most recently removed leaf in its old place; its slot, or 0 when it
    // cannot be restored.
    int Undelete(const QString& key);
    void PreventUndelete(const QString& key);
    // Turns an inner node's split to another side, remaking its splitter when the
    // splitter's direction changes.
    void setChild2Align(int index, int align);

    // Empty when the live slots form one sound tree; otherwise what is wrong.
    std::string check() const;

private:
    int FreePaneIndex();
    void createSplitter(int index);
    void destroyNode(int index);

    std::vector<PaneSlot> slots_;
    QString undeleteKey_;
    // Where the last removal left things, so that a restore can tell whether the tree
    // still has the shape it had then.
    struct Removal {
        int leaf = 0;
        int parent = 0;
        int sibling = 0;
        int grandParent = 0;
    } removal_;
    SplitTreeObserver* observer_ = nullptr;
};

} // namespace dockable
