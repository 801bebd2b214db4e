#include "main_window/startup.h"

#include "main_window/main_window.h"
#include "main_window/main_window_texts.h"
#include "main_window/single_instance.h"
#include "windows/common/dialogs.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace radixon {

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
    const QSize designed(MainWindow::clientWidth, MainWindow::openHeight);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    window->move(centredOnScreen(screen, designed) + QPoint(window->width(), 0));
    return window;
}

} // namespace radixon
