#include "tests/docking/widgets/dock_fixture.h"
#include "tests/docking/widgets/mouse.h"

#include "docking/core/layout_math.h"
#include "docking/core/numeric.h"
#include "docking/core/window_menu.h"
#include "docking/widgets/form_frame.h"
#include "docking/widgets/grabber_bar.h"
#include "docking/widgets/splitter_bar.h"

#include <QToolButton>

using namespace dockable;
using namespace dockable::test;

namespace {
// The host stands at (100, 100) on the screen; forms dock by their captions.
class DragTest : public DockFixture {
protected:
    void SetUp() override {
        DockFixture::SetUp();
        host->move(100, 100);
        showHost();
    }
    QWidget* captionOf(const QString& key) { return wrapper(key).frame()->caption(); }
    // A point on the caption, clear of its close box.
    QPoint grip(const QString& key) {
        QWidget* c = captionOf(key);
        return c->mapToGlobal(QPoint(8, c->height() / 2));
    }
    QRect areaOnScreen() {
        settle(); // the host lays out the docking area once it is back in the event loop
        return screenRect(d().area);
    }
    void dragTo(const QString& key, std::vector<QPoint> through) {
        drag(captionOf(key), grip(key), through);
        settle();
    }
};
} // namespace

TEST_F(DragTest, DockedFormDraggedToEachEmptyEdge) {
    dock->AddForm(makeForm("frmInfo"), FormHidden, EAlignRight);
    dock->SetState("frmInfo", FormDocked);
    const QRect a = areaOnScreen();
    const struct {
        int side;
        QPoint band;
    } cases[] = {
        {SideLeft, {a.left() + 10, a.center().y()}},
        {SideTop, {a.center().x(), a.top() + 10}},
        {SideBottom, {a.center().x(), a.bottom() - 10}},
        {SideRight, {a.right() - 10, a.center().y()}},
    };
    for (const auto& c : cases) {
        dragTo("frmInfo", {a.center(), c.band});
        EXPECT_EQ(dock->State("frmInfo"), FormDocked) << c.side;
        EXPECT_EQ(wrapper("frmInfo").rec.AlignWhenDocked, c.side);
        EXPECT_EQ(wrapper("frmInfo").rec.AlignToHostPane,
                  c.side == SideLeft || c.side == SideRight ? SideBottom : SideRight);
        for (int side = 1; side <= 4; ++side) {
            EXPECT_EQ(edge(side).Count(), side == c.side ? 1 : 0) << "side " << side;
        }
        EXPECT_FALSE(d().outlineWindow().isVisible());
    }
}

TEST_F(DragTest, RefusedEdgesAreNoTargets) {
    dock->AddForm(makeForm("frmInfo"), FormHidden, EAlignRight);
    dock->SetCanDockTop("frmInfo", false);
    dock->SetCanDockBottom("frmInfo", false);
    dock->SetState("frmInfo", FormDocked);
    const QRect a = areaOnScreen();
    dragTo("frmInfo", {a.center(), {a.center().x(), a.top() + 10}});
    // The top band is no target: the form floats where it was dropped.
    EXPECT_EQ(dock->State("frmInfo"), FormUndocked);
    EXPECT_EQ(edge(SideTop).Count(), 0);
    dragTo("frmInfo", {a.center(), {a.center().x(), a.bottom() - 10}});
    EXPECT_EQ(dock->State("frmInfo"), FormUndocked);
    EXPECT_EQ(edge(SideBottom).Count(), 0);
}

