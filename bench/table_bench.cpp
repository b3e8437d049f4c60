// The data table of a large data set: its text against a buffered write of the same bytes
// to a new file (no flush on either side), the report file written straight from the rows,
// and the window's open time and resident memory at 10,000, 100,000 and 1,000,000 samples
// against the time of building the text of the same size. Wall and CPU time (of the whole
// process).
#include "bench/bench_data.h"
#include "bench/bench_main.h"
#include "bench/bench_memory.h"
#include "data/dataset.h"
#include "data/files/session_file.h"
#include "data/files/session_log.h"
#include "platform/paths.h"
#include "platform/ui_services.h"
#include "tests/support/quiet_ui.h"
#include "text/date_math.h"
#include "views/graphs/frm_graph_te.h"
#include "views/table/frm_source.h"
#include "views/table/table_report_file.h"
#include "views/table/table_rows.h"
#include "views/table/table_text.h"
#include "views/table/view_data_source.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>
#include <map>

namespace {
// Samples one second apart with the figures the loaders compute, made once for each size.
const DataSet& largeDataSet(qint32 samples) {
    static std::map<qint32, DataSet> made;
    auto known = made.find(samples);
    if (known != made.end())
        return known->second;
    DataSet d = InstrumentSamples(samples, 1);
    RecomputeStatistics(d);
    return made.emplace(samples, std::move(d)).first->second;
}

struct Setup {
    Setup() {
        SetUi(&ui);
        SetWritableFolderForTests(folder.path());
    }
    QuietUi ui;
    QTemporaryDir folder;
};

Setup& setup() {
    static Setup s;
    return s;
}

void BM_BuildTableTimeOrder(benchmark::State& state) {
    const DataSet& data = largeDataSet(qint32(state.range(0)));
    qint64 bytes = 0;
    for (auto _ : state) {
        DataTable table = BuildDataTable(data, TableOrder::Time);
        bytes = table.text.size();
        benchmark::DoNotOptimize(table.text.constData());
        // The text's memory is given back untimed, as the baseline's file is removed untimed.
        state.PauseTiming();
        table = DataTable();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * bytes);
}

void BM_BuildTableValueOrder(benchmark::State& state) {
    DataSet data = largeDataSet(qint32(state.range(0)));
    SortByValue(data);
    for (auto _ : state) {
        const DataTable table = BuildDataTable(data, TableOrder::Value);
        benchmark::DoNotOptimize(table.text.constData());
    }
}

// The baseline: the time-order table's bytes written to a new file with one buffered write;
// the file of the previous iteration is removed untimed.
void BM_WriteSameBytesToNewFile(benchmark::State& state) {
    const QByteArray text =
        BuildDataTable(largeDataSet(qint32(state.range(0))), TableOrder::Time).text;
    QTemporaryDir folder;
    int n = 0;
    QString last;
    for (auto _ : state) {
        if (!last.isEmpty()) {
            state.PauseTiming();
            QFile::remove(last);
            state.ResumeTiming();
        }
        last = folder.filePath(QStringLiteral("t%1.dat").arg(++n));
        QFile file(last);
        if (!file.open(QIODevice::WriteOnly)) {
            state.SkipWithError("cannot write the file");
            break;
        }
        benchmark::DoNotOptimize(file.write(text));
        file.close();
    }
    state.SetBytesProcessed(state.iterations() * text.size());
}

// The report file of the table: written straight from the rows, then deleted.
void BM_ReportFileFromRows(benchmark::State& state) {
    setup();
    const TableRows rows(largeDataSet(qint32(state.range(0))), TableOrder::Time);
    for (auto _ : state)
        PassThroughReportFile(rows);
}

// The table window opened in the order (-1 time, 0 value) and painted; false, with the
// benchmark skipped, when it did not open.
bool openTable(benchmark::State& state, int order) {
    if (!ViewDataSource(order, -1)) {
        state.SkipWithError("the table did not open");
        return false;
    }
    SourceWindow()->repaint();
    QCoreApplication::processEvents();
    return true;
}

void closeTable() {
    delete SourceWindow();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The data-table window opened on the data set and painted, from no window to a window;
// its baseline is the time-order text built from the same data set (BM_BuildTableTimeOrder
// of the same size), each iteration anew.
void BM_OpenTable(benchmark::State& state) {
    setup();
    const qint32 samples = qint32(state.range(0));
    CurrentData() = largeDataSet(samples);
    const double before = ResidentMiB();
    double open = 0;
    for (auto _ : state) {
        if (!openTable(state, -1))
            break;
        state.PauseTiming();
        open = ResidentMiB();
        closeTable();
        state.ResumeTiming();
    }
    state.counters["rss_open_MiB"] = open;
    state.counters["rss_table_MiB"] = open - before;
    CurrentData() = DataSet();
}

// The value-ordered table shown for the first time: the value order is made then.
void BM_OpenValueOrderFirst(benchmark::State& state) {
    setup();
    for (auto _ : state) {
        state.PauseTiming();
        CurrentData() = largeDataSet(qint32(state.range(0)));
        state.ResumeTiming();
        if (!openTable(state, 0))
            break;
        state.PauseTiming();
        closeTable();
        state.ResumeTiming();
    }
    CurrentData() = DataSet();
}
// A session of a million samples opened as the program opens it with the time graph and
// the table: the file loaded, both windows opened and painted.
void BM_OpenSessionWithGraphAndTable(benchmark::State& state) {
    setup();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("million.log"));
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(SessionLogBytes(largeDataSet(qint32(state.range(0))), FileTextLocale()));
    }
    for (auto _ : state) {
        if (!LoadFile(path)) {
            state.SkipWithError("the session did not load");
            break;
        }
        ShowGraphTe().repaint();
        if (!openTable(state, -1))
            break;
        state.PauseTiming();
        closeTable();
        delete GraphTeWindow();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    state.counters["peak_rss_MiB"] = PeakResidentMiB();
    CurrentData() = DataSet();
}
} // namespace

BENCHMARK(BM_OpenSessionWithGraphAndTable)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->Iterations(5);
BENCHMARK(BM_BuildTableTimeOrder)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();
BENCHMARK(BM_BuildTableValueOrder)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();
BENCHMARK(BM_WriteSameBytesToNewFile)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();
BENCHMARK(BM_ReportFileFromRows)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();
BENCHMARK(BM_OpenTable)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();
BENCHMARK(BM_OpenValueOrderFirst)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->Iterations(3);

int main(int argc, char** argv) {
    return RunBenchmarks<QApplication>(argc, argv);
}
