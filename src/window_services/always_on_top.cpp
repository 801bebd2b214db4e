#include "window_services/always_on_top.h"

#include <QEvent>
#include <QPointer>
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
// time the window comes on screen. The keeper lives on the widget and picks up
// its native window when it is shown, because that window may not exist yet.
class OnTopKeeper : public QObject {
public:
    explicit OnTopKeeper(QWidget *window) : QObject(window)
    {
        window->installEventFilter(this);
        watch(window->windowHandle());
    }

    bool wanted = false;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched == parent()) {
            watch(static_cast<QWidget *>(watched)->windowHandle());
        } else if (event->type() == QEvent::Expose && watched == m_handle) {
            if (m_handle->isExposed() != m_exposed) {
                m_exposed = m_handle->isExposed();
                if (m_exposed)
                    applyFlag(m_handle, wanted, true);
            }
        }
        return false;
    }

private:
    void watch(QWindow *handle)
    {
        if (!handle || handle == m_handle)
            return;
        m_handle = handle;
        m_exposed = handle->isExposed();
        handle->installEventFilter(this);
    }

    QPointer<QWindow> m_handle;
    bool m_exposed = false;
};

OnTopKeeper *keeperOf(QWidget *window)
{
    for (QObject *child : window->children()) {
        if (auto *keeper = dynamic_cast<OnTopKeeper *>(child))
            return keeper;
    }
    return new OnTopKeeper(window);
}

} // namespace

void setAlwaysOnTop(QWidget *window, bool onTop)
{
    if (!window)
        return;
    window = window->window();
    window->setProperty(onTopProperty, onTop);
    keeperOf(window)->wanted = onTop;
    // A window not on screen gets the state when it is next exposed. Its native
    // window is not created here: one that exists before show() is placed
    // before the window manager frames it, and the widget then keeps a frame
    // geometry without the frame. Changing the flag on the QWidget would
    // recreate the native window and shift it by its frame offset; the QWindow
    // changes the state in place.
    QWindow *handle = window->windowHandle();
    if (handle && handle->isVisible())
        applyFlag(handle, onTop, false);
}

bool isAlwaysOnTop(const QWidget *window)
{
    return window && window->window()->property(onTopProperty).toBool();
}

} // namespace radixon
