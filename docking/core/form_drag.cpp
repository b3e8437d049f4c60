#include "docking/core/form_drag.h"

#include <algorithm>

namespace dockable {

void FormDrag::pressCaption(Point cursor, bool floating, Rect windowRect, Rect paneRect) {
    moving_ = true;
    moved_ = false;
    sizing_ = false;
    floating_ = floating;
    start_ = cursor;
    if (floating) {
        track_ = windowRect.inflated(-cx_, -cy_);
        floatFrame_ = true;
    } else {
        track_ = paneRect;
        floatFrame_ = false;
    }
    base_ = track_;
    side_ = 0;
    pane_ = 0;
    half_ = 0;
}

bool FormDrag::pressFrame(int hit, Point cursor, Rect windowRect) {
    if (hit < 10 || hit > 17) {
        return false;
    }
    sizeLeft_ = hit == 10 || hit == 13 || hit == 16;
    sizeRight_ = hit == 11 || hit == 14 || hit == 17;
    sizeTop_ = hit == 12 || hit == 13 || hit == 14;
    sizeBottom_ = hit == 15 || hit == 16 || hit == 17;
    sizing_ = true;
    moving_ = false;
    start_ = cursor;
    track_ = windowRect.inflated(-cx_, -cy_);
    base_ = track_;
    return true;
}

void FormDrag::move(Point cursor, DragQuery& query, int floatWidth, int floatHeight) {
    const int dx = cursor.x - start_.x;
    const int dy = cursor.y - start_.y;
    if (sizing_) {
        track_ = base_;
        if (sizeLeft_) {
            track_.left += dx;
        }
        if (sizeRight_) {
            track_.right += dx;
        }
        if (sizeTop_) {
            track_.top += dy;
        }
        if (sizeBottom_) {
            track_.bottom += dy;
        }
        // The track is the window without its frame.
        const int minWidth = std::max(0, minWidth_ - 2 * cx_);
        const int minHeight = std::max(0, minHeight_ - 2 * cy_);
        if (track_.width() < minWidth) {
            if (sizeLeft_) {
                track_.left = track_.right - minWidth;
            } else {
                track_.right = track_.left + minWidth;
            }
        }
        if (track_.height() < minHeight) {
            if (sizeTop_) {
                track_.top = track_.bottom - minHeight;
            } else {
                track_.bottom = track_.top + minHeight;
            }
        }
        return;
    }
    if (!moving_) {
        return;
    }
    moved_ = true;
    const DropHit hit = query.sideAtPoint(cursor);
    const int own = query.ownPane();
    if (hit.side != DropNoChange && (hit.side != side_ || hit.pane != pane_)) {
        bool keepBase = false;
        if (isSide(hit.side)) {
            base_ = query.edgeDropRect(hit.side);
        } else if (hit.side == DropFloat) {
            if (floatFrame_) {
                keepBase = true;
            } else {
                base_ = Rect::fromSize(cursor.x - 10, cursor.y - 10,
                                       std::max(floatWidth, minWidth_) - 2 * cx_,
                                       std::max(floatHeight, minHeight_) - 2 * cy_);
            }
        } else if (hit.side == DropOnPane) {
            base_ = query.paneRect(hit.pane);
            if (hit.pane != own) {
                half_ = NearestPaneEdge(base_, cursor, cx_, cy_);
                base_ = HalveRectToward(half_, base_);
            }
        }
        if (!keepBase) {
            start_ = cursor;
            track_ = base_;
        }
        side_ = hit.side;
        pane_ = hit.pane;
        floatFrame_ = hit.side == DropFloat;
    } else if (side_ == DropOnPane && pane_ != own) {
        int h = NearestPaneEdge(query.paneRect(pane_), cursor, cx_, cy_);
        if (h != half_) {
            base_ = HalveRectToward(h, query.paneRect(pane_));
            half_ = h;
            start_ = cursor;
            track_ = base_;
        }
    }
    track_ = base_.translated(cursor.x - start_.x, cursor.y - start_.y);
}

DragCommand FormDrag::release() {
    DragCommand command;
    if (sizing_) {
        sizing_ = false;
        command.kind = DragCommand::Resize;
        command.rect = track_.inflated(cx_, cy_);
        return command;
    }
    if (!moving_) {
        return command;
    }
    moving_ = false;
    if (!moved_) {
        return command;
    }
    moved_ = false;
    if (floatFrame_) {
        command.kind = floating_ ? DragCommand::MoveFloating : DragCommand::FloatFromDocked;
        command.rect = track_.inflated(cx_, cy_);
    } else if (isSide(side_)) {
        command.kind = DragCommand::DockEdge;
        command.side = side_;
    } else if (side_ == DropOnPane && pane_ != 0) {
        command.kind = DragCommand::DockPane;
        command.pane = pane_;
        command.half = half_;
    }
    floatFrame_ = false;
    return command;
}

void FormDrag::cancel() {
    moving_ = moved_ = sizing_ = floatFrame_ = false;
}

DragOutline FormDrag::outline() const {
    if (!moving_ && !sizing_) {
        return {};
    }
    return {true, track_, sizing_ || floatFrame_};
}

void SplitterDrag::press(int cursor, int barScreenStart, int origin) {
    dragging_ = true;
    cursorStart_ = cursor;
    start_ = barScreenStart;
    offset_ = start_ - origin;
    ghost_ = start_;
    ghostVisible_ = true;
}

int SplitterDrag::clamped(int cursor, int minimum, int maximum) const {
    int p = start_ - (cursorStart_ - cursor);
    return std::clamp(p, minimum + offset_, maximum + offset_);
}

bool SplitterDrag::move(int cursor, int minimum, int maximum) {
    if (!dragging_) {
        return false;
    }
    if (maximum > minimum) {
        ghost_ = clamped(cursor, minimum, maximum);
        ghostVisible_ = true;
    } else {
        ghostVisible_ = false;
    }
    return ghostVisible_;
}

bool SplitterDrag::release(int cursor, int minimum, int maximum, int& position) {
    if (!dragging_) {
        return false;
    }
    dragging_ = false;
    ghostVisible_ = false;
    if (maximum <= minimum) {
        return false;
    }
    position = clamped(cursor, minimum, maximum) - offset_ + 2;
    return true;
}

} // namespace dockable
