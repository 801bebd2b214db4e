#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <memory>

namespace radixon {

class Dialogs;
class Language;
class MainWindow;
class SingleInstance;

// Called before the application object exists: the windows place themselves, which
// a native Wayland client cannot do, so on a Wayland session with XWayland the
// program runs on X11 unless the user chose a platform.
void preferX11OnWayland();

// Reads --help, --version, --system-frames (keep the window manager's title bars and
// borders, for tiling window managers) and --language before the application object
// exists; exits for --help, --version and a wrong option, which need no display.
// Returns the language to start in: Greek, unless another was asked for.
const Language &readCommandLine(int argc, char *argv[]);

// Top-left corner that centres a window of `size` on `screen`, the vertical
// centre taken at 95 % of the screen's height, a little above the true centre.
QPoint centredOnScreen(const QRect &screen, const QSize &size);

// Start-up of a copy of the program: the main window, ready to show, or nothing
// when another copy runs and the user declines to open a second one.
std::unique_ptr<MainWindow> startMainWindow(Dialogs &dialogs, const SingleInstance &instance,
                                            const Language &language);

} // namespace radixon
