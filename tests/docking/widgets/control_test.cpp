#include "tests/docking/widgets/dock_fixture.h"

#include "docking/core/layout_math.h"
#include "docking/widgets/form_frame.h"

using namespace dockable;
using namespace dockable::test;

namespace {
class ControlTest : public DockFixture {};
} // namespace

TEST_F(ControlTest, AddFormThenShowDocksOnTheRightEdge) {
    showHost();
    QWidget* form = makeForm("frmInfo");
    dock->AddForm(form, FormHidden, EAlignRight);
    EXPECT_FALSE(wrapper("frmInfo").frame()->isVisible()); // registered, not shown
    dock->Show("frmInfo", EAlignRight);
    settle();
    EXPECT_EQ(dock->State("frmInfo"), FormDocked);
    const DockEdge& right = edge(SideRight);
    EXPECT_TRUE(right.Visible());
    EXPECT_EQ(d().area->extent(SideRight), 67); // 1000 twips at 15 per pixel
    EXPECT_TRUE(right.window()->isAncestorOf(form));
    EXPECT_TRUE(form->isVisible());
    // The central area gives way to the edge.
    EXPECT_EQ(central->width(), d().area->width() - 67);
    EXPECT_EQ(right.window()->x(), d().area->width() - 67);
    EXPECT_EQ(errors->count(), 0);
}

TEST_F(ControlTest, SetStateDockedUsesTheRegisteredEdgeBelowItsHostPane) {
    showHost();
    dock->AddForm(makeForm("frmInfo"), FormHidden, EAlignRight);
    dock->SetState("frmInfo", FormDocked);
    const FormRecord& r = wrapper("frmInfo").rec;
    EXPECT_EQ(dock->State("frmInfo"), FormDocked);
    EXPECT_EQ(r.AlignWhenDocked, SideRight);
    EXPECT_EQ(r.AlignToHostPane, SideBottom);
    EXPECT_EQ(r.HostSplitProMille, 500);
    EXPECT_EQ(edge(SideRight).Count(), 1);

    dock->AddForm(makeForm("frmLoose")); // never given an edge
    dock->SetState("frmLoose", FormDocked);
    EXPECT_EQ(dock->State("frmLoose"), FormHidden);
}

TEST_F(ControlTest, SetStateFloatingAndHidden) {
    showHost();
    dock->AddForm(makeForm("frmInfo"), FormHidden, EAlignRight);
    dock->SetState("frmInfo", FormDocked);
    dock->SetState("frmInfo", FormUndocked);
    settle();
    FormFrame* frame = wrapper("frmInfo").frame();
    EXPECT_EQ(dock->State("frmInfo"), FormUndocked);
    EXPECT_TRUE(frame->isWindow());
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(frame->parentWidget(), host.get()); // owned by the host, above it
    EXPECT_EQ(edge(SideRight).Count(), 0);
    EXPECT_EQ(d().area->extent(SideRight), 0);

    dock->Hide("frmInfo");
    EXPECT_EQ(dock->State("frmInfo"), FormHidden);
    EXPECT_FALSE(frame->isVisible());
    // Shown again with the previous state: floating where it was.
    const QPoint where = frame->pos();
    dock->Show("frmInfo", EAlignPrevious);
    EXPECT_EQ(dock->State("frmInfo"), FormUndocked);
    EXPECT_EQ(frame->pos(), where);
}

TEST_F(ControlTest, UnknownNamesAndRepeatedRegistrationChangeNothing) {
    showHost();
    dock->AddForm(makeForm("frmInfo"), FormHidden, EAlignRight);
    QWidget* second = makeForm("frmInfo");
    dock->AddForm(second, FormDocked, EAlignLeft);
    EXPECT_EQ(wrapper("frmInfo").rec.AlignWhenDocked, SideRight);
    EXPECT_EQ(d().forms.size(), 1u);
    delete second;
    EXPECT_EQ(dock->State("frmNobody"), FormHidden);
    dock->Hide("frmNobody");
    dock->SetState("frmNobody", FormDocked);
    dock->Show("frmNobody", EAlignLeft);
    EXPECT_FALSE(dock->CanDockTop("frmNobody"));
    dock->SetCanDockTop("frmNobody", true);
    EXPECT_FALSE(dock->CanDockTop("frmNobody"));
    EXPECT_EQ(errors->count(), 0);
}

