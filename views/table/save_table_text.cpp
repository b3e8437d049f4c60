#include "views/table/save_table_text.h"

#include "core/error_report.h"
#include "core/language.h"
#include "platform/file_filter.h"
#include "platform/paths.h"
#include "platform/ui_services.h"
#include "views/table/table_rows.h"

#include <QSaveFile>

void SalvaDati(const QString& FileName, const TableRows& shown) {
    Trapped("SalvaDati", [&] {
        QSaveFile file(FileName);
        if (!file.open(QIODevice::WriteOnly))
            RaiseError(ErrorNumber::PathFileAccess, QStringLiteral("Path/File access error"),
                       FileName);
        if (!shown.Write(file) || !file.commit())
            RaiseError(ErrorNumber::DeviceIo, QStringLiteral("Device I/O error"), FileName);
    });
}

void SaveTableTextCommand(const TableRows& shown) {
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
    SalvaDati(WithFilterSuffix(chosen.fileName, request.filter, chosen.filterIndex), shown);
}
