#include "core/options.h"

#include "core/error_report.h"
#include "platform/paths.h"
#include "platform/ui_services.h"

#include <QDir>
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

// The file read at start: the one the program writes, or, while there is none and the
// program writes elsewhere than its own folder (which it cannot write), the program
// folder's: the settings an installation holds still count, and the first save puts them in
// the per-user folder. shared tells which.
QString optionsFileToRead(bool& shared) {
    const QString own = OptionsFilePath();
    shared = false;
    if (QFileInfo::exists(own) || QFileInfo(own).isSymLink())
        return own;
    const QString programs = InFolder(ProgramFolder(), QLatin1String(OptionsFileName));
    if (QFileInfo(own).absoluteFilePath() == QFileInfo(programs).absoluteFilePath() ||
        !QFileInfo::exists(programs))
        return own;
    shared = true;
    return programs;
}

void tellWrongSize(qint64 size, const QString& keptAs, bool shared) {
    // The language texts are not loaded yet: the notice is a fixed text.
    QString text = QStringLiteral("The options file %1 has %2 bytes instead of %3: it was not "
                                  "read and the default options are used.")
                       .arg(QLatin1String(OptionsFileName))
                       .arg(size)
                       .arg(OptionsFileSize);
    if (shared)
        text += QStringLiteral("\r\nThe file is left as it is; the options will be saved in %1.")
                    .arg(QDir::toNativeSeparators(OptionsFilePath()));
    else
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
        bool shared = false;
        const QString path = optionsFileToRead(shared);
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
            // The program folder's file is never saved over: it stays where it is.
            const QString keptAs = shared ? QString() : setAside(path);
            SetDefaultOptions(store.Record);
            filled = true;
            store.WasRead = shared || !keptAs.isEmpty();
            tellWrongSize(size, keptAs, shared);
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
