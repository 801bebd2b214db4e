#pragma once

#include "window_services/window_system.h"

#include <QHash>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <optional>
#include <utility>

namespace radixon {

Rect toRect(const QRect &rect);

// Window system of the docking logic on top of Qt: windows are QWidgets,
// rectangles are frame geometries, the work area is the available geometry of
// the window's screen.
class QtWindowSystem : public WindowSystem {
public:
    static WindowId idOf(const QWidget *window) { return reinterpret_cast<WindowId>(window); }

    // While a move is being replayed or driven by the program, the platform layer
    // knows better than the window system where the cursor is and where a window
    // was; the guard says so for its lifetime.
    class Override {
    public:
        Override(QtWindowSystem &system, QPoint cursor,
                 std::optional<std::pair<WindowId, QRect>> rect = std::nullopt);
        ~Override();
        Override(const Override &) = delete;
        Override &operator=(const Override &) = delete;

    private:
        QtWindowSystem &m_system;
        std::optional<QPoint> m_previousCursor;
        std::optional<std::pair<WindowId, QRect>> m_previousRect;
    };

    void track(QWidget *window);
    void forget(WindowId window);
    QWidget *widget(WindowId window) const;

    bool isWindow(WindowId window) const override;
    bool isMaximized(WindowId window) const override;
    Rect windowRect(WindowId window) const override;
    Rect workArea(WindowId window) const override;
    Point cursorPos() const override;
    void moveWindows(const std::vector<WindowMove> &moves) override;

private:
    QHash<WindowId, QPointer<QWidget>> m_windows;
    std::optional<QPoint> m_cursorOverride;
    std::optional<std::pair<WindowId, QRect>> m_rectOverride;
};

} // namespace radixon
