#include "docking/widgets/window_hooks.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHash>
#include <QWidget>

namespace dockable {

namespace {
class HookFilter final : public QObject {
public:
    QHash<const QObject*, WndSubClass*> owners;

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto it = owners.constFind(watched);
        if (it == owners.constEnd() || !watched->isWidgetType()) {
            return false;
        }
        return it.value()->WindowProc(static_cast<QWidget*>(watched), event);
    }
};

HookFilter& filter() {
    // Lives as long as the library: hooked windows of every control share it.
    static HookFilter* instance = new HookFilter;
    return *instance;
}
} // namespace

void WindowHooks::SubClass(QWidget* window, WndSubClass* owner) {
    if (!window || !owner) {
        return;
    }
    HookFilter& f = filter();
    if (!f.owners.contains(window)) {
        window->installEventFilter(&f);
        QObject::connect(window, &QObject::destroyed, &f,
                         [&f](QObject* gone) { f.owners.remove(gone); });
    }
    f.owners.insert(window, owner);
}

void WindowHooks::UnSubClass(QWidget* window) {
    if (!window) {
        return;
    }
    HookFilter& f = filter();
    if (f.owners.remove(window) > 0) {
        window->removeEventFilter(&f);
        QObject::disconnect(window, &QObject::destroyed, &f, nullptr);
    }
}

WndSubClass* WindowHooks::OwnerOf(const QWidget* window) {
    return filter().owners.value(window, nullptr);
}

} // namespace dockable
