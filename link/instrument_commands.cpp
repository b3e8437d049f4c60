#include "link/instrument_commands.h"

#include "core/call_hook.h"
#include "core/error_report.h"
#include "core/language.h"
#include "core/message_box.h"
#include "core/program_events.h"
#include "link/comm_state.h"
#include "link/connection.h"
#include "link/exchange.h"
#include "link/link_hooks.h"
#include "link/time_stamp.h"
#include "platform/clock.h"
#include "platform/code_page.h"

namespace {
// A text as its 8-bit character codes (the code page the reply is read in), blank-padded
// or cut to width bytes. The dialog lets in no character the code page lacks; one that
// comes all the same goes out as "?". A quote mark or a control character goes out as a
// blank, since the instrument hands its texts on into quoted session files.
QByteArray idBytes(const QString& text, int width) {
    QByteArray bytes;
    for (QChar c : text.left(width)) {
        if (c == u'"' || c.category() == QChar::Other_Control)
            c = u' ';
        bytes.append(Windows1252Byte(c).value_or('?'));
    }
    return bytes.leftJustified(width, ' ', true);
}

void updateInfo() {
    emit Events().InfoChanged();
}
} // namespace

MonitorStageHooks& MonitorStages() {
    static MonitorStageHooks hooks;
    return hooks;
}

MonitorSettingsHooks& MonitorSettingsDecoder() {
    static MonitorSettingsHooks hooks;
    return hooks;
}

bool ReadID() {
    return Trapped("ReadID", false, [] { return SendCommand(7, true); });
}

bool WriteID(const QString& idShort, const QString& idLong) {
    return Trapped("WriteID", false, [&] {
        const QByteArray data = idBytes(idShort, 16) + idBytes(idLong, 48);
        if (SendCommand(8, true, false, data)) {
            const QString sent = DecodeWindows1252(data);
            CommState().IdShort = sent.left(16);
            CommState().IdLong = sent.mid(16);
            return true;
        }
        // The reply did not come or was refused: whether the instrument stored the texts
        // is not known.
        MessBox(ResString(3833), QString(), -1, -1);
        return false;
    });
}

bool StopMonitor() {
    return Trapped("StopMonitor", false, [] { return SendCommand(14, true); });
}

void ReadMonitorSettings() {
    Trapped("ReadMonitorSettings", [] {
        const bool ok = SendCommand(10, true);
        CallHook(MonitorSettingsDecoder().ShowMonitorStatus, DecodeMonitorStatus(ok));
        if (ok)
            updateInfo();
    });
}

bool StartMonitoraggio() {
    MonitorStageHooks& hooks = MonitorStages();
    bool shown = false;
    bool ended = false;
    bool startSent = false;
    int stage = 0;
    // Every way out but a running session gives the keep-alive back while connected, and
    // leaves the failed row on screen until the user closes the progress.
    auto fail = [&] {
        ended = true;
        // A start whose reply was lost or garbled may have started the session all the
        // same: the dialog shows what the instrument now says.
        if (startSent && CommState().Connected)
            ReadMonitorSettings();
        if (CommState().Connected)
            StartKeepAlive();
        if (shown) {
            CallHook(hooks.MarkFailed, stage);
            CallHook(hooks.WaitForClose);
        }
        CallHook(hooks.HideProgress);
        return false;
    };
    const bool result = Trapped("StartMonitoraggio", false, [&] {
        StopKeepAlive();
        CallHook(hooks.ShowProgress);
        shown = true;
        CallHook(hooks.SetState, 0);

        // Every byte is checked before anything is sent, so that a bad parameter never
        // leaves the instrument half programmed.
        QByteArray params;
        for (qint16 value : CommState().MonitorParams) {
            if (value < 0 || value > 255)
                RaiseError(ErrorNumber::Overflow, QStringLiteral("Overflow"));
            params.append(static_cast<char>(value));
        }
        const InstrumentStamp clock = EncodeStamp(CurrentClock().Now());
        const QByteArray clockData(reinterpret_cast<const char*>(clock.data()), clock.size());

        if (!SendCommand(11, true, false, clockData))
            return fail();
        stage = 1;
        CallHook(hooks.SetState, 1);
        if (!SendCommand(12, true, false, params))
            return fail();
        CallHook(hooks.SetState, 2);
        stage = 3;
        CallHook(hooks.SetState, 3);
        startSent = true;
        if (!SendCommand(13, true))
            return fail();
        CallHook(hooks.SetState, 4);
        CallHook(hooks.WaitForClose);
        ended = true;
        // The instrument logs on its own now: release it.
        DropCommunication();
        CallHook(hooks.ShowStarted);
        CallHook(hooks.HideProgress);
        return true;
    });
    if (!ended) // a trapped error, already reported
        fail();
    return result;
}
