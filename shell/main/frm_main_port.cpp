// The port menu and the serial port's receive event.
#include "shell/main/frm_main.h"

#include "core/language.h"
#include "core/message_box.h"
#include "link/comm_port.h"
#include "link/exchange.h"
#include "platform/serial/port_names.h"
#include "shell/main/picture_store.h"

#include <QAction>

void frmMain::refreshPortCaptions() {
    const QStringList devices = MachineSerialDevices();
    for (int i = 0; i < PortMenuItems; ++i) {
        const QString device = PortDeviceLabel(i + 1, devices);
        QString caption = QStringLiteral("Com %1").arg(i + 1);
        if (!device.isEmpty())
            caption += QStringLiteral("  (") + device + u')';
        portItems_[static_cast<size_t>(i)]->setText(caption);
    }
}

void frmMain::mnuSubSubMonitor_Click(int index) {
    for (QAction* port : portItems_)
        port->setChecked(false);
    SerialError why = SerialError::Missing;
    bool opened = false;
    if (index >= 0 && index < PortMenuItems)
        opened = OpenCommPort(index + 1, &why);
    else
        CloseCommPort();
    if (opened) {
        portItems_[static_cast<size_t>(index)]->setChecked(true);
        SetCommStatus(StatusPicture::CommOk, ResString(3042));
        return;
    }
    QString message = ResString(6);
    if (why == SerialError::PermissionDenied)
        message += QStringLiteral("\n\n") + ResString(4192);
    MessBox(message, QString(), -1, -1);
    SetCommStatus(StatusPicture::CommOff, ResString(5));
}

bool frmMain::PortOpen() const {
    return Seriale().IsOpen();
}

int frmMain::CommPort() const {
    return CommPortNumber();
}

// The link decides what the bytes are: with no command in flight they are thrown away;
// otherwise the reply time-out stops, receive events stay off until the next send and the
// reply is read.
void frmMain::Seriale_OnComm() {
    SerialReceiveEvent();
}
