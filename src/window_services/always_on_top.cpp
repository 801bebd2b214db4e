#include "window_services/always_on_top.h"

#include <QEvent>
#include <QVariant>
#include <QWidget>
#include <QWindow>

namespace radixon {

namespace {

constexpr char onTopProperty[] = "radixonOnTop";

void applyFlag(QWindow *handle, bool on, bool force)
{
    // Asking again for a flag the QWindow already has would change nothing.
    if (force && on && handle->flags().testFlag(Qt::WindowStaysOnTopHint))
        handle->setFlag(Qt::WindowStaysOnTopHint, false);
    handle->setFlag(Qt::WindowStaysOnTopHint, on);
}

// The window manager drops the state when a window is unmapped and does not
// take it from a window that is not mapped yet, so it is asked again each
// time the window comes on screen.
class OnTopKeeper : public QObject {
public:
    explicit OnTopKeeper(QWindow *handle) : QObject(handle) { handle->installEventFilter(this); }

    bool wanted = false;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *handle = static_cast<QWindow *>(watched);
        if (event->type() == QEvent::Expose && handle->isExposed() != m_exposed) {
            m_exposed = handle->isExposed();
            if (m_exposed)
                applyFlag(handle, wanted, true);
        }
        return false;
    }

private:
    bool m_exposed = false;
};

OnTopKeeper *keeperOf(QWindow *handle)
{
    for (QObject *child : handle->children()) {
        if (auto *keeper = dynamic_cast<OnTopKeeper *>(child))
            return keeper;
    }
    return new OnTopKeeper(handle);
}

} // namespace

void setAlwaysOnTop(QWidget *window, bool onTop)
{
    if (!window)
        return;
    window = window->window();
    window->setProperty(onTopProperty, onTop);
    // Changing the flag on the QWidget would recreate the native window and
    // shift it by its frame offset; the QWindow changes the state in place.
    if (!window->windowHandle())
        window->winId();
    QWindow *handle = window->windowHandle();
    if (!handle)
        return;
    keeperOf(handle)->wanted = onTop;
    if (handle->isVisible())
        applyFlag(handle, onTop, false);
}

bool isAlwaysOnTop(const QWidget *window)
{
    return window && window->window()->property(onTopProperty).toBool();
}

} // namespace radixon
