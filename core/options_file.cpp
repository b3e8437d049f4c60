#include "core/options.h"

#include "core/error_report.h"
#include "platform/paths.h"
#include "platform/ui_services.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
constexpr int MostKeptAside = 99;

// The file had the wrong size: keep it aside so that the save at shutdown does not replace
// it unseen. It takes the first free name of "Corvanel.ini.bad", "Corvanel.ini.bad.2", ...,
// so a file kept at an earlier start is never lost to a later one. The name it got, or
// empty when it could not be moved.
QString setAside(const QString& path) {
    const QString folder = QFileInfo(path).absolutePath();
    for (int n = 1; n <= MostKeptAside; ++n) {
        QString name = QLatin1String(OptionsBadFileName);
        if (n > 1)
            name += QStringLiteral(".%1").arg(n);
        const QFileInfo bad(InFolder(folder, name));
        if (bad.exists() || bad.isSymLink())
            continue;
        // A rename never replaces a file that exists.
        return QFile::rename(path, bad.filePath()) ? name : QString();
    }
    return QString();
}

void tellWrongSize(qint64 size, const QString& keptAs) {
    // The language texts are not loaded yet: the notice is a fixed text.
    QString text = QStringLiteral("The options file %1 has %2 bytes instead of %3: it was not "
                                  "read and the default options are used.")
                       .arg(QLatin1String(OptionsFileName))
                       .arg(size)
                       .arg(OptionsFileSize);
    text += !keptAs.isEmpty()
                ? QStringLiteral("\r\nThe file was kept as %1.").arg(keptAs)
                : QStringLiteral("\r\nThe file could not be moved aside and is left as it "
                                 "is; the options will not be saved.");
    Ui().StandardBox(text, QStringLiteral("Corvanel"), StandardIcon::Warning, StandardButtons::Ok);
}
} // namespace

QString OptionsFilePath() {
    return InFolder(WritableFolder(), QLatin1String(OptionsFileName));
}

void ReadOptions() {
    OptionsState& store = OptionsStore();
    store.WasRead = false;
    bool filled = false;
    Trapped("ReadOptions", [&] {
        const QString path = OptionsFilePath();
        const QFileInfo info(path);
        if (!info.exists()) {
            SetDefaultOptions(store.Record);
            filled = store.WasRead = true;
            return;
        }
        if (!info.isFile())
            RaiseError(ErrorNumber::PathFileAccess, QStringLiteral("Path/File access error"));
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            RaiseError(ErrorNumber::PathFileAccess, QStringLiteral("Path/File access error"));
        // One byte more than a record tells a longer file from a good one.
        const QByteArray bytes = file.read(OptionsFileSize + 1);
        if (file.error() != QFileDevice::NoError)
            RaiseError(ErrorNumber::DeviceIo, QStringLiteral("Device I/O error"));
        const qint64 size = file.size();
        file.close();
        OptionsRecord record;
        if (!OptionsFromBytes(bytes, record)) {
            const QString keptAs = setAside(path);
            SetDefaultOptions(store.Record);
            filled = true;
            store.WasRead = !keptAs.isEmpty();
            tellWrongSize(size, keptAs);
            return;
        }
        DefaultOutOfRangeOptions(record);
        record.DefaultsMade = false;
        store.Record = std::move(record);
        filled = store.WasRead = true;
    });
    // A file that could not be read is left alone (never saved over), but the program
    // still starts on sound values.
    if (!filled)
        SetDefaultOptions(store.Record);
}

void SaveOptions() {
    Trapped("SaveOptions", [] {
        if (!OptionsStore().WasRead)
            return;
        QSaveFile file(OptionsFilePath());
        if (!file.open(QIODevice::WriteOnly))
            RaiseError(ErrorNumber::PathFileAccess, QStringLiteral("Path/File access error"));
        const QByteArray bytes = OptionsToBytes(Options());
        if (file.write(bytes) != bytes.size() || !file.commit())
            RaiseError(ErrorNumber::DeviceIo, QStringLiteral("Device I/O error"));
    });
}
