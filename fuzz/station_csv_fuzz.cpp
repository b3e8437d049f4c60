// Any bytes as a station CSV file, imported the way the loader imports it: a refused file
// leaves the current data set exactly as it was; an accepted one becomes a whole data set
// holding one sample for every record of the file (up to the cap), with the RF figures
// over exactly those samples.
#include "tests/support/quiet_ui.h"

#include "data/dataset.h"
#include "data/files/station_csv.h"
#include "fuzz/sentinel_data.h"
#include "platform/ui_services.h"
#include "text/date_math.h"
#include "text/file_text_locale.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void breach(const char* what) {
    std::fprintf(stderr, "station csv fuzz: %s\n", what);
    std::abort();
}

// The sentinel with an RF mean of its own, which a refused import must leave too.
DataSet sentinel() {
    DataSet data = SentinelData();
    data.CsvRfMean = 42;
    return data;
}

bool isSentinel(const DataSet& d) {
    return HoldsSentinelData(d) && d.DataRf.isEmpty() && !d.RfDataPresent && d.CsvRfMean == 42;
}

// The records of the file, counted apart from the import: lines ended by LF, CR LF or CR,
// the last one with or without its end; lines of blanks alone hold no record.
qint64 recordLines(const QByteArray& bytes) {
    qint64 records = 0;
    bool content = false;
    qsizetype i = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    for (; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\n' || c == '\r') {
            records += content;
            content = false;
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
        } else if (c != ' ' && c != '\t') {
            content = true;
        }
    }
    return records + content;
}

void checkWhole(const DataSet& d, const QString& path, const QByteArray& bytes) {
    const qint32 n = d.NumSamples;
    if (n < 1 || n > StationCsvMaxRecords)
        breach("an accepted file gave no samples or more than the cap");
    const qsizetype size = qsizetype(n) + 1;
    if (d.DataX.size() != size || d.DataY.size() != size || d.DataZ.size() != size ||
        d.DataRf.size() != size || d.DataRes.size() != size)
        breach("the sample arrays do not hold exactly the samples");
    if (!d.DataPresent || !d.DataSaved || !d.RfDataPresent || d.SampleStep != 5 ||
        d.SampleStepUnit != u"s" || d.DataSourceName != u"File Centralina" ||
        d.CurrentFileName != path || d.IDShort.size() != IdShortLength ||
        d.IDLong.size() != IdLongLength)
        breach("the fixed values of an import are not set");
    if (!d.StartDate.isValid() || d.DataEndDate != d.StartDate.addSecs(5 * qint64(n)))
        breach("the start or end time is wrong");

    // Every record of the file is a sample, up to the cap.
    const qint64 lines = recordLines(bytes);
    if (n != qMin<qint64>(lines, StationCsvMaxRecords))
        breach("the samples are not the file's records");

    float rfMin = d.DataRf[1], rfMax = d.DataRf[1];
    double rfSum = 0;
    for (qint32 i = 1; i <= n; ++i) {
        if (!std::isfinite(d.DataX[i]) || !std::isfinite(d.DataY[i]) ||
            !std::isfinite(d.DataZ[i]) || !std::isfinite(d.DataRf[i]) ||
            !std::isfinite(d.DataRes[i]))
            breach("a value that is no number was taken");
        rfMin = std::min(rfMin, d.DataRf[i]);
        rfMax = std::max(rfMax, d.DataRf[i]);
        rfSum += d.DataRf[i];
    }
    if (d.CsvRfMin != rfMin || d.CsvRfMax != rfMax)
        breach("the RF extremes are not those of the samples");
    const double mean = rfSum / n;
    if (std::isfinite(mean) &&
        std::fabs(double(d.CsvRfMean) - mean) > 1e-5 * std::max(1.0, std::fabs(mean)))
        breach("the RF mean is not that of the samples");
    if (d.CsvAuxMin > d.CsvAuxMax ||
        (std::isfinite(d.CsvAuxMean) &&
         (d.CsvAuxMean < d.CsvAuxMin - 1e-3f * std::fabs(d.CsvAuxMin) - 1e-6f ||
          d.CsvAuxMean > d.CsvAuxMax + 1e-3f * std::fabs(d.CsvAuxMax) + 1e-6f)))
        breach("the auxiliary figures do not fit together");
    if (d.StatisticsPresent && (d.ResMin > d.ResMax || d.MedianIndex < 0 || d.MedianIndex > n))
        breach("the statistics of the resultants do not fit the samples");
}

struct State {
    QuietUi ui;
    QTemporaryDir dir;
    QString path;
    State() {
        SetUi(&ui);
        path = QDir(dir.path()).filePath(QStringLiteral("station.csv"));
    }
};

State& state() {
    static State s;
    return s;
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    state();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    State& s = state();
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    {
        QFile file(s.path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(bytes) != bytes.size())
            breach("the scratch file could not be written");
    }
    ReplaceCurrentData(sentinel());
    if (OpenCsv(s.path))
        checkWhole(CurrentData(), s.path, bytes);
    else if (!isSentinel(CurrentData()))
        breach("a refused file changed the current data set");
    return 0;
}
