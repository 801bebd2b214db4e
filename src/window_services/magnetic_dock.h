#pragma once

#include "window_services/geometry.h"
#include "window_services/window_system.h"

#include <vector>

namespace radixon {

// Snaps dragged windows onto each other and onto the work area, and carries
// glued companion windows along with their parent. Works on rectangles only;
// the window system comes in through WindowSystem, and the platform layer
// reports each move with beginMove, moving and endMove.
class MagneticDock {
public:
    struct WindowEntry {
        WindowId window = 0;
        WindowId parent = 0;
        bool glued = false;
    };

    explicit MagneticDock(WindowSystem &system);
    MagneticDock(const MagneticDock &) = delete;
    MagneticDock &operator=(const MagneticDock &) = delete;

    bool addWindow(WindowId window, WindowId parent = 0);
    bool removeWindow(WindowId window);
    // Glues every window whose parent, or a glued sibling, it touches.
    void checkGlueing();
    int snapWidth() const { return m_snapWidth; }
    void setSnapWidth(int pixels) { m_snapWidth = pixels; }

    static bool isTouching(const Rect &a, const Rect &b);

    // A move of `window`: the snapshot of every rectangle and the cursor's grab
    // at the start; at each step the proposed rectangle, which comes back snapped
    // while the glued children move along; at the end the glue is worked out anew.
    void beginMove(WindowId window);
    void moving(WindowId window, Rect &proposed);
    void endMove() { checkGlueing(); }

    int windowCount() const { return static_cast<int>(m_windows.size()) - 1; }
    // Entries 1 to windowCount() are the registered windows; entry 0 is empty.
    const WindowEntry &entry(int index) const
    {
        return m_windows.at(static_cast<std::size_t>(index));
    }
    bool isRegistered(WindowId window) const { return indexOf(window) != 0; }
    bool isGlued(WindowId window) const;
    WindowId parentOf(WindowId window) const;
    // Snapshot of rectangles; entry 0 is the work area as of the last move start.
    const std::vector<Rect> &rects() const { return m_rects; }

private:
    int indexOf(WindowId window) const;
    void snapAgainst(const Rect &moving, int k, int &dx, int &dy) const;

    WindowSystem &m_system;
    std::vector<WindowEntry> m_windows{WindowEntry{}};
    std::vector<Rect> m_rects{Rect{}};
    Point m_startCursor;
    Point m_grab;
    int m_snapWidth = 10;
};

} // namespace radixon
