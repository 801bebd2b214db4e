#pragma once

class QApplication;
class QPixmap;

namespace radixon {

// The look every window is laid out for: the Fusion style with 13-pixel check box
// indicators and a 10-pixel font, so that captions fit the fixed layouts, and the
// program's icon on every window; text fields' menus in their window's language.
void applyAppearance(QApplication &app);

// The program's icon at one of its rendered sizes (16, 32, 48, 64, 128 or 256).
QPixmap programIcon(int size);

} // namespace radixon
