#include "core/write_failure.h"

#include "core/language.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace {
// The file layer says "Unknown error" when the system gave it no reason (a short write).
bool Said(const QString& reason) {
    return !reason.isEmpty() && reason != QLatin1String("Unknown error");
}
} // namespace

bool NoRoomFor(const QString& fileName, qint64 bytes) {
    const QStorageInfo disk(QFileInfo(fileName).absolutePath());
    return disk.isValid() && disk.isReady() && disk.bytesAvailable() < std::max<qint64>(bytes, 1);
}

QString WriteFailureText(const QString& fileName, qint64 bytesLeft, const QString& reason) {
    const QString name = QDir::toNativeSeparators(fileName);
    if (NoRoomFor(fileName, bytesLeft))
        return ResString(3703).arg(name);
    QString text = ResString(3704).arg(name);
    if (Said(reason))
        text += QStringLiteral("\n\n") + reason;
    return text;
}
