#pragma once

#include <QLocale>
#include <QString>

// Formats an axis value with a pattern of the kind "#0.00#": the zeros after the point are
// decimals always shown, the hashes further decimals shown only when not zero. Digits
// before the point are never grouped. An empty pattern gives the shortest text.
QString FormatChartValue(double value, const QString& pattern, const QLocale& locale = QLocale());

struct ChartAxis;
// The text of a value-axis tick: the axis's pattern, except where a logarithmic axis's small
// values would lose their digits in it (0.0002 in "#0.00#"): those show in full.
QString AxisLabelText(const ChartAxis& axis, double value, const QLocale& locale = QLocale());
