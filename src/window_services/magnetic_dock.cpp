#include "window_services/magnetic_dock.h"

#include <cstdlib>
#include <optional>
#include <utility>

namespace radixon {

MagneticDock::MagneticDock(WindowSystem &system) : system_(system) {}

MagneticDock::~MagneticDock()
{
    if (windowCount() != 0)
        hooks_.UnhookAll();
}

int MagneticDock::IndexOf(WindowId hWnd) const
{
    if (hWnd == 0)
        return 0;
    for (std::size_t i = 1; i < windows_.size(); ++i) {
        if (windows_[i].hWnd == hWnd)
            return static_cast<int>(i);
    }
    return 0;
}

bool MagneticDock::isGlued(WindowId hWnd) const
{
    const int i = IndexOf(hWnd);
    return i != 0 && windows_[static_cast<std::size_t>(i)].Glued;
}

WindowId MagneticDock::parentOf(WindowId hWnd) const
{
    return windows_[static_cast<std::size_t>(IndexOf(hWnd))].hWndParent;
}

bool MagneticDock::AddWindow(WindowId hWnd, WindowId hWndParent)
{
    if (IndexOf(hWnd) != 0)
        return false;
    if (!system_.isWindow(hWnd) || (hWndParent != 0 && !system_.isWindow(hWndParent)))
        return false;

    windows_.push_back(WindowEntry{hWnd, hWndParent, false});
    rects_.resize(windows_.size());
    CheckGlueing();

    hooks_.Hook(hWnd);
    hooks_.AddMessage(hWnd, HookMessage::EnterSizeMove, HookSide::After);
    hooks_.AddMessage(hWnd, HookMessage::Sizing, HookSide::Before);
    hooks_.AddMessage(hWnd, HookMessage::Moving, HookSide::Before);
    hooks_.AddMessage(hWnd, HookMessage::ExitSizeMove, HookSide::After);
    hooks_.AddMessage(hWnd, HookMessage::SysCommand, HookSide::After);
    hooks_.AddMessage(hWnd, HookMessage::Command, HookSide::After);
    return true;
}

bool MagneticDock::RemoveWindow(WindowId hWnd)
{
    const int index = IndexOf(hWnd);
    if (index == 0)
        return false;

    windows_.erase(windows_.begin() + index);
    rects_.erase(rects_.begin() + index);
    for (std::size_t i = 1; i < windows_.size(); ++i) {
        if (windows_[i].hWndParent == hWnd)
            windows_[i].hWndParent = 0;
    }
    hooks_.Unhook(hWnd);
    CheckGlueing();
    return true;
}

void MagneticDock::CheckGlueing()
{
    const std::size_t count = windows_.size() - 1;
    for (std::size_t i = 1; i <= count; ++i) {
        rects_[i] = system_.windowRect(windows_[i].hWnd);
        windows_[i].Glued = false;
    }
    for (std::size_t i = 1; i <= count; ++i) {
        if (windows_[i].hWndParent == 0)
            continue;
        const auto parent = static_cast<std::size_t>(IndexOf(windows_[i].hWndParent));
        windows_[i].Glued = IsTouching(rects_[parent], rects_[i]);
    }
    // Each round can glue one more link of a chain of touching siblings.
    for (std::size_t round = 0; round < count; ++round) {
        for (std::size_t i = 1; i <= count; ++i) {
            if (!windows_[i].Glued)
                continue;
            for (std::size_t j = 1; j <= count; ++j) {
                if (j != i && windows_[j].hWndParent == windows_[i].hWndParent && !windows_[j].Glued)
                    windows_[j].Glued = IsTouching(rects_[i], rects_[j]);
            }
        }
    }
}

bool MagneticDock::IsTouching(const Rect &a, const Rect &b)
{
    const Rect u = unionRect(a, b);
    if (u.width() > a.width() + b.width() || u.height() > a.height() + b.height())
        return false;
    return a.left == b.left || a.left == b.right || a.right == b.left || a.right == b.right
        || a.top == b.top || a.top == b.bottom || a.bottom == b.top || a.bottom == b.bottom;
}

int MagneticDock::Relay(WindowId hWnd, HookMessage uMsg, int &wParam, Rect &rect,
                        const HookTable::WindowProc &windowProc)
{
    return hooks_.relay(*this, hWnd, uMsg, wParam, rect, windowProc);
}

void MagneticDock::OnHookedMessage(bool /*before*/, bool &handled, int &result, WindowId hWnd,
                                   HookMessage uMsg, int &wParam, Rect &rect)
{
    switch (uMsg) {
    case HookMessage::EnterSizeMove:
        BeginMove(hWnd);
        break;
    case HookMessage::Sizing:
        SnapSizing(hWnd, wParam, rect);
        handled = true;
        result = 1;
        break;
    case HookMessage::Moving:
        SnapMoving(hWnd, rect);
        handled = true;
        result = 1;
        break;
    case HookMessage::ExitSizeMove:
        CheckGlueing();
        break;
    case HookMessage::SysCommand:
        if (wParam == ScMinimize || wParam == ScRestore)
            CheckGlueing();
        break;
    case HookMessage::Command:
        CheckGlueing();
        break;
    }
}

void MagneticDock::BeginMove(WindowId h)
{
    rects_[0] = system_.workArea(h);
    for (std::size_t i = 1; i < windows_.size(); ++i) {
        const WindowId w = windows_[i].hWnd;
        rects_[i] = system_.isMaximized(w) ? system_.workArea(w) : system_.windowRect(w);
    }
    const int index = IndexOf(h);
    if (index == 0)
        return;
    startCursor_ = system_.cursorPos();
    currentCursor_ = startCursor_;
    grab_ = rects_[static_cast<std::size_t>(index)].topLeft() - startCursor_;
}

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

// On each axis the first matching edge pair of entry k sets the shift; a later
// entry overrides an earlier one.
void MagneticDock::snapAgainst(const Rect &rc, int k, int &dx, int &dy) const
{
    const Rect &r = rects_[static_cast<std::size_t>(k)];
    const int s = snapWidth_;
    if (rc.top < r.bottom + s && rc.bottom > r.top - s) {
        if (const std::optional<int> shift = edgeShift(rc.left, rc.right, r.left, r.right, s))
            dx = *shift;
    }
    if (rc.left < r.right + s && rc.right > r.left - s) {
        if (const std::optional<int> shift = edgeShift(rc.top, rc.bottom, r.top, r.bottom, s))
            dy = *shift;
    }
}

void MagneticDock::SnapMoving(WindowId h, Rect &rc)
{
    const int own = IndexOf(h);
    if (own == 0)
        return;
    const int count = windowCount();
    const auto isCarried = [&](int j) {
        const WindowEntry &e = windows_[static_cast<std::size_t>(j)];
        return j != 0 && e.Glued && e.hWndParent == h;
    };

    currentCursor_ = system_.cursorPos();
    rc = rc.movedTo(currentCursor_ + grab_);

    int dx = 0;
    int dy = 0;
    for (int k = 0; k <= count; ++k) {
        if (k != own && !isCarried(k))
            snapAgainst(rc, k, dx, dy);
    }
    const Point travelled = currentCursor_ - startCursor_;
    for (int j = 1; j <= count; ++j) {
        if (!isCarried(j))
            continue;
        const Rect g = rects_[static_cast<std::size_t>(j)].offset(travelled.x, travelled.y);
        for (int k = 0; k <= count; ++k) {
            if (k != j && k != own && !windows_[static_cast<std::size_t>(k)].Glued)
                snapAgainst(g, k, dx, dy);
        }
    }
    rc = rc.offset(dx, dy);

    const Point shift = rects_[static_cast<std::size_t>(own)].topLeft() - rc.topLeft();
    std::vector<WindowMove> moves;
    for (int j = 1; j <= count; ++j) {
        if (isCarried(j))
            moves.push_back({windows_[static_cast<std::size_t>(j)].hWnd,
                             rects_[static_cast<std::size_t>(j)].topLeft() - shift});
    }
    if (!moves.empty())
        system_.moveWindows(moves);
}

void MagneticDock::SnapSizing(WindowId h, int edge, Rect &rc)
{
    const int own = IndexOf(h);
    if (own == 0)
        return;
    const Rect o = rc;
    const int s = snapWidth_;
    // A dragged edge jumps onto the first of the two lines it came near.
    const auto snapEdge = [s](int &dragged, int proposed, int first, int second) {
        if (std::abs(proposed - first) < s)
            dragged = first;
        else if (std::abs(proposed - second) < s)
            dragged = second;
    };
    const bool left = edge == 1 || edge == 4 || edge == 7;
    const bool right = edge == 2 || edge == 5 || edge == 8;
    const bool top = edge == 3 || edge == 4 || edge == 5;
    const bool bottom = edge == 6 || edge == 7 || edge == 8;

    for (int k = 0; k <= windowCount(); ++k) {
        if (k == own)
            continue;
        const Rect &r = rects_[static_cast<std::size_t>(k)];
        if (rc.top < r.bottom + s && rc.bottom > r.top - s) {
            if (left)
                snapEdge(rc.left, o.left, r.left, r.right);
            if (right)
                snapEdge(rc.right, o.right, r.left, r.right);
        }
        if (rc.left < r.right + s && rc.right > r.left - s) {
            if (top)
                snapEdge(rc.top, o.top, r.top, r.bottom);
            if (bottom)
                snapEdge(rc.bottom, o.bottom, r.top, r.bottom);
        }
    }
}

} // namespace radixon
