#pragma once

class QWidget;

namespace radixon {

// Put the window into the always-on-top band or take it out again, keeping its
// place and size. A window that has no native window yet gets one created.
void SetOnTop(QWidget *window);
void SetNotOnTop(QWidget *window);
// What every "Always On Top" box does when it changes: ticked puts the window on top.
void followOnTopBox(QWidget *window, bool ticked);
// The state last set with SetOnTop/SetNotOnTop (false for a window never set).
bool isOnTop(const QWidget *window);

} // namespace radixon
