#pragma once

#include "platform/serial/serial_port.h"
#include "tests/support/virtual_time.h"

#include <QByteArray>
#include <QHash>
#include <QList>

#include <deque>
#include <functional>

// A serial port for unit tests. Bytes "arrive" at virtual times (Arrive, or from a
// responder that answers each write); a blocking WaitForReadyRead jumps to the next arrival
// within its time-out, and the event loop of VirtualTime delivers arrivals and raises the
// receive handler while the gate is open. Without a VirtualTime, arrivals come at once.
class FakeSerialPort final : public SerialPort, public VirtualEventSource {
public:
    explicit FakeSerialPort(VirtualTime* time = nullptr);
    ~FakeSerialPort() override;

    bool Open(const QString& path, SerialError* error = nullptr) override;
    void Close() override;
    bool IsOpen() const override { return open_; }
    QString Path() const override { return path_; }
    qint64 BytesWaiting() override;
    void DiscardInput() override;
    void DiscardOutput() override { ++outputDiscards; }
    bool Write(const QByteArray& bytes) override;
    QByteArray ReadAll() override;
    bool WaitForReadyRead(int timeoutMs) override;
    void SetReceiveEventsEnabled(bool enabled) override { gate_ = enabled; }
    bool ReceiveEventsEnabled() const override { return gate_; }
    void SetReceiveHandler(std::function<void()> handler) override {
        receiveHandler_ = std::move(handler);
    }
    void SetLostHandler(std::function<void()> handler) override {
        lostHandler_ = std::move(handler);
    }

    // Bytes that come in afterMs from now (virtual time).
    void Arrive(qint64 afterMs, const QByteArray& bytes);
    // Bytes that come in one by one: the first afterMs from now, then one every gapMs.
    void ArriveSpaced(qint64 afterMs, const QByteArray& bytes, qint64 gapMs);
    // The line fails underneath: closed, and the lost handler is called once.
    void Vanish();

    // Answers every write: called with the written bytes, it may call Arrive.
    std::function<void(const QByteArray& written)> responder;
    // What Open answers for a path (missing from the table: it opens).
    QHash<QString, SerialError> openFailures;

    QList<QByteArray> writes;
    int inputDiscards = 0;
    int outputDiscards = 0;
    int opens = 0;

    // VirtualEventSource
    qint64 NextEventMs() const override;
    void DeliverDue(qint64 nowMs) override;

private:
    qint64 now() const;
    // Moves arrivals due by now into the input; true when any moved.
    bool takeDue();

    VirtualTime* time_;
    bool open_ = false;
    bool gate_ = false;
    QString path_;
    QByteArray input_;
    std::deque<std::pair<qint64, QByteArray>> arrivals_; // ordered by time
    std::function<void()> receiveHandler_;
    std::function<void()> lostHandler_;
};
