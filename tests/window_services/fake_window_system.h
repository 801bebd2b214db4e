#pragma once

#include "window_services/window_system.h"

#include <map>
#include <vector>

namespace radixon {

class FakeWindowSystem : public WindowSystem {
public:
    struct Window {
        Rect rect;
        bool alive = true;
        bool maximized = false;
    };

    std::map<WindowId, Window> windows;
    Rect area{0, 0, 1000, 800};
    Point cursor;
    std::vector<std::vector<WindowMove>> batches;

    void add(WindowId id, Rect rect) { windows[id] = Window{rect}; }

    bool isWindow(WindowId id) const override
    {
        const auto it = windows.find(id);
        return it != windows.end() && it->second.alive;
    }
    bool isMaximized(WindowId id) const override
    {
        const auto it = windows.find(id);
        return it != windows.end() && it->second.maximized;
    }
    Rect windowRect(WindowId id) const override
    {
        const auto it = windows.find(id);
        return it != windows.end() ? it->second.rect : Rect{};
    }
    Rect workArea(WindowId) const override { return area; }
    Point cursorPos() const override { return cursor; }
    void moveWindows(const std::vector<WindowMove> &moves) override
    {
        batches.push_back(moves);
        for (const WindowMove &m : moves)
            windows[m.window].rect = windows[m.window].rect.movedTo(m.topLeft);
    }
};

} // namespace radixon
