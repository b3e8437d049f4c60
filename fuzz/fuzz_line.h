#pragma once

// A scripted serial line for the fuzz targets that run the link's real exchange: the
// bytes waiting are whatever a target put in `input`, and the target decides what a write
// and a wait do. The line's clock moves only when the line is waited for, so a silent line
// costs nothing.
#include "platform/clock.h"
#include "platform/serial/serial_port.h"

#include <QByteArray>
#include <QDateTime>

class FuzzClock final : public Clock {
public:
    QDateTime Now() const override { return QDateTime(QDate(2026, 12, 10), QTime(9, 0), Qt::UTC); }
    qint64 MonotonicMs() const override { return now; }
    qint64 now = 0;
};

class FuzzLine : public SerialPort {
public:
    explicit FuzzLine(FuzzClock& clock) : clock(clock) {}
    bool Open(const QString&, SerialError*) override { return open = true; }
    void Close() override { open = false; }
    bool IsOpen() const override { return open; }
    QString Path() const override { return QStringLiteral("fuzz"); }
    qint64 BytesWaiting() override { return input.size(); }
    void DiscardInput() override { input.clear(); }
    void DiscardOutput() override {}
    bool Write(const QByteArray& bytes) override {
        Written(bytes);
        return open;
    }
    QByteArray ReadAll() override {
        QByteArray out;
        out.swap(input);
        return out;
    }
    // By default nothing more comes: the whole wait passes.
    bool WaitForReadyRead(int ms) override {
        clock.now += ms;
        return false;
    }
    void SetReceiveEventsEnabled(bool) override {}
    bool ReceiveEventsEnabled() const override { return false; }
    void SetReceiveHandler(std::function<void()>) override {}
    void SetLostHandler(std::function<void()>) override {}

    FuzzClock& clock;
    bool open = false;
    QByteArray input;

protected:
    // What the line does with the bytes the program sends.
    virtual void Written(const QByteArray&) {}
};
