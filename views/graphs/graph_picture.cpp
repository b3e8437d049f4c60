#include "views/graphs/graph_picture.h"

#include "core/language.h"
#include "core/message_box.h"
#include "core/write_failure.h"
#include "platform/chart/chart_export.h"
#include "platform/paths.h"
#include "platform/ui_services.h"

#include <QDir>
#include <QFileInfo>

namespace {
// Fewer bytes than any 800 x 600 picture of a chart takes, JPEG or SVG.
constexpr qint64 SmallestPictureBytes = 16 * 1024;
} // namespace

GraphPictureKind PictureKindFor(const QString& fileName, int filterIndex) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("svg"))
        return GraphPictureKind::Svg;
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
        return GraphPictureKind::Jpeg;
    return filterIndex == 1 ? GraphPictureKind::Svg : GraphPictureKind::Jpeg;
}

QString WithPictureSuffix(const QString& fileName, GraphPictureKind kind) {
    if (!QFileInfo(fileName).suffix().isEmpty())
        return fileName;
    return fileName +
           (kind == GraphPictureKind::Svg ? QStringLiteral(".svg") : QStringLiteral(".jpg"));
}

bool WriteGraphPicture(const ChartModel& chart, const QFont& font, const QString& fileName,
                       GraphPictureKind kind) {
    QString error;
    const bool written =
        kind == GraphPictureKind::Svg
            ? SaveChartSvg(chart, fileName, font, QSize(ChartImageWidth, ChartImageHeight), &error)
            : SaveChartJpeg(chart, fileName, font, QSize(ChartImageWidth, ChartImageHeight), 100,
                            &error);
    if (!written) {
        // The picture is gone with the failed write by now; a folder with less room than
        // the smallest picture takes has run full.
        const QString name = QDir::toNativeSeparators(fileName);
        MessBox(NoRoomFor(fileName, SmallestPictureBytes) ? ResString(3703).arg(name)
                                                          : ResString(3720).arg(name, error),
                QString(), -1, -1);
    }
    return written;
}

bool SaveGraphPicture(const ChartModel& chart, const QFont& font, const QString& dialogTitle,
                      const QString& filter) {
    FileDialogRequest request;
    request.title = dialogTitle;
    request.filter = filter;
    request.filterIndex = 0;
    request.folder = WritableFolder();
    request.fileName = QString();
    request.confirmOverwrite = true;
    request.suffixFromFilter = true;
    const FileDialogResult chosen = Ui().SaveFile(request);
    if (!chosen.accepted || chosen.fileName.isEmpty())
        return false;
    const GraphPictureKind kind = PictureKindFor(chosen.fileName, chosen.filterIndex);
    return WriteGraphPicture(chart, font, WithPictureSuffix(chosen.fileName, kind), kind);
}

QString GraphPictureFilter() {
    return ResString(3008) + QStringLiteral(" (*.jpg);;") + ResString(3009) +
           QStringLiteral(" (*.svg)");
}
