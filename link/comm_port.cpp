#include "link/comm_port.h"
#include "core/program_events.h"

#include "link/comm_state.h"
#include "link/connection.h"
#include "link/exchange.h"
#include "link/link_hooks.h"
#include "platform/serial/qt_serial_port.h"

#include <QCoreApplication>

namespace {
struct PortHolder {
    std::unique_ptr<SerialPort> port;
    PortResolver resolver;
    int number = 0;
    ~PortHolder() {
        // At the very end of the program the application object may be gone already; a
        // port object is then left to the system rather than torn down without it.
        if (!QCoreApplication::instance())
            (void)port.release();
    }
};

PortHolder& holder() {
    static PortHolder h;
    return h;
}

void portLost() {
    holder().number = 0;
    // A lost port ends the link once; later failures find the port closed and stay quiet.
    if (CommState().Connected)
        DropCommunication();
    emit Events().PortLost();
}

void attach(SerialPort& port) {
    port.SetReceiveHandler([] { SerialReceiveEvent(); });
    port.SetLostHandler([] { portLost(); });
}
} // namespace

SerialPort& Seriale() {
    PortHolder& h = holder();
    if (!h.port) {
        h.port = std::make_unique<QtSerialPort>();
        attach(*h.port);
    }
    return *h.port;
}

void InstallSeriale(std::unique_ptr<SerialPort> port) {
    PortHolder& h = holder();
    if (h.port && h.port->IsOpen())
        h.port->Close();
    h.port = std::move(port);
    h.number = 0;
    if (h.port)
        attach(*h.port);
}

void SetPortResolver(PortResolver resolver) {
    holder().resolver = std::move(resolver);
}

QString ResolvePortPath(int portNumber) {
    if (holder().resolver)
        return holder().resolver(portNumber);
    return qEnvironmentVariable(QStringLiteral("CORVANEL_COM%1").arg(portNumber).toLatin1());
}

bool OpenCommPort(int portNumber, SerialError* error) {
    CloseCommPort();
    SerialPort& port = Seriale();
    if (!port.Open(ResolvePortPath(portNumber), error))
        return false;
    holder().number = portNumber;
    return true;
}

void CloseCommPort() {
    SerialPort& port = Seriale();
    const bool wasOpen = port.IsOpen();
    if (wasOpen)
        port.Close();
    holder().number = 0;
    if (wasOpen && CommState().Connected)
        DropCommunication();
}

int CommPortNumber() {
    return Seriale().IsOpen() ? holder().number : 0;
}
