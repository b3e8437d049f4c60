#pragma once

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>

// The busy pointer for the life of the object, restored however the scope ends. Without a
// graphical application (a program that only reads files) it does nothing.
class BusyPointer {
public:
    BusyPointer() : shown_(qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        if (shown_)
            QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    }
    ~BusyPointer() {
        if (shown_)
            QGuiApplication::restoreOverrideCursor();
    }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    bool shown_;
};