TEST_F(DragTest, DraggedIntoTheOpenItFloatsWhereTheOutlineWas) {
    dock->AddForm(makeForm("frmInfo"), FormHidden, EAlignRight);
    dock->SetState("frmInfo", FormDocked);
    const QPoint drop = areaOnScreen().center();
    QWidget* caption = captionOf("frmInfo");
    press(caption, grip("frmInfo"));
    moveTo(caption, drop + QPoint(-5, 0));
    moveTo(caption, drop);
    EXPECT_TRUE(d().outlineWindow().isVisible());
    const QRect outline = d().outlineWindow().geometry();
    release(caption, drop);
    settle();
    FormFrame* frame = wrapper("frmInfo").frame();
    EXPECT_EQ(dock->State("frmInfo"), FormUndocked);
    EXPECT_TRUE(frame->isWindow());
    EXPECT_EQ(frame->geometry(), outline.adjusted(-4, -4, 4, 4));
    EXPECT_EQ(frame->pos(), drop - QPoint(14, 14));
    EXPECT_EQ(wrapper("frmInfo").rec.LeftWhenUnDocked, frame->x());
    EXPECT_EQ(d().area->extent(SideRight), 0);

    // Floating, it moves by its caption; dropped on the left band it docks there.
    dragTo("frmInfo", {frame->pos() + QPoint(60, 30)});
    EXPECT_EQ(dock->State("frmInfo"), FormUndocked);
    EXPECT_EQ(frame->pos(),
              drop - QPoint(14, 14) + QPoint(60 - 4 - 8, 30 - 4 - frame->caption()->height() / 2));
    const QRect a = areaOnScreen();
    dragTo("frmInfo", {{a.left() + 10, a.center().y()}});
    EXPECT_EQ(dock->State("frmInfo"), FormDocked);
    EXPECT_EQ(edge(SideLeft).Count(), 1);
}

TEST_F(DragTest, ClickOnTheCaptionChangesNothing) {
    dock->AddForm(makeForm("frmInfo"), FormHidden, EAlignRight);
    dock->SetState("frmInfo", FormDocked);
    QWidget* caption = captionOf("frmInfo");
    press(caption, grip("frmInfo"));
    release(caption, grip("frmInfo"));
    settle();
    EXPECT_EQ(dock->State("frmInfo"), FormDocked);
    EXPECT_EQ(edge(SideRight).Count(), 1);
}

TEST_F(DragTest, DropOnTheLowerHalfOfAnotherPaneSplitsItBelow) {
    dock->AddForm(makeForm("frmA"), FormHidden, EAlignLeft);
    dock->AddForm(makeForm("frmB"), FormHidden, EAlignRight);
    dock->SetState("frmA", FormDocked);
    dock->SetState("frmB", FormDocked);
    settle();
    QWidget* paneA = wrapper("frmA").pane();
    const QRect target = screenRect(paneA);
    dragTo("frmB", {areaOnScreen().center(), {target.center().x(), target.bottom() - 15}});
    EXPECT_EQ(dock->State("frmB"), FormDocked);
    EXPECT_EQ(edge(SideRight).Count(), 0);
    ASSERT_EQ(edge(SideLeft).Count(), 3);
    const FormRecord& b = wrapper("frmB").rec;
    EXPECT_EQ(b.AlignWhenDocked, SideLeft);
    EXPECT_EQ(b.HostPane, "frmA");
    EXPECT_EQ(b.AlignToHostPane, SideBottom);
    EXPECT_EQ(b.HostSplitProMille, 500);
    EXPECT_GT(wrapper("frmB").pane()->y(), wrapper("frmA").pane()->y());

    // A drop on a pane's left part puts the form beside it on the left.
    settle();
    const QRect b2 = screenRect(wrapper("frmB").pane());
    dragTo("frmA", {areaOnScreen().center(), {b2.left() + 8, b2.center().y()}});
    EXPECT_EQ(wrapper("frmA").rec.HostPane, "frmB");
    EXPECT_EQ(wrapper("frmA").rec.AlignToHostPane, SideLeft);
    EXPECT_EQ(edge(SideLeft).tree().check(), "");
}

