#pragma once

#include <QFont>
#include <QString>

class ChartModel;

// Picture kinds of the save dialog, in the order of its filter.
enum class GraphPictureKind { Jpeg = 0, Svg = 1 };

// The kind for a chosen file: by its extension when it names one, else by the filter the
// user picked.
GraphPictureKind PictureKindFor(const QString& fileName, int filterIndex);

// The file name with the kind's extension added when it has none.
QString WithPictureSuffix(const QString& fileName, GraphPictureKind kind);

// Writes the chart as the picture kind (JPEG of 800 x 600 pixels at quality 100, or SVG);
// a picture that cannot be written gives a message naming the file and the reason. True
// when written.
bool WriteGraphPicture(const ChartModel& chart, const QFont& font, const QString& fileName,
                       GraphPictureKind kind);

// The save-image button: asks for a file (dialog title, filter text) starting in the
// writable folder; Cancel writes nothing.
bool SaveGraphPicture(const ChartModel& chart, const QFont& font, const QString& dialogTitle,
                      const QString& filter);

// The time-evolution and RF windows' filter: JPEG picture and SVG drawing.
QString GraphPictureFilter();
