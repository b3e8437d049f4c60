#pragma once

#include "docking/dockable.h"
#include "docking/widgets/dockable_private.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace dockable::test {

// A host window 800 x 600 with a central widget, and a control on it whose layout store
// is a file of its own.
class DockFixture : public ::testing::Test {
protected:
    void SetUp() override {
        host = std::make_unique<QMainWindow>();
        host->setObjectName("frmHost");
        central = new QLabel("central");
        host->setCentralWidget(central);
        host->resize(800, 600);
        dock = std::make_unique<Dockable>(host.get());
        dock->SetSettingsFile(dir.filePath("layout.ini"));
        errors = std::make_unique<QSignalSpy>(dock.get(), &Dockable::Error);
    }
    void TearDown() override {
        dock.reset();
        host.reset();
        settle();
    }

    // A form of that name, 200 x 150.
    QWidget* makeForm(const QString& name, const QString& title = QString()) {
        auto* form = new QLabel(name);
        form->setObjectName(name);
        form->setWindowTitle(title.isEmpty() ? name : title);
        form->resize(200, 150);
        return form;
    }
    void showHost() {
        host->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(host.get()));
        settle();
    }
    // Runs what was deferred (drops, deletions, the first layout pass).
    static void settle() {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
    DockablePrivate& d() const { return DockablePrivate::of(*dock); }
    DockForm& wrapper(const QString& key) const { return *d().form(key); }
    DockEdge& edge(int side) const { return *d().edge(side); }
    // The frame's geometry on screen.
    static QRect screenRect(const QWidget* w) {
        return QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
    }

    QTemporaryDir dir;
    std::unique_ptr<QMainWindow> host;
    QLabel* central = nullptr;
    std::unique_ptr<Dockable> dock;
    std::unique_ptr<QSignalSpy> errors;
};

} // namespace dockable::test
