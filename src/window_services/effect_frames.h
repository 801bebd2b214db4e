#pragma once

#include "window_services/geometry.h"

namespace radixon {

enum class EffectDirection { Close, Open };

// Frames of an effect of `steps` steps, the first and the last included; none for
// fewer than one step.
int effectFrameCount(int steps);

// The visible part of a width x height window in frame `frame` (0 to steps): a
// rectangle centred in the window that grows from nothing to the whole window while
// it opens and shrinks back while it closes. It may be empty.
Rect effectRect(EffectDirection direction, int frame, int width, int height, int steps);

} // namespace radixon
