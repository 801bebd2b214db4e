#include "window_services/magnetic_dock.h"

#include <cstdlib>
#include <optional>
#include <utility>

namespace radixon {

namespace {

// The shift that puts the first edge of a moving span that comes within reach onto
// an edge of the target span, trying the pairs in a fixed order.
std::optional<int> edgeShift(int low, int high, int targetLow, int targetHigh, int reach)
{
    const std::pair<int, int> pairs[] = {
        {low, targetLow}, {low, targetHigh}, {high, targetLow}, {high, targetHigh}};
    for (const auto &[edge, target] : pairs) {
        if (std::abs(edge - target) < reach)
            return target - edge;
    }
    return std::nullopt;
}

} // namespace

MagneticDock::MagneticDock(WindowSystem &system) : m_system(system) {}

int MagneticDock::indexOf(WindowId window) const
{
    if (window == 0)
        return 0;
    for (std::size_t i = 1; i < m_windows.size(); ++i) {
        if (m_windows[i].window == window)
            return static_cast<int>(i);
    }
    return 0;
}

bool MagneticDock::isGlued(WindowId window) const
{
    const int i = indexOf(window);
    return i != 0 && m_windows[static_cast<std::size_t>(i)].glued;
}

WindowId MagneticDock::parentOf(WindowId window) const
{
    return m_windows[static_cast<std::size_t>(indexOf(window))].parent;
}

bool MagneticDock::addWindow(WindowId window, WindowId parent)
{
    if (indexOf(window) != 0)
        return false;
    if (!m_system.isWindow(window) || (parent != 0 && !m_system.isWindow(parent)))
        return false;

    m_windows.push_back(WindowEntry{window, parent, false});
    m_rects.resize(m_windows.size());
    checkGlueing();

    return true;
}

bool MagneticDock::removeWindow(WindowId window)
{
    const int index = indexOf(window);
    if (index == 0)
        return false;

    m_windows.erase(m_windows.begin() + index);
    m_rects.erase(m_rects.begin() + index);
    for (std::size_t i = 1; i < m_windows.size(); ++i) {
        if (m_windows[i].parent == window)
            m_windows[i].parent = 0;
    }
    checkGlueing();
    return true;
}

void MagneticDock::checkGlueing()
{
    const std::size_t count = m_windows.size() - 1;
    for (std::size_t i = 1; i <= count; ++i) {
        m_rects[i] = m_system.windowRect(m_windows[i].window);
        m_windows[i].glued = false;
    }
    for (std::size_t i = 1; i <= count; ++i) {
        if (m_windows[i].parent == 0)
            continue;
        const auto parent = static_cast<std::size_t>(indexOf(m_windows[i].parent));
        m_windows[i].glued = isTouching(m_rects[parent], m_rects[i]);
    }
    // Each round can glue one more link of a chain of touching siblings.
    for (std::size_t round = 0; round < count; ++round) {
        for (std::size_t i = 1; i <= count; ++i) {
            if (!m_windows[i].glued)
                continue;
            for (std::size_t j = 1; j <= count; ++j) {
                if (j != i && m_windows[j].parent == m_windows[i].parent && !m_windows[j].glued)
                    m_windows[j].glued = isTouching(m_rects[i], m_rects[j]);
            }
        }
    }
}

bool MagneticDock::isTouching(const Rect &a, const Rect &b)
{
    const Rect u = unionRect(a, b);
    if (u.width() > a.width() + b.width() || u.height() > a.height() + b.height())
        return false;
    return a.left == b.left || a.left == b.right || a.right == b.left || a.right == b.right
           || a.top == b.top || a.top == b.bottom || a.bottom == b.top || a.bottom == b.bottom;
}

void MagneticDock::beginMove(WindowId moved)
{
    m_rects[0] = m_system.workArea(moved);
    for (std::size_t i = 1; i < m_windows.size(); ++i) {
        const WindowId w = m_windows[i].window;
        m_rects[i] = m_system.isMaximized(w) ? m_system.workArea(w) : m_system.windowRect(w);
    }
    const int index = indexOf(moved);
    if (index == 0)
        return;
    m_startCursor = m_system.cursorPos();
    m_grab = m_rects[static_cast<std::size_t>(index)].topLeft() - m_startCursor;
}

// On each axis the first matching edge pair of entry k sets the shift; a later
// entry overrides an earlier one.
void MagneticDock::snapAgainst(const Rect &rc, int k, int &dx, int &dy) const
{
    const Rect &r = m_rects[static_cast<std::size_t>(k)];
    const int s = m_snapWidth;
    if (rc.top < r.bottom + s && rc.bottom > r.top - s) {
        if (const std::optional<int> shift = edgeShift(rc.left, rc.right, r.left, r.right, s))
            dx = *shift;
    }
    if (rc.left < r.right + s && rc.right > r.left - s) {
        if (const std::optional<int> shift = edgeShift(rc.top, rc.bottom, r.top, r.bottom, s))
            dy = *shift;
    }
}

void MagneticDock::moving(WindowId moved, Rect &proposed)
{
    const int own = indexOf(moved);
    if (own == 0)
        return;
    const int count = windowCount();
    const auto isCarried = [&](int j) {
        const WindowEntry &e = m_windows[static_cast<std::size_t>(j)];
        return j != 0 && e.glued && e.parent == moved;
    };

    const Point cursor = m_system.cursorPos();
    proposed = proposed.movedTo(cursor + m_grab);

    int dx = 0;
    int dy = 0;
    for (int k = 0; k <= count; ++k) {
        if (k != own && !isCarried(k))
            snapAgainst(proposed, k, dx, dy);
    }
    const Point travelled = cursor - m_startCursor;
    for (int j = 1; j <= count; ++j) {
        if (!isCarried(j))
            continue;
        const Rect g = m_rects[static_cast<std::size_t>(j)].offset(travelled.x, travelled.y);
        for (int k = 0; k <= count; ++k) {
            if (k != j && k != own && !m_windows[static_cast<std::size_t>(k)].glued)
                snapAgainst(g, k, dx, dy);
        }
    }
    proposed = proposed.offset(dx, dy);

    const Point shift = m_rects[static_cast<std::size_t>(own)].topLeft() - proposed.topLeft();
    std::vector<WindowMove> moves;
    for (int j = 1; j <= count; ++j) {
        if (isCarried(j))
            moves.push_back({m_windows[static_cast<std::size_t>(j)].window,
                             m_rects[static_cast<std::size_t>(j)].topLeft() - shift});
    }
    if (!moves.empty())
        m_system.moveWindows(moves);
}

} // namespace radixon
