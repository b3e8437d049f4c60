#include "tests/support/fake_serial_port.h"

#include <algorithm>

FakeSerialPort::FakeSerialPort(VirtualTime* time) : time_(time) {
    if (time_)
        time_->AddSource(this);
}

FakeSerialPort::~FakeSerialPort() {
    if (time_)
        time_->RemoveSource(this);
}

qint64 FakeSerialPort::now() const {
    return time_ ? time_->MonotonicMs() : 0;
}

bool FakeSerialPort::Open(const QString& path, SerialError* error) {
    if (error)
        *error = SerialError::None;
    if (path.isEmpty() || openFailures.contains(path)) {
        if (error)
            *error = path.isEmpty() ? SerialError::Missing : openFailures.value(path);
        return false;
    }
    ++opens;
    open_ = true;
    gate_ = false;
    path_ = path;
    input_.clear();
    arrivals_.clear();
    return true;
}

void FakeSerialPort::Close() {
    open_ = false;
    gate_ = false;
    path_.clear();
    input_.clear();
    arrivals_.clear();
}

bool FakeSerialPort::takeDue() {
    bool any = false;
    while (!arrivals_.empty() && (!time_ || arrivals_.front().first <= now())) {
        input_ += arrivals_.front().second;
        arrivals_.pop_front();
        any = true;
    }
    return any;
}

qint64 FakeSerialPort::BytesWaiting() {
    return open_ ? input_.size() : 0;
}

void FakeSerialPort::DiscardInput() {
    ++inputDiscards;
    takeDue();
    input_.clear();
}

bool FakeSerialPort::Write(const QByteArray& bytes) {
    if (!open_)
        return false;
    writes.append(bytes);
    if (responder)
        responder(bytes);
    return open_;
}

QByteArray FakeSerialPort::ReadAll() {
    if (!open_)
        return {};
    QByteArray out;
    out.swap(input_);
    return out;
}

bool FakeSerialPort::WaitForReadyRead(int timeoutMs) {
    if (!open_)
        return false;
    if (takeDue())
        return true;
    if (!time_)
        return false;
    const qint64 limit = now() + timeoutMs;
    if (!arrivals_.empty() && arrivals_.front().first <= limit) {
        time_->Block(arrivals_.front().first - now());
        return takeDue();
    }
    time_->Block(limit - now());
    return false;
}

void FakeSerialPort::Arrive(qint64 afterMs, const QByteArray& bytes) {
    const qint64 at = now() + afterMs;
    auto it = std::upper_bound(arrivals_.begin(), arrivals_.end(), at,
                               [](qint64 t, const auto& a) { return t < a.first; });
    arrivals_.insert(it, {at, bytes});
}

void FakeSerialPort::ArriveSpaced(qint64 afterMs, const QByteArray& bytes, qint64 gapMs) {
    for (qsizetype i = 0; i < bytes.size(); ++i)
        Arrive(afterMs + i * gapMs, bytes.mid(i, 1));
}

void FakeSerialPort::Vanish() {
    if (!open_)
        return;
    Close();
    if (lostHandler_)
        lostHandler_();
}

qint64 FakeSerialPort::NextEventMs() const {
    if (!open_ || arrivals_.empty())
        return -1;
    return arrivals_.front().first;
}

void FakeSerialPort::DeliverDue(qint64) {
    if (!takeDue())
        return;
    if (gate_ && receiveHandler_)
        receiveHandler_();
}
