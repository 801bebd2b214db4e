#pragma once

#include <QRect>

#include <cmath>

namespace radixon {

// Window layouts are designed in twips; at 96 dots per inch 15 twips make a pixel.
constexpr int twipsPerPixel = 15;

// Rounded to the nearest pixel, ties to even, as the layouts were designed.
inline int twipsToPixels(int twips)
{
    const double pixels = static_cast<double>(twips) / twipsPerPixel;
    return static_cast<int>(std::nearbyint(pixels));
}

inline QRect twipsRect(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

} // namespace radixon
