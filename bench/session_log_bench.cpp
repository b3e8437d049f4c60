// Saving and loading a session against honest baselines, wall and CPU time side by side
// (CPU time of the whole process): the load against a reader that reads the same file and
// converts every field with std::from_chars; the save against a buffered write of the same
// bytes to a new file, with the same flush to the disk on both sides (QSaveFile's), or none
// on either. Samples carry real resultants, so the statistics work on real values.
#include "bench/bench_main.h"
#include "bench/bench_memory.h"
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

#include <charconv>
#include <cmath>
#include <cstring>
#include <vector>

namespace {
DataSet session(qint32 samples) {
    DataSet data;
    data.DataPresent = true;
    data.StartDate = NaiveDateTime(2026, 12, 9, 7, 44, 47);
    data.StopDate = NoStopDate();
    data.SampleStep = 5;
    data.SampleStepUnit = QStringLiteral("s");
    data.NumSamples = samples;
    data.IDShort = QStringLiteral("SN001");
    data.IDLong = QStringLiteral("Cantiere nord");
    data.DataX.fill(0, samples + 1);
    data.DataY.fill(0, samples + 1);
    data.DataZ.fill(0, samples + 1);
    data.DataRes.fill(0, samples + 1);
    for (qint32 i = 1; i <= samples; ++i) {
        if (i % 997 == 0) {
            data.DataX[i] = data.DataY[i] = data.DataZ[i] = -1;
            data.DataRes[i] = -1;
            continue;
        }
        const float x = static_cast<float>(i * 7919 % 30000) / 100.0f;
        const float y = static_cast<float>(i % 777) / 100.0f;
        const float z = static_cast<float>(i % 333) / 100.0f;
        data.DataX[i] = x;
        data.DataY[i] = y;
        data.DataZ[i] = z;
        const double dx = x, dy = y, dz = z;
        data.DataRes[i] = std::nearbyint(std::sqrt(dy * dy + dx * dx + dz * dz) * 100.0) / 100.0;
    }
    return data;
}

// Bytes the data set holds for its samples (every array's room), per sample.
double bytesPerSample(const DataSet& d) {
    const double bytes =
        double(d.DataX.capacity() + d.DataY.capacity() + d.DataZ.capacity() + d.DataRf.capacity()) *
            sizeof(float) +
        double(d.DataRes.capacity() + d.SortedRes.capacity()) * sizeof(double) +
        double(d.SortedIndex.capacity()) * sizeof(qint32);
    return d.NumSamples > 0 ? bytes / d.NumSamples : 0.0;
}

struct Session {
    explicit Session(qint32 samples) {
        path = QDir(dir.path()).filePath(QStringLiteral("bench.log"));
        bytes = SessionLogBytes(session(samples), FileTextLocale());
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }
    QTemporaryDir dir;
    QString path;
    QByteArray bytes;
};

struct Setup {
    Setup() {
        SetUi(&ui);
        QObject::connect(&Events(), &ProgramEvents::StatusText, &context,
                         [this](const QString& text) { status = text; });
    }
    QuietUi ui;
    QString status;
    QObject context;
};

Setup& setup() {
    static Setup s;
    return s;
}

Session& sessionOf(qint32 samples) {
    static Session small(100000);
    if (samples == 100000)
        return small;
    static Session large(1000000);
    return large;
}

// A new file each iteration: the one of the last iteration is removed untimed.
class NewFiles {
public:
    explicit NewFiles(benchmark::State& state) : state_(state) {}
    QString Next() {
        if (!last_.isEmpty()) {
            state_.PauseTiming();
            QFile::remove(last_);
            state_.ResumeTiming();
        }
        last_ = QDir(dir_.path()).filePath(QStringLiteral("out%1.log").arg(++n_));
        return last_;
    }

private:
    benchmark::State& state_;
    QTemporaryDir dir_;
    QString last_;
    int n_ = 0;
};

// The load as the program makes it: the file read, the records converted, the statistics
// and the median, the warnings.
void BM_LoadFile(benchmark::State& state) {
    setup();
    Session& s = sessionOf(qint32(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadFile(s.path));
    state.SetBytesProcessed(state.iterations() * s.bytes.size());
    state.counters["bytes_per_sample"] = bytesPerSample(CurrentData());
    state.counters["peak_rss_MiB"] = PeakResidentMiB();
}

// The baseline: the same file read whole and every record's three fields converted with
// std::from_chars into three arrays.
void BM_FromCharsReader(benchmark::State& state) {
    Session& s = sessionOf(qint32(state.range(0)));
    for (auto _ : state) {
        QFile file(s.path);
        file.open(QIODevice::ReadOnly);
        const QByteArray bytes = file.readAll();
        const char* p = bytes.constData();
        const char* end = p + bytes.size();
        for (int line = 0; line < 6; ++line)
            p = static_cast<const char*>(std::memchr(p, '\n', size_t(end - p))) + 1;
        std::vector<float> x, y, z;
        x.reserve(size_t(state.range(0)));
        y.reserve(size_t(state.range(0)));
        z.reserve(size_t(state.range(0)));
        while (p < end) {
            float a = 0, b = 0, c = 0;
            p = std::from_chars(p + 1, end, a).ptr;
            p = std::from_chars(p + 1, end, b).ptr;
            p = std::from_chars(p + 1, end, c).ptr;
            x.push_back(a);
            y.push_back(b);
            z.push_back(c);
            p = static_cast<const char*>(std::memchr(p, '\n', size_t(end - p))) + 1;
        }
        if (x.size() != size_t(state.range(0))) {
            state.SkipWithError("not every record read");
            break;
        }
        benchmark::DoNotOptimize(x.data());
        benchmark::DoNotOptimize(z.data());
    }
    state.SetBytesProcessed(state.iterations() * s.bytes.size());
}

// The reader alone, without the file and the program around it.
void BM_ReadSessionLog(benchmark::State& state) {
    Session& s = sessionOf(qint32(state.range(0)));
    const FileTextLocale text;
    for (auto _ : state) {
        DataSet data;
        benchmark::DoNotOptimize(ReadSessionLog(s.bytes, text, data));
    }
}

// The save as the program makes it (QSaveFile: a new file flushed to the disk, then
// renamed over the old one) against the same bytes written the same way.
void BM_SaveFile(benchmark::State& state) {
    setup();
    Session& s = sessionOf(100000);
    ReplaceCurrentData(session(100000));
    for (auto _ : state)
        benchmark::DoNotOptimize(SaveFile(s.path));
    state.SetBytesProcessed(state.iterations() * s.bytes.size());
}

void BM_SaveFileBaseline(benchmark::State& state) {
    Session& s = sessionOf(100000);
    for (auto _ : state) {
        QSaveFile file(s.path);
        file.open(QIODevice::WriteOnly);
        file.write(s.bytes);
        benchmark::DoNotOptimize(file.commit());
    }
    state.SetBytesProcessed(state.iterations() * s.bytes.size());
}

// The save's work without the flush: the file's bytes made and written to a new file,
// against the same bytes written to a new file, neither flushed.
void BM_SaveBytesUnflushed(benchmark::State& state) {
    const DataSet data = session(100000);
    const FileTextLocale text;
    NewFiles files(state);
    for (auto _ : state) {
        QFile file(files.Next());
        file.open(QIODevice::WriteOnly);
        benchmark::DoNotOptimize(file.write(SessionLogBytes(data, text)));
    }
}

void BM_SaveBytesUnflushedBaseline(benchmark::State& state) {
    Session& s = sessionOf(100000);
    NewFiles files(state);
    for (auto _ : state) {
        QFile file(files.Next());
        file.open(QIODevice::WriteOnly);
        benchmark::DoNotOptimize(file.write(s.bytes));
    }
}

// The statistics and the median of a load, on the session's real resultants.
void BM_Statistics(benchmark::State& state) {
    DataSet data = session(qint32(state.range(0)));
    for (auto _ : state)
        RecomputeStatistics(data);
}

// Every sample's time text, made on demand (the data set keeps none).
void BM_SampleTimeTexts(benchmark::State& state) {
    const DataSet data = session(100000);
    for (auto _ : state)
        benchmark::DoNotOptimize(SampleTimeTexts(data));
}
} // namespace

BENCHMARK(BM_LoadFile)->Arg(100000)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_FromCharsReader)->Arg(100000)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_ReadSessionLog)->Arg(100000)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_LoadFile)->Arg(1000000)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_FromCharsReader)->Arg(1000000)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_SaveFile)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_SaveFileBaseline)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_SaveBytesUnflushed)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_SaveBytesUnflushedBaseline)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_Statistics)->Arg(100000)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_SampleTimeTexts)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

int main(int argc, char** argv) {
    return RunBenchmarks<QCoreApplication>(argc, argv);
}
