#include "platform/chart/chart_export.h"

#include "platform/chart/chart_model.h"
#include "platform/chart/chart_paint.h"

#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace {
void SetError(QString* error, const QString& text) {
    if (error)
        *error = text;
}
} // namespace

bool SaveChartJpeg(const ChartModel& model, const QString& path, const QFont& font, QSize size,
                   int quality, QString* error) {
    if (!QImageWriter::supportedImageFormats().contains("jpeg")) {
        SetError(error, QStringLiteral("JPEG writer not available"));
        return false;
    }
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setFont(font);
        PaintChart(painter, model, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        SetError(error, file.errorString());
        return false;
    }
    QImageWriter writer(&file, "jpeg");
    writer.setQuality(quality);
    if (!writer.write(image)) {
        SetError(error, writer.errorString());
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        SetError(error, file.errorString());
        return false;
    }
    return true;
}

bool SaveChartSvg(const ChartModel& model, const QString& path, const QFont& font, QSize size,
                  QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        SetError(error, file.errorString());
        return false;
    }
    {
        QSvgGenerator generator;
        generator.setOutputDevice(&file);
        generator.setSize(size);
        generator.setViewBox(QRect(QPoint(0, 0), size));
        generator.setResolution(96);
        QPainter painter;
        if (!painter.begin(&generator)) {
            SetError(error, QStringLiteral("cannot start the SVG drawing"));
            file.cancelWriting();
            return false;
        }
        painter.setFont(font);
        PaintChart(painter, model, QRectF(QPointF(0, 0), QSizeF(size)));
        painter.end();
    }
    if (file.error() != QFileDevice::NoError || !file.commit()) {
        SetError(error, file.errorString());
        return false;
    }
    return true;
}
