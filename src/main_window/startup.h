#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <memory>

namespace radixon {

class Dialogs;
class MainWindow;
class SingleInstance;

// Top-left corner that centres a window of `size` on `screen`, the vertical
// centre taken at 95 % of the screen's height, a little above the true centre.
QPoint centredOnScreen(const QRect &screen, const QSize &size);

// Start-up of a copy of the program: the main window, ready to show, or nothing
// when another copy runs and the user declines to open a second one.
std::unique_ptr<MainWindow> startMainWindow(Dialogs &dialogs, const SingleInstance &instance);

} // namespace radixon
