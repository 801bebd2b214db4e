#include "window_services/effect_frames.h"

#include <cmath>

namespace radixon {

namespace {

// Nearest integer, ties to even (the default floating-point rounding mode).
int r(double x) { return static_cast<int>(std::nearbyint(x)); }

} // namespace

Rect effectRect(EffectDirection direction, int frame, int width, int height, int steps)
{
    const double w = width;
    const double h = height;
    const double dx = w / steps;
    const double dy = h / steps;
    // Width and height shown, each a whole number of pixels.
    const bool open = direction == EffectDirection::Open;
    const double a = open ? r(frame * dx) : r(w - frame * dx);
    const double b = open ? r(frame * dy) : r(h - frame * dy);
    return {r((w - a) / 2), r((h - b) / 2), r((a + w) / 2), r((b + h) / 2)};
}

} // namespace radixon