// The program docks its pane before its main window is on the screen; the first layout
// pass that follows must leave the pane docked in a pane of its own.
TEST_F(ControlTest, DockedBeforeTheHostIsShownStaysDockedAfterTheFirstPaint) {
    dock->ReadProperties({{"Persistant", false}});
    QWidget* form = makeForm("frmInfo");
    dock->AddForm(form, FormHidden, EAlignRight);
    dock->SetCanDockTop("frmInfo", false);
    dock->SetCanDockBottom("frmInfo", false);
    dock->SetRightEdgeWidth(2355);
    dock->SetState("frmInfo", FormDocked);
    showHost();
    EXPECT_TRUE(d().painted);
    EXPECT_EQ(dock->State("frmInfo"), FormDocked);
    EXPECT_EQ(edge(SideRight).Count(), 1);
    EXPECT_NE(wrapper("frmInfo").pane(), nullptr);
    EXPECT_EQ(d().area->extent(SideRight), 157);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(dock->RightEdgeWidth(), 2355);
}

// A form registered as docked but given no edge floats at the first paint instead of
// standing "docked" in no pane at all.
TEST_F(ControlTest, FormWithoutAValidSideFloats) {
    dock->AddForm(makeForm("frmA"), FormDocked); // no edge
    dock->AddForm(makeForm("frmB"), FormHidden, EAlignRight);
    showHost();
    EXPECT_EQ(dock->State("frmA"), FormUndocked);
    EXPECT_TRUE(wrapper("frmA").frame()->isWindow());
    dock->Show("frmB", 7);
    EXPECT_EQ(dock->State("frmB"), FormUndocked);
    EXPECT_EQ(wrapper("frmB").rec.AlignWhenDocked, SideRight); // its edge is kept
}

TEST_F(ControlTest, AlignToHostPaneOutsideItsRangeTakesTheEdgesDefault) {
    showHost();
    struct Case {
        int align, alignToHostPane, stored;
    };
    const Case cases[] = {{3, 7, 2}, {1, 0, 4}, {4, 0, 2}, {2, 5, 4}, {3, 3, 3}};
    for (const Case& c : cases) {
        const QString key = QStringLiteral("frm%1_%2").arg(c.align).arg(c.alignToHostPane);
        dock->AddForm(makeForm(key));
        dock->Show(key, c.align, QString(), c.alignToHostPane);
        EXPECT_EQ(wrapper(key).rec.AlignToHostPane, c.stored) << key.toStdString();
        dock->Hide(key);
    }
}

TEST_F(ControlTest, TwoFormsShareAnEdgeWithASplitter) {
    showHost();
    dock->AddForm(makeForm("frmA"));
    dock->AddForm(makeForm("frmB"));
    dock->Show("frmA", EAlignLeft);
    dock->Show("frmB", EAlignLeft, "frmA", HAlignBottom, 300);
    settle();
    const DockEdge& left = edge(SideLeft);
    ASSERT_EQ(left.Count(), 3);
    EXPECT_EQ(left.tree().check(), "");
    const QRect a = left.paneWindow(1)->geometry();
    const QRect b = left.paneWindow(3)->geometry();
    const int height = left.window()->height();
    // 30% of the content for A above, the bar, then B; the sizer's gap on the right.
    EXPECT_EQ(a.top(), 0);
    EXPECT_EQ(a.height(), splitPosition(300, height, 12) - 3);
    EXPECT_EQ(b.top(), a.height() + 6);
    EXPECT_EQ(b.bottom() + 1, height);
    EXPECT_EQ(a.width(), left.window()->width() - 6);
    ASSERT_NE(left.splitter(2), nullptr);
    EXPECT_TRUE(left.splitter(2)->Horizontal());
    EXPECT_EQ(left.splitter(2)->geometry().top(), a.height() + 1);
    // Hiding B and showing it the previous way puts it back in its old place.
    dock->Hide("frmB");
    EXPECT_EQ(left.Count(), 3); // its slots are kept
    dock->Show("frmB", EAlignPrevious);
    EXPECT_EQ(left.paneWindow(3)->geometry(), b);
}

