#include "views/table/save_table_text.h"

#include "core/error_report.h"

#include <QSaveFile>

void SalvaDati(const QString& FileName, const QString& shownText) {
    Trapped("SalvaDati", [&] {
        QString text = shownText;
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        text.replace(u'\n', QStringLiteral("\r\n"));
        const QByteArray bytes = text.toUtf8();
        QSaveFile file(FileName);
        if (!file.open(QIODevice::WriteOnly))
            RaiseError(ErrorNumber::PathFileAccess, QStringLiteral("Path/File access error"),
                       FileName);
        if (file.write(bytes) != bytes.size() || !file.commit())
            RaiseError(ErrorNumber::DeviceIo, QStringLiteral("Device I/O error"), FileName);
    });
}
