#include "tests/data/files/fuzz/session_log_fuzz.h"
#include "tests/support/quiet_ui.h"

#include "data/dataset.h"
#include "data/files/session_file.h"
#include "data/files/session_log.h"
#include "fuzz/sentinel_data.h"
#include "platform/ui_services.h"
#include "text/date_math.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace {

[[noreturn]] void breach(const char* what) {
    std::fprintf(stderr, "session log fuzz: %s\n", what);
    std::abort();
}

bool isWhole(const DataSet& d) {
    const qsizetype size = qsizetype(d.NumSamples) + 1;
    return d.DataPresent && d.NumSamples >= 1 && d.SampleStep >= 1 && d.StartDate.isValid() &&
           d.DataEndDate.isValid() && d.DataX.size() == size && d.DataY.size() == size &&
           d.DataZ.size() == size && d.DataRes.size() == size &&
           d.IDShort.size() == IdShortLength && d.IDLong.size() == IdLongLength &&
           (d.SampleStepUnit == u"s" || d.SampleStepUnit == u"n" || d.SampleStepUnit == u"h" ||
            d.SampleStepUnit == u"d");
}

// A value as it comes back from its two-decimal text. The text is made from the value's
// seven significant digits, which lie within half a unit of their last digit of it, then
// rounded to hundredths, half a hundredth more: -4440.14453125 reads "-4440.145" and is
// saved as "-4440.15". Reading the text back into single precision adds half a unit in
// its last place.
bool closeEnough(float read, float back) {
    const double value = std::fabs(double(read));
    const double seventhDigit = value == 0 ? 0 : std::pow(10.0, std::floor(std::log10(value)) - 6);
    const double lastPlace =
        std::max(double(std::nextafter(std::fabs(back), INFINITY)) - double(std::fabs(back)),
                 double(std::numeric_limits<float>::denorm_min()));
    const double tolerance = 0.005 + seventhDigit / 2 + lastPlace / 2;
    // The bounds are decimal, the arithmetic binary: a hair over them is the same step.
    return std::fabs(double(read) - double(back)) <= tolerance * (1 + 1e-12);
}

// What was loaded saves and reads back the same: every field of the header exactly, every
// value to its two decimals; and saving what was read back gives the same bytes again.
void checkReadsBack(const DataSet& loaded) {
    const FileTextLocale text;
    const QByteArray saved = SessionLogBytes(loaded, text);
    DataSet back;
    if (ReadSessionLog(saved, text, back) != LoadRefusal::None)
        breach("what was loaded was saved in a form the reader refuses");
    if (back.StartDate != loaded.StartDate || back.StopDate != loaded.StopDate ||
        back.StopReason != loaded.StopReason || back.SampleStep != loaded.SampleStep ||
        back.SampleStepUnit != loaded.SampleStepUnit || back.NumSamples != loaded.NumSamples ||
        back.DataEndDate != loaded.DataEndDate)
        breach("the header read back otherwise");
    if (back.IDShort != QString(SessionLogIdText(loaded.IDShort)).leftJustified(IdShortLength) ||
        back.IDLong != QString(SessionLogIdText(loaded.IDLong)).leftJustified(IdLongLength))
        breach("the identification texts read back otherwise");
    for (qint32 i = 1; i <= loaded.NumSamples; ++i) {
        const bool gap = back.DataRes[i] == NotAvailable;
        if (!gap && !(closeEnough(loaded.DataX[i], back.DataX[i]) &&
                      closeEnough(loaded.DataY[i], back.DataY[i]) &&
                      closeEnough(loaded.DataZ[i], back.DataZ[i])))
            breach("a sample read back otherwise");
        // Only a sample whose three values write as -1.00 comes back as the gap mark.
        if (gap && !(closeEnough(loaded.DataX[i], -1.0f) && closeEnough(loaded.DataY[i], -1.0f) &&
                     closeEnough(loaded.DataZ[i], -1.0f)))
            breach("a sample came back as not available");
    }
    // A sample that writes as -1.00 three times reads back as the gap mark, which then
    // writes as such: from the second save on the bytes stay the same.
    const QByteArray again = SessionLogBytes(back, text);
    DataSet backAgain;
    if (ReadSessionLog(again, text, backAgain) != LoadRefusal::None ||
        SessionLogBytes(backAgain, text) != again)
        breach("the saved bytes do not read back to themselves");
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
    ReplaceCurrentData(SentinelData());
    if (LoadSessionBytes(bytes, QStringLiteral("fuzz.log"))) {
        ++SessionLogFuzzLoads;
        if (!isWhole(CurrentData()))
            breach("a load succeeded with a broken data set");
        checkReadsBack(CurrentData());
    } else if (!HoldsSentinelData(CurrentData())) {
        breach("a failed load changed the current data set");
    }
    return 0;
}
