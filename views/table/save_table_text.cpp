#include "views/table/save_table_text.h"

#include "core/error_report.h"
#include "core/language.h"
#include "platform/file_filter.h"
#include "platform/paths.h"
#include "platform/ui_services.h"

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

void SaveTableTextCommand(const QString& shownText) {
    FileDialogRequest request;
    request.title = ResString(4084);
    request.filter = QtFilterFromParts(ResString(4085) + QStringLiteral(" (*.txt)|*.txt|") +
                                       ResString(3002) + QStringLiteral(" (*.*)|*.*"));
    request.filterIndex = 0;
    request.folder = WritableFolder();
    request.confirmOverwrite = true;
    request.suffixFromFilter = true;
    const FileDialogResult chosen = Ui().SaveFile(request);
    if (!chosen.accepted || chosen.fileName.isEmpty())
        return;
    SalvaDati(WithFilterSuffix(chosen.fileName, request.filter, chosen.filterIndex), shownText);
}
