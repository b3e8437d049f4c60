#pragma once

#include <QDateTime>
#include <QString>
#include <QVector>
#include <QtGlobal>

#include <memory>
#include <span>

// The one current measurement. Sample arrays run from 0 to NumSamples: element i
// (1 <= i <= NumSamples) is sample i, element 0 holds no sample. -1 in DataX, DataY, DataZ
// and DataRes marks a sample that is not available.
struct DataSet {
    bool DataPresent = false;
    bool DataSaved = false;
    QDateTime StartDate;   // time of sample 1 (naive local)
    QDateTime StopDate;    // NoStopDate() when the data came without a stop time
    QDateTime DataEndDate; // StartDate + SampleStep * NumSamples units
    qint32 SampleStep = 0;
    QString SampleStepUnit; // "s", "n", "h" or "d"
    qint32 NumSamples = 0;
    QVector<float> DataX, DataY, DataZ, DataRf;
    QVector<double> DataRes;
    QString IDShort; // 16 characters, blank-padded
    QString IDLong;  // 48 characters, blank-padded
    // The resultants in ascending order with the sample number of each (element 0 holds
    // no sample): made by SortByValue when the value order is first needed, empty before.
    QVector<double> SortedRes;
    QVector<qint32> SortedIndex;
    double MedianValue = 0;
    qint32 MedianIndex = 0;        // the median's position in the value order
    qint32 MedianSampleNumber = 0; // the sample at that position (0 when no median)
    float ResMax = 0, ResMin = 0, ResMean = 0;
    // False when no sample is available (an empty data set, or only gaps): the figures
    // above are then 0 and the windows show no statistics, no median.
    bool StatisticsPresent = false;
    bool MedianPresent = false;
    float CsvAuxMax = 0, CsvAuxMin = 0, CsvAuxMean = 0;
    float CsvRfMax = 0, CsvRfMin = 0, CsvRfMean = 0;
    QString DataSourceName; // "Upload", "File", "File Centralina", "Tressil"
    QString CurrentFileName;
    qint16 StopReason = -1; // 0..4 as the instrument reports it; -1 none given
    bool RfDataPresent = false;
    qint16 IntervalMultiplier = 1;
};

// The download's range scales (uT at full scale of 1024 counts).
inline constexpr float HighRangeFullScale = 200.0f;
inline constexpr float StoredLowRangeFullScale = 2.0f;

inline constexpr int IdShortLength = 16;
inline constexpr int IdLongLength = 48;
inline constexpr float NotAvailable = -1.0f;

// The program-wide current data set.
DataSet& CurrentData();
// Replaces the current data set whole (after a successful load).
void ReplaceCurrentData(DataSet&& loaded);

// 1 January 2001 01:01:01: the stand-in for a missing stop time.
QDateTime NoStopDate();

// The time of sample i (1-based): StartDate + (i - 1) x SampleStep x IntervalMultiplier in
// the unit SampleStepUnit, by calendar arithmetic. Invalid for an unknown unit.
QDateTime SampleTime(const DataSet& data, qint32 i);
// StartDate + SampleStep x NumSamples x IntervalMultiplier units: one step past the last
// sample.
QDateTime DataEndTime(const DataSet& data);
// Seconds from one sample to the next (SampleStep x IntervalMultiplier units); an unknown
// unit raises error 5.
qint64 SampleStepSeconds(const DataSet& data);
// Raises error 9 unless the x, y, z and resultant arrays reach sample NumSamples.
void CheckSampleArrays(const DataSet& data);
// The general date-time text of sample i's time (1 <= i <= NumSamples), made from the
// start, the step and i when it is asked for: the data set keeps no text per sample.
QString SampleTimeText(const DataSet& data, qint32 i);
// The texts of samples 1..NumSamples at positions 1..NumSamples (position 0 empty).
QVector<QString> SampleTimeTexts(const DataSet& data);

// Sample time texts of one data set, many in a row: the patterns are compiled once and each
// date's text is made once. It reads the data set's start, step and unit as they are when
// it is made.
class SampleTimeTextMaker {
public:
    explicit SampleTimeTextMaker(const DataSet& data);
    ~SampleTimeTextMaker();
    QString Text(qint32 i);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};
// Sample i's text the long way, through its date-time and the locale: what the maker gives.
QString SampleTimeTextByDateTime(const DataSet& data, qint32 i);

// The resultants of samples 1..NumSamples (never past the array).
std::span<const double> Resultants(const DataSet& data);

// The figures every loader computes after filling a data set: minimum, maximum and mean
// over the available samples, and the median with its position and sample in the value
// order. The sorted arrays are emptied: the value order is made when it is first needed.
// A data set without available samples gets no statistics, not an error.
void RecomputeStatistics(DataSet& data);

// Fills SortedRes/SortedIndex with the value order of samples 1..NumSamples (the order the
// median's position and sample belong to), unless they already hold it.
void SortByValue(DataSet& data);
