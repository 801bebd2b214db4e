#pragma once

#include "window_services/geometry.h"

namespace radixon {

// Where a window that shows something about `asker` goes: touching the asker's right
// side, else its left side, else on the side with more room, narrowed to that room
// (never below `minWidth`); its top in line with the asker's, moved and if need be
// shortened so that it lies wholly in `area`. It covers no part of the asker unless
// neither side has `minWidth` pixels.
Rect placeBeside(const Rect &asker, int width, int height, const Rect &area, int minWidth);

// `r` moved the least that puts it inside `area`; one larger than the area keeps its
// left and top edges on the area's.
Rect movedInside(const Rect &r, const Rect &area);

} // namespace radixon
