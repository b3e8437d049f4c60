#include "data/upload/upload_data.h"

#include "core/error_report.h"
#include "core/language.h"
#include "core/message_box.h"
#include "core/program_events.h"
#include "data/dataset.h"
#include "data/files/unsaved_data.h"
#include "data/upload/split_upload_data.h"
#include "link/comm_state.h"
#include "link/connection.h"
#include "link/exchange.h"
#include "link/instrument_commands.h"
#include "link/link_hooks.h"

namespace {
constexpr quint8 DownloadCommand = 4;

// After the exchange ended (the wait box is closed by then), one message says why the
// download failed. A refusal that was said already (a closed port, an image that is no
// session) adds nothing.
void tellFailure(ExchangeFailure why) {
    int text = 0;
    switch (why) {
    case ExchangeFailure::NoAnswer:
        text = 3941;
        break;
    case ExchangeFailure::BadReply:
        text = 3942;
        break;
    case ExchangeFailure::LinkLost:
        text = 3943;
        break;
    case ExchangeFailure::None:
        return;
    }
    MessBox(ResString(text), QString(), -1, -1);
}

void updateInfo() {
    emit Events().InfoChanged();
}
} // namespace

bool UploadData() {
    return Trapped("UploadData", false, [] {
        CommunicationState& state = CommState();
        if (!state.Connected && !InitCommunication())
            return false;
        // Before anything changes on the instrument: a cancelled save cancels the download.
        if (!MayReplaceCurrentData())
            return false;
        if (state.MonitorState == 1) {
            if (!MessBox(ResString(27), QString(), 1, 0))
                return false;
            if (!StopMonitor()) {
                // A fixed text of its own, in Italian whatever the language.
                MessBox(QStringLiteral("Si è verificato un problema nel fermare il monitoraggio."),
                        QString(), -1, -1);
                return false;
            }
            state.MonitorState = 0;
            updateInfo();
        }
        if (!SendCommand(DownloadCommand, true, false, QByteArray(), Link::DefaultTimeoutMs)) {
            tellFailure(state.LastFailure);
            return false;
        }

        DataSet& data = CurrentData();
        data.CurrentFileName.clear();
        data.RfDataPresent = false;
        emit Events().DataSetReplaced();
        return true;
    });
}

void RegisterDataReplyHandlers() {
    LinkReplyHooks& replies = LinkReplyHook();
    replies.Download = [](const QByteArray& reply) { return SplitUploadData(reply); };
}
