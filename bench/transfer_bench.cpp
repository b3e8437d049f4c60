// The exports of a 1,000,000-sample data set against one buffered write of the same bytes,
// and the station CSV import of 20,000 records against a reader that reads the same file
// and converts its number fields with std::from_chars (the least any reader of the format
// must do). Each export writes a new file, through the same save-and-rename as the baseline.
#include "bench/bench_data.h"
#include "bench/bench_main.h"
#include "core/program_events.h"
#include "data/dataset.h"
#include "data/files/station_csv.h"
#include "data/files/table_export.h"
#include "platform/ui_services.h"
#include "tests/support/quiet_ui.h"
#include "text/date_math.h"
#include "text/file_text_locale.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <charconv>
#include <cmath>
#include <vector>

namespace {
constexpr qint32 ExportSamples = 1000000;
constexpr qint32 ImportRecords = 20000;

// The exports' data set: samples five seconds apart.
DataSet exportData() {
    return InstrumentSamples(ExportSamples, 5);
}

// A station file as the station writes it: the time in the user's locale, x, y, z, the
// auxiliary value (now and then none), RF and the resultant, each record ended by a line
// feed.
QByteArray stationFile() {
    const FileTextLocale text;
    QRandomGenerator random(721);
    QByteArray out;
    const QDateTime start = NaiveDateTime(2026, 12, 9, 7, 44, 47);
    for (qint32 i = 0; i < ImportRecords; ++i) {
        const auto value = [&](int range) {
            return QByteArray::number(random.bounded(range) / 100.0, 'f', 2);
        };
        out += text.DateTimeText(start.addSecs(5 * qint64(i))).toUtf8();
        out += ',' + value(20000) + ',' + value(2000) + ',' + value(200) + ',';
        out += (i % 10 == 0 ? QByteArray("-100") : value(5000));
        out += ',' + value(300) + ',' + value(20100) + '\n';
    }
    return out;
}

struct Setup {
    QuietUi ui;
    QTemporaryDir dir;
    QString stationPath;
    QByteArray station;
    qint64 written = 0;
    Setup() {
        SetUi(&ui);
        station = stationFile();
        stationPath = QDir(dir.path()).filePath(QStringLiteral("station.csv"));
        QFile file(stationPath);
        if (file.open(QIODevice::WriteOnly))
            file.write(station);
    }
    // A new file for every iteration, so that no run replaces the one before.
    QString nextPath(const char* suffix) {
        return QDir(dir.path())
            .filePath(QStringLiteral("out%1.%2").arg(++written).arg(QLatin1String(suffix)));
    }
};

Setup& setup() {
    static Setup s;
    return s;
}

template <class Export>
void runExport(benchmark::State& state, Export&& exportTo, const char* suffix, qint64 bytes) {
    Setup& s = setup();
    for (auto _ : state) {
        const QString path = s.nextPath(suffix);
        if (!exportTo(path)) {
            state.SkipWithError("the export failed");
            break;
        }
        state.PauseTiming();
        QFile::remove(path);
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * bytes);
}

// The same bytes through the same save-and-rename, with one buffered write.
void runWrite(benchmark::State& state, const QByteArray& bytes, const char* suffix) {
    Setup& s = setup();
    for (auto _ : state) {
        const QString path = s.nextPath(suffix);
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() ||
            !file.commit()) {
            state.SkipWithError("cannot write the file");
            break;
        }
        state.PauseTiming();
        QFile::remove(path);
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void BM_SaveCsvFile(benchmark::State& state) {
    setup();
    ReplaceCurrentData(exportData());
    const qint64 bytes = CsvFileBytes(CurrentData()).size();
    runExport(
        state, [](const QString& path) { return SaveCsvFile(path); }, "csv", bytes);
}
BENCHMARK(BM_SaveCsvFile)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

void BM_WriteCsvBytesOnce(benchmark::State& state) {
    setup();
    runWrite(state, CsvFileBytes(exportData()), "csv");
}
BENCHMARK(BM_WriteCsvBytesOnce)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

void BM_SaveFileTxt(benchmark::State& state) {
    setup();
    ReplaceCurrentData(exportData());
    const qint64 bytes = TabTableBytes(CurrentData()).size();
    runExport(
        state, [](const QString& path) { return SaveFileTxt(path); }, "tab", bytes);
}
BENCHMARK(BM_SaveFileTxt)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

void BM_WriteTabBytesOnce(benchmark::State& state) {
    setup();
    runWrite(state, TabTableBytes(exportData()), "tab");
}
BENCHMARK(BM_WriteTabBytesOnce)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

void BM_OpenCsv(benchmark::State& state) {
    Setup& s = setup();
    for (auto _ : state) {
        if (!OpenCsv(s.stationPath) || CurrentData().NumSamples != ImportRecords) {
            state.SkipWithError("the import failed");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * s.station.size());
}
BENCHMARK(BM_OpenCsv)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

// The file read whole, cut into lines and fields, and the six number fields of every record
// converted into arrays; the date-time field is passed over.
void BM_ReadFileFromChars(benchmark::State& state) {
    Setup& s = setup();
    std::vector<float> values[6];
    for (auto& v : values)
        v.resize(ImportRecords);
    for (auto _ : state) {
        QFile file(s.stationPath);
        if (!file.open(QIODevice::ReadOnly)) {
            state.SkipWithError("cannot read the file");
            break;
        }
        const QByteArray bytes = file.readAll();
        const char* p = bytes.constData();
        const char* const end = p + bytes.size();
        qint32 records = 0;
        while (p < end && records < ImportRecords) {
            while (p < end && *p != ',')
                ++p;
            for (int k = 0; k < 6 && p < end; ++k) {
                const auto [next, ec] = std::from_chars(p + 1, end, values[k][records]);
                if (ec != std::errc()) {
                    state.SkipWithError("a field is no number");
                    return;
                }
                p = next;
            }
            while (p < end && *p++ != '\n') {
            }
            ++records;
        }
        if (records != ImportRecords) {
            state.SkipWithError("the records were not all read");
            break;
        }
        benchmark::DoNotOptimize(values[5][records - 1]);
    }
    state.SetBytesProcessed(state.iterations() * s.station.size());
}
BENCHMARK(BM_ReadFileFromChars)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

// The import's reading alone, without the file, the wait box, the warnings and the events.
void BM_ReadStationCsv(benchmark::State& state) {
    Setup& s = setup();
    const FileTextLocale text;
    for (auto _ : state) {
        DataSet data;
        if (ReadStationCsv(s.station, text, data).refusal != StationCsvRefusal::None) {
            state.SkipWithError("the file was refused");
            break;
        }
        benchmark::DoNotOptimize(data.DataRes.constData());
    }
    state.SetBytesProcessed(state.iterations() * s.station.size());
}
BENCHMARK(BM_ReadStationCsv)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

// The parts of an export: the text alone, built in memory whole, without the file.
void BM_TabTableBytes(benchmark::State& state) {
    const DataSet data = exportData();
    for (auto _ : state)
        benchmark::DoNotOptimize(TabTableBytes(data).size());
}
BENCHMARK(BM_TabTableBytes)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

void BM_CsvFileBytes(benchmark::State& state) {
    const DataSet data = exportData();
    for (auto _ : state)
        benchmark::DoNotOptimize(CsvFileBytes(data).size());
}
BENCHMARK(BM_CsvFileBytes)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
} // namespace

int main(int argc, char** argv) {
    return RunBenchmarks<QCoreApplication>(argc, argv);
}
