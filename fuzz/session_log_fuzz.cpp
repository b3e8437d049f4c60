#include "tests/data/files/fuzz/session_log_fuzz.h"
#include "tests/support/quiet_ui.h"

#include "data/dataset.h"
#include "data/files/session_file.h"
#include "platform/ui_services.h"
#include "text/date_math.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void breach(const char* what) {
    std::fprintf(stderr, "session log fuzz: %s\n", what);
    std::abort();
}

DataSet sentinel() {
    DataSet data;
    data.DataPresent = true;
    data.NumSamples = 2;
    data.SampleStep = 7;
    data.SampleStepUnit = QStringLiteral("h");
    data.StartDate = NaiveDateTime(2020, 2, 29, 1, 2, 3);
    data.CurrentFileName = QStringLiteral("sentinel.log");
    data.DataX = {0, 1, 2};
    data.DataY = {0, 3, 4};
    data.DataZ = {0, 5, 6};
    data.DataRes = {0, 5.92, 7.48};
    return data;
}

bool isSentinel(const DataSet& d) {
    const DataSet s = sentinel();
    return d.DataPresent && d.NumSamples == s.NumSamples && d.SampleStep == s.SampleStep &&
           d.SampleStepUnit == s.SampleStepUnit && d.StartDate == s.StartDate &&
           d.CurrentFileName == s.CurrentFileName && d.DataX == s.DataX && d.DataY == s.DataY &&
           d.DataZ == s.DataZ && d.DataRes == s.DataRes;
}

bool isWhole(const DataSet& d) {
    const qsizetype size = qsizetype(d.NumSamples) + 1;
    return d.DataPresent && d.NumSamples >= 1 && d.SampleStep >= 1 && d.StartDate.isValid() &&
           d.DataEndDate.isValid() && d.DataX.size() == size && d.DataY.size() == size &&
           d.DataZ.size() == size && d.DataRes.size() == size && d.SampleTimeText.size() == size &&
           d.IDShort.size() == IdShortLength && d.IDLong.size() == IdLongLength &&
           (d.SampleStepUnit == u"s" || d.SampleStepUnit == u"n" || d.SampleStepUnit == u"h" ||
            d.SampleStepUnit == u"d");
}

struct State {
    QuietUi ui;
    State() { SetUi(&ui); }
};

State& state() {
    static State s;
    return s;
}
} // namespace

long SessionLogFuzzLoads = 0;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    state();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    state();
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    ReplaceCurrentData(sentinel());
    if (LoadSessionBytes(bytes, QStringLiteral("fuzz.log"))) {
        ++SessionLogFuzzLoads;
        if (!isWhole(CurrentData()))
            breach("a load succeeded with a broken data set");
    } else if (!isSentinel(CurrentData())) {
        breach("a failed load changed the current data set");
    }
    return 0;
}
