#pragma once

class QAbstractButton;

namespace radixon {

// Highlights a control while the mouse is over it by drawing its caption bold.
// At most one control in the whole program is highlighted; it returns to
// normal as soon as the mouse leaves it, or it is hidden or disabled.
void enableHover(QAbstractButton *control);
// The control that is highlighted now, or nullptr.
QAbstractButton *hoveredControl();

} // namespace radixon
