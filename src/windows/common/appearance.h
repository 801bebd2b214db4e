#pragma once

class QApplication;

namespace radixon {

// The look every window is laid out for: the Fusion style with 13-pixel check box
// indicators and a 10-pixel font, so that captions fit the fixed layouts, and the
// program's icon on every window.
void applyAppearance(QApplication &app);

} // namespace radixon
