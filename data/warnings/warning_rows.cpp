#include "data/warnings/warning_rows.h"

#include "core/language.h"
#include "stats/sample_availability.h"
#include "text/date_math.h"
#include "text/display_texts.h"
#include "text/format_pattern.h"

#include <algorithm>
#include <cstdlib>

namespace {
const QString NoFigure = QStringLiteral("---");

void add(std::vector<WarningRow>& rows, const QString& text, WarningLevel level) {
    rows.push_back({text, level});
}

void addStationRows(std::vector<WarningRow>& rows, const DataSet& data, const QLocale& locale) {
    add(rows, ResString(44), WarningLevel::Attention);
    const std::pair<int, float> channels[] = {
        {45, data.CsvAuxMin}, {46, data.CsvAuxMax}, {47, data.CsvAuxMean},
        {48, data.CsvRfMin},  {49, data.CsvRfMax},  {50, data.CsvRfMean},
    };
    for (const auto& [id, value] : channels)
        add(rows, ResString(id) + RoundedText(value, 1, locale), WarningLevel::Fine);
}

void addStopReasonRow(std::vector<WarningRow>& rows, qint16 reason) {
    switch (reason) {
    case 0:
        add(rows, QStringLiteral("No Valid Stop Data"), WarningLevel::Attention);
        break;
    case 1: // memory full
        add(rows, ResString(41), WarningLevel::Fine);
        break;
    case 2: // battery exhausted
        add(rows, ResString(40), WarningLevel::Attention);
        break;
    case 3: // programmed end reached
        add(rows, ResString(42), WarningLevel::Fine);
        break;
    case 4: // stopped by the user
        add(rows, ResString(43), WarningLevel::Attention);
        break;
    default: // the source gave no reason
        break;
    }
}

void addStopTimeRow(std::vector<WarningRow>& rows, const DataSet& data) {
    if (!data.StopDate.isValid() || data.StopDate == NoStopDate())
        return;
    if (data.StopDate == UnknownStopDate()) {
        add(rows, ResString(4204), WarningLevel::Attention);
        return;
    }
    if (!data.DataEndDate.isValid())
        return;
    const qint64 apart = std::llabs(DateDiff(data.SampleStepUnit, data.DataEndDate, data.StopDate));
    if (apart > data.SampleStep)
        add(rows, ResString(4200), WarningLevel::Attention);
}

// One pass over the available samples.
struct SamplePass {
    qint32 available = 0;
    qint32 aboveThreshold = 0;
    qint32 largestIndex = 0;  // sample number less one
    qint32 smallestIndex = 0; // sample number less one
    double sumSquares = 0;
};

SamplePass passOver(const DataSet& data, float threshold) {
    SamplePass pass;
    const qint32 count = std::min<qint64>(data.NumSamples, data.DataRes.size() - 1);
    float largest = 0, smallest = 0;
    for (qint32 i = 1; i <= count; ++i) {
        const double res = data.DataRes[i];
        if (!IsAvailableSample(res))
            continue;
        const float value = static_cast<float>(res);
        if (pass.available == 0) {
            largest = smallest = value;
            pass.largestIndex = pass.smallestIndex = i - 1;
        }
        ++pass.available;
        if (value > threshold)
            ++pass.aboveThreshold;
        if (value > largest) {
            largest = value;
            pass.largestIndex = i - 1;
        }
        if (value < smallest) {
            smallest = value;
            pass.smallestIndex = i - 1;
        }
        const double deviation = res - data.ResMean;
        pass.sumSquares += deviation * deviation;
    }
    return pass;
}

QString sampleTimeText(const DataSet& data, qint32 index, const QLocale& locale) {
    const qint64 units = static_cast<qint64>(index) * data.SampleStep * data.IntervalMultiplier;
    return GeneralDateText(DateAdd(data.SampleStepUnit, units, data.StartDate), locale);
}

void addSampleRows(std::vector<WarningRow>& rows, const DataSet& data, float threshold,
                   const QLocale& locale) {
    const QString separator = QStringLiteral(" : ");
    const SamplePass pass = passOver(data, threshold);
    if (pass.available == 0) {
        add(rows, ResString(4201) + separator + NoFigure, WarningLevel::Fine);
        add(rows, ResString(51) + separator + NoFigure, WarningLevel::Fine);
        add(rows, ResString(4202) + separator + NoFigure, WarningLevel::Fine);
        add(rows, ResString(4203) + separator + NoFigure, WarningLevel::Fine);
        return;
    }
    const float percent =
        static_cast<float>(pass.aboveThreshold) * 100.0f / static_cast<float>(pass.available);
    add(rows, ResString(4201) + separator + FormatPattern(percent, u"0.0", locale) + u'%',
        percent <= 5.0f ? WarningLevel::Fine : WarningLevel::Attention);
    // The mean of the squared deviations: a figure in square microtesla.
    add(rows,
        ResString(51) + separator +
            FormatPattern(pass.sumSquares / pass.available, u"0.00", locale) +
            QStringLiteral(" µT²"),
        WarningLevel::Fine);
    add(rows, ResString(4202) + separator + sampleTimeText(data, pass.smallestIndex, locale),
        WarningLevel::Fine);
    add(rows, ResString(4203) + separator + sampleTimeText(data, pass.largestIndex, locale),
        WarningLevel::Fine);
}
} // namespace

QDateTime UnknownStopDate() {
    return NaiveDateTime(2001, 1, 1, 1, 1, 2);
}

std::vector<WarningRow> BuildWarnings(const DataSet& data, float threshold, const QLocale& locale) {
    std::vector<WarningRow> rows;
    if (data.RfDataPresent) {
        addStationRows(rows, data, locale);
    } else {
        addStopReasonRow(rows, data.StopReason);
        addStopTimeRow(rows, data);
    }
    addSampleRows(rows, data, threshold, locale);
    return rows;
}
