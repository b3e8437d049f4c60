#include "link/monitor_status.h"

#include "core/language.h"
#include "core/options.h"
#include "link/comm_state.h"
#include "link/connection.h"
#include "link/memory_layout.h"
#include "link/monitor_units.h"
#include "link/time_stamp.h"
#include "platform/clock.h"
#include "text/date_math.h"

#include <algorithm>

namespace {
// A date that could not be worked out (past the end of the calendar) shows as now.
QDateTime orNow(const QDateTime& when, const QDateTime& now) {
    return when.isValid() ? when : now;
}
} // namespace

QString StopReasonText(int reason) {
    switch (reason) {
    case 0:
        return QStringLiteral("TERMINATO (NON VALIDO)");
    case 1:
        return QStringLiteral("TERMINATO (FINE MEMORIA)");
    case 2:
        return QStringLiteral("TERMINATO (FINE BATTERIA)");
    case 3:
        return QStringLiteral("TERMINATO (FINE MONITOR)");
    case 4:
        return QStringLiteral("TERMINATO (STOP UTENTE)");
    default:
        return QStringLiteral("TERMINATO (SCONOSCIUTO)");
    }
}

MonitorStatusView DecodeMonitorSettings(const std::array<quint8, 19>& s, bool valid,
                                        const QDateTime& now) {
    MonitorStatusView view;
    if (!valid) {
        view.statusText = ResString(5);
        view.step = 10;
        view.unitCode = 3;
        view.start = now;
        view.stop = orNow(CalculateMemoryFullDate(now, 10, QStringLiteral("n")), now);
        return view;
    }

    const quint8 status = s[16];
    view.monitorState = MonitorStateFromStatus(status);
    if (!(status & 0x01)) {
        view.statusText = ResString(3011);
        view.statusBack = MonitorIdleBack;
    } else if (!(status & 0x02)) {
        view.statusText = QStringLiteral("IN ATTESA DI PARTENZA");
        view.statusBack = MonitorBusyBack;
    } else if (!(status & 0x04)) {
        view.statusText = ResString(3010);
        view.statusBack = MonitorBusyBack;
    } else {
        view.statusText = StopReasonText(s[18]);
        view.statusBack = MonitorIdleBack;
    }
    const bool idle = *view.statusBack == MonitorIdleBack;
    view.startEnabled = idle;
    view.stopEnabled = !idle;

    view.step = FromBcd(s[6]);
    const QString letter = StepUnitLetter(s[5] & 7);
    view.unitCode = letter.isEmpty() ? 0 : (s[5] & 7);

    view.startAtDate = s[7] & 0x01;
    // The stamp keeps only two bits of the year. A start that has not come yet lies ahead:
    // its year is looked for up to a year after now, so a session programmed in December
    // for January shows next year, not four years back.
    const bool waiting = (status & 0x03) == 0x01;
    const std::optional<QDateTime> start =
        DecodeStamp(&s[view.startAtDate ? 8 : 0], waiting ? now.addYears(1) : now);
    view.start = start.value_or(now);
    const bool known = start.has_value() && !letter.isEmpty();

    const int address = s[13] * 256 + s[14];
    view.stopAtDate = address != 0;
    if (!known) {
        view.stop = now;
    } else if (address == 0) {
        view.stop = orNow(CalculateMemoryFullDate(view.start, view.step, letter), now);
    } else {
        // An address inside the header holds no sample: the stop is the start.
        const qint64 samples = std::max<qint64>(0, RecordsForAddress(address));
        view.stop = orNow(DateAdd(letter, samples * view.step, view.start), now);
    }
    return view;
}

MonitorStatusView DecodeMonitorStatus(bool valid) {
    CommunicationState& state = CommState();
    const MonitorStatusView view =
        DecodeMonitorSettings(state.MonitorSettings, valid, CurrentClock().Now());
    if (view.monitorState)
        state.MonitorState = static_cast<qint16>(*view.monitorState);
    return view;
}
