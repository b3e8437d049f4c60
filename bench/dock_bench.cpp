// The docking library on screen: a drag's outline following the mouse, and the full
// relayout of four edges holding twelve panes after the host is resized; each against the
// least work the same screen change needs (the outline window alone, twelve plain widgets
// placed in a grid). One frame is 16 ms.
#include "bench/bench_main.h"
#include "docking/dockable.h"
#include "docking/widgets/dockable_private.h"
#include "docking/widgets/form_frame.h"
#include "docking/widgets/outline_window.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMouseEvent>

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {
using namespace dockable;

void send(QWidget* w, QEvent::Type type, QPoint global, Qt::MouseButton button,
          Qt::MouseButtons buttons) {
    const QPointF local = w->mapFromGlobal(QPointF(global));
    QMouseEvent e(type, local, local, QPointF(global), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// A host of 1000 x 700 with three forms docked on each of its four edges.
struct Host {
    QMainWindow window;
    std::unique_ptr<Dockable> dock;

    Host() {
        window.setCentralWidget(new QLabel("central"));
        window.resize(1000, 700);
        window.move(50, 50);
        dock = std::make_unique<Dockable>(&window);
        dock->ReadProperties({{"Persistant", false}});
        for (int side = 1; side <= 4; ++side) {
            QString previous;
            for (int i = 0; i < 3; ++i) {
                const QString key = QStringLiteral("frm%1_%2").arg(side).arg(i);
                auto* form = new QLabel(key);
                form->setObjectName(key);
                form->resize(200, 150);
                dock->AddForm(form, FormHidden, side);
                const int beside = side == 1 || side == 2 ? HAlignRight : HAlignBottom;
                dock->Show(key, side, previous, beside, 500);
                previous = key;
            }
        }
        dock->SetLeftEdgeWidth(2400);
        dock->SetRightEdgeWidth(2400);
        dock->SetTopEdgeHeight(1800);
        dock->SetBottomEdgeHeight(1800);
        window.show();
        settle();
    }
    DockablePrivate& d() { return DockablePrivate::of(*dock); }
};

// From a mouse move on the caption of a docked form to the outline repainted.
void DragOutlineFollowsTheMouse(benchmark::State& state) {
    Host host;
    DockForm* form = host.d().form("frm4_0");
    QWidget* caption = form->frame()->caption();
    const QPoint grip = caption->mapToGlobal(QPoint(8, 5));
    const QRect area(host.d().area->mapToGlobal(QPoint(0, 0)), host.d().area->size());
    // Into the open, over another pane's halves, back into the open.
    const QPoint path[] = {area.center(), area.center() + QPoint(7, 3),
                           host.d().form("frm3_1")->pane()->mapToGlobal(QPoint(20, 20)),
                           host.d().form("frm3_1")->pane()->mapToGlobal(QPoint(20, 120)),
                           area.center() + QPoint(-40, 25)};
    send(caption, QEvent::MouseButtonPress, grip, Qt::LeftButton, Qt::LeftButton);
    send(caption, QEvent::MouseMove, path[0], Qt::NoButton, Qt::LeftButton);
    settle(); // the outline window is on the screen from here on
    const int before = host.d().outlineWindow().repaints();
    std::size_t i = 0;
    for (auto _ : state) {
        send(caption, QEvent::MouseMove, path[i++ % std::size(path)], Qt::NoButton, Qt::LeftButton);
    }
    state.counters["repaints"] = host.d().outlineWindow().repaints() - before;
    form->captionDoubleClick(); // ends the drag without a drop
    settle();
}

// The least work: the same outline window moved and repainted to the same rectangles.
void OutlineWindowAlone(benchmark::State& state) {
    Host host;
    OutlineWindow& outline = host.d().outlineWindow();
    const Rect rects[] = {Rect::fromSize(500, 400, 200, 160), Rect::fromSize(507, 403, 200, 160),
                          Rect::fromSize(60, 120, 150, 120), Rect::fromSize(60, 250, 150, 120),
                          Rect::fromSize(460, 425, 200, 160)};
    outline.showOutline(rects[0], 4);
    settle();
    const int before = outline.repaints();
    std::size_t i = 0;
    for (auto _ : state) {
        outline.showOutline(rects[i++ % std::size(rects)], 4);
    }
    state.counters["repaints"] = outline.repaints() - before;
    outline.hideOutline();
}

// The host's docking area resized (as the main window's layout does when the host is):
// every edge, pane, splitter and form laid out again.
void RelayoutFourEdgesTwelvePanes(benchmark::State& state) {
    Host host;
    QWidget* area = host.d().area;
    const QSize sizes[] = {QSize(1000, 700), QSize(1040, 730)};
    std::size_t i = 0;
    for (auto _ : state) {
        area->resize(sizes[i++ % 2]);
        if (state.range(0)) {
            area->repaint();
        }
    }
    state.SetLabel(state.range(0) ? "with repaint" : "geometry");
}

// The least work: twelve plain widgets in a plain container, placed in the same bands.
void TwelvePlainWidgetsPlaced(benchmark::State& state) {
    QWidget container;
    container.resize(1000, 700);
    std::vector<QLabel*> panes;
    for (int i = 0; i < 12; ++i) {
        panes.push_back(new QLabel(QStringLiteral("pane %1").arg(i), &container));
    }
    container.show();
    settle();
    const QSize sizes[] = {QSize(1000, 700), QSize(1040, 730)};
    std::size_t n = 0;
    for (auto _ : state) {
        const QSize s = sizes[n++ % 2];
        container.resize(s);
        for (int i = 0; i < 12; ++i) {
            const int band = i / 3;
            const int part = i % 3;
            if (band < 2) {
                panes[i]->setGeometry(part * s.width() / 3, band ? s.height() - 120 : 0,
                                      s.width() / 3 - 6, 114);
            } else {
                panes[i]->setGeometry(band == 2 ? 0 : s.width() - 160,
                                      120 + part * (s.height() - 240) / 3, 154,
                                      (s.height() - 240) / 3 - 6);
            }
        }
        if (state.range(0)) {
            container.repaint();
        }
    }
    state.SetLabel(state.range(0) ? "with repaint" : "geometry");
}

BENCHMARK(DragOutlineFollowsTheMouse)->Unit(benchmark::kMicrosecond);
BENCHMARK(OutlineWindowAlone)->Unit(benchmark::kMicrosecond);
BENCHMARK(RelayoutFourEdgesTwelvePanes)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(TwelvePlainWidgetsPlaced)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
} // namespace

int main(int argc, char** argv) {
    return RunBenchmarks<QApplication>(argc, argv);
}
