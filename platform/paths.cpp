#include "platform/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
QString& programOverride() {
    static QString folder;
    return folder;
}
QString& writableOverride() {
    static QString folder;
    return folder;
}
} // namespace

QString ProgramFolder() {
    if (!programOverride().isEmpty())
        return programOverride();
    if (QCoreApplication::instance())
        return QDir::cleanPath(QCoreApplication::applicationDirPath());
    return QDir::currentPath();
}

QString WritableFolder() {
    if (!writableOverride().isEmpty())
        return writableOverride();
    const QString folder = ProgramFolder();
    QFileInfo info(folder);
    if (info.isDir() && info.isWritable())
        return folder;
    QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(user);
    return user;
}

void SetProgramFolderForTests(const QString& folder) {
    programOverride() = folder;
}
void SetWritableFolderForTests(const QString& folder) {
    writableOverride() = folder;
}

QString InFolder(const QString& folder, const QString& fileName) {
    return QDir(folder).filePath(fileName);
}
