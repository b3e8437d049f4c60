#pragma once

#include <QLocale>
#include <QString>

#include <vector>

// Formats an axis value with a pattern of the kind "#0.00#": the zeros after the point are
// decimals always shown, the hashes further decimals shown only when not zero. Digits
// before the point are never grouped. An empty pattern gives the shortest text.
QString FormatChartValue(double value, const QString& pattern, const QLocale& locale = QLocale());

struct ChartAxis;
// The text of a value-axis tick: the axis's pattern, except where a logarithmic axis's small
// values would lose their digits in it (0.0002 in "#0.00#"): those show in full.
QString AxisLabelText(const ChartAxis& axis, double value, const QLocale& locale = QLocale());

// The texts of a value axis's ticks, each as AxisLabelText gives it; on a linear axis the
// texts with fewer decimals are filled out with zeros to the most any of them shows, so
// that every label of the axis has the same decimals ("0.005", "0.010", "0.015").
std::vector<QString> AxisLabelTexts(const ChartAxis& axis, const std::vector<double>& ticks,
                                    const QLocale& locale = QLocale());
