// The download of a full memory (the longest image the 16-bit length allows) from the
// emulated instrument pacing its bytes at 19200 baud, over a pseudo-terminal through the
// real serial layer, against the line's own minimum: bytes x 10 bits / 19200 baud plus
// the 0.7 s of silence that ends the read.
#include "bench/bench_main.h"
#include "data/dataset.h"
#include "data/upload/upload_data.h"
#include "link/comm_port.h"
#include "link/comm_state.h"
#include "platform/serial/qt_serial_port.h"
#include "tests/support/fake_ui.h"
#include "tests/support/kl720_pty.h"
#include "tests/support/link_reset.h"

#include <QApplication>
#include <QElapsedTimer>

#include <benchmark/benchmark.h>

#include <memory>

namespace {
void FullMemoryDownload(benchmark::State& state) {
    FakeUi ui;
    Kl720Pacing pacing;
    pacing.lineSpeed = true;
    Kl720PtyServer server(pacing);
    if (!server.IsRunning()) {
        state.SkipWithError("no pseudo-terminal");
        return;
    }
    const qint64 replyBytes = 4 + 96 + 7LL * Kl720Instrument::MaxSamples + 2;
    server.With([](Kl720Instrument& k) {
        k.settings[5] = 2;
        k.settings[6] = 1;
        for (int i = 0; i < Kl720Instrument::MaxSamples; ++i)
            k.samples.push_back({static_cast<quint16>(i % 1024), 0x0200, 0x0010, 1});
    });
    InstallSeriale(std::make_unique<QtSerialPort>());
    const QString path = server.SlavePath();
    SetPortResolver([path](int) { return path; });
    OpenCommPort(1);
    RegisterDataReplyHandlers();
    const double minimumMs = replyBytes * 10.0 / 19200.0 * 1000.0 + 700.0;
    double measuredMs = 0;
    for (auto _ : state) {
        CommState().Connected = true;
        CommState().MonitorState = 0;
        QElapsedTimer timer;
        timer.start();
        const bool ok = UploadData();
        measuredMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        state.SetIterationTime(measuredMs / 1000.0);
        if (!ok || CurrentData().NumSamples != Kl720Instrument::MaxSamples)
            state.SkipWithError("the download failed");
    }
    state.counters["reply_bytes"] = static_cast<double>(replyBytes);
    state.counters["line_minimum_ms"] = minimumMs;
    state.counters["ratio_to_line"] = measuredMs / minimumMs;
    ResetLinkForTests();
}
} // namespace

BENCHMARK(FullMemoryDownload)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return RunBenchmarks<QApplication>(argc, argv);
}
