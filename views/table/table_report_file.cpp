#include "views/table/table_report_file.h"

#include "core/error_report.h"
#include "platform/paths.h"

#include <QFile>
#include <QSaveFile>

namespace {
// Deletes the report file when the pass ends, whatever way it ends.
struct RemoveAtEnd {
    QString path;
    ~RemoveAtEnd() { QFile::remove(path); }
};
} // namespace

QString ReportFilePath() {
    return InFolder(WritableFolder(), QLatin1String(ReportFileName));
}

QByteArray PassThroughReportFile(const QByteArray& text) {
    const QString path = ReportFilePath();
    {
        QSaveFile out(path);
        if (!out.open(QIODevice::WriteOnly))
            RaiseError(ErrorNumber::PathFileAccess, QStringLiteral("Path/File access error"));
        if (out.write(text) != text.size() || !out.commit())
            RaiseError(ErrorNumber::DeviceIo, QStringLiteral("Device I/O error"));
    }
    RemoveAtEnd removal{path};
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        RaiseError(ErrorNumber::FileNotFound, QStringLiteral("File not found"));
    QByteArray back = in.readAll();
    if (back.size() != text.size())
        RaiseError(ErrorNumber::InputPastEnd, QStringLiteral("Input past end of file"));
    return back;
}
