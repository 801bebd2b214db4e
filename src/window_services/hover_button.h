#pragma once

class QAbstractButton;

namespace radixon {

// Highlights the control under the mouse by drawing its caption bold. At most
// one control in the whole program is highlighted; it returns to normal as
// soon as the mouse leaves it.
void HoverOn(QAbstractButton *control);
// Makes the control call HoverOn when the mouse enters it and clear the
// highlight when the mouse leaves it.
void enableHover(QAbstractButton *control);
void SetBold(QAbstractButton *control);
void ClearBold(QAbstractButton *control);
// The control that is highlighted now, or nullptr.
QAbstractButton *hoveredControl();

} // namespace radixon