TEST_F(ControlTest, EdgeWidthBeforeAndAfterTheEdgesExist) {
    dock->SetLeftEdgeWidth(3000);
    EXPECT_EQ(dock->LeftEdgeWidth(), 3000);
    EXPECT_EQ(d().area, nullptr);
    EXPECT_TRUE(dock->ChangedProperties().contains("LeftEdgeWidth"));
    showHost();
    dock->AddForm(makeForm("frmA"));
    dock->Show("frmA", EAlignLeft);
    EXPECT_EQ(d().area->extent(SideLeft), 200);
    dock->SetLeftEdgeWidth(1500);
    settle();
    EXPECT_EQ(d().area->extent(SideLeft), 100);
    EXPECT_EQ(edge(SideLeft).window()->width(), 100);
    EXPECT_EQ(dock->LeftEdgeWidth(), 1500);
    dock->SetLeftEdgeWidth(-15); // a negative size changes nothing
    EXPECT_EQ(edge(SideLeft).DWidth(), 100);
}

TEST_F(ControlTest, PropertiesAliasesAndMarks) {
    dock->SetPersistent(false);
    EXPECT_FALSE(dock->Persistant());
    EXPECT_EQ(dock->ChangedProperties(), QStringList{"Persistant"});
    dock->SetAllowTopMost(true);
    EXPECT_FALSE(dock->AllowTopMost());
    dock->SetHSplitterMin(300);
    EXPECT_EQ(dock->HSplitterMin(), 300);
    EXPECT_EQ(d().limits.hSplitterMin, 20);
    dock->SetTopSizerMin(450);
    EXPECT_EQ(d().limits.sizerMin[SideTop], 30);
    const QVariantMap bag = dock->WriteProperties();
    EXPECT_EQ(bag.value("HSplitterMin").toInt(), 20);
    EXPECT_EQ(bag.value("Persistant").toBool(), false);
}

TEST_F(ControlTest, FailuresAreReportedNotRaised) {
    dock->AddForm(nullptr);
    QLabel unnamed;
    dock->AddForm(&unnamed);
    ASSERT_EQ(errors->count(), 2);
    EXPECT_EQ(errors->at(0).at(0).toString(), "Method AddForm Failed: no form given");
    EXPECT_EQ(errors->at(1).at(0).toString(), "Method AddForm Failed: the form has no name");
    dock->ReadProperties({{"LeftEdgeWidth", "wide"}, {"TopSizerMin", "x"}});
    ASSERT_EQ(errors->count(), 3);
    EXPECT_EQ(errors->at(2).at(0).toString(),
              "Method ReadProperties Failed: stored value not usable, default taken: "
              "LeftEdgeWidth, TopSizerMin");
    EXPECT_EQ(dock->LeftEdgeWidth(), 1000);
}

TEST_F(ControlTest, PaintRunsOnceAndOnlyWithForms) {
    dock->Paint();
    EXPECT_FALSE(d().painted);
    dock->AddForm(makeForm("frmA"), FormDocked, EAlignTop);
    dock->Paint();
    EXPECT_TRUE(d().painted);
    EXPECT_EQ(dock->State("frmA"), FormDocked);
    dock->Hide("frmA");
    dock->Paint();
    EXPECT_EQ(dock->State("frmA"), FormHidden);
}

TEST_F(ControlTest, RemoveFormUnloadsIt) {
    showHost();
    QPointer<QWidget> form = makeForm("frmA");
    dock->AddForm(form, FormHidden, EAlignLeft);
    dock->Show("frmA", EAlignLeft);
    dock->RemoveForm("frmA");
    settle();
    EXPECT_TRUE(form.isNull());
    EXPECT_EQ(dock->State("frmA"), FormHidden);
    EXPECT_EQ(edge(SideLeft).Count(), 0);
}

TEST_F(ControlTest, HostMayGoFirstWithDockedAndFloatingForms) {
    showHost();
    QPointer<QWidget> a = makeForm("frmA");
    QPointer<QWidget> b = makeForm("frmB");
    dock->AddForm(a);
    dock->AddForm(b);
    dock->Show("frmA", EAlignLeft);
    dock->Show("frmB", NoEAlign);
    host.reset();
    settle();
    EXPECT_TRUE(a.isNull());
    EXPECT_TRUE(b.isNull());
    EXPECT_EQ(dock->State("frmA"), FormHidden); // its form went with the host; nothing dangles
    dock->Hide("frmA");
    dock->Show("frmB", EAlignLeft);
    dock->Terminate();
    dock.reset();
}

TEST_F(ControlTest, ControlMayGoFirst) {
    showHost();
    QPointer<QWidget> a = makeForm("frmA");
    dock->AddForm(a);
    dock->Show("frmA", EAlignLeft);
    dock.reset();
    settle();
    EXPECT_TRUE(a.isNull()); // the control let its form go
    host->resize(900, 700);  // the host's own layout goes on without the edges' owner
    settle();
}

