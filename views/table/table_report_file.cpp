#include "views/table/table_report_file.h"

#include "core/error_report.h"
#include "platform/paths.h"
#include "views/table/table_rows.h"

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

void PassThroughReportFile(const TableRows& rows) {
    const QString path = ReportFilePath();
    RemoveAtEnd removal{path};
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        RaiseError(ErrorNumber::PathFileAccess, QStringLiteral("Path/File access error"));
    if (!rows.Write(out) || !out.commit())
        RaiseError(ErrorNumber::DeviceIo, QStringLiteral("Device I/O error"));
}
