#include "shell/about/about_pictures.h"

#include <QPainter>
#include <QSvgRenderer>

// Outside any namespace, as the resource's start-up function is.
static void initAboutResources() {
    Q_INIT_RESOURCE(about);
}

QPixmap AboutPicture(const QString& name, int size, qreal devicePixelRatio) {
    static const bool loaded = (initAboutResources(), true);
    (void)loaded;
    QSvgRenderer renderer(QStringLiteral(":/about/pictures/%1.svg").arg(name));
    const int pixels = qRound(size * devicePixelRatio);
    QPixmap picture(pixels, pixels);
    picture.fill(Qt::transparent);
    if (renderer.isValid()) {
        QPainter painter(&picture);
        renderer.render(&painter);
    }
    picture.setDevicePixelRatio(devicePixelRatio);
    return picture;
}
