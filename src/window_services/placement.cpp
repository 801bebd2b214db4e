#include "window_services/placement.h"

#include <algorithm>

namespace radixon {

Rect placeBeside(const Rect &asker, int width, int height, const Rect &area, int minWidth)
{
    const int rightRoom = area.right - asker.right;
    const int leftRoom = asker.left - area.left;
    bool onRight = true;
    if (width > rightRoom) {
        onRight = width > leftRoom && rightRoom >= leftRoom;
        if (width > std::max(rightRoom, leftRoom))
            width = std::max(std::max(rightRoom, leftRoom), minWidth);
    }
    width = std::min(width, area.width());
    height = std::min(height, area.height());
    const int x = onRight ? asker.right : asker.left - width;
    return movedInside({x, asker.top, x + width, asker.top + height}, area);
}

Rect movedInside(const Rect &r, const Rect &area)
{
    const int x = std::max(area.left, std::min(r.left, area.right - r.width()));
    const int y = std::max(area.top, std::min(r.top, area.bottom - r.height()));
    return r.movedTo({x, y});
}

} // namespace radixon
