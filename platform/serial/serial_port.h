#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// Why a port could not be opened.
enum class SerialError {
    None,
    Missing,          // no such device
    Busy,             // another program (or another open here) holds it
    PermissionDenied, // the user may not use the device (on Debian: not in "dialout")
    Other,
};

// The instrument's serial line: exactly the operations the link uses. The real one runs on
// QSerialPort (qt_serial_port.h) at 19200 baud, 8 data bits, no parity, one stop bit, no
// flow control, modem lines left alone; tests use a fake on virtual time.
//
// Waiting sends run without the event loop, so reading is pull-style: BytesWaiting() and
// ReadAll() see only what the port already took in, and WaitForReadyRead() blocks until new
// bytes come in. The receive event (the handler) is raised from the event loop, only while
// the gate is open.
class SerialPort {
public:
    virtual ~SerialPort() = default;

    // Opens the device at path (closing nothing: callers close first). False with the reason
    // when it cannot be opened; the port then stays closed.
    virtual bool Open(const QString& path, SerialError* error = nullptr) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    // The device path of the open port (empty when closed).
    virtual QString Path() const = 0;

    // Bytes received and not yet read.
    virtual qint64 BytesWaiting() = 0;
    // Throws away what was received (also what still sits in the driver) or not yet sent.
    virtual void DiscardInput() = 0;
    virtual void DiscardOutput() = 0;
    // Sends the bytes; returns once they have left (or false when the port failed).
    virtual bool Write(const QByteArray& bytes) = 0;
    // Everything received so far, removed from the port.
    virtual QByteArray ReadAll() = 0;
    // Blocks, without running the event loop, until at least one NEW byte has come in or
    // timeoutMs have passed; true when bytes came. Bytes already waiting do not count.
    virtual bool WaitForReadyRead(int timeoutMs) = 0;

    // The receive-event gate (the old control's receive threshold): while open, bytes coming
    // in through the event loop raise the receive handler.
    virtual void SetReceiveEventsEnabled(bool enabled) = 0;
    virtual bool ReceiveEventsEnabled() const = 0;
    // Called from the event loop when bytes came in while the gate is open.
    virtual void SetReceiveHandler(std::function<void()> handler) = 0;
    // Called once when an open port fails underneath us (adapter unplugged, line gone); the
    // port is closed by then.
    virtual void SetLostHandler(std::function<void()> handler) = 0;
};
