#pragma once

#include "window_services/geometry.h"
#include "window_services/hook_table.h"
#include "window_services/window_system.h"

#include <vector>

namespace radixon {

// Snaps dragged windows onto each other and onto the work area, and carries
// glued companion windows along with their parent. Works on rectangles only;
// the window system comes in through WindowSystem and the messages through
// the hook table (Relay).
class MagneticDock : public HookClient {
public:
    struct WindowEntry {
        WindowId hWnd = 0;
        WindowId hWndParent = 0;
        bool Glued = false;
    };

    explicit MagneticDock(WindowSystem &system);
    ~MagneticDock() override;
    MagneticDock(const MagneticDock &) = delete;
    MagneticDock &operator=(const MagneticDock &) = delete;

    void OnHookedMessage(bool before, bool &handled, int &result, WindowId hWnd, HookMessage uMsg,
                         int &wParam, Rect &rect) override;
    bool AddWindow(WindowId hWnd, WindowId hWndParent = 0);
    bool RemoveWindow(WindowId hWnd);
    void CheckGlueing();
    int SnapWidth() const { return snapWidth_; }
    void SnapWidth(int New_SnapWidth) { snapWidth_ = New_SnapWidth; }

    static bool IsTouching(const Rect &a, const Rect &b);

    // Entry point for the platform layer: one message to one window, with the
    // window's own handling as windowProc. Unhooked windows get windowProc only.
    int Relay(WindowId hWnd, HookMessage uMsg, int &wParam, Rect &rect,
              const HookTable::WindowProc &windowProc = {});

    int windowCount() const { return static_cast<int>(windows_.size()) - 1; }
    // Entries 1 to windowCount() are the registered windows; entry 0 is empty.
    const WindowEntry &entry(int index) const { return windows_.at(static_cast<std::size_t>(index)); }
    bool isRegistered(WindowId hWnd) const { return IndexOf(hWnd) != 0; }
    bool isGlued(WindowId hWnd) const;
    WindowId parentOf(WindowId hWnd) const;
    // Snapshot of rectangles; entry 0 is the work area as of the last move start.
    const std::vector<Rect> &rects() const { return rects_; }
    const HookTable &hooks() const { return hooks_; }

private:
    int IndexOf(WindowId hWnd) const;
    void BeginMove(WindowId h);
    void SnapMoving(WindowId h, Rect &rc);
    void SnapSizing(WindowId h, int edge, Rect &rc);
    void snapAgainst(const Rect &moving, int k, int &dx, int &dy) const;

    WindowSystem &system_;
    std::vector<WindowEntry> windows_{WindowEntry{}};
    std::vector<Rect> rects_{Rect{}};
    Point startCursor_;
    Point currentCursor_;
    Point grab_;
    int snapWidth_ = 10;
    HookTable hooks_;
};

} // namespace radixon
