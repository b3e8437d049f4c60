#include "shell/main/file_dialogs.h"

#include "core/language.h"
#include "core/options.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

namespace {
int lastSeparator(const QString& text) {
    // Names typed or stored on the other platform may carry backslashes.
    return qMax(text.lastIndexOf(u'/'), text.lastIndexOf(u'\\'));
}

FileDialogRequest sessionRequest(const QString& title) {
    FileDialogRequest request;
    request.title = title;
    request.filter = QtFilterFromParts(QStringLiteral("Corvanel Log File (*.log)|*.log|") +
                                       ResString(3002) + QStringLiteral(" (*.*)|*.*"));
    request.filterIndex = 0;
    request.folder = LastFolder();
    request.fileName = PresetFileName(request.folder);
    return request;
}
} // namespace

QString QtFilterFromParts(const QString& parts) {
    const QStringList fields = parts.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < fields.size(); i += 2) {
        QString name = fields.at(i).trimmed();
        QStringList patterns;
        for (const QString& pattern : fields.at(i + 1).split(u';', Qt::SkipEmptyParts))
            patterns.append(pattern.trimmed() == QLatin1String("*.*") ? QStringLiteral("*")
                                                                      : pattern.trimmed());
        const QString qtPatterns = QStringLiteral("(") + patterns.join(u' ') + u')';
        // Qt reads the patterns from the name's trailing brackets: replace those the name
        // shows rather than add a second pair.
        static const QRegularExpression trailing(QStringLiteral(R"(\s*\([^()]*\)$)"));
        name.remove(trailing);
        filters.append(name + u' ' + qtPatterns);
    }
    return filters.join(QStringLiteral(";;"));
}

QString PresetFileName(const QString& trimmedFolder) {
    const QString last = trimmedFolder.mid(lastSeparator(trimmedFolder) + 1);
    if (last.isEmpty())
        return QString();
    // The directory search looks in the current folder, as a bare name does.
    return QFileInfo(last).isFile() ? last : QString();
}

QString FolderPart(const QString& fileName) {
    return fileName.left(lastSeparator(fileName) + 1);
}

QString LastFolder() {
    return Options().LastFolder.trimmed();
}

void StoreLastFolder(const QString& folder) {
    Options().LastFolder = folder;
}

FileDialogRequest OpenSessionDialog() {
    FileDialogRequest request = sessionRequest(ResString(3001));
    request.confirmOverwrite = false;
    return request;
}

FileDialogRequest SaveSessionDialog() {
    FileDialogRequest request = sessionRequest(ResString(3003));
    // The save asks itself before it replaces a file; the dialog asking too would ask twice.
    request.confirmOverwrite = false;
    return request;
}

FileDialogRequest ExportDialog() {
    FileDialogRequest request;
    request.title = ResString(3004);
    request.filter = QtFilterFromParts(ResString(3005) + QStringLiteral(" (*.csv)|*.csv|") +
                                       ResString(3006) + QStringLiteral(" (*.tab)|*.tab"));
    request.filterIndex = 0;
    request.folder = LastFolder();
    request.fileName = PresetFileName(request.folder);
    request.confirmOverwrite = true;
    return request;
}
