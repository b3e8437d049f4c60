#pragma once

#include <QDateTime>
#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>

// What the settings reply (command 10) says of the instrument's monitoring session, laid
// out for the monitoring dialog. Members left empty are left as they are on screen.
struct MonitorStatusView {
    QString statusText;
    std::optional<unsigned> statusBack; // BGR
    std::optional<bool> startEnabled;
    std::optional<bool> stopEnabled;
    std::optional<int> monitorState;
    int step = 10;
    int unitCode = 3;         // 0: no unit chosen
    bool startAtDate = false; // else at once
    QDateTime start;
    bool stopAtDate = false; // else when the memory is full
    QDateTime stop;
};

// The status text of a finished session by its stop reason.
QString StopReasonText(int reason);

// The settings block decoded. valid false (no reply): now, 10 minutes, a memory-full stop,
// the state unknown and the buttons as they are. The memory-full dates use the memory size
// of the options.
MonitorStatusView DecodeMonitorSettings(const std::array<quint8, 19>& settings, bool valid,
                                        const QDateTime& now);

// The settings the link holds (CommState().MonitorSettings) decoded at the clock's now;
// a good reply also sets MonitorState.
MonitorStatusView DecodeMonitorStatus(bool valid);
