#include "windows/common/companion_window.h"

#include "window_services/form_effects.h"
#include "window_services/qt_magnetic_dock.h"

#include <QCloseEvent>

namespace radixon {

CompanionWindow::CompanionWindow(CompanionHost &host, Companion which, Qt::WindowFlags flags,
                                 QWidget *owner)
    : QWidget(owner, flags | Qt::Window), host(host), which(which)
{
}

void CompanionWindow::registerWithDock()
{
    registered = host.dock().AddWindow(this, host.mainWindow());
}

void CompanionWindow::playOpenEffect()
{
    RegionEffect(this, EffectDirection::Open);
}

QMargins CompanionWindow::decorationMargins() const
{
    const auto marginsOf = [](const QWidget *window) {
        const QRect outer = window->frameGeometry();
        const QRect inner = window->geometry();
        return QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                        outer.right() - inner.right(), outer.bottom() - inner.bottom());
    };
    const QMargins own = marginsOf(this);
    const QWidget *main = host.mainWindow();
    if (!own.isNull() || !main)
        return own;
    return marginsOf(main);
}

void CompanionWindow::unload()
{
    if (unloading)
        return;
    unloading = true;
    host.companionUnloading(which);
    if (registered)
        host.dock().RemoveWindow(this);
    registered = false;
    RegionEffect(this, EffectDirection::Close, 10, 10, 50, [this](bool) {
        finished = true;
        emit unloaded();
        hide();
        deleteLater();
    });
}

void CompanionWindow::closeEvent(QCloseEvent *event)
{
    // The close control starts the unload; the window goes once its effect has ended.
    if (finished) {
        event->accept();
        return;
    }
    event->ignore();
    unload();
}

} // namespace radixon
