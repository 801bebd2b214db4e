#pragma once

#include "window_services/geometry.h"

namespace radixon {

enum class EffectDirection { Close, Open };

// The visible part of a width x height window in frame `frame` (0 to steps, steps at
// least 1): a rectangle centred in the window that grows from nothing to the whole
// window while it opens and shrinks back while it closes. It may be empty.
Rect effectRect(EffectDirection direction, int frame, int width, int height, int steps);

} // namespace radixon
