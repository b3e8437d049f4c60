#include "shell/wiring/wire_link.h"

#include "core/language.h"
#include "core/program_events.h"
#include "link/comm_port.h"
#include "platform/serial/port_names.h"
#include "shell/main/frm_main.h"
#include "shell/main/picture_store.h"

#include <QAction>
#include <QApplication>

void ConnectLinkToMainWindow(frmMain& window) {
    SetPortResolver([](int portNumber) { return PortPathFor(portNumber); });
    // Each answer lives as long as the window: the connection ends with it.
    ProgramEvents& events = Events();
    frmMain* target = &window;
    QObject::connect(
        &events, &ProgramEvents::CommStatus, target,
        [target](int picture, const QString& text) { target->SetCommStatus(picture, text); });
    QObject::connect(&events, &ProgramEvents::StatusText, target,
                     [target](const QString& text) { target->SetPanelText(text); });
    QObject::connect(&events, &ProgramEvents::LinkStateChanged, target, [target](bool connected) {
        target->ToolbarButton(Button::Connect)->setEnabled(!connected);
    });
    QObject::connect(&events, &ProgramEvents::PortLost, target, [target] {
        for (int i = 0; i < PortMenuItems; ++i)
            target->PortItem(i)->setChecked(false);
        target->SetCommStatus(StatusPicture::CommOff, ResString(5));
    });
    QObject::connect(&events, &ProgramEvents::BusyPointer, target, [](bool busy) {
        if (busy)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else if (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
    });
}
