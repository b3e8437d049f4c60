#pragma once

#include "docking/core/drop_target.h"
#include "docking/core/rect.h"

namespace dockable {

// What a drag asks of the host while it runs (screen coordinates).
class DragQuery {
public:
    virtual ~DragQuery() = default;
    virtual DropHit sideAtPoint(Point pt) = 0;
    virtual Rect edgeDropRect(int side) = 0;
    virtual Rect paneRect(int pane) = 0;
    // The pane the dragged form is docked in, 0 when it floats.
    virtual int ownPane() = 0;
};

// The outline a drag shows: thin for a docking target, thick for a floating frame.
struct DragOutline {
    bool visible = false;
    Rect rect;
    bool thick = false;
    friend bool operator==(const DragOutline&, const DragOutline&) = default;
};

// What a finished drag asks for.
struct DragCommand {
    enum Kind { None, MoveFloating, FloatFromDocked, DockEdge, DockPane, Resize };
    Kind kind = None;
    Rect rect;    // MoveFloating, FloatFromDocked, Resize: the form window's new rectangle
    int side = 0; // DockEdge
    int pane = 0; // DockPane: the pane to dock beside and the half of it taken
    int half = 0;
};

// The caption drag and the frame sizing of one form, from the press to the release.
class FormDrag {
public:
    FormDrag(int cxFrame, int cyFrame) : cx_(cxFrame), cy_(cyFrame) {}

    // The smallest floating window, frame included: sizing stops there, whichever side is
    // dragged how far, and a form floated out of its pane is never smaller.
    void setMinimumSize(int width, int height) {
        minWidth_ = width;
        minHeight_ = height;
    }

    // A press on the caption: a floating form drags its frame, a docked one its pane.
    void pressCaption(Point cursor, bool floating, Rect windowRect, Rect paneRect);
    // A press on a floating form's sizing frame, by hit-test code (10 left ... 17 bottom
    // right); false for any other code.
    bool pressFrame(int hitTest, Point cursor, Rect windowRect);
    // floatSize: the floating placement's width and height.
    void move(Point cursor, DragQuery& query, int floatWidth, int floatHeight);
    DragCommand release();
    void cancel();

    bool moving() const { return moving_; }
    bool sizing() const { return sizing_; }
    DragOutline outline() const;
    int side() const { return side_; }
    int half() const { return half_; }

private:
    int cx_;
    int cy_;
    int minWidth_ = 0;
    int minHeight_ = 0;
    bool moving_ = false;
    bool moved_ = false;
    bool sizing_ = false;
    bool floatFrame_ = false;
    bool floating_ = false;
    bool sizeTop_ = false;
    bool sizeLeft_ = false;
    bool sizeBottom_ = false;
    bool sizeRight_ = false;
    Rect track_;
    Rect base_;
    Point start_;
    int side_ = 0;
    int pane_ = 0;
    int half_ = 0;
};

// A splitter or sizer bar's drag along its one axis. Positions are the bar's top (or left):
// the screen position while dragging, the parent's client coordinates for the limits.
class SplitterDrag {
public:
    void press(int cursor, int barScreenStart, int origin);
    // The ghost line's screen position, or nothing to show.
    bool move(int cursor, int minimum, int maximum);
    // True with the bar's new centre in parent coordinates when the drop moves it.
    bool release(int cursor, int minimum, int maximum, int& position);

    bool dragging() const { return dragging_; }
    bool ghostVisible() const { return ghostVisible_; }
    int ghost() const { return ghost_; }

private:
    int clamped(int cursor, int minimum, int maximum) const;

    bool dragging_ = false;
    bool ghostVisible_ = false;
    int cursorStart_ = 0;
    int start_ = 0;
    int offset_ = 0;
    int ghost_ = 0;
};

} // namespace dockable
