#pragma once

#include "platform/serial/serial_port.h"

#include <QObject>

#include <memory>

class QSerialPort;

// The real serial line on QSerialPort: 19200 8N1, no flow control. DTR and RTS are never
// touched (their ioctls fail on pseudo-terminals, and the instrument does not need them).
class QtSerialPort final : public QObject, public SerialPort {
    Q_OBJECT
public:
    explicit QtSerialPort(QObject* parent = nullptr);
    ~QtSerialPort() override;

    bool Open(const QString& path, SerialError* error = nullptr) override;
    void Close() override;
    bool IsOpen() const override;
    QString Path() const override;
    qint64 BytesWaiting() override;
    void DiscardInput() override;
    void DiscardOutput() override;
    bool Write(const QByteArray& bytes) override;
    QByteArray ReadAll() override;
    bool WaitForReadyRead(int timeoutMs) override;
    void SetReceiveEventsEnabled(bool enabled) override;
    bool ReceiveEventsEnabled() const override { return gate_; }
    void SetReceiveHandler(std::function<void()> handler) override;
    void SetLostHandler(std::function<void()> handler) override;

    static constexpr int BaudRate = 19200;
    // Bytes kept while nobody reads (gate closed, no wait running): beyond this the oldest
    // input is thrown away, so a babbling line cannot grow memory without end.
    static constexpr qint64 IdleInputCap = 1 << 20;

private:
    void onReadyRead();
    void onError(int error);

    std::unique_ptr<QSerialPort> port_;
    QString path_;
    bool gate_ = false;
    bool inWait_ = false;
    bool lost_ = false;
    std::function<void()> receiveHandler_;
    std::function<void()> lostHandler_;
};
