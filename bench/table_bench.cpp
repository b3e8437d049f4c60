// Building the data-table text of a large data set against writing the same bytes to a
// file with one buffered write: the text should cost no more than a few writes of itself.
#include "data/dataset.h"
#include "text/date_math.h"
#include "views/table/table_text.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {
constexpr qint32 Samples = 100000;

// Values as the instrument gives them (hundredths of a µT), one sample in a thousand not
// available, one second apart.
const DataSet& largeDataSet() {
    static const DataSet data = [] {
        DataSet d;
        d.DataPresent = true;
        d.NumSamples = Samples;
        d.StartDate = NaiveDateTime(2026, 12, 9, 7, 44, 47);
        d.SampleStep = 1;
        d.SampleStepUnit = QStringLiteral("s");
        d.IDShort = QStringLiteral("KL720 A");
        d.IDLong = QStringLiteral("Via Roma 1");
        d.DataSourceName = QStringLiteral("Upload");
        d.DataX.resize(Samples + 1);
        d.DataY.resize(Samples + 1);
        d.DataZ.resize(Samples + 1);
        d.DataRes.resize(Samples + 1);
        QRandomGenerator random(720);
        for (qint32 i = 1; i <= Samples; ++i) {
            if (i % 1000 == 0) {
                d.DataX[i] = d.DataY[i] = d.DataZ[i] = -1;
                d.DataRes[i] = -1;
                continue;
            }
            const float x = random.bounded(20000) / 100.0f;
            const float y = random.bounded(2000) / 100.0f;
            const float z = random.bounded(200) / 100.0f;
            d.DataX[i] = x;
            d.DataY[i] = y;
            d.DataZ[i] = z;
            d.DataRes[i] =
                std::nearbyint(std::sqrt(double(x) * x + double(y) * y + double(z) * z) * 100) /
                100;
        }
        RecomputeStatistics(d);
        return d;
    }();
    return data;
}

void BM_BuildTableTimeOrder(benchmark::State& state) {
    const DataSet& data = largeDataSet();
    qint64 bytes = 0;
    for (auto _ : state) {
        const DataTable table = BuildDataTable(data, TableOrder::Time);
        bytes = table.text.size();
        benchmark::DoNotOptimize(table.text.constData());
    }
    state.SetBytesProcessed(state.iterations() * bytes);
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_BuildTableTimeOrder)->Unit(benchmark::kMillisecond);

void BM_BuildTableValueOrder(benchmark::State& state) {
    const DataSet& data = largeDataSet();
    for (auto _ : state) {
        const DataTable table = BuildDataTable(data, TableOrder::Value);
        benchmark::DoNotOptimize(table.text.constData());
    }
}
BENCHMARK(BM_BuildTableValueOrder)->Unit(benchmark::kMillisecond);

// The same bytes as the time-order table, written to a new file with one buffered write.
void BM_WriteSameBytesOnce(benchmark::State& state) {
    const QByteArray text = BuildDataTable(largeDataSet(), TableOrder::Time).text;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("tmp.dat"));
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            state.SkipWithError("cannot write the file");
            break;
        }
        benchmark::DoNotOptimize(file.write(text));
        file.close();
    }
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_WriteSameBytesOnce)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
