#include "shell/main/tile_layout.h"

std::vector<QRect> HorizontalTiles(const QRect& area, int count) {
    std::vector<QRect> tiles;
    if (count <= 0 || area.isEmpty())
        return tiles;
    const int height = area.height() / count;
    for (int i = 0; i < count; ++i) {
        const int top = area.top() + i * height;
        const int bottom = i == count - 1 ? area.bottom() : top + height - 1;
        tiles.emplace_back(QPoint(area.left(), top), QPoint(area.right(), bottom));
    }
    return tiles;
}
