#include "data/dataset.h"

#include "core/error_report.h"
#include "stats/data_stats.h"
#include "stats/median.h"
#include "text/date_math.h"
#include "text/date_text.h"
#include "text/general_date_texts.h"

#include <algorithm>
#include <cstdlib>

DataSet& CurrentData() {
    static DataSet data;
    return data;
}

void ReplaceCurrentData(DataSet&& loaded) {
    CurrentData() = std::move(loaded);
}

QDateTime NoStopDate() {
    return NaiveDateTime(2001, 1, 1, 1, 1, 1);
}

QDateTime SampleTime(const DataSet& data, qint32 i) {
    const qint64 steps = static_cast<qint64>(i - 1) * data.SampleStep * data.IntervalMultiplier;
    return DateAdd(data.SampleStepUnit, steps, data.StartDate);
}

QDateTime DataEndTime(const DataSet& data) {
    return SampleTime(data, data.NumSamples + 1);
}

qint64 SampleStepSeconds(const DataSet& data) {
    const qint64 unitSeconds = IntervalSeconds(data.SampleStepUnit);
    if (unitSeconds == 0)
        RaiseError(ErrorNumber::InvalidProcedureCall,
                   QStringLiteral("Invalid procedure call or argument"));
    return qint64(data.SampleStep) * data.IntervalMultiplier * unitSeconds;
}

void CheckSampleArrays(const DataSet& data) {
    const qsizetype needed = qsizetype(data.NumSamples) + 1;
    if (data.NumSamples < 0 || data.DataX.size() < needed || data.DataY.size() < needed ||
        data.DataZ.size() < needed || data.DataRes.size() < needed)
        RaiseError(ErrorNumber::SubscriptOutOfRange, QStringLiteral("Subscript out of range"));
}

struct SampleTimeTextMaker::Impl {
    const DataSet& data;
    GeneralDateTexts texts;
    qint64 unitSeconds = 0; // 0: every text through the sample's date-time
    qint64 stepUnits = 0;
    qint64 startDay = 0;
    qint64 startSecond = 0;
};

SampleTimeTextMaker::SampleTimeTextMaker(const DataSet& data)
    : impl_(std::make_unique<Impl>(Impl{data, GeneralDateTexts()})) {
    // The times counted in whole days and seconds of the day instead of through a date-time
    // each: the same times as SampleTime for a start without milliseconds.
    const qint64 unitSeconds = IntervalSeconds(data.SampleStepUnit);
    if (unitSeconds == 0 || !data.StartDate.isValid() || data.StartDate.time().msec() != 0)
        return;
    impl_->unitSeconds = unitSeconds;
    impl_->stepUnits = qint64(data.SampleStep) * data.IntervalMultiplier;
    impl_->startDay = data.StartDate.date().toJulianDay();
    impl_->startSecond = data.StartDate.time().msecsSinceStartOfDay() / 1000;
}

SampleTimeTextMaker::~SampleTimeTextMaker() = default;

QString SampleTimeTextMaker::Text(qint32 i) {
    Impl& m = *impl_;
    // A span of at most a million years keeps every figure below far from overflowing, and
    // leaves the calendar's end to the date-time.
    constexpr qint64 MaxSpanSeconds = qint64(1000000) * 366 * 86400;
    const qint64 steps = qint64(i) - 1;
    if (m.unitSeconds == 0 ||
        (steps != 0 && std::abs(m.stepUnits) > MaxSpanSeconds / m.unitSeconds / std::abs(steps)))
        return SampleTimeTextByDateTime(m.data, i);
    const qint64 total = m.startSecond + steps * m.stepUnits * m.unitSeconds;
    const qint64 days = total >= 0 ? total / 86400 : -((-total + 86399) / 86400);
    const int second = static_cast<int>(total - days * 86400);
    return m.texts.Text(QDate::fromJulianDay(m.startDay + days), second);
}

QString SampleTimeTextByDateTime(const DataSet& data, qint32 i) {
    return GeneralDateText(SampleTime(data, i), QLocale());
}

QString SampleTimeText(const DataSet& data, qint32 i) {
    return SampleTimeTextMaker(data).Text(i);
}

QVector<QString> SampleTimeTexts(const DataSet& data) {
    const qint32 n = std::max<qint32>(data.NumSamples, 0);
    QVector<QString> texts(n + 1);
    SampleTimeTextMaker maker(data);
    for (qint32 i = 1; i <= n; ++i)
        texts[i] = maker.Text(i);
    return texts;
}

std::span<const double> Resultants(const DataSet& data) {
    const qsizetype available = std::max<qsizetype>(data.DataRes.size() - 1, 0);
    const qsizetype n = std::clamp<qsizetype>(data.NumSamples, 0, available);
    if (n == 0)
        return {};
    return std::span<const double>(data.DataRes.constData() + 1, static_cast<std::size_t>(n));
}

void RecomputeStatistics(DataSet& data) {
    const std::span<const double> res = Resultants(data);
    const ResultantFigures figures = CalculateStats(res);
    data.ResMax = figures.Max;
    data.ResMin = figures.Min;
    data.ResMean = figures.Mean;
    data.StatisticsPresent = figures.Present;

    const MedianResult median = CalculateMediana(res);
    data.MedianValue = median.Value;
    data.MedianIndex = median.Index;
    data.MedianSampleNumber = median.Sample;
    data.MedianPresent = median.Present;
    data.SortedRes.clear();
    data.SortedIndex.clear();
}

void SortByValue(DataSet& data) {
    const std::span<const double> res = Resultants(data);
    const auto n = static_cast<qsizetype>(res.size());
    if (data.SortedRes.size() == n + 1 && data.SortedIndex.size() == n + 1)
        return;
    data.SortedRes.resize(n + 1);
    data.SortedIndex.resize(n + 1);
    data.SortedRes[0] = 0.0;
    data.SortedIndex[0] = 0;
    for (qsizetype i = 1; i <= n; ++i) {
        data.SortedRes[i] = res[static_cast<std::size_t>(i - 1)];
        data.SortedIndex[i] = static_cast<qint32>(i);
    }
    SortResultants(std::span<double>(data.SortedRes.data(), static_cast<std::size_t>(n + 1)),
                   std::span<qint32>(data.SortedIndex.data(), static_cast<std::size_t>(n + 1)));
}
