#pragma once

#include "stats/live_stats.h"

#include <QDateTime>
#include <QString>
#include <QVector>
#include <QtGlobal>

#include <array>

// The live readings of the real-time view, apart from the current data set: live reading
// never touches the data set and a load never touches the live readings. One record for the
// whole run, reached through RealTimeSet().

// Drawing scale factors, one per scale button: a component of v µT is drawn
// v x factor / 200 x VectorLength long, so the buttons stand for 0.1 .. 50 µT a division.
inline constexpr std::array<double, 9> DrawingScaleTable{400, 200, 80, 40, 20, 8, 4, 2, 0.8};

// Which of its two ranges a bar meter shows.
enum class MeterRange { Low, High };

struct RealTimeSetState {
    // The latest reading: x, y, z and resultant, µT.
    std::array<float, 4> RtValues{};
    // Readings since the last start; the arrays hold reading i at index i (index 0 none).
    qint32 RtCount = 0;
    QVector<float> RtX, RtY, RtZ;
    QVector<double> RtRes;
    // Running maximum, minimum and mean of the resultants.
    LiveFigures Figures;
    qint32 RtStep = 3;
    QString RtStepUnit = QStringLiteral("s");
    QDateTime RtStartDate;
    QString RtSourceName;
    QString RtIDShort, RtIDLong;
    bool RealTimeActive = false;
    // The status bar tells of a dropped reading: the next good reading or start clears it.
    bool DroppedReadingShown = false;
    // µT of 1024 counts in each range; the low range reads 5.0 µT from a start at which the
    // instrument gave no identification on.
    double LowRangeFullScale = 2.0;
    double HighRangeFullScale = 200.0;

    // Drawing state of the view.
    std::array<double, 9> ScaleTable = DrawingScaleTable;
    qint16 ScaleIndex = 0;
    std::array<quint32, 4> RtBarColor{};
    std::array<float, 4> RtFullScale{};
    std::array<MeterRange, 4> RtRange{MeterRange::Low, MeterRange::Low, MeterRange::Low,
                                      MeterRange::Low};
    qint16 DrawHeight = 260;
    qint16 DrawWidth = 250;
    qint16 AxisLength = 230;
    qint16 VectorLength = 230;
};

RealTimeSetState& RealTimeSet();
// The start-up values (start-up and tests).
void ResetRealTimeSet();

// Appends a reading as reading RtCount + 1 and folds its resultant into the figures.
void AppendLiveReading(RealTimeSetState& set, float x, float y, float z, float res);
