#pragma once

#include "platform/serial/serial_port.h"

#include <QString>

#include <functional>
#include <memory>

// The instrument's serial port (the old main window's control "Seriale"). The link owns the
// one port object of the program; the port menu asks the link to open port n, and the main
// window's receive event calls SerialReceiveEvent() (exchange.h).
SerialPort& Seriale();
// Replaces the port object (tests install a fake). The link's receive and lost handlers are
// set on it; an open old port is closed first.
void InstallSeriale(std::unique_ptr<SerialPort> port);

// Turns a port number 1..10 into a device path. The port menu's naming module registers
// its resolver; until then CORVANEL_COM<n> from the environment is used.
using PortResolver = std::function<QString(int portNumber)>;
void SetPortResolver(PortResolver resolver);
QString ResolvePortPath(int portNumber);

// Closes the port when open, then opens port n. On failure the port stays closed and the
// reason is given. Either way a link that was up is dropped (the instrument behind the old
// port is gone).
bool OpenCommPort(int portNumber, SerialError* error = nullptr);
// Closes the port; a link that was up is dropped.
void CloseCommPort();
// Number of the open port (the old control's CommPort), 0 while no port is open.
int CommPortNumber();
