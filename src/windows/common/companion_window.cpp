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
