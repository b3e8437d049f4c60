#pragma once

#include <QObject>

class QEvent;
class QWidget;

namespace dockable {

// An object that takes over the events of a window it owns.
class WndSubClass {
public:
    virtual ~WndSubClass() = default;
    // True when the event was handled and goes no further; false passes it on to the
    // window's own handling.
    virtual bool WindowProc(QWidget* window, QEvent* event) = 0;
};

// The one event filter of the library: every hooked window's events reach its owner here,
// the owner found from the window. No owner is kept alive by it; a window that goes away
// is forgotten.
namespace WindowHooks {
void SubClass(QWidget* window, WndSubClass* owner);
void UnSubClass(QWidget* window);
// The owner of a hooked window, nullptr when it has none.
WndSubClass* OwnerOf(const QWidget* window);
} // namespace WindowHooks

} // namespace dockable
