#include "shell/main/picture_store.h"

#include <QPainter>
#include <QSvgRenderer>

#include <array>
#include <cmath>

// The pictures are compiled into the main window's library; a static library must register
// them itself.
static void initPictures() {
    Q_INIT_RESOURCE(main_window);
}

namespace {
struct PictureName {
    const char* file;
    const char* theme; // nullptr: ours only
};

// In the toolbar's picture-list order (1-based numbers in the button table).
constexpr std::array<PictureName, ToolbarPictureCount> toolbarPictures{{
    {"open", "document-open"},
    {"save", "document-save"},
    {"upload", nullptr},
    {"export", "document-export"},
    {"settings", "preferences-system"},
    {"realtime", nullptr},
    {"monitor", nullptr},
    {"idcode", nullptr},
    {"graphte", nullptr},
    {"graphst", nullptr},
    {"info", nullptr},
    {"helpindex", "help-contents"},
    {"source", nullptr},
    {"helpsearch", "help-faq"},
    {"tile", nullptr},
    {"connect", nullptr},
    {"warnings", "dialog-warning"},
}};

constexpr std::array<const char*, StatusPicture::Count> statusPictures{{
    "battery_unknown",
    "battery_ok",
    "battery_low",
    "comm_off",
    "comm_failed",
    "comm_ok",
    "comm_sending",
}};

QString resourcePath(const char* name) {
    return QStringLiteral(":/main_window/pictures/%1.svg").arg(QLatin1String(name));
}
} // namespace

QPixmap StatusPictureAt(int index, qreal devicePixelRatio) {
    if (index < 0 || index >= StatusPicture::Count)
        return QPixmap();
    initPictures();
    QSvgRenderer renderer(resourcePath(statusPictures[index]));
    const int side = static_cast<int>(std::nearbyint(16 * devicePixelRatio));
    QPixmap picture(side, side);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    renderer.render(&painter);
    painter.end();
    picture.setDevicePixelRatio(devicePixelRatio);
    return picture;
}

void UseFallbackIconTheme() {
    // A desktop that names a fallback of its own keeps it.
    const QString current = QIcon::fallbackThemeName();
    if (current.isEmpty() || current == QLatin1String("hicolor"))
        QIcon::setFallbackThemeName(QLatin1String(FallbackIconTheme));
}

QIcon ProgramIcon() {
    initPictures();
    return QIcon(resourcePath("corvanel"));
}

QIcon ToolbarPicture(int image) {
    if (image < 1 || image > ToolbarPictureCount)
        return QIcon();
    initPictures();
    const PictureName& name = toolbarPictures[image - 1];
    QIcon ours(resourcePath(name.file));
    if (!name.theme)
        return ours;
    return QIcon::fromTheme(QLatin1String(name.theme), ours);
}
