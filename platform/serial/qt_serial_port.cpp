#include "platform/serial/qt_serial_port.h"

#include <QFileInfo>
#include <QSerialPort>

#include <cerrno>
#include <unistd.h>

namespace {
// Tells a missing device and a forbidden one apart before QSerialPort reports both, and a
// busy one, as a permission error.
SerialError accessProblem(const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    if (::access(native.constData(), F_OK) != 0)
        return SerialError::Missing;
    if (::access(native.constData(), R_OK | W_OK) != 0)
        return errno == ENOENT ? SerialError::Missing : SerialError::PermissionDenied;
    return SerialError::None;
}

void setError(SerialError* out, SerialError value) {
    if (out)
        *out = value;
}
} // namespace

QtSerialPort::QtSerialPort(QObject* parent) : QObject(parent) {}

QtSerialPort::~QtSerialPort() {
    if (port_) {
        port_->disconnect(this);
        port_->close();
    }
}

bool QtSerialPort::Open(const QString& path, SerialError* error) {
    setError(error, SerialError::None);
    if (IsOpen())
        Close();
    if (path.isEmpty()) {
        setError(error, SerialError::Missing);
        return false;
    }
    const SerialError problem = accessProblem(path);
    if (problem != SerialError::None) {
        setError(error, problem);
        return false;
    }
    auto port = std::make_unique<QSerialPort>();
    port->setPortName(path);
    port->setBaudRate(BaudRate);
    port->setDataBits(QSerialPort::Data8);
    port->setParity(QSerialPort::NoParity);
    port->setStopBits(QSerialPort::OneStop);
    port->setFlowControl(QSerialPort::NoFlowControl);
    if (!port->open(QIODevice::ReadWrite)) {
        switch (port->error()) {
        case QSerialPort::DeviceNotFoundError:
            setError(error, SerialError::Missing);
            break;
        case QSerialPort::PermissionError:
            // Access was checked above, so what is left is a port someone else holds.
            setError(error, SerialError::Busy);
            break;
        default:
            setError(error, SerialError::Other);
            break;
        }
        return false;
    }
    connect(port.get(), &QSerialPort::readyRead, this, &QtSerialPort::onReadyRead);
    connect(port.get(), &QSerialPort::errorOccurred, this,
            [this](QSerialPort::SerialPortError e) { onError(static_cast<int>(e)); });
    port_ = std::move(port);
    path_ = path;
    gate_ = false;
    return true;
}

void QtSerialPort::Close() {
    if (!port_)
        return;
    // Detach first: closing raises no receive or lost event of its own. The object may be
    // inside one of its own signals (a close from a receive handler), so it goes later.
    port_->disconnect(this);
    port_->close();
    port_.release()->deleteLater();
    path_.clear();
    gate_ = false;
    lost_ = false;
}

bool QtSerialPort::IsOpen() const {
    return port_ && !lost_ && port_->isOpen();
}

QString QtSerialPort::Path() const {
    return path_;
}

qint64 QtSerialPort::BytesWaiting() {
    return IsOpen() ? port_->bytesAvailable() : 0;
}

void QtSerialPort::DiscardInput() {
    if (!IsOpen())
        return;
    port_->clear(QSerialPort::Input);
    port_->readAll();
}

void QtSerialPort::DiscardOutput() {
    if (IsOpen())
        port_->clear(QSerialPort::Output);
}

bool QtSerialPort::Write(const QByteArray& bytes) {
    if (!IsOpen())
        return false;
    if (port_->write(bytes) != bytes.size())
        return false;
    // QSerialPort only queues; the request must be on the line before the caller waits.
    // At 19200 baud 71 bytes take 37 ms; the bound is generous.
    inWait_ = true;
    while (IsOpen() && port_->bytesToWrite() > 0) {
        if (!port_->waitForBytesWritten(1000))
            break;
    }
    inWait_ = false;
    return IsOpen() && port_->bytesToWrite() == 0;
}

QByteArray QtSerialPort::ReadAll() {
    return IsOpen() ? port_->readAll() : QByteArray();
}

bool QtSerialPort::WaitForReadyRead(int timeoutMs) {
    if (!IsOpen() || timeoutMs < 0)
        return false;
    inWait_ = true;
    const bool got = port_->waitForReadyRead(timeoutMs);
    inWait_ = false;
    return got && IsOpen();
}

void QtSerialPort::SetReceiveEventsEnabled(bool enabled) {
    gate_ = enabled;
}

void QtSerialPort::SetReceiveHandler(std::function<void()> handler) {
    receiveHandler_ = std::move(handler);
}

void QtSerialPort::SetLostHandler(std::function<void()> handler) {
    lostHandler_ = std::move(handler);
}

void QtSerialPort::onReadyRead() {
    // Inside a blocking wait QSerialPort raises readyRead too; the waiting reader owns the
    // bytes then.
    if (inWait_ || !IsOpen())
        return;
    if (gate_) {
        if (receiveHandler_)
            receiveHandler_();
        return;
    }
    if (port_->bytesAvailable() > IdleInputCap)
        port_->readAll();
}

void QtSerialPort::onError(int error) {
    if (error != QSerialPort::ResourceError || lost_)
        return;
    // The device went away (adapter unplugged, line hung up). This runs inside QSerialPort's
    // own code, perhaps inside a blocking wait: the port counts as closed at once, and is
    // closed and reported once the event loop runs again.
    lost_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!port_ || !lost_)
                return;
            Close();
            if (lostHandler_)
                lostHandler_();
        },
        Qt::QueuedConnection);
}
