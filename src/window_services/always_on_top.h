#pragma once

class QWidget;

namespace radixon {

// Puts the window into the always-on-top band or takes it out again, keeping its
// place and size. A window not shown yet gets the state when it is shown.
void setAlwaysOnTop(QWidget *window, bool onTop);
// The state last set with setAlwaysOnTop (false for a window never set).
bool isAlwaysOnTop(const QWidget *window);

} // namespace radixon