TEST_F(ControlTest, HostResizeLaysTheEdgesOutOnce) {
    showHost();
    dock->AddForm(makeForm("frmA"));
    dock->Show("frmA", EAlignBottom);
    settle();
    const int before = edge(SideBottom).layouts();
    host->resize(1000, 700);
    settle();
    EXPECT_EQ(edge(SideBottom).layouts(), before + 1);
    EXPECT_EQ(edge(SideBottom).window()->width(), d().area->width());
    EXPECT_EQ(edge(SideBottom).paneWindow(1)->width(), d().area->width());
}

TEST_F(ControlTest, FormNeverSizedFloatsAtTheSizeItsContentsAsk) {
    showHost();
    auto* form = new QLabel("a text that asks for some room\nand a second line");
    form->setObjectName("frmText");
    dock->AddForm(form);
    dock->Show("frmText", NoEAlign);
    settle();
    EXPECT_GE(form->width(), form->sizeHint().width());
    EXPECT_GE(form->height(), form->sizeHint().height());
}

// What goes gives its room back: a form the host deletes takes its pane (and its
// caption) with it, and a control deleted while its host stays leaves no edge bands.
TEST_F(ControlTest, AFormTheHostDeletesLeavesNoPaneBehind) {
    showHost();
    QSignalSpy changes(dock.get(), &Dockable::StateChanged);
    dock->AddForm(makeForm("frmA"), FormHidden, EAlignLeft);
    dock->AddForm(makeForm("frmB"), FormHidden, EAlignLeft);
    dock->AddForm(makeForm("frmC"));
    dock->Show("frmA", EAlignLeft);
    dock->Show("frmB", EAlignLeft, "frmA", HAlignBottom);
    dock->Show("frmC", NoEAlign);
    settle();
    changes.clear();
    QPointer<FormFrame> floatingFrame = wrapper("frmC").frame();
    delete wrapper("frmA").form();
    delete wrapper("frmC").form();
    settle();
    EXPECT_EQ(d().FormIndex("frmA"), -1);
    EXPECT_EQ(d().FormIndex("frmC"), -1);
    EXPECT_EQ(dock->State("frmA"), FormHidden);
    EXPECT_EQ(edge(SideLeft).tree().check(), "");
    EXPECT_EQ(edge(SideLeft).tree().slot(edge(SideLeft).tree().RootPaneIndex()).Key, "frmB");
    EXPECT_EQ(host->findChild<QWidget*>("DockablePane_frmA"), nullptr);
    EXPECT_EQ(host->findChild<QWidget*>("DockableFrame_frmA"), nullptr);
    EXPECT_TRUE(floatingFrame.isNull());
    // frmB alone fills the edge now.
    EXPECT_EQ(wrapper("frmB").pane()->height(), edge(SideLeft).window()->height());
    ASSERT_EQ(changes.count(), 2);
    EXPECT_EQ(changes.at(0).at(1).toInt(), FormHidden);
    EXPECT_EQ(changes.at(1).at(1).toInt(), FormHidden);
}

TEST_F(ControlTest, AControlDeletedBeforeItsHostGivesTheEdgesRoomBack) {
    showHost();
    dock->AddForm(makeForm("frmA"), FormHidden, EAlignLeft);
    dock->AddForm(makeForm("frmB"), FormHidden, EAlignTop);
    dock->Show("frmA", EAlignLeft);
    dock->Show("frmB", EAlignTop);
    settle();
    ASSERT_LT(central->width(), host->width());
    dock.reset();
    settle();
    EXPECT_EQ(host->centralWidget(), central);
    EXPECT_EQ(central->geometry(), host->rect());
    EXPECT_EQ(host->findChild<QWidget*>("DockableArea"), nullptr);
}

// As the public header says: the first paint places the forms registered by then; a form
// added after it waits for its Show.
TEST_F(ControlTest, AFormAddedAfterTheFirstPaintAppearsAtItsShow) {
    dock->AddForm(makeForm("frmEarly"), FormDocked, EAlignLeft);
    showHost();
    ASSERT_TRUE(d().painted);
    QWidget* late = makeForm("frmLate");
    dock->AddForm(late, FormDocked, EAlignRight);
    settle();
    EXPECT_FALSE(late->isVisible());
    EXPECT_EQ(edge(SideRight).Count(), 0);
    dock->Show("frmLate", EAlignPrevious);
    settle();
    EXPECT_TRUE(late->isVisible());
    EXPECT_EQ(edge(SideRight).Count(), 1);
}
