#pragma once

// The benchmarks' main.
#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <type_traits>

// Runs the benchmarks the command line names inside a Qt application of kind App (on the
// offscreen window system unless another is set), refusing arguments it does not know.
template <class App> int RunBenchmarks(int argc, char** argv) {
    if constexpr (!std::is_same_v<App, QCoreApplication>) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    App app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
