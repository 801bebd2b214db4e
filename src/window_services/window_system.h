#pragma once

#include "window_services/geometry.h"

#include <cstdint>
#include <vector>

namespace radixon {

// Opaque handle of a top-level window; 0 names no window.
using WindowId = std::intptr_t;

struct WindowMove {
    WindowId window = 0;
    Point topLeft;
};

// What the docking logic needs from the window system. Rectangles are outer
// (frame) rectangles in screen pixels.
class WindowSystem {
public:
    virtual ~WindowSystem() = default;

    virtual bool isWindow(WindowId window) const = 0;
    virtual bool isMaximized(WindowId window) const = 0;
    virtual Rect windowRect(WindowId window) const = 0;
    // Work area of the screen that holds the window (any screen for 0).
    virtual Rect workArea(WindowId window) const = 0;
    virtual Point cursorPos() const = 0;
    // Moves all windows in one step, without resizing, restacking or activating.
    virtual void moveWindows(const std::vector<WindowMove> &moves) = 0;
};

} // namespace radixon
