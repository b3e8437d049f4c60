#pragma once

#include <QString>
#include <QStringList>

// Port numbers 1..10 of the port menu stand for serial devices of this machine. Port n is
// the device named in the environment variable CORVANEL_COM<n> when that is set, else the
// n-th serial device: USB and ACM adapters first, then the rest, each group by name.

inline constexpr int FirstPortNumber = 1;
inline constexpr int LastPortNumber = 10;

// The environment variable that names port n's device.
QByteArray PortOverrideVariable(int portNumber);

// Device names (as QSerialPortInfo gives them, "ttyUSB0") in port order.
QStringList OrderSerialDevices(QStringList names);

// The device path of port n; empty when there is no such port.
QString PortPathFor(int portNumber);
// The same against a given list of device names (in any order), for tests.
QString PortPathFor(int portNumber, const QStringList& deviceNames);

// The serial devices of this machine, by name ("ttyUSB0", "ttyS0"), in no set order.
QStringList MachineSerialDevices();

// What the port menu shows beside the number: the device's name ("ttyUSB0"), the override's
// path as given, or empty when there is no such device.
QString PortDeviceLabel(int portNumber, const QStringList& deviceNames);
