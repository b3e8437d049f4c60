#include "data/files/station_csv.h"

#include "core/error_report.h"
#include "core/language.h"
#include "core/message_box.h"
#include "core/program_events.h"
#include "core/wait_box.h"
#include "data/warnings/generate_warnings.h"

#include <QCoreApplication>
#include <QFile>

#include <charconv>
#include <cmath>
#include <limits>

namespace {
constexpr int Fields = 7;
constexpr float NoAuxValue = -100.0f;
constexpr qsizetype ProgressChars = 1000;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// A number field: blanks around it allowed, an optional sign, "." as the decimal point, an
// exponent; nothing else, and a finite value.
bool readNumber(const char* begin, const char* end, float& value) {
    while (begin < end && isBlank(*begin))
        ++begin;
    while (end > begin && isBlank(end[-1]))
        --end;
    if (begin < end && *begin == '+')
        ++begin;
    if (begin == end)
        return false;
    const auto [ptr, ec] = std::from_chars(begin, end, value, std::chars_format::general);
    return ec == std::errc() && ptr == end && std::isfinite(value);
}

bool readDate(const char* begin, const char* end, const FileTextLocale& text, QDateTime& when) {
    const QString field = DecodeFileText(QByteArray(begin, end - begin));
    return text.ParseDateTime(field, &when);
}

// Running minimum, maximum and sum of the values taken.
struct Figures {
    qint32 count = 0;
    double sum = 0;
    float min = 0, max = 0;
    void add(float v) {
        if (count == 0 || v < min)
            min = v;
        if (count == 0 || v > max)
            max = v;
        sum += v;
        ++count;
    }
    float mean() const { return count > 0 ? static_cast<float>(sum / count) : 0.0f; }
};
} // namespace

StationCsvResult ReadStationCsv(QByteArrayView bytes, const FileTextLocale& text, DataSet& data,
                                const StationCsvProgress& progress) {
    StationCsvResult result;
    const char* p = bytes.data();
    const char* const end = p + bytes.size();
    // A byte-order mark from another system's editor is no part of the first date.
    if (bytes.size() >= 3 && bytes.startsWith("\xEF\xBB\xBF"))
        p += 3;

    // About 45 bytes a record; the arrays never grow past the cap.
    const qsizetype guess = qMin<qsizetype>(bytes.size() / 40 + 1, StationCsvMaxRecords) + 1;
    data.DataX.reserve(guess);
    data.DataY.reserve(guess);
    data.DataZ.reserve(guess);
    data.DataRf.reserve(guess);
    data.DataRes.reserve(guess);
    data.DataX.append(0);
    data.DataY.append(0);
    data.DataZ.append(0);
    data.DataRf.append(0);
    data.DataRes.append(0);

    Figures aux, rf;
    qint32 records = 0;
    qint32 line = 0;
    qsizetype nextProgress = ProgressChars;
    const char* const first = bytes.data();
    while (p < end) {
        ++line;
        const char* lineEnd = p;
        while (lineEnd < end && *lineEnd != '\n' && *lineEnd != '\r')
            ++lineEnd;
        const char* next = lineEnd;
        if (next < end && *next++ == '\r' && next < end && *next == '\n')
            ++next;
        const char* const begin = p;
        p = next;
        if (progress) {
            while (p - first >= nextProgress) {
                nextProgress += ProgressChars;
                progress();
            }
        }

        const char* q = begin;
        while (q < lineEnd && isBlank(*q))
            ++q;
        if (q == lineEnd)
            continue; // a blank line
        if (records == StationCsvMaxRecords) {
            ++result.leftOut;
            continue;
        }

        // The seven fields.
        int count = 1;
        for (const char* c = begin; c < lineEnd; ++c)
            count += *c == ',';
        if (count != Fields) {
            result.refusal = StationCsvRefusal::FieldCount;
            result.line = line;
            result.field = count;
            return result;
        }
        const char* start[Fields + 1];
        start[0] = begin;
        int field = 1;
        for (const char* c = begin; c < lineEnd; ++c)
            if (*c == ',')
                start[field++] = c + 1;
        start[Fields] = lineEnd + 1;
        auto fieldEnd = [&](int i) { return start[i + 1] - 1; };

        const qint32 n = records + 1;
        if (n <= 2) {
            QDateTime when;
            if (!readDate(start[0], fieldEnd(0), text, when)) {
                result.refusal = StationCsvRefusal::BadDate;
                result.line = line;
                result.field = 1;
                return result;
            }
            if (n == 1)
                data.StartDate = when;
        }
        float values[Fields];
        for (int k = 1; k < Fields; ++k) {
            if (!readNumber(start[k], fieldEnd(k), values[k])) {
                result.refusal = StationCsvRefusal::BadNumber;
                result.line = line;
                result.field = k + 1;
                return result;
            }
        }
        data.DataX.append(values[1]);
        data.DataY.append(values[2]);
        data.DataZ.append(values[3]);
        if (values[4] != NoAuxValue)
            aux.add(values[4]);
        data.DataRf.append(values[5]);
        rf.add(values[5]);
        data.DataRes.append(static_cast<double>(values[6]));
        records = n;
    }
    if (records == 0) {
        result.refusal = StationCsvRefusal::Empty;
        result.line = line;
        return result;
    }

    data.NumSamples = records;
    data.SampleStep = 5;
    data.SampleStepUnit = QStringLiteral("s");
    data.DataSourceName = QStringLiteral("File Centralina");
    data.IDShort = QString(IdShortLength, u' ');
    data.IDLong = QString(IdLongLength, u' ');
    data.StopDate = NoStopDate();
    data.StopReason = -1;
    data.CsvAuxMin = aux.min;
    data.CsvAuxMax = aux.max;
    data.CsvAuxMean = aux.mean();
    data.CsvRfMin = rf.min;
    data.CsvRfMax = rf.max;
    data.CsvRfMean = rf.mean();
    data.RfDataPresent = true;
    data.DataPresent = true;
    data.DataSaved = true;
    data.DataEndDate = DataEndTime(data);
    RecomputeStatistics(data);
    return result;
}

