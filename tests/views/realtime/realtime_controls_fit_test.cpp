// The chart options beside the real-time view's trend chart, at the size the window opens
// at, in both languages: every caption whole, no control on another, and what the frame
// cannot show at once within reach of its scroll bar.
#include "core/options.h"
#include "data/live/realtime_set.h"
#include "tests/support/language_scope.h"
#include "views/realtime/frm_view.h"
#include "views/realtime/vector_drawing.h"
#include "views/windows/single_window.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QWidget>

namespace {
class RealTimeControlsFitTest : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        SetDefaultOptions(Options());
        ResetRealTimeSet();
        view = &Window<frmView>().Load();
        view->resize(view->sizeHint());
        view->show();
        QCoreApplication::processEvents();
    }
    void TearDown() override {
        Window<frmView>().Unload();
        ResetRealTimeSet();
    }

    LanguageScope language{GetParam()};
    frmView* view = nullptr;
};

TEST_P(RealTimeControlsFitTest, EveryOptionStandsWholeAndApartFromTheOthers) {
    QWidget* frame = view->fmeControl;
    ASSERT_LE(frame->geometry().right(), view->width() - 1) << "the frame inside the window";
    auto* scroll = frame->findChild<QScrollArea*>();
    ASSERT_NE(scroll, nullptr);
    QWidget* options = scroll->widget();
    EXPECT_LE(options->width(), scroll->viewport()->width()) << "nothing cut at the right";
    if (options->height() > scroll->viewport()->height())
        EXPECT_TRUE(scroll->verticalScrollBar()->isVisible()) << "the rest scrolls into view";
    QList<QWidget*> controls;
    for (QWidget* w : options->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w->isVisible())
            controls << w;
    ASSERT_EQ(controls.size(), 4 + 4 + 3 + 2) << "labels, lines, hide boxes and two options";
    for (QWidget* w : controls) {
        const QString name = w->objectName();
        EXPECT_TRUE(options->rect().contains(w->geometry())) << name.toStdString();
        EXPECT_GE(w->width(), w->sizeHint().width()) << name.toStdString() << " is cut";
        EXPECT_GE(w->height(), w->minimumSizeHint().height()) << name.toStdString() << " is cut";
        for (QWidget* other : controls)
            if (other != w)
                EXPECT_FALSE(w->geometry().intersects(other->geometry()))
                    << name.toStdString() << " lies on " << other->objectName().toStdString();
    }
}

// A window taller than it is wide gives the drawing its square and the measures frame its
// narrowest width: the start and stop buttons under it still show their whole captions.
TEST_P(RealTimeControlsFitTest, TheStartAndStopButtonsKeepTheirCaptionsInATallWindow) {
    for (const QSize size : {QSize(600, 410), QSize(640, 560), QSize(700, 900)}) {
        view->resize(size);
        QCoreApplication::processEvents();
        for (QPushButton* button : {view->btnStartRealTime, view->btnStopRealTime}) {
            EXPECT_GE(button->width(), button->sizeHint().width())
                << button->text().toStdString() << " cut at " << size.width() << "x"
                << size.height();
            EXPECT_LE(button->geometry().right(), view->width() - 1);
        }
        EXPECT_FALSE(
            view->btnStartRealTime->geometry().intersects(view->btnStopRealTime->geometry()));
        EXPECT_GT(view->Disegno->width(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, RealTimeControlsFitTest, ::testing::Values(0, 1),
                         [](const auto& info) {
                             return info.param == 0 ? std::string("Italian")
                                                    : std::string("English");
                         });
} // namespace
