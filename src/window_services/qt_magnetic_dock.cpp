#include "window_services/qt_magnetic_dock.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QWindowStateChangeEvent>

#include <algorithm>

namespace radixon {

namespace {

Rect toRect(const QRect &r)
{
    return {r.x(), r.y(), r.x() + r.width(), r.y() + r.height()};
}

// Reports of our own moves that never came back are dropped after this many.
constexpr std::size_t MaxPendingMoves = 64;

} // namespace

void QtWindowSystem::track(QWidget *window)
{
    windows_.insert(idOf(window), window);
}

void QtWindowSystem::forget(WindowId window)
{
    windows_.remove(window);
}

QWidget *QtWindowSystem::widget(WindowId window) const
{
    return windows_.value(window);
}

bool QtWindowSystem::isWindow(WindowId window) const
{
    return widget(window) != nullptr;
}

bool QtWindowSystem::isMaximized(WindowId window) const
{
    const QWidget *w = widget(window);
    return w && w->isMaximized();
}

Rect QtWindowSystem::windowRect(WindowId window) const
{
    if (rectOverride && rectOverride->first == window)
        return toRect(rectOverride->second);
    const QWidget *w = widget(window);
    return w ? toRect(w->frameGeometry()) : Rect{};
}

Rect QtWindowSystem::workArea(WindowId window) const
{
    const QWidget *w = widget(window);
    QScreen *screen = w ? w->screen() : QGuiApplication::primaryScreen();
    return screen ? toRect(screen->availableGeometry()) : Rect{};
}

Point QtWindowSystem::cursorPos() const
{
    const QPoint p = cursorOverride ? *cursorOverride : QCursor::pos();
    return {p.x(), p.y()};
}

void QtWindowSystem::moveWindows(const std::vector<WindowMove> &moves)
{
    for (const WindowMove &m : moves) {
        if (QWidget *w = widget(m.window))
            w->move(m.topLeft.x, m.topLeft.y);
    }
}

// Sees every mouse event of the application while a drag runs, whichever
// widget holds the implicit grab.
class QtMagneticDock::DragFilter : public QObject {
public:
    explicit DragFilter(QtMagneticDock &dock) : dock_(dock) {}

    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseMove: {
            auto *me = static_cast<QMouseEvent *>(event);
            if (me->buttons() == Qt::NoButton)
                dock_.endDrag();
            else
                dock_.dragTo(me->globalPosition().toPoint());
            event->accept();
            return true;
        }
        case QEvent::MouseButtonRelease: {
            auto *me = static_cast<QMouseEvent *>(event);
            if (me->buttons() == Qt::NoButton)
                dock_.endDrag();
            event->accept();
            return true;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            event->accept();
            return true;
        default:
            return false;
        }
    }

private:
    QtMagneticDock &dock_;
};

QtMagneticDock::QtMagneticDock(QObject *parent)
    : QObject(parent), dragFilter_(std::make_unique<DragFilter>(*this))
{
}

QtMagneticDock::~QtMagneticDock()
{
    if (qApp)
        qApp->removeEventFilter(dragFilter_.get());
    for (auto it = surfaces_.cbegin(); it != surfaces_.cend(); ++it) {
        if (it.value())
            it.key()->removeEventFilter(this);
    }
    for (int i = 1; i <= core_.windowCount(); ++i) {
        if (QWidget *w = system_.widget(core_.entry(i).hWnd))
            w->removeEventFilter(this);
    }
}

bool QtMagneticDock::AddWindow(QWidget *window, QWidget *parent)
{
    if (!window || isRegistered(window))
        return false;
    const WindowId id = QtWindowSystem::idOf(window);
    system_.track(window);
    if (!core_.AddWindow(id, parent ? QtWindowSystem::idOf(parent) : WindowId{0})) {
        system_.forget(id);
        return false;
    }
    KnownPlace place;
    place.frame = window->frameGeometry();
    place.destroyed = connect(window, &QObject::destroyed, this, [this, id] { forgetWindow(id); });
    places_.insert(id, place);
    window->installEventFilter(this);
    return true;
}

bool QtMagneticDock::RemoveWindow(QWidget *window)
{
    if (!window || !isRegistered(window))
        return false;
    const WindowId id = QtWindowSystem::idOf(window);
    if (!surfaces_.contains(window))
        window->removeEventFilter(this);
    disconnect(places_.value(id).destroyed);
    forgetWindow(id);
    return true;
}

void QtMagneticDock::forgetWindow(WindowId id)
{
    core_.RemoveWindow(id);
    system_.forget(id);
    places_.remove(id);
}

void QtMagneticDock::CheckGlueing()
{
    core_.CheckGlueing();
}

bool QtMagneticDock::isRegistered(const QWidget *window) const
{
    return window && core_.isRegistered(QtWindowSystem::idOf(window));
}

bool QtMagneticDock::isGlued(const QWidget *window) const
{
    return window && core_.isGlued(QtWindowSystem::idOf(window));
}

void QtMagneticDock::enableDragAnywhere(QWidget *window, std::initializer_list<QWidget *> surfaces)
{
    if (!window)
        return;
    std::vector<QWidget *> all{window};
    all.insert(all.end(), surfaces.begin(), surfaces.end());
    for (QWidget *surface : all) {
        if (!surface || surfaces_.contains(surface))
            continue;
        surfaces_.insert(surface, window);
        surface->installEventFilter(this);
        connect(surface, &QObject::destroyed, this, [this, surface] { surfaces_.remove(surface); });
    }
}

