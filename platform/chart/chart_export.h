#pragma once

#include <QFont>
#include <QSize>
#include <QString>

class ChartModel;

inline constexpr int ChartImageWidth = 800;
inline constexpr int ChartImageHeight = 600;

// Writes the chart as a JPEG picture of size pixels at quality (0..100). The file is
// replaced only when the whole picture was written; false with the reason in error.
bool SaveChartJpeg(const ChartModel& model, const QString& path, const QFont& font,
                   QSize size = QSize(ChartImageWidth, ChartImageHeight), int quality = 100,
                   QString* error = nullptr);

// Writes the chart as an SVG drawing of size pixels, the same picture as on the screen.
bool SaveChartSvg(const ChartModel& model, const QString& path, const QFont& font,
                  QSize size = QSize(ChartImageWidth, ChartImageHeight), QString* error = nullptr);
