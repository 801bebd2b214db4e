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
    // A registered window as the dock knows it.
    struct Entry {
        WindowId window = 0;
        WindowId parent = 0; // 0: none
        bool glued = false;
        Rect rect; // as of the last move start or glue check
    };

    explicit MagneticDock(WindowSystem &system);
    // Edges nearer than this, in pixels, snap together.
    static constexpr int snapDistance = 10;

    MagneticDock(const MagneticDock &) = delete;
    MagneticDock &operator=(const MagneticDock &) = delete;

    bool addWindow(WindowId window, WindowId parent = 0);
    bool removeWindow(WindowId window);
    // Glues every window whose parent, or a glued sibling, it touches.
    void checkGlueing();

    static bool isTouching(const Rect &a, const Rect &b);

    // A move of `window`: the snapshot of every rectangle and the cursor's grab
    // at the start; at each step the proposed rectangle, which comes back snapped
    // while the glued children move along; at the end the glue is worked out anew.
    void beginMove(WindowId window);
    void moving(WindowId window, Rect &proposed);
    void endMove() { checkGlueing(); }

    const std::vector<Entry> &windows() const { return m_windows; }
    bool isRegistered(WindowId window) const { return find(window) != nullptr; }
    bool isGlued(WindowId window) const;
    WindowId parentOf(WindowId window) const;

private:
    const Entry *find(WindowId window) const;
    bool isCarriedBy(const Entry &entry, WindowId moved) const;
    void snapAgainst(const Rect &moving, const Rect &target, int &dx, int &dy) const;

    WindowSystem &m_system;
    std::vector<Entry> m_windows;
    Rect m_workArea; // as of the last move start
    Point m_startCursor;
    Point m_grab;
};

} // namespace radixon