TEST_F(DragTest, DropOnItsOwnPaneChangesNothing) {
    dock->AddForm(makeForm("frmInfo"), FormHidden, EAlignRight);
    dock->SetState("frmInfo", FormDocked);
    QWidget* pane = wrapper("frmInfo").pane();
    dragTo("frmInfo", {centreOf(pane)});
    EXPECT_EQ(dock->State("frmInfo"), FormDocked);
    EXPECT_EQ(wrapper("frmInfo").pane(), pane);
}

TEST_F(DragTest, DoubleClickAndWindowMenuToggle) {
    dock->AddForm(makeForm("frmInfo"), FormHidden, EAlignRight);
    dock->SetState("frmInfo", FormDocked);
    doubleClick(captionOf("frmInfo"), grip("frmInfo"));
    settle();
    EXPECT_EQ(dock->State("frmInfo"), FormUndocked);
    doubleClick(captionOf("frmInfo"), grip("frmInfo"));
    settle();
    EXPECT_EQ(dock->State("frmInfo"), FormDocked);
    EXPECT_EQ(edge(SideRight).Count(), 1);
    wrapper("frmInfo").SysCommand(SC_DOCKABLE);
    EXPECT_EQ(dock->State("frmInfo"), FormUndocked);
    wrapper("frmInfo").SysCommand(SC_DOCKABLE);
    EXPECT_EQ(dock->State("frmInfo"), FormDocked);
}

TEST_F(DragTest, FloatingFormNeverDockedStaysFloatingOnDoubleClick) {
    dock->AddForm(makeForm("frmInfo"));
    dock->Show("frmInfo", NoEAlign);
    doubleClick(captionOf("frmInfo"), grip("frmInfo"));
    settle();
    EXPECT_EQ(dock->State("frmInfo"), FormUndocked);
}

TEST_F(DragTest, CloseBoxHidesTheForm) {
    QSignalSpy changes(dock.get(), &Dockable::StateChanged);
    dock->AddForm(makeForm("frmInfo"), FormHidden, EAlignRight);
    dock->SetState("frmInfo", FormDocked);
    QTest::mouseClick(wrapper("frmInfo").frame()->caption()->closeButton(), Qt::LeftButton);
    settle();
    EXPECT_EQ(dock->State("frmInfo"), FormHidden);
    EXPECT_EQ(edge(SideRight).Count(), 0); // its only pane went with it
    ASSERT_FALSE(changes.isEmpty());
    EXPECT_EQ(changes.last().at(1).toInt(), FormHidden);
    // A floating form closed by the window system is hidden, not unloaded.
    dock->SetState("frmInfo", FormUndocked);
    QPointer<QWidget> form = wrapper("frmInfo").form();
    wrapper("frmInfo").frame()->close();
    settle();
    EXPECT_EQ(dock->State("frmInfo"), FormHidden);
    EXPECT_FALSE(form.isNull());
}

TEST_F(DragTest, FloatingFrameResizedByItsFrameStoresThePlacement) {
    dock->AddForm(makeForm("frmInfo"));
    dock->Show("frmInfo", NoEAlign);
    FormFrame* frame = wrapper("frmInfo").frame();
    const QRect before = frame->geometry();
    const QPoint corner = frame->mapToGlobal(QPoint(frame->width() - 2, frame->height() - 2));
    drag(frame, corner, {corner + QPoint(40, 25)});
    settle();
    EXPECT_EQ(frame->geometry(), before.adjusted(0, 0, 40, 25));
    EXPECT_EQ(wrapper("frmInfo").rec.WidthWhenUnDocked, before.width() + 40);
    EXPECT_EQ(wrapper("frmInfo").rec.HeightWhenUnDocked, before.height() + 25);
    const QPoint left = frame->mapToGlobal(QPoint(1, frame->height() / 2));
    drag(frame, left, {left + QPoint(-30, 50)});
    settle();
    EXPECT_EQ(frame->geometry(), before.adjusted(-30, 0, 40, 25));
}

