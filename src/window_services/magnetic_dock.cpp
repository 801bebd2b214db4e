#include "window_services/magnetic_dock.h"

#include <algorithm>
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

const MagneticDock::Entry *MagneticDock::find(WindowId window) const
{
    const auto it = std::find_if(m_windows.begin(), m_windows.end(),
                                 [window](const Entry &e) { return e.window == window; });
    return window != 0 && it != m_windows.end() ? &*it : nullptr;
}

bool MagneticDock::isGlued(WindowId window) const
{
    const Entry *entry = find(window);
    return entry && entry->glued;
}

WindowId MagneticDock::parentOf(WindowId window) const
{
    const Entry *entry = find(window);
    return entry ? entry->parent : 0;
}

bool MagneticDock::addWindow(WindowId window, WindowId parent)
{
    if (window == 0 || isRegistered(window))
        return false;
    if (!m_system.isWindow(window) || (parent != 0 && !m_system.isWindow(parent)))
        return false;
    m_windows.push_back(Entry{window, parent, false, {}});
    checkGlueing();
    return true;
}

bool MagneticDock::removeWindow(WindowId window)
{
    const Entry *entry = find(window);
    if (!entry)
        return false;
    m_windows.erase(m_windows.begin() + (entry - m_windows.data()));
    for (Entry &e : m_windows) {
        if (e.parent == window)
            e.parent = 0;
    }
    checkGlueing();
    return true;
}

void MagneticDock::checkGlueing()
{
    for (Entry &e : m_windows) {
        e.rect = m_system.windowRect(e.window);
        e.glued = false;
    }
    for (Entry &e : m_windows) {
        if (const Entry *parent = find(e.parent))
            e.glued = isTouching(parent->rect, e.rect);
    }
    // Each round can glue one more link of a chain of touching siblings.
    for (std::size_t round = 0; round < m_windows.size(); ++round) {
        for (const Entry &glued : m_windows) {
            if (!glued.glued)
                continue;
            for (Entry &e : m_windows) {
                if (&e != &glued && e.parent == glued.parent && !e.glued)
                    e.glued = isTouching(glued.rect, e.rect);
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
    m_workArea = m_system.workArea(moved);
    for (Entry &e : m_windows)
        e.rect = m_system.isMaximized(e.window) ? m_system.workArea(e.window)
                                                : m_system.windowRect(e.window);
    if (const Entry *entry = find(moved)) {
        m_startCursor = m_system.cursorPos();
        m_grab = entry->rect.topLeft() - m_startCursor;
    }
}

bool MagneticDock::isCarriedBy(const Entry &entry, WindowId moved) const
{
    return entry.glued && entry.parent == moved;
}

// On each axis the first matching edge pair sets the shift; a later target overrides
// an earlier one.
void MagneticDock::snapAgainst(const Rect &rc, const Rect &r, int &dx, int &dy) const
{
    const int s = snapDistance;
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
    const Entry *own = find(moved);
    if (!own)
        return;
    const Point cursor = m_system.cursorPos();
    proposed = proposed.movedTo(cursor + m_grab);

    // The work area first, then every other window that is not carried along.
    int dx = 0;
    int dy = 0;
    snapAgainst(proposed, m_workArea, dx, dy);
    for (const Entry &e : m_windows) {
        if (&e != own && !isCarriedBy(e, moved))
            snapAgainst(proposed, e.rect, dx, dy);
    }
    // A carried window snaps the group too, to the work area and to loose windows.
    const Point travelled = cursor - m_startCursor;
    for (const Entry &carried : m_windows) {
        if (!isCarriedBy(carried, moved))
            continue;
        const Rect g = carried.rect.offset(travelled.x, travelled.y);
        snapAgainst(g, m_workArea, dx, dy);
        for (const Entry &e : m_windows) {
            if (&e != &carried && &e != own && !e.glued)
                snapAgainst(g, e.rect, dx, dy);
        }
    }
    proposed = proposed.offset(dx, dy);

    const Point shift = own->rect.topLeft() - proposed.topLeft();
    std::vector<WindowMove> moves;
    for (const Entry &e : m_windows) {
        if (isCarriedBy(e, moved))
            moves.push_back({e.window, e.rect.topLeft() - shift});
    }
    if (!moves.empty())
        m_system.moveWindows(moves);
}

} // namespace radixon
