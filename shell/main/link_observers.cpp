#include "shell/main/link_observers.h"

#include "core/language.h"
#include "core/program_events.h"
#include "link/comm_port.h"
#include "link/link_hooks.h"
#include "platform/serial/port_names.h"
#include "shell/main/frm_main.h"
#include "shell/main/picture_store.h"

#include <QAction>
#include <QApplication>
#include <QPointer>

void ConnectLinkToMainWindow(frmMain& window) {
    SetPortResolver([](int portNumber) { return PortPathFor(portNumber); });
    QPointer<frmMain> target(&window);
    LinkObservers& link = LinkObserver();
    link.CommStatus = [target](CommPicture picture, const QString& text) {
        if (target)
            target->SetCommStatus(static_cast<int>(picture), text);
    };
    link.PanelText = [target](const QString& text) {
        if (target)
            target->SetPanelText(text);
    };
    link.ConnectedChanged = [target](bool connected) {
        if (target)
            target->ToolbarButton(Button::Connect)->setEnabled(!connected);
    };
    link.PortLost = [target] {
        if (!target)
            return;
        for (int i = 0; i < PortMenuItems; ++i)
            target->PortItem(i)->setChecked(false);
        target->SetCommStatus(StatusPicture::CommOff, ResString(5));
    };
    link.BusyPointer = [](bool busy) {
        if (busy)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else if (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
    };

    // The same answers to the broadcasts, for as long as this window stands.
    ProgramEvents& events = Events();
    QObject::connect(&events, &ProgramEvents::CommStatus, &window,
                     [target](int picture, const QString& text) {
                         if (target)
                             target->SetCommStatus(picture, text);
                     });
    QObject::connect(&events, &ProgramEvents::LinkStateChanged, &window, [target](bool connected) {
        if (target)
            target->ToolbarButton(Button::Connect)->setEnabled(!connected);
    });
    QObject::connect(&events, &ProgramEvents::PortLost, &window,
                     [portLost = link.PortLost] { portLost(); });
    QObject::connect(&events, &ProgramEvents::BusyPointer, &window,
                     [busy = link.BusyPointer](bool on) { busy(on); });
}
