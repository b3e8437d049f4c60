#include "tests/docking/widgets/dock_fixture.h"
#include "tests/docking/widgets/mouse.h"

#include "docking/widgets/form_frame.h"

#include <QSettings>
#include <QToolButton>
#include <QUrl>

#include <functional>

using namespace dockable;
using namespace dockable::test;

namespace {
// What the host does from inside a slot of the control's StateChanged, and what starts it.
enum class SlotCall { RemoveSelf, RemoveOther, AddAndShow, ShowOther, HideSelf, FloatSelf, Delete };
enum class Trigger { Hide, SetState, Remove, DoubleClick, Drop, CloseBox };

const char* name(SlotCall c) {
    switch (c) {
    case SlotCall::RemoveSelf:
        return "RemoveSelf";
    case SlotCall::RemoveOther:
        return "RemoveOther";
    case SlotCall::AddAndShow:
        return "AddAndShow";
    case SlotCall::ShowOther:
        return "ShowOther";
    case SlotCall::HideSelf:
        return "HideSelf";
    case SlotCall::FloatSelf:
        return "FloatSelf";
    case SlotCall::Delete:
        return "Delete";
    }
    return "";
}
const char* name(Trigger t) {
    switch (t) {
    case Trigger::Hide:
        return "Hide";
    case Trigger::SetState:
        return "SetState";
    case Trigger::Remove:
        return "Remove";
    case Trigger::DoubleClick:
        return "DoubleClick";
    case Trigger::Drop:
        return "Drop";
    case Trigger::CloseBox:
        return "CloseBox";
    }
    return "";
}

class ReentryTest : public DockFixture,
                    public ::testing::WithParamInterface<std::tuple<SlotCall, Trigger>> {
protected:
    void SetUp() override {
        DockFixture::SetUp();
        host->move(100, 100);
        showHost();
        a = makeForm("frmA");
        b = makeForm("frmB");
        dock->AddForm(a, FormHidden, EAlignRight);
        dock->AddForm(b, FormHidden, EAlignLeft);
        dock->SetState("frmA", FormDocked);
        dock->SetState("frmB", FormDocked);
        settle();
    }
    QWidget* caption() { return wrapper("frmA").frame()->caption(); }
    QPoint grip() { return caption()->mapToGlobal(QPoint(8, caption()->height() / 2)); }

    void trigger(Trigger t) {
        switch (t) {
        case Trigger::Hide:
            dock->Hide("frmA");
            break;
        case Trigger::SetState:
            dock->SetState("frmA", FormUndocked);
            break;
        case Trigger::Remove:
            dock->RemoveForm("frmA");
            break;
        case Trigger::DoubleClick:
            doubleClick(caption(), grip());
            break;
        case Trigger::Drop: {
            settle();
            const QRect area = screenRect(d().area);
            drag(caption(), grip(), {area.center(), {area.center().x(), area.top() + 10}});
            break;
        }
        case Trigger::CloseBox:
            QTest::mouseClick(wrapper("frmA").frame()->caption()->closeButton(), Qt::LeftButton);
            break;
        }
        settle();
    }

    void call(SlotCall c) {
        switch (c) {
        case SlotCall::RemoveSelf:
            dock->RemoveForm("frmA");
            break;
        case SlotCall::RemoveOther:
            dock->RemoveForm("frmB");
            break;
        case SlotCall::AddAndShow:
            dock->AddForm(makeForm("frmNew"), FormHidden, EAlignBottom);
            dock->Show("frmNew", EAlignBottom);
            break;
        case SlotCall::ShowOther:
            dock->Show("frmB", EAlignBottom);
            break;
        case SlotCall::HideSelf:
            dock->Hide("frmA");
            break;
        case SlotCall::FloatSelf:
            dock->SetState("frmA", FormUndocked);
            break;
        case SlotCall::Delete:
            dock.reset();
            break;
        }
    }

    // Every registered form stands where its state says, and every edge's tree is whole.
    std::string consistency() {
        std::string out;
        for (const auto& f : d().forms) {
            const FormFrame* frame = f->frame();
            const std::string key = f->name().toStdString();
            switch (f->rec.State) {
            case FormDocked:
                if (!f->pane() || !frame || !f->pane()->isAncestorOf(frame) || !frame->isVisible())
                    out += key + " docked outside a pane; ";
                break;
            case FormUndocked:
                if (!frame || !frame->isWindow() || !frame->isVisible() || f->pane())
                    out += key + " floating but not a window on screen; ";
                break;
            default:
                if (frame && frame->isVisible())
                    out += key + " hidden but on screen; ";
            }
        }
        for (int side = 1; side <= 4; ++side) {
            out += edge(side).tree().check();
        }
        return out;
    }

    QPointer<QWidget> a;
    QPointer<QWidget> b;
};
} // namespace

