#include "windows/common/companion_window.h"

#include "window_services/placement.h"
#include "window_services/qt_magnetic_dock.h"
#include "window_services/qt_window_system.h"
#include "window_services/window_effects.h"
#include "window_services/window_frame.h"

#include <QCloseEvent>
#include <QScreen>

namespace radixon {

CompanionWindow::CompanionWindow(CompanionHost &host, Qt::WindowFlags flags, QWidget *owner)
    : QWidget(owner, flags | Qt::Window), m_host(host)
{
    const auto kind = flags.testFlag(Qt::Tool) ? TitleBar::Kind::Tool : TitleBar::Kind::Normal;
    // The title bar starts the program's own move loop, so that snapping is live; the
    // About window, which is not docked, just follows the cursor.
    installFrame(this, TitleBar::CloseButton, kind, [this](QWidget *window, const QPoint &cursor) {
        return m_host.dock().startDrag(window, cursor);
    });
}

void CompanionWindow::registerWithDock()
{
    m_registered = m_host.dock().addWindow(this, m_host.mainWindow());
}

void CompanionWindow::playOpenEffect()
{
    playEffect(this, EffectDirection::Open, 10, 50, [this] { emit opened(); });
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
    const QWidget *main = m_host.mainWindow();
    if (!own.isNull() || !main || titleBarOf(this))
        return own;
    return marginsOf(main);
}

Rect CompanionWindow::besideOf(const QWidget *asker, int width, int height, int minWidth) const
{
    return placeBeside(toRect(asker->frameGeometry()), width, height,
                       toRect(asker->screen()->availableGeometry()), minWidth);
}

void CompanionWindow::unload()
{
    if (m_unloading)
        return;
    m_unloading = true;
    m_host.companionUnloading(*this);
    if (m_registered)
        m_host.dock().removeWindow(this);
    m_registered = false;
    playEffect(this, EffectDirection::Close, 10, 50, [this] {
        emit unloaded();
        hide();
        deleteLater();
    });
}

void CompanionWindow::closeEvent(QCloseEvent *event)
{
    // The close control starts the unload; the window goes once its effect has ended.
    event->ignore();
    unload();
}

} // namespace radixon
