#include "main_window/startup.h"

#include "main_window/main_window.h"
#include "main_window/main_window_texts.h"
#include "main_window/single_instance.h"
#include "window_services/window_frame.h"
#include "windows/common/dialogs.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace radixon {

void preferX11OnWayland()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")
        && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

void readCommandLine(const QCoreApplication &app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Number-system calculator with a Greek and an English interface."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption systemFramesOption(
        QStringLiteral("system-frames"),
        QStringLiteral("Keep the window manager's title bars and borders (for tiling window "
                       "managers); windows then snap when a move by the title bar ends."));
    parser.addOption(systemFramesOption);
    parser.process(app);
    setSystemFrames(parser.isSet(systemFramesOption));
}

QPoint centredOnScreen(const QRect &screen, const QSize &size)
{
    const double top = screen.height() * 0.95 / 2 - size.height() / 2.0;
    const double left = screen.width() / 2.0 - size.width() / 2.0;
    return screen.topLeft()
           + QPoint(static_cast<int>(std::lround(left)), static_cast<int>(std::lround(top)));
}

std::unique_ptr<MainWindow> startMainWindow(Dialogs &dialogs, const SingleInstance &instance)
{
    if (!instance.anotherCopyRunning())
        return std::make_unique<MainWindow>(dialogs);
    if (!dialogs.askYesNo(nullptr, QString::fromUtf8(main_window::anotherCopyTitle),
                          QString::fromUtf8(main_window::anotherCopyQuestion)))
        return nullptr;

    // A second copy stands one window width to the right of the centred place, so
    // that it does not hide the first.
    auto window = std::make_unique<MainWindow>(dialogs, MainWindow::Copy::Second);
    const QSize outer = window->frameGeometry().size();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    window->move(centredOnScreen(screen, outer) + QPoint(outer.width(), 0));
    return window;
}

} // namespace radixon