TEST_F(DragTest, SplitterDragWithinItsLimits) {
    dock->AddForm(makeForm("frmA"));
    dock->AddForm(makeForm("frmB"));
    dock->Show("frmA", EAlignLeft);
    dock->Show("frmB", EAlignLeft, "frmA", HAlignBottom, 500);
    settle();
    SplitterBar* bar = edge(SideLeft).splitter(2);
    ASSERT_NE(bar, nullptr);
    const PaneSlot& node = edge(SideLeft).tree().slot(2);
    const QPoint start = centreOf(bar);
    drag(bar, start, {start + QPoint(0, 40)});
    settle();
    EXPECT_EQ(node.SplitPromille, roundHalfEven((node.SplitterPos) * 1000.0 / node.Height));
    EXPECT_EQ(node.SplitterPos, splitPosition(500, node.Height, 12) + 40);
    EXPECT_EQ(wrapper("frmB").pane()->y(), node.SplitterPos + 3);
    // Past the far limit the split stops two pixels past the minimum's reach.
    drag(bar, centreOf(bar), {centreOf(bar) + QPoint(0, 2000)});
    settle();
    EXPECT_EQ(node.SplitterPos, node.Height - 12 + 2);
    EXPECT_FALSE(bar->dragging());
}

TEST_F(DragTest, EdgeSizerDragResizesTheEdge) {
    dock->AddForm(makeForm("frmA"));
    dock->Show("frmA", EAlignLeft);
    settle();
    SplitterBar* sizer = edge(SideLeft).sizer();
    const int before = edge(SideLeft).DWidth();
    drag(sizer, centreOf(sizer), {centreOf(sizer) + QPoint(50, 0)});
    settle();
    EXPECT_EQ(edge(SideLeft).DWidth(), before + 50);
    EXPECT_EQ(edge(SideLeft).window()->width(), before + 50);
    // No narrower than the edge's minimum (180 twips: 12 pixels).
    drag(sizer, centreOf(sizer), {centreOf(sizer) - QPoint(1000, 0)});
    settle();
    EXPECT_EQ(edge(SideLeft).DWidth(), 12);
}

TEST_F(DragTest, GrabStripClicksCountAsCaptionClicks) {
    dock->AddForm(makeForm("frmA"));
    dock->SetGrabberBar("frmA", true);
    dock->Show("frmA", EAlignRight);
    settle();
    GrabberBar* strip = edge(SideRight).grabber(1);
    ASSERT_NE(strip, nullptr);
    EXPECT_TRUE(strip->isVisible());
    EXPECT_FALSE(strip->Vertical()); // along the top of a side edge's pane
    EXPECT_EQ(strip->height(), 10);
    // The form's own caption is above the pane, out of sight.
    EXPECT_LT(wrapper("frmA").frame()->caption()->mapTo(wrapper("frmA").pane(), QPoint(0, 0)).y() +
                  wrapper("frmA").frame()->caption()->height(),
              11);
    const QRect a = areaOnScreen();
    drag(strip, strip->mapToGlobal(QPoint(20, 5)), {a.center(), {a.left() + 10, a.center().y()}});
    settle();
    EXPECT_EQ(wrapper("frmA").rec.AlignWhenDocked, SideLeft);
    // The close box: pressed on it, released anywhere, the form is hidden.
    strip = edge(SideLeft).grabber(1);
    ASSERT_NE(strip, nullptr);
    const QPoint box = strip->mapToGlobal(QPoint(strip->width() - 5, 5));
    press(strip, box);
    EXPECT_TRUE(strip->armed());
    release(strip, box + QPoint(-80, 40));
    settle();
    EXPECT_EQ(dock->State("frmA"), FormHidden);
}

