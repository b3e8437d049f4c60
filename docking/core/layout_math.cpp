#include "docking/core/layout_math.h"

#include "docking/core/numeric.h"

namespace dockable {

SizerPlacement placeSizer(int side, Rect c) {
    SizerPlacement p{{}, c};
    switch (side) {
    case SideBottom:
        p.sizer = Rect::fromSize(0, 1, c.right, 4);
        p.content.top += SplitterGap;
        break;
    case SideLeft:
        p.sizer = Rect::fromSize(c.right - 5, 0, 4, c.bottom);
        p.content.right -= SplitterGap;
        break;
    case SideTop:
        p.sizer = Rect::fromSize(0, c.bottom - 5, c.right, 4);
        p.content.bottom -= SplitterGap;
        break;
    case SideRight:
        p.sizer = Rect::fromSize(1, 0, 4, c.bottom);
        p.content.left += SplitterGap;
        break;
    default:
        break;
    }
    return p;
}

int splitPosition(int promille, int extent, int minimum) {
    int pos = asInt16(roundHalfEven(promille * static_cast<double>(extent) / 1000.0));
    if (extent - pos < minimum && pos < minimum) {
        pos = extent / 2;
    } else if (pos < minimum) {
        pos = minimum;
    } else if (extent - pos < minimum) {
        // The far side keeps two pixels more than the minimum, so that a split dropped at
        // the splitter's farthest place stays where it was dropped.
        pos = extent - minimum + 2;
    }
    return pos;
}

void ResizePane(SplitTree& tree, int n, const Limits& limits) {
    if (n < 1 || n > tree.Count()) {
        return;
    }
    PaneSlot& node = tree.slot(n);
    if (!node.IsSplitter) {
        return;
    }
    bool vertical = node.Child2Align == SideLeft || node.Child2Align == SideRight;
    int extent = vertical ? node.Width : node.Height;
    int minimum = vertical ? limits.vSplitterMin : limits.hSplitterMin;
    node.SplitterPos = splitPosition(node.SplitPromille, extent, minimum);
    int start = vertical ? node.Left : node.Top;
    int firstStart = start;
    int firstSize = node.SplitterPos - 3;
    int secondStart = start + node.SplitterPos + 3;
    int secondSize = start + extent - secondStart;
    bool child2First = node.Child2Align == SideLeft || node.Child2Align == SideTop;
    PaneSlot& first = tree.slot(child2First ? node.Child2Index : node.Child1Index);
    PaneSlot& second = tree.slot(child2First ? node.Child1Index : node.Child2Index);
    for (PaneSlot* part : {&first, &second}) {
        part->Left = node.Left;
        part->Top = node.Top;
        part->Width = node.Width;
        part->Height = node.Height;
    }
    if (vertical) {
        first.Left = firstStart;
        first.Width = firstSize;
        second.Left = secondStart;
        second.Width = secondSize;
    } else {
        first.Top = firstStart;
        first.Height = firstSize;
        second.Top = secondStart;
        second.Height = secondSize;
    }
    int child1 = node.Child1Index;
    int child2 = node.Child2Index;
    ResizePane(tree, child1, limits);
    ResizePane(tree, child2, limits);
}

SplitterPlacement placeSplitter(const PaneSlot& node, const Limits& limits) {
    SplitterPlacement p;
    if (node.Child2Align == SideLeft || node.Child2Align == SideRight) {
        p.horizontal = false;
        p.minimum = node.Left + limits.vSplitterMin;
        p.maximum = node.Left + node.Width - limits.vSplitterMin;
        p.bar = Rect::fromSize(node.Left + node.SplitterPos - 2, node.Top, SplitterBarWidth,
                               node.Height);
    } else {
        p.horizontal = true;
        p.minimum = node.Top + limits.hSplitterMin;
        p.maximum = node.Top + node.Height - limits.hSplitterMin;
        p.bar = Rect::fromSize(node.Left, node.Top + node.SplitterPos - 2, node.Width,
                               SplitterBarWidth);
    }
    return p;
}

LeafGeometry leafGeometry(int side, int w, int h, bool grabberBar, const Metrics& m) {
    LeafGeometry g;
    int cx = m.cxFrame;
    int cy = m.cyFrame;
    int c = m.captionHeight;
    if (grabberBar && isHorizontalSide(side)) {
        // A strip down the left side of the pane stands in for the caption.
        g.grabber = Rect::fromSize(0, 0, GrabberHeight, h);
        g.inner = Rect::fromSize(GrabberHeight, 0, w - GrabberHeight, h);
        g.form = Rect::fromSize(-cx, -(cy + c), w + 2 * cx - GrabberHeight, h + 2 * cy + c);
    } else if (grabberBar) {
        g.grabber = Rect::fromSize(0, 0, w, GrabberHeight);
        g.inner = Rect::fromSize(0, GrabberHeight, w, h - GrabberHeight);
        g.form = Rect::fromSize(-cx, -(cy + c), w + 2 * cx, h + 2 * cy + c - GrabberHeight);
    } else {
        g.inner = Rect::fromSize(0, 0, w, h);
        g.form = Rect::fromSize(-cx, -cy, w + 2 * cx, h + 2 * cy);
    }
    return g;
}

int promilleFromPosition(const PaneSlot& node, int position) {
    bool vertical = node.Child2Align == SideLeft || node.Child2Align == SideRight;
    int extent = vertical ? node.Width : node.Height;
    int start = vertical ? node.Left : node.Top;
    if (extent <= 0) {
        return node.SplitPromille;
    }
    return asInt16(roundHalfEven((position - start) * 1000.0 / extent));
}

int dwidthFromSizer(int side, int position, int dwidth) {
    if (side == SideTop || side == SideLeft) {
        return position + 3;
    }
    return dwidth - position + 3;
}

SizerBounds sizerBounds(int side, Rect r, const int v[5], Rect c, const Limits& limits) {
    switch (side) {
    case SideLeft:
        return {limits.sizerMin[SideLeft] - 5, r.width() - (v[SideRight] + 12)};
    case SideRight:
        return {c.right - r.width() + v[SideLeft] + 8, c.right - limits.sizerMin[SideRight] + 1};
    case SideTop:
        return {limits.sizerMin[SideTop] - 5, r.height() - (v[SideBottom] + 12)};
    case SideBottom:
        return {c.bottom - r.height() + v[SideTop] + 8, c.bottom - limits.sizerMin[SideBottom] + 1};
    default:
        return {};
    }
}

} // namespace dockable
