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
    const int x =
        std::clamp(onRight ? asker.right : asker.left - width, area.left, area.right - width);
    const int y = std::clamp(asker.top, area.top, area.bottom - height);
    return {x, y, x + width, y + height};
}

} // namespace radixon
