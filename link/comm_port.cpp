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
    bool releaseAtExit = false;
};

PortHolder& holder() {
    static PortHolder h;
    return h;
}

// The port object is a Qt object: it is closed and deleted while the application object
// still stands (its destructor runs the post routines), not after it at static teardown.
void releaseAtExit() {
    PortHolder& h = holder();
    h.releaseAtExit = false;
    if (h.port && h.port->IsOpen())
        h.port->Close();
    h.port.reset();
    h.number = 0;
}

void releaseWithTheApplication() {
    PortHolder& h = holder();
    if (h.releaseAtExit || !QCoreApplication::instance())
        return;
    h.releaseAtExit = true;
    qAddPostRoutine(releaseAtExit);
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
        releaseWithTheApplication();
    }
    return *h.port;
}

void InstallSeriale(std::unique_ptr<SerialPort> port) {
    PortHolder& h = holder();
    if (h.port && h.port->IsOpen())
        h.port->Close();
    h.port = std::move(port);
    h.number = 0;
    if (h.port) {
        attach(*h.port);
        releaseWithTheApplication();
    }
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
