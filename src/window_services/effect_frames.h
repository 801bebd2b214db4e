#pragma once

#include "window_services/geometry.h"

#include <vector>

namespace radixon {

enum class EffectDirection { Close = 0, Open = 1 };

constexpr int effectCount = 14;

// The visible part of a window in one frame: the union of these rectangles,
// in window coordinates, clipped to the window and without empty rectangles.
// An empty list means nothing of the window shows.
using EffectRegion = std::vector<Rect>;

// Frames of an effect with the given number of steps: 0 for an effect number
// outside 0 to 13, -1 when the steps give no step size (0 steps).
int effectFrameCount(int effect, int steps);

// Region of frame `frame` (0 to effectFrameCount - 1) of a width x height window.
EffectRegion effectRegion(int effect, EffectDirection direction, int frame, int width, int height,
                          int steps);

} // namespace radixon
