#pragma once

#include <cmath>
#include <cstdint>

namespace dockable {

// "Rounded to the nearest" in the library's arithmetic: halves go to the even neighbour.
inline int roundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

// Pixels from twips, and back, for one screen direction.
inline int twipsToPixels(int twips, double twipsPerPixel) {
    return twipsPerPixel > 0 ? roundHalfEven(twips / twipsPerPixel) : twips;
}
inline int pixelsToTwips(int pixels, double twipsPerPixel) {
    return roundHalfEven(pixels * twipsPerPixel);
}

// A 16-bit field as stored: wider values keep their low 16 bits, as the 16-bit fields of
// the layout do.
inline int asInt16(int value) {
    return static_cast<int16_t>(static_cast<uint16_t>(value & 0xFFFF));
}

} // namespace dockable
