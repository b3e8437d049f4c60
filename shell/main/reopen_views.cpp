#include "shell/main/reopen_views.h"

#include "core/error_report.h"
#include "core/options.h"
#include "platform/busy_pointer.h"
#include "shell/main/main_hooks.h"
#include "shell/main/toolbar_buttons.h"

#include <QMdiSubWindow>
#include <QRect>
#include <QWidget>

#include <array>

namespace {
// The window whose place the user sees: the child-window frame around a view in the MDI
// area, else the view itself.
QWidget* frameOf(QWidget* view) {
    if (!view)
        return nullptr;
    if (auto* frame = qobject_cast<QMdiSubWindow*>(view->parentWidget()))
        return frame;
    return view;
}

struct Noted {
    bool wasOpen = false;
    QRect place;
};
} // namespace

void ReopenViews(const std::function<void(Button button)>& dispatch) {
    BusyPointer busy; // for the length of the reopening
    MainWindowHooks& hooks = MainWindowHook();
    struct ViewSlot {
        MainWindowHooks::View* view;
        bool wanted;
        Button button;
    };
    const OptionsRecord& options = Options();
    const std::array<ViewSlot, 3> views{{
        {&hooks.GraphTe, options.OpenGraphTeOnLoad, Button::GraphTe},
        {&hooks.GraphSt, options.OpenGraphStOnLoad, Button::GraphSt},
        {&hooks.Source, options.OpenSourceOnLoad, Button::Source},
    }};
    std::array<Noted, 3> noted{};
    for (size_t i = 0; i < views.size(); ++i) {
        MainWindowHooks::View& view = *views[i].view;
        if (!view.IsOpen || !view.IsOpen())
            continue;
        noted[i].wasOpen = true;
        if (QWidget* frame = frameOf(view.Window ? view.Window() : nullptr))
            noted[i].place = frame->geometry();
        if (view.Unload)
            view.Unload();
    }
    if (hooks.UnloadGraphRf)
        hooks.UnloadGraphRf();

    Trapped("OpenRequestedForms", [&] {
        for (size_t i = 0; i < views.size(); ++i) {
            if (!noted[i].wasOpen && !views[i].wanted)
                continue;
            dispatch(views[i].button);
            MainWindowHooks::View& view = *views[i].view;
            if (!noted[i].wasOpen || !noted[i].place.isValid() || !view.Window)
                continue;
            QWidget* frame = frameOf(view.Window());
            if (frame && (frame->windowState() &
                          (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) == 0)
                frame->setGeometry(noted[i].place);
        }
        dispatch(Button::Tile);
    });
}
