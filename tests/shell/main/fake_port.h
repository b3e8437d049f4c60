#pragma once

#include "platform/serial/serial_port.h"

#include <QHash>
#include <QStringList>

// A serial port that opens the paths it is told to and records what is asked of it.
class FakePort final : public SerialPort {
public:
    // Opening a path listed here fails with that reason; any other path opens.
    QHash<QString, SerialError> failures;
    QStringList opened; // every path asked for
    int discards = 0;
    int reads = 0;
    QByteArray input;

    bool Open(const QString& path, SerialError* error) override {
        opened.append(path);
        const SerialError why =
            failures.value(path, path.isEmpty() ? SerialError::Missing : SerialError::None);
        if (error)
            *error = why;
        open_ = why == SerialError::None;
        path_ = open_ ? path : QString();
        return open_;
    }
    void Close() override {
        open_ = false;
        path_.clear();
    }
    bool IsOpen() const override { return open_; }
    QString Path() const override { return path_; }
    qint64 BytesWaiting() override { return input.size(); }
    void DiscardInput() override {
        ++discards;
        input.clear();
    }
    void DiscardOutput() override {}
    bool Write(const QByteArray&) override { return open_; }
    QByteArray ReadAll() override {
        ++reads;
        QByteArray all = input;
        input.clear();
        return all;
    }
    bool WaitForReadyRead(int) override { return false; }
    void SetReceiveEventsEnabled(bool enabled) override { gate_ = enabled; }
    bool ReceiveEventsEnabled() const override { return gate_; }
    void SetReceiveHandler(std::function<void()>) override {}
    void SetLostHandler(std::function<void()>) override {}

private:
    bool open_ = false;
    bool gate_ = false;
    QString path_;
};
