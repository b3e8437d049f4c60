#include "tests/docking/widgets/dock_fixture.h"
#include "tests/docking/widgets/mouse.h"

#include "docking/widgets/form_frame.h"

#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QTimer>
#include <QUrl>

using namespace dockable;
using namespace dockable::test;

namespace {
// Runs of a small host, one after the other, on one layout file.
class PersistenceTest : public DockFixture {
protected:
    // A new run: a new host and control on the same file, with two forms registered.
    void newRun() {
        dock.reset();
        host.reset();
        settle();
        host = std::make_unique<QMainWindow>();
        host->setCentralWidget(new QLabel("central"));
        host->resize(800, 600);
        host->move(100, 100);
        dock = std::make_unique<Dockable>(host.get());
        dock->SetSettingsFile(file());
        errors = std::make_unique<QSignalSpy>(dock.get(), &Dockable::Error);
        dock->AddForm(makeForm("frmA"), FormHidden, EAlignLeft);
        dock->AddForm(makeForm("frmB"), FormHidden, EAlignLeft);
        dock->AddForm(makeForm("frmC"), FormHidden, EAlignRight);
    }
    QString file() const { return dir.filePath("layout.ini"); }
    // The layout as the user sees it.
    QString layout() {
        QStringList parts;
        for (const char* key : {"frmA", "frmB", "frmC"}) {
            const FormRecord& r = wrapper(key).rec;
            parts.append(QStringLiteral("%1:%2/%3/%4/%5/%6")
                             .arg(key)
                             .arg(r.State)
                             .arg(r.AlignWhenDocked)
                             .arg(r.HostPane)
                             .arg(r.AlignToHostPane)
                             .arg(r.HostSplitProMille));
            if (r.State == FormUndocked) {
                parts.append(QStringLiteral("at %1,%2 %3x%4")
                                 .arg(wrapper(key).frame()->x())
                                 .arg(wrapper(key).frame()->y())
                                 .arg(wrapper(key).frame()->width())
                                 .arg(wrapper(key).frame()->height()));
            }
        }
        for (int side = 1; side <= 4; ++side) {
            parts.append(QStringLiteral("edge%1=%2").arg(side).arg(edge(side).DWidth()));
            const SplitTree& t = edge(side).tree();
            for (int i = 1; i <= t.Count(); ++i) {
                if (!t.slot(i).Deleted && t.slot(i).IsSplitter) {
                    parts.append(QStringLiteral("split%1 %2 %3")
                                     .arg(side)
                                     .arg(t.slot(i).SplitPromille)
                                     .arg(t.slot(i).Child2Align));
                }
            }
        }
        return parts.join(' ');
    }
};
} // namespace

TEST_F(PersistenceTest, TheNextRunGetsTheSameLayoutBack) {
    newRun();
    showHost();
    // Two forms docked left, one split below the other; the third dragged out to float.
    dock->Show("frmA", EAlignLeft);
    dock->Show("frmB", EAlignLeft, "frmA", HAlignBottom, 500);
    dock->Show("frmC", EAlignRight);
    SplitterBar* bar = edge(SideLeft).splitter(2);
    ASSERT_NE(bar, nullptr);
    drag(bar, centreOf(bar), {centreOf(bar) + QPoint(0, 60)});
    QWidget* caption = wrapper("frmC").frame()->caption();
    const QPoint grip = caption->mapToGlobal(QPoint(8, 5));
    drag(caption, grip, {screenRect(d().area).center() + QPoint(30, 0)});
    settle();
    dock->SetRightEdgeWidth(2000);
    ASSERT_EQ(dock->State("frmC"), FormUndocked);
    const QString first = layout();

    newRun();
    showHost();
    EXPECT_EQ(layout().toStdString(), first.toStdString());
    EXPECT_EQ(errors->count(), 0);
}

TEST_F(PersistenceTest, RemovalStoresTheLayoutAsItWasThenAndOnlyOnce) {
    newRun();
    showHost();
    dock->Show("frmA", EAlignTop);
    const QString app = QString::fromLatin1(QUrl::toPercentEncoding(dock->AppName()));
    dock->RemoveForm("frmB");
    dock->Show("frmA", EAlignBottom); // after the removal: not stored any more
    dock.reset();
    QSettings stored(file(), QSettings::IniFormat);
    EXPECT_EQ(stored.value(app + "/frma/alignwhendocked").toString(), "1");
    EXPECT_EQ(stored.value(app + "/frma/state").toString(), "1");
    EXPECT_EQ(stored.value(app + "/frmb/state").toString(), "0");
    EXPECT_EQ(stored.value(app + "/edges/left").toString(), "67");
}

TEST_F(PersistenceTest, NotPersistentClearsTheStoredLayoutAtTheFirstPaint) {
    newRun();
    showHost();
    dock->Show("frmA", EAlignTop);
    newRun(); // stores frmA docked on top
    dock->ReadProperties({{"Persistant", false}});
    showHost();
    EXPECT_EQ(dock->State("frmA"), FormHidden);
    QSettings stored(file(), QSettings::IniFormat);
    EXPECT_TRUE(stored.allKeys().isEmpty());
    dock->Show("frmA", EAlignTop);
    newRun();
    dock->ReadProperties({{"Persistant", false}});
    showHost();
    EXPECT_EQ(dock->State("frmA"), FormHidden); // nothing was stored by the run before
}

