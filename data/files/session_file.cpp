#include "data/files/session_file.h"

#include "core/error_report.h"
#include "core/language.h"
#include "core/message_box.h"
#include "core/program_events.h"
#include "core/write_failure.h"
#include "data/dataset.h"
#include "data/files/session_log.h"
#include "data/files/station_csv.h"
#include "data/warnings/generate_warnings.h"
#include "platform/busy_pointer.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
// Progress in the status label ("text" + whole percent + "%"), set only when the text
// changes and emptied on every way out.
class StatusProgress {
public:
    explicit StatusProgress(QString text) : text_(std::move(text)) {}
    ~StatusProgress() {
        if (shown_) {
            try {
                emit Events().StatusText(QString());
            } catch (...) {
            }
        }
    }
    StatusProgress(const StatusProgress&) = delete;
    StatusProgress& operator=(const StatusProgress&) = delete;

    SessionLogProgress Callback() {
        return [this](qint32 sample, qint32 count) {
            const int percent = static_cast<int>(qint64(sample) * 100 / count);
            if (percent == last_)
                return;
            last_ = percent;
            shown_ = true;
            emit Events().StatusText(text_ + QString::number(percent) + u'%');
        };
    }

private:
    QString text_;
    int last_ = -1;
    bool shown_ = false;
};

void tell(const QString& text) {
    MessBox(text, QString(), -1, -1);
}

QString saveRefusalText(SaveRefusal refusal) {
    switch (refusal) {
    case SaveRefusal::NoSamples:
        return ResString(3700);
    case SaveRefusal::BadStep:
        return ResString(3701);
    case SaveRefusal::BadStartDate:
        return ResString(3702);
    case SaveRefusal::None:
        break;
    }
    return QString();
}

QString loadRefusalText(LoadRefusal refusal) {
    switch (refusal) {
    case LoadRefusal::NotSessionLog:
        return ResString(22);
    case LoadRefusal::BadDate:
    case LoadRefusal::BadCount:
        return ResString(25);
    case LoadRefusal::BadStep:
        return ResString(24);
    case LoadRefusal::None:
        break;
    }
    return QString();
}

// Reads into a fresh data set and makes it the current one only when the whole file read.
bool loadBytes(const QByteArray& bytes, const QString& fileName) {
    DataSet loaded;
    LoadRefusal refusal;
    {
        StatusProgress status(ResString(3030));
        refusal = ReadSessionLog(bytes, FileTextLocale(), loaded, status.Callback());
    }
    if (refusal != LoadRefusal::None) {
        tell(loadRefusalText(refusal));
        return false;
    }
    loaded.DataSourceName = QStringLiteral("File");
    loaded.CurrentFileName = fileName;
    loaded.DataPresent = true;
    loaded.DataSaved = true;
    loaded.RfDataPresent = false;
    ReplaceCurrentData(std::move(loaded));
    GenerateWarnings();
    emit Events().DataSetReplaced();
    return true;
}
} // namespace

SaveOutcome SaveSessionFile(const QString& fileName) {
    return Trapped("SaveFile", SaveOutcome::Failed, [&] {
        DataSet& data = CurrentData();
        const SaveRefusal refusal = CheckSavable(data);
        if (refusal != SaveRefusal::None) {
            tell(saveRefusalText(refusal));
            return SaveOutcome::Failed;
        }
        if (QFileInfo::exists(fileName) && !MessBox(ResString(26), QString(), 2, 0))
            return SaveOutcome::Declined;
        QByteArray bytes;
        {
            StatusProgress status(ResString(3031));
            bytes = SessionLogBytes(data, FileTextLocale(), status.Callback());
        }
        // A file that cannot be written is no unforeseen error: the user is told which file
        // and why, and the earlier file stays as it was.
        QSaveFile file(fileName);
        qint64 written = 0;
        bool saved = file.open(QIODevice::WriteOnly);
        if (saved) {
            written = file.write(bytes);
            saved = written == bytes.size() && file.commit();
        }
        if (!saved) {
            tell(WriteFailureText(fileName, bytes.size() - std::max<qint64>(written, 0),
                                  file.errorString()));
            return SaveOutcome::Failed;
        }
        data.DataSaved = true;
        data.CurrentFileName = fileName;
        return SaveOutcome::Saved;
    });
}

bool SaveFile(const QString& fileName) {
    return SaveSessionFile(fileName) == SaveOutcome::Saved;
}

bool LoadFile(const QString& fileName) {
    BusyPointer busy; // for the length of the load
    return Trapped("LoadFile", false, [&] {
        const QFileInfo info(fileName);
        if (info.isDir()) {
            tell(ResString(3940));
            return false;
        }
        if (!info.isFile()) {
            tell(ResString(21));
            return false;
        }
        if (fileName.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
            return OpenCsv(fileName);
        QFile file(fileName);
        if (!file.open(QIODevice::ReadOnly))
            RaiseError(ErrorNumber::PathFileAccess, file.errorString());
        const QByteArray bytes = file.readAll();
        if (file.error() != QFileDevice::NoError)
            RaiseError(ErrorNumber::DeviceIo, file.errorString());
        file.close();
        return loadBytes(bytes, fileName);
    });
}

bool LoadSessionBytes(const QByteArray& bytes, const QString& fileName) {
    BusyPointer busy; // for the length of the load
    return Trapped("LoadFile", false, [&] { return loadBytes(bytes, fileName); });
}
