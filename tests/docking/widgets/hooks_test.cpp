#include "docking/widgets/window_hooks.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

#include <gtest/gtest.h>

using namespace dockable;

namespace {
struct Owner : WndSubClass {
    int calls = 0;
    QWidget* lastWindow = nullptr;
    QEvent::Type lastType = QEvent::None;
    bool handled = false;
    bool WindowProc(QWidget* window, QEvent* event) override {
        ++calls;
        lastWindow = window;
        lastType = event->type();
        return handled;
    }
};

class Probe : public QWidget {
public:
    int own = 0;
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User) {
            ++own;
        }
        return QWidget::event(e);
    }
};
} // namespace

TEST(WindowHooks, EventReachesItsOneOwnerAndGoesOnUnlessHandled) {
    Probe a, b;
    Owner first, second;
    WindowHooks::SubClass(&a, &first);
    WindowHooks::SubClass(&b, &second);
    EXPECT_EQ(WindowHooks::OwnerOf(&a), &first);
    QEvent e(QEvent::User);
    QApplication::sendEvent(&a, &e);
    EXPECT_EQ(first.calls, 1);
    EXPECT_EQ(second.calls, 0);
    EXPECT_EQ(first.lastWindow, &a);
    EXPECT_EQ(first.lastType, QEvent::User);
    EXPECT_EQ(a.own, 1);
    first.handled = true;
    QApplication::sendEvent(&a, &e);
    EXPECT_EQ(a.own, 1); // handled: the window's own handling never saw it
    WindowHooks::UnSubClass(&a);
    EXPECT_EQ(WindowHooks::OwnerOf(&a), nullptr);
    QApplication::sendEvent(&a, &e);
    EXPECT_EQ(first.calls, 2);
    EXPECT_EQ(a.own, 2);
    WindowHooks::UnSubClass(&b);
}

TEST(WindowHooks, AWindowThatGoesIsForgotten) {
    Owner owner;
    auto* w = new QWidget;
    WindowHooks::SubClass(w, &owner);
    const QWidget* gone = w;
    delete w;
    EXPECT_EQ(WindowHooks::OwnerOf(gone), nullptr);
    auto* again = new QWidget; // may take the same address
    QEvent e(QEvent::User);
    QApplication::sendEvent(again, &e);
    EXPECT_EQ(owner.calls, 0);
    delete again;
}