QString StationCsvRefusalText(const StationCsvResult& result) {
    switch (result.refusal) {
    case StationCsvRefusal::Empty:
        return ResString(3741);
    case StationCsvRefusal::FieldCount:
        return ResString(3742).arg(result.line).arg(result.field);
    case StationCsvRefusal::BadDate:
        return ResString(3743).arg(result.line);
    case StationCsvRefusal::BadNumber:
        return ResString(3744).arg(result.line).arg(result.field);
    case StationCsvRefusal::None:
        break;
    }
    return QString();
}

bool OpenCsv(const QString& FileName) {
    return Trapped("OpenCsv", false, [&] {
        WaitBoxScope wait(ResString(53));
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QFile file(FileName);
        if (!file.open(QIODevice::ReadOnly))
            RaiseError(ErrorNumber::PathFileAccess, QStringLiteral("Path/File access error"),
                       FileName);
        const QByteArray bytes = file.readAll();
        if (file.error() != QFileDevice::NoError)
            RaiseError(ErrorNumber::DeviceIo, QStringLiteral("Device I/O error"), FileName);
        file.close();

        DataSet loaded;
        const StationCsvResult result =
            ReadStationCsv(bytes, FileTextLocale(), loaded, [] { StepWaitBox(10); });
        if (result.refusal != StationCsvRefusal::None) {
            HideWaitBox();
            MessBox(StationCsvRefusalText(result), QString(), -1, -1);
            return false;
        }
        loaded.CurrentFileName = FileName;
        ReplaceCurrentData(std::move(loaded));
        GenerateWarnings();
        HideWaitBox();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        Events().DataSetReplaced();
        if (result.leftOut > 0)
            MessBox(ResString(3740).arg(StationCsvMaxRecords).arg(result.leftOut), QString(), -1,
                    -1);
        return true;
    });
}
