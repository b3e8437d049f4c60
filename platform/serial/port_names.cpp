#include "platform/serial/port_names.h"

#include <QSerialPortInfo>
#include <QtGlobal>

#include <algorithm>

namespace {
// USB serial adapters and modems (CDC ACM) are what an instrument cable shows up as, so they
// come before the machine's built-in ports.
bool isAdapter(const QString& name) {
    return name.startsWith(QLatin1String("ttyUSB")) || name.startsWith(QLatin1String("ttyACM"));
}

QString overrideFor(int portNumber) {
    return qEnvironmentVariable(PortOverrideVariable(portNumber).constData());
}

// Compares names with the numbers inside them taken as numbers: ttyS2 before ttyS10.
int compareNames(const QString& a, const QString& b) {
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (a.at(i).isDigit() && b.at(j).isDigit()) {
            qsizetype endA = i;
            qsizetype endB = j;
            while (endA < a.size() && a.at(endA).isDigit())
                ++endA;
            while (endB < b.size() && b.at(endB).isDigit())
                ++endB;
            // Leading zeros aside, the longer run of digits is the larger number.
            QStringView numberA = QStringView(a).sliced(i, endA - i);
            QStringView numberB = QStringView(b).sliced(j, endB - j);
            while (numberA.size() > 1 && numberA.front() == u'0')
                numberA = numberA.sliced(1);
            while (numberB.size() > 1 && numberB.front() == u'0')
                numberB = numberB.sliced(1);
            if (numberA.size() != numberB.size())
                return numberA.size() < numberB.size() ? -1 : 1;
            if (const int order = numberA.compare(numberB); order != 0)
                return order;
            i = endA;
            j = endB;
            continue;
        }
        if (a.at(i) != b.at(j))
            return a.at(i) < b.at(j) ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < a.size())
        return 1;
    if (j < b.size())
        return -1;
    return a.compare(b);
}

QString devicePath(const QString& name) {
    return name.startsWith(u'/') ? name : QStringLiteral("/dev/") + name;
}
} // namespace

QStringList MachineSerialDevices() {
    QStringList names;
    const QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo& info : ports)
        names.append(info.portName());
    return names;
}

QByteArray PortOverrideVariable(int portNumber) {
    return QByteArrayLiteral("CORVANEL_COM") + QByteArray::number(portNumber);
}

QStringList OrderSerialDevices(QStringList names) {
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const bool aFirst = isAdapter(a);
        if (aFirst != isAdapter(b))
            return aFirst;
        return compareNames(a, b) < 0;
    });
    names.removeDuplicates();
    return names;
}

QString PortPathFor(int portNumber, const QStringList& deviceNames) {
    if (portNumber < FirstPortNumber || portNumber > LastPortNumber)
        return QString();
    if (qEnvironmentVariableIsSet(PortOverrideVariable(portNumber).constData()))
        return overrideFor(portNumber);
    const QStringList ordered = OrderSerialDevices(deviceNames);
    if (portNumber > ordered.size())
        return QString();
    return devicePath(ordered.at(portNumber - 1));
}

QString PortPathFor(int portNumber) {
    if (portNumber < FirstPortNumber || portNumber > LastPortNumber)
        return QString();
    if (qEnvironmentVariableIsSet(PortOverrideVariable(portNumber).constData()))
        return overrideFor(portNumber);
    return PortPathFor(portNumber, MachineSerialDevices());
}

QString PortDeviceLabel(int portNumber, const QStringList& deviceNames) {
    const QString path = PortPathFor(portNumber, deviceNames);
    if (qEnvironmentVariableIsSet(PortOverrideVariable(portNumber).constData()))
        return path;
    return path.startsWith(QLatin1String("/dev/")) ? path.mid(5) : path;
}
