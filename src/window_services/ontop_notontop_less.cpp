#include "window_services/ontop_notontop_less.h"

#include <QEvent>
#include <QVariant>
#include <QWidget>
#include <QWindow>

namespace radixon {

namespace {

constexpr char OnTopProperty[] = "radixonOnTop";

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
        if (event->type() == QEvent::Expose && handle->isExposed() != exposed_) {
            exposed_ = handle->isExposed();
            if (exposed_)
                applyFlag(handle, wanted, true);
        }
        return false;
    }

private:
    bool exposed_ = false;
};

OnTopKeeper *keeperOf(QWindow *handle)
{
    for (QObject *child : handle->children()) {
        if (auto *keeper = dynamic_cast<OnTopKeeper *>(child))
            return keeper;
    }
    return new OnTopKeeper(handle);
}

void setOnTop(QWidget *window, bool on)
{
    if (!window)
        return;
    window = window->window();
    window->setProperty(OnTopProperty, on);
    // Changing the flag on the QWidget would recreate the native window and
    // shift it by its frame offset; the QWindow changes the state in place.
    if (!window->windowHandle())
        window->winId();
    QWindow *handle = window->windowHandle();
    if (!handle)
        return;
    keeperOf(handle)->wanted = on;
    if (handle->isVisible())
        applyFlag(handle, on, false);
}

} // namespace

void SetOnTop(QWidget *window)
{
    setOnTop(window, true);
}

void SetNotOnTop(QWidget *window)
{
    setOnTop(window, false);
}

bool isOnTop(const QWidget *window)
{
    return window && window->window()->property(OnTopProperty).toBool();
}

void followOnTopBox(QWidget *window, bool ticked)
{
    if (ticked)
        SetOnTop(window);
    else
        SetNotOnTop(window);
}

} // namespace radixon
