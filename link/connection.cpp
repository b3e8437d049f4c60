#include "link/connection.h"

#include "core/error_report.h"
#include "core/language.h"
#include "core/message_box.h"
#include "core/program_events.h"
#include "link/comm_port.h"
#include "link/comm_state.h"
#include "link/exchange.h"
#include "link/link_hooks.h"

namespace {
void setConnected(bool connected) {
    CommState().Connected = connected;
    emit Events().LinkStateChanged(connected);
}

void updateInfo() {
    emit Events().InfoChanged();
}
} // namespace

int MonitorStateFromStatus(quint8 status) {
    if (!(status & 0x01))
        return 0;
    if (!(status & 0x02))
        return 1;
    return (status & 0x04) ? 0 : 1;
}

bool InitCommunication() {
    return Trapped("InitCommunication", false, [] {
        if (!Seriale().IsOpen()) {
            MessBox(ResString(17), QString(), -1, -1);
            return false;
        }
        if (!MessBox(ResString(19), QString(), 2, 2))
            return false;
        // Connected before the exchanges, so that they do not come back here.
        setConnected(true);
        if (!SendCommand(3, true)) {
            MessBox(ResString(20), QString(), -1, -1);
            setConnected(false);
            return false;
        }
        CommunicationState& state = CommState();
        if (SendCommand(10, true)) {
            state.MonitorState =
                static_cast<qint16>(MonitorStateFromStatus(state.MonitorSettings[16]));
            updateInfo();
        }
        if (!StartKeepAlive())
            return false;
        updateInfo();
        return true;
    });
}

void DropCommunication() {
    Trapped("DropCommunication", [] {
        setConnected(false);
        StopKeepAlive();
        KillTimerId(CommState().ViewTimerId);
        updateInfo();
    });
}
