#include "views/table/table_report_file.h"

#include "core/error_report.h"
#include "platform/paths.h"
#include "views/table/table_rows.h"

#include <QFile>

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
    // The file lives only while the table passes through it, so it is written plainly (no
    // flush to the disk); a failed write leaves nothing, as it is deleted whatever happens.
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        RaiseError(ErrorNumber::PathFileAccess, QStringLiteral("Path/File access error"));
    if (!rows.Write(out) || !out.flush())
        RaiseError(ErrorNumber::DeviceIo, QStringLiteral("Device I/O error"));
}
