#pragma once

#include "link/packet.h"
#include "platform/clock.h"
#include "platform/serial/serial_port.h"

#include <QList>

#include <map>

// "Now" fixed and a monotonic clock that moves only when a wait runs out.
class VirtualClock : public Clock {
public:
    explicit VirtualClock(const QDateTime& now) : now_(now) { SetClock(this); }
    ~VirtualClock() override { SetClock(nullptr); }
    QDateTime Now() const override { return now_; }
    qint64 MonotonicMs() const override { return ms_; }
    void Advance(qint64 ms) { ms_ += ms; }

private:
    QDateTime now_;
    qint64 ms_ = 0;
};

// A reply frame for the echoed command with its data.
inline QByteArray ReplyFrame(quint8 echo, const QByteArray& data) {
    QByteArray frame;
    const qsizetype length = data.size() + 3;
    frame.append(static_cast<char>(Packet::ReplyStart));
    frame.append(static_cast<char>(length >> 8 & 0xFF));
    frame.append(static_cast<char>(length & 0xFF));
    frame.append(static_cast<char>(echo));
    frame.append(data);
    const quint16 crc = Crc16(frame);
    frame.append(static_cast<char>(crc >> 8));
    frame.append(static_cast<char>(crc & 0xFF));
    return frame;
}

// A port that answers each command with a scripted reply at once (no reply when none is
// scripted); a wait with nothing new spends its whole time on the virtual clock.
class ScriptedPort : public SerialPort {
public:
    explicit ScriptedPort(VirtualClock& clock) : clock_(clock) {}
    std::map<quint8, QByteArray> replies;
    QList<int> commandsSent;

    bool Open(const QString& path, SerialError* error) override {
        path_ = path;
        open_ = true;
        if (error)
            *error = SerialError::None;
        return true;
    }
    void Close() override { open_ = false; }
    bool IsOpen() const override { return open_; }
    QString Path() const override { return path_; }
    qint64 BytesWaiting() override { return incoming_.size(); }
    void DiscardInput() override { incoming_.clear(); }
    void DiscardOutput() override {}
    bool Write(const QByteArray& bytes) override {
        const int command = static_cast<quint8>(bytes.at(3));
        commandsSent.append(command);
        const auto reply = replies.find(static_cast<quint8>(command));
        if (reply != replies.end())
            incoming_ += reply->second;
        return true;
    }
    QByteArray ReadAll() override {
        const QByteArray all = incoming_;
        incoming_.clear();
        return all;
    }
    bool WaitForReadyRead(int timeoutMs) override {
        clock_.Advance(timeoutMs);
        return false;
    }
    void SetReceiveEventsEnabled(bool enabled) override { gate_ = enabled; }
    bool ReceiveEventsEnabled() const override { return gate_; }
    void SetReceiveHandler(std::function<void()>) override {}
    void SetLostHandler(std::function<void()>) override {}

private:
    VirtualClock& clock_;
    QByteArray incoming_;
    QString path_;
    bool open_ = true;
    bool gate_ = false;
};
