#include "shell/main/file_dialogs.h"

#include "core/language.h"
#include "core/options.h"

#include <QDir>
#include <QFileInfo>
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
    request.suffixFromFilter = true;
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
    request.suffixFromFilter = true;
    return request;
}