TEST_F(PersistenceTest, AStoredLayoutThatDoesNotReadIsLeftAsideWithOneError) {
    newRun();
    showHost();
    dock->Show("frmA", EAlignTop);
    dock->Show("frmC", EAlignRight);
    newRun();
    {
        QSettings stored(file(), QSettings::IniFormat);
        const QString app = QString::fromLatin1(QUrl::toPercentEncoding(dock->AppName()));
        stored.setValue(app + "/frmc/alignwhendocked", "right");
    }
    showHost();
    ASSERT_EQ(errors->count(), 1);
    EXPECT_TRUE(errors->at(0).at(0).toString().startsWith(
        "Method Paint Failed: stored layout not readable, not used (frmC/AlignWhenDocked)"));
    // Nothing of it was taken: every form stands as this run registered it.
    EXPECT_EQ(dock->State("frmA"), FormHidden);
    EXPECT_EQ(dock->State("frmC"), FormHidden);
    dock->Show("frmA", EAlignPrevious);
    EXPECT_EQ(wrapper("frmA").rec.AlignWhenDocked, SideLeft); // as registered, not the top
}

TEST_F(PersistenceTest, TheWholeHostPathNamesTheLayout) {
    newRun();
    const QString app = dock->AppName();
    EXPECT_EQ(app, '"' + QCoreApplication::applicationFilePath() + '"');
    EXPECT_GT(app.size(), 2);
}

// The host ends the usual ways, inside its event loop: the application quits, or its main
// window is closed. Neither is the user's close of a floating form, and the control ends
// itself with its host, storing the layout then.
TEST_F(PersistenceTest, AFormFloatingWhenTheHostEndsFloatsAgainInTheNextRun) {
    enum class Ending { Quit, CloseHost };
    for (Ending ending : {Ending::Quit, Ending::CloseHost}) {
        SCOPED_TRACE(ending == Ending::Quit ? "quit" : "host closed");
        QFile::remove(file());
        newRun();
        showHost();
        dock->Show("frmA", EAlignLeft);
        dock->Show("frmC", NoEAlign);
        QWidget* caption = wrapper("frmC").frame()->caption();
        drag(caption, caption->mapToGlobal(QPoint(8, 5)), {screenRect(d().area).center()});
        settle();
        ASSERT_EQ(dock->State("frmC"), FormUndocked);
        const QString first = layout();
        QPointer<QWidget> floating = wrapper("frmC").form();

        QTimer::singleShot(0, host.get(), [this, ending] {
            if (ending == Ending::Quit) {
                QApplication::quit();
            } else {
                host->close();
            }
        });
        QTimer::singleShot(5000, [] { QCoreApplication::exit(1); }); // never hangs the run
        ASSERT_EQ(QApplication::exec(), 0);
        settle();
        // Ended with its host: the forms were let go and the layout stored before the
        // control object itself goes.
        EXPECT_TRUE(floating.isNull());
        EXPECT_TRUE(QSettings(file(), QSettings::IniFormat).allKeys().size() > 0);

        newRun();
        showHost();
        EXPECT_EQ(layout().toStdString(), first.toStdString());
        EXPECT_EQ(errors->count(), 0);
    }
}

// Placements stored by another screen layout, or by nobody this control knows.
TEST_F(PersistenceTest, StoredPlacementsComeBackOnAScreenAtAUsableSize) {
    const struct {
        int left, top, width, height;
    } cases[] = {{120, 2000000000, 300, 2000000000},
                 {-5000, -5000, 300, 200},
                 {100000, 100000, 300, 200},
                 {150, 150, 1, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1,%2 %3x%4")
                         .arg(c.left)
                         .arg(c.top)
                         .arg(c.width)
                         .arg(c.height)
                         .toStdString());
        QFile::remove(file());
        newRun();
        {
            QSettings stored(file(), QSettings::IniFormat);
            const QString s =
                QString::fromLatin1(QUrl::toPercentEncoding(dock->AppName())) + "/frmc/";
            stored.setValue(s + "state", "2");
            stored.setValue(s + "statewhenvisible", "2");
            stored.setValue(s + "leftwhenundocked", QString::number(c.left));
            stored.setValue(s + "topwhenundocked", QString::number(c.top));
            stored.setValue(s + "widthwhenundocked", QString::number(c.width));
            stored.setValue(s + "heightwhenundocked", QString::number(c.height));
        }
        showHost();
        ASSERT_EQ(dock->State("frmC"), FormUndocked);
        const FormFrame* frame = wrapper("frmC").frame();
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        const QRect caption(frame->pos(), QSize(frame->width(), frame->captionHeight()));
        EXPECT_TRUE(screen.contains(caption)) << frame->x() << "," << frame->y();
        EXPECT_GE(frame->width(), frame->minimumFloatingSize().width());
        EXPECT_GE(frame->height(), frame->minimumFloatingSize().height());
        EXPECT_EQ(errors->count(), 0);
    }
}