// The host's window menu follows the pane by this signal alone: every change of a form's
// state or edge is told once, the user's drags from one edge to another included.
TEST_F(DragTest, StateChangedTellsEveryChangeOfStateOrEdgeOnce) {
    dock->AddForm(makeForm("frmInfo"), FormHidden, EAlignRight);
    dock->SetState("frmInfo", FormDocked);
    QSignalSpy changes(dock.get(), &Dockable::StateChanged);
    auto told = [&changes] {
        QStringList out;
        for (const auto& args : changes) {
            out.append(args.at(0).toString() + "=" + args.at(1).toString());
        }
        changes.clear();
        return out.join(' ').toStdString();
    };
    const QRect a = areaOnScreen();
    dragTo("frmInfo", {a.center(), {a.left() + 10, a.center().y()}}); // right edge to left
    EXPECT_EQ(told(), "frmInfo=1");
    dragTo("frmInfo", {centreOf(wrapper("frmInfo").pane())}); // its own pane: nothing moved
    EXPECT_EQ(told(), "");
    dock->Show("frmInfo", EAlignTop);
    EXPECT_EQ(told(), "frmInfo=1");
    dock->Show("frmInfo", EAlignTop); // hidden and docked again where it was
    EXPECT_EQ(told(), "");
    doubleClick(captionOf("frmInfo"), grip("frmInfo"));
    settle();
    EXPECT_EQ(told(), "frmInfo=2");
    dock->Hide("frmInfo");
    dock->RemoveForm("frmInfo");
    EXPECT_EQ(told(), "frmInfo=0");
}

TEST_F(DragTest, AFloatingFrameKeepsASizeThatShowsItsCaption) {
    dock->AddForm(makeForm("frmInfo", "Information"));
    dock->Show("frmInfo", NoEAlign);
    FormFrame* frame = wrapper("frmInfo").frame();
    const QRect before = frame->geometry();
    // The left edge dragged past the right one, the top past the bottom.
    const QPoint left = frame->mapToGlobal(QPoint(1, frame->height() / 2));
    drag(frame, left, {left + QPoint(before.width() + 300, 0)});
    settle();
    const QPoint top = frame->mapToGlobal(QPoint(frame->width() / 2, 1));
    drag(frame, top, {top + QPoint(0, before.height() + 300)});
    settle();
    auto shown = [frame] {
        QFont bold = frame->caption()->font();
        bold.setBold(true);
        return frame->width() > QFontMetrics(bold).horizontalAdvance("Information") +
                                    frame->caption()->closeButton()->width() &&
               frame->caption()->height() == frame->captionHeight() &&
               frame->height() >= frame->captionHeight() + 8;
    };
    EXPECT_TRUE(shown()) << frame->width() << "x" << frame->height();
    EXPECT_EQ(frame->geometry().right(), before.right()); // the other sides stay
    EXPECT_EQ(frame->geometry().bottom(), before.bottom());
    dock->Hide("frmInfo");
    dock->Show("frmInfo", EAlignPrevious);
    settle();
    EXPECT_TRUE(shown()) << frame->width() << "x" << frame->height();
    // Docked, the pane decides: a narrow edge takes the form at its own width.
    dock->Show("frmInfo", EAlignLeft);
    dock->SetLeftEdgeWidth(600); // 40 pixels
    settle();
    EXPECT_LT(wrapper("frmInfo").form()->width(), 40);
}

TEST_F(DragTest, TheFirstFloatOpensOverTheHostNotAtTheScreensCorner) {
    dock->AddForm(makeForm("frmInfo"));
    dock->Show("frmInfo", NoEAlign);
    const QRect area = areaOnScreen();
    const QPoint at = wrapper("frmInfo").frame()->pos();
    EXPECT_TRUE(area.contains(at)) << at.x() << "," << at.y();
    // A form the host placed itself floats where it was put.
    QWidget* placed = makeForm("frmPlaced");
    placed->move(300, 250);
    dock->AddForm(placed);
    dock->Show("frmPlaced", NoEAlign);
    EXPECT_EQ(wrapper("frmPlaced").frame()->pos(), QPoint(300, 250));
}
