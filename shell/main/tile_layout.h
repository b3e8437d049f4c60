#pragma once

#include <QRect>

#include <vector>

// Places count child windows one above the other, each the full width of the area; the
// last takes what the division leaves over.
std::vector<QRect> HorizontalTiles(const QRect& area, int count);
