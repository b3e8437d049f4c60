#pragma once

#include <cmath>

// Window geometry is given in twips (1440 to the inch); at 96 dots per inch a pixel is
// 15 twips.
inline int TwipsToPixels(int twips, double dotsPerInch = 96.0) {
    return static_cast<int>(std::nearbyint(twips * dotsPerInch / 1440.0));
}
inline int PixelsToTwips(int pixels, double dotsPerInch = 96.0) {
    return static_cast<int>(std::nearbyint(pixels * 1440.0 / dotsPerInch));
}
