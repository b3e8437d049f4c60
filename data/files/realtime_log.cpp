#include "data/files/realtime_log.h"

#include "core/error_report.h"
#include "data/files/session_log.h"
#include "data/files/session_record.h"
#include "data/live/realtime_set.h"
#include "platform/clock.h"
#include "platform/paths.h"
#include "text/file_text_locale.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <memory>

namespace {
struct OpenLog {
    std::unique_ptr<QFile> file;
    qint64 countPos = 0; // byte offset of line 4
    qint32 count = 0;
    char decimal = '.';
};

OpenLog& log() {
    static OpenLog state;
    return state;
}

void appendValueLine(QByteArray& out, const QString& value) {
    out += '"';
    out += value.toUtf8();
    out += "\"\r\n";
}

// Writes bytes at the end and the count in place, then hands them to the system: a program
// that dies after this loses nothing.
bool writeRecord(QFile& file, qint64 countPos, const QByteArray& record, qint32 count) {
    const qint64 end = file.size();
    if (!file.seek(end) || file.write(record) != record.size())
        return false;
    const QByteArray field = RealTimeCountField(count);
    if (!file.seek(countPos) || file.write(field) != field.size())
        return false;
    return file.flush();
}
} // namespace

QString RealTimeLogPath() {
    return InFolder(WritableFolder(), QString::fromLatin1(RealTimeLogName));
}

QByteArray RealTimeCountField(qint32 count) {
    const qint32 shown = std::clamp<qint32>(count, 0, RealTimeCountLimit);
    return (' ' + QByteArray::number(shown)).leftJustified(RealTimeCountWidth, ' ');
}

bool RealTimeLogOpen() {
    return log().file != nullptr;
}

bool OpenLastLog() {
    CloseLastLog();
    return Trapped("OpenLastLog", false, [] {
        // The clock read once: the file's start and the live set's are the same second.
        // The live set takes them before the file is tried, so that the view and the pane
        // show this run's start even when no log can be made.
        QDateTime start = CurrentClock().Now().addSecs(3);
        start.setTime(QTime(start.time().hour(), start.time().minute(), start.time().second()));
        RealTimeSetState& set = RealTimeSet();
        set.RtStartDate = start;
        set.RtStepUnit = QStringLiteral("s");
        set.RtStep = 3;
        set.RtSourceName = QStringLiteral("Real Time");

        const QString path = RealTimeLogPath();
        if (QFileInfo::exists(path) && !QFile::remove(path))
            RaiseError(ErrorNumber::PermissionDenied, QStringLiteral("Permission denied"));
        auto file = std::make_unique<QFile>(path);
        if (!file->open(QIODevice::ReadWrite | QIODevice::Truncate))
            RaiseError(ErrorNumber::PathFileAccess, file->errorString());
        const FileTextLocale text;

        QByteArray head;
        appendValueLine(head, QString::fromLatin1(SessionLogHeader));
        appendValueLine(head, text.DateTimeText(start).trimmed());
        appendValueLine(head, QStringLiteral(" 3s"));
        const qint64 countPos = head.size();
        head += QByteArray(RealTimeCountWidth, ' ');
        head += "\r\n";
        set.RtIDShort = set.RtIDShort.trimmed();
        set.RtIDLong = set.RtIDLong.trimmed();
        appendValueLine(head, SessionLogIdText(set.RtIDShort));
        appendValueLine(head, SessionLogIdText(set.RtIDLong));
        if (file->write(head) != head.size() || !file->flush())
            RaiseError(ErrorNumber::DeviceIo, file->errorString());

        OpenLog& state = log();
        state.file = std::move(file);
        state.countPos = countPos;
        state.count = 0;
        state.decimal = text.DecimalSeparator();
        return true;
    });
}

void CloseLastLog() {
    OpenLog& state = log();
    if (!state.file)
        return;
    std::unique_ptr<QFile> file = std::move(state.file);
    Trapped("CloseLastLog", [&] {
        // The count is already in place after every record; written once more for a log
        // closed before its first reading.
        const QByteArray field = RealTimeCountField(state.count);
        if (!file->seek(state.countPos) || file->write(field) != field.size() || !file->flush())
            RaiseError(ErrorNumber::DeviceIo, file->errorString());
        file->close();
    });
}

bool AppendRealTimeRecord(float x, float y, float z, QString* error) {
    OpenLog& state = log();
    if (!state.file)
        return false;
    char record[SessionRecordRoom];
    const char* end = WriteSessionRecord(record, x, y, z, state.decimal);
    const qint32 next = state.count + 1;
    if (writeRecord(*state.file, state.countPos, QByteArray(record, end - record), next)) {
        state.count = next;
        return true;
    }
    if (error)
        *error = state.file->errorString();
    // A log that cannot take a record is closed with what it holds rather than failing at
    // every reading.
    state.file.reset();
    return false;
}
