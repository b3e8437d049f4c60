// Saving and loading a 100,000-sample session against writing and reading the same bytes
// with one buffered write and one read.
#include "core/program_events.h"
#include "data/dataset.h"
#include "data/files/session_file.h"
#include "data/files/session_log.h"
#include "platform/ui_services.h"
#include "tests/support/quiet_ui.h"
#include "text/date_math.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {
constexpr qint32 Samples = 100000;

DataSet session() {
    DataSet data;
    data.DataPresent = true;
    data.StartDate = NaiveDateTime(2026, 12, 9, 7, 44, 47);
    data.StopDate = NoStopDate();
    data.SampleStep = 5;
    data.SampleStepUnit = QStringLiteral("s");
    data.NumSamples = Samples;
    data.IDShort = QStringLiteral("SN001");
    data.IDLong = QStringLiteral("Cantiere nord");
    data.DataX.fill(0, Samples + 1);
    data.DataY.fill(0, Samples + 1);
    data.DataZ.fill(0, Samples + 1);
    data.DataRes.fill(0, Samples + 1);
    for (qint32 i = 1; i <= Samples; ++i) {
        data.DataX[i] = static_cast<float>(i % 1000) / 100.0f;
        data.DataY[i] = static_cast<float>(i % 777) / 100.0f;
        data.DataZ[i] = static_cast<float>(i % 333) / 10.0f;
    }
    return data;
}

struct Setup {
    Setup() {
        SetUi(&ui);
        QObject::connect(&Events(), &ProgramEvents::StatusText, &context,
                         [this](const QString& text) { status = text; });
        ReplaceCurrentData(session());
        path = QDir(dir.path()).filePath(QStringLiteral("bench.log"));
        bytes = SessionLogBytes(CurrentData(), FileTextLocale());
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }
    QuietUi ui;
    QTemporaryDir dir;
    QString path;
    QString status;
    QObject context;
    QByteArray bytes;
};

Setup& setup() {
    static Setup s;
    return s;
}

void BM_SaveFile(benchmark::State& state) {
    Setup& s = setup();
    ReplaceCurrentData(session());
    for (auto _ : state)
        benchmark::DoNotOptimize(SaveFile(s.path));
    state.SetBytesProcessed(state.iterations() * s.bytes.size());
}

void BM_WriteSameBytes(benchmark::State& state) {
    Setup& s = setup();
    for (auto _ : state) {
        QSaveFile file(s.path);
        file.open(QIODevice::WriteOnly);
        file.write(s.bytes);
        benchmark::DoNotOptimize(file.commit());
    }
    state.SetBytesProcessed(state.iterations() * s.bytes.size());
}

void BM_LoadFile(benchmark::State& state) {
    Setup& s = setup();
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadFile(s.path));
    state.SetBytesProcessed(state.iterations() * s.bytes.size());
}

void BM_ReadSameBytes(benchmark::State& state) {
    Setup& s = setup();
    // The baseline reads the very file the load reads, the session's bytes whole.
    {
        QFile file(s.path);
        if (!file.open(QIODevice::ReadOnly) || file.readAll() != s.bytes) {
            state.SkipWithError("the file does not hold the session's bytes");
            return;
        }
    }
    for (auto _ : state) {
        QFile file(s.path);
        file.open(QIODevice::ReadOnly);
        const QByteArray read = file.readAll();
        if (read.size() != s.bytes.size()) {
            state.SkipWithError("short read");
            break;
        }
        benchmark::DoNotOptimize(read.constData());
    }
    state.SetBytesProcessed(state.iterations() * s.bytes.size());
}

// The parts of a load: the file's values alone, and the texts and figures after them.
void BM_ReadSessionLog(benchmark::State& state) {
    Setup& s = setup();
    const FileTextLocale text;
    for (auto _ : state) {
        DataSet data;
        benchmark::DoNotOptimize(ReadSessionLog(s.bytes, text, data));
    }
}

void BM_SampleTimeTexts(benchmark::State& state) {
    DataSet data = session();
    for (auto _ : state)
        benchmark::DoNotOptimize(SampleTimeTexts(data));
}

void BM_Statistics(benchmark::State& state) {
    DataSet data = session();
    for (auto _ : state)
        RecomputeStatistics(data);
}
} // namespace

BENCHMARK(BM_SampleTimeTexts)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Statistics)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteSameBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadSameBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadSessionLog)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
