#pragma once

#include <QDateTime>
#include <QString>
#include <QtGlobal>

struct DataSet;

// A time as a chart label: the general date-time text with the blank between date and time
// turned into a carriage return, so they stand on two lines (a midnight, shown as the date
// alone, stays one line).
QString ChartTimeLabel(const QDateTime& when);

// The label of chart point index (sample index + 1) of a data set: its sample time. The
// step product is taken in 64 bits; an unknown unit gives an empty label.
QString SampleTimeLabel(const QDateTime& start, qint32 step, const QString& unit, qint16 multiplier,
                        qint32 index);