int QtMagneticDock::relay(QWidget *window, HookMessage message, int wParam, Rect *rect)
{
    Rect scratch;
    return core_.Relay(QtWindowSystem::idOf(window), message, wParam, rect ? *rect : scratch);
}

bool QtMagneticDock::StartDrag(QWidget *window, const QPoint &globalCursor)
{
    if (!window || isDragging() || !window->isVisible())
        return false;
    drag_ = Drag{window, window->frameGeometry().topLeft() - globalCursor};
    system_.cursorOverride = globalCursor;
    relay(window, HookMessage::EnterSizeMove);
    qApp->installEventFilter(dragFilter_.get());
    return true;
}

void QtMagneticDock::dragTo(const QPoint &globalCursor)
{
    QWidget *window = drag_.window;
    if (!window) {
        endDrag();
        return;
    }
    system_.cursorOverride = globalCursor;
    // Unregistered windows answer nothing, so the rectangle just follows the cursor.
    Rect rc = toRect(QRect(globalCursor + drag_.grab, window->frameGeometry().size()));
    relay(window, HookMessage::Moving, 0, &rc);
    if (window && QPoint(rc.left, rc.top) != window->frameGeometry().topLeft())
        window->move(rc.left, rc.top);
}

void QtMagneticDock::endDrag()
{
    qApp->removeEventFilter(dragFilter_.get());
    system_.cursorOverride.reset();
    QPointer<QWidget> window = drag_.window;
    drag_ = Drag{};
    if (window)
        relay(window, HookMessage::ExitSizeMove);
}

bool QtMagneticDock::startDragFromPress(QWidget *surface, QEvent *event)
{
    QWidget *window = surfaces_.value(surface);
    if (!window)
        return false;
    auto *me = static_cast<QMouseEvent *>(event);
    // Presses that a control ignored bubble up to its frame; they do not drag.
    QWidget *hit = surface->childAt(me->position().toPoint());
    if (hit && !surfaces_.contains(hit))
        return false;
    if (!StartDrag(window, me->globalPosition().toPoint()))
        return false;
    event->accept();
    return true;
}

bool QtMagneticDock::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (surfaces_.contains(watched))
            return startDragFromPress(static_cast<QWidget *>(watched), event);
        break;
    case QEvent::Move:
        if (watched->isWidgetType() && isRegistered(static_cast<QWidget *>(watched)))
            windowMoved(static_cast<QWidget *>(watched), event->spontaneous());
        break;
    case QEvent::WindowStateChange:
        if (watched->isWidgetType() && isRegistered(static_cast<QWidget *>(watched)))
            windowStateChanged(static_cast<QWidget *>(watched),
                               static_cast<QWindowStateChangeEvent *>(event)->oldState());
        break;
    default:
        break;
    }
    return false;
}

// A move that the window system reports and that we did not ask for is a
// drag by the title bar, which the window manager tells us about only once it
// is over: snap it and bring the glued windows along now.
void QtMagneticDock::windowMoved(QWidget *window, bool spontaneous)
{
    const WindowId id = QtWindowSystem::idOf(window);
    KnownPlace &place = places_[id];
    const QRect now = window->frameGeometry();
    const QRect before = place.frame;
    place.frame = now;

    if (!spontaneous) {
        place.pending.push_back(now.topLeft());
        if (place.pending.size() > MaxPendingMoves)
            place.pending.erase(place.pending.begin());
        return;
    }
    const auto own = std::find(place.pending.begin(), place.pending.end(), now.topLeft());
    if (own != place.pending.end()) {
        place.pending.erase(place.pending.begin(), own + 1);
        return;
    }
    // Framing by the window manager changes the frame size; that is no drag.
    if (isDragging() || replaying_ || !window->isVisible() || before.size() != now.size()
        || before.topLeft() == now.topLeft())
        return;
    place.pending.clear();
    replayWindowManagerMove(window, before, now);
}

void QtMagneticDock::replayWindowManagerMove(QWidget *window, const QRect &from, const QRect &to)
{
    const WindowId id = QtWindowSystem::idOf(window);
    QPointer<QWidget> guard = window;
    replaying_ = true;

    system_.rectOverride = std::make_pair(id, from);
    system_.cursorOverride = from.topLeft();
    relay(window, HookMessage::EnterSizeMove);
    system_.rectOverride.reset();

    system_.cursorOverride = to.topLeft();
    Rect rc = toRect(to);
    if (guard)
        relay(window, HookMessage::Moving, 0, &rc);
    if (guard && QPoint(rc.left, rc.top) != window->frameGeometry().topLeft())
        window->move(rc.left, rc.top);
    system_.cursorOverride.reset();
    if (guard)
        relay(window, HookMessage::ExitSizeMove);
    replaying_ = false;
}

void QtMagneticDock::windowStateChanged(QWidget *window, Qt::WindowStates oldState)
{
    const Qt::WindowStates now = window->windowState();
    if (now & Qt::WindowMinimized)
        relay(window, HookMessage::SysCommand, ScMinimize);
    else if (oldState & (Qt::WindowMinimized | Qt::WindowMaximized))
        relay(window, HookMessage::SysCommand, ScRestore);
}

} // namespace radixon