TEST_P(ReentryTest, EveryCallFromAStateChangedSlotLeavesTheControlWhole) {
    const auto [slotCall, how] = GetParam();
    bool called = false;
    QObject::connect(dock.get(), &Dockable::StateChanged, dock.get(), [&, slotCall = slotCall] {
        if (!called) {
            called = true;
            call(slotCall);
        }
    });
    trigger(how);
    ASSERT_TRUE(called);
    if (slotCall == SlotCall::Delete) {
        EXPECT_EQ(dock, nullptr);
        EXPECT_TRUE(a.isNull());
        EXPECT_TRUE(b.isNull());
        return;
    }
    EXPECT_EQ(consistency(), "");
    const bool aRemoved = slotCall == SlotCall::RemoveSelf || how == Trigger::Remove;
    EXPECT_EQ(a.isNull(), aRemoved);
    EXPECT_EQ(d().FormIndex("frmA") < 0, aRemoved);
    EXPECT_EQ(b.isNull(), slotCall == SlotCall::RemoveOther); // never the wrong one unloaded
    if (aRemoved) {
        EXPECT_EQ(dock->State("frmA"), FormHidden);
    }
    switch (slotCall) {
    case SlotCall::RemoveSelf:
        EXPECT_EQ(dock->State("frmB"), FormDocked);
        break;
    case SlotCall::RemoveOther:
        break;
    case SlotCall::AddAndShow:
        EXPECT_EQ(dock->State("frmNew"), FormDocked);
        break;
    case SlotCall::ShowOther:
        EXPECT_EQ(dock->State("frmB"), FormDocked);
        EXPECT_EQ(wrapper("frmB").rec.AlignWhenDocked, SideBottom);
        break;
    case SlotCall::HideSelf:
        EXPECT_EQ(dock->State("frmA"), FormHidden);
        break;
    case SlotCall::FloatSelf:
        EXPECT_EQ(dock->State("frmA"), aRemoved ? FormHidden : FormUndocked);
        break;
    case SlotCall::Delete:
        break;
    }
    // The control still works afterwards.
    dock->Show("frmB", EAlignTop);
    settle();
    EXPECT_EQ(consistency(), "");
}

INSTANTIATE_TEST_SUITE_P(
    SlotCalls, ReentryTest,
    ::testing::Combine(::testing::Values(SlotCall::RemoveSelf, SlotCall::RemoveOther,
                                         SlotCall::AddAndShow, SlotCall::ShowOther,
                                         SlotCall::HideSelf, SlotCall::FloatSelf, SlotCall::Delete),
                       ::testing::Values(Trigger::Hide, Trigger::SetState, Trigger::Remove,
                                         Trigger::DoubleClick, Trigger::Drop, Trigger::CloseBox)),
    [](const auto& info) {
        return std::string(name(std::get<0>(info.param))) + "From" + name(std::get<1>(info.param));
    });

namespace {
class ErrorSlotTest : public DockFixture {};
} // namespace

// The stored layout that does not read is told by Error while the first paint runs: a host
// that ends the control there has no control left to go on with.
TEST_F(ErrorSlotTest, TheControlMayBeDeletedFromItsErrorSlot) {
    QPointer<QWidget> a = makeForm("frmA");
    dock->AddForm(a, FormDocked, EAlignLeft);
    {
        QSettings stored(dir.filePath("layout.ini"), QSettings::IniFormat);
        const QString app = QString::fromLatin1(QUrl::toPercentEncoding(dock->AppName()));
        stored.setValue(app + "/frma/state", "docked");
    }
    QObject::connect(dock.get(), &Dockable::Error, dock.get(), [this] { dock.reset(); });
    showHost();
    EXPECT_EQ(dock, nullptr);
    EXPECT_TRUE(a.isNull());
}
