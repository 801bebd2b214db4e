#include "window_services/qt_magnetic_dock.h"

#include <QApplication>
#include <QMouseEvent>

#include <algorithm>

namespace radixon {

namespace {

// Reports of our own moves that never came back are dropped after this many.
constexpr std::size_t maxPendingMoves = 64;

} // namespace

// Sees every mouse event of the application while a drag runs, whichever
// widget holds the implicit grab.
class QtMagneticDock::DragFilter : public QObject {
public:
    explicit DragFilter(QtMagneticDock &dock) : m_dock(dock) {}

    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseMove: {
            auto *me = static_cast<QMouseEvent *>(event);
            if (me->buttons() == Qt::NoButton)
                m_dock.endDrag();
            else
                m_dock.dragTo(me->globalPosition().toPoint());
            return true;
        }
        case QEvent::MouseButtonRelease: {
            auto *me = static_cast<QMouseEvent *>(event);
            if (me->buttons() == Qt::NoButton)
                m_dock.endDrag();
            return true;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            return true;
        default:
            return false;
        }
    }

private:
    QtMagneticDock &m_dock;
};

QtMagneticDock::QtMagneticDock(QObject *parent)
    : QObject(parent), m_dragFilter(std::make_unique<DragFilter>(*this))
{}

QtMagneticDock::~QtMagneticDock()
{
    for (auto it = m_surfaces.cbegin(); it != m_surfaces.cend(); ++it) {
        if (it.value())
            it.key()->removeEventFilter(this);
    }
    for (const MagneticDock::Entry &entry : m_dock.windows()) {
        if (QWidget *w = m_system.widget(entry.window))
            w->removeEventFilter(this);
    }
}

bool QtMagneticDock::addWindow(QWidget *window, QWidget *parent)
{
    if (!window || isRegistered(window))
        return false;
    const WindowId id = QtWindowSystem::idOf(window);
    m_system.track(window);
    if (!m_dock.addWindow(id, parent ? QtWindowSystem::idOf(parent) : WindowId{0})) {
        m_system.forget(id);
        return false;
    }
    KnownPlace place;
    place.frame = window->frameGeometry();
    place.destroyed = connect(window, &QObject::destroyed, this, [this, id] { forgetWindow(id); });
    m_places.insert(id, place);
    window->installEventFilter(this);
    return true;
}

bool QtMagneticDock::removeWindow(QWidget *window)
{
    if (!window || !isRegistered(window))
        return false;
    const WindowId id = QtWindowSystem::idOf(window);
    if (!m_surfaces.contains(window))
        window->removeEventFilter(this);
    disconnect(m_places.value(id).destroyed);
    forgetWindow(id);
    return true;
}

void QtMagneticDock::forgetWindow(WindowId id)
{
    m_dock.removeWindow(id);
    m_system.forget(id);
    m_places.remove(id);
}

bool QtMagneticDock::isRegistered(const QWidget *window) const
{
    return window && m_dock.isRegistered(QtWindowSystem::idOf(window));
}

bool QtMagneticDock::isGlued(const QWidget *window) const
{
    return window && m_dock.isGlued(QtWindowSystem::idOf(window));
}

void QtMagneticDock::enableDragAnywhere(QWidget *window, const std::vector<QWidget *> &surfaces)
{
    if (!window)
        return;
    std::vector<QWidget *> all{window};
    all.insert(all.end(), surfaces.begin(), surfaces.end());
    for (QWidget *surface : all) {
        if (m_surfaces.contains(surface))
            continue;
        m_surfaces.insert(surface, window);
        surface->installEventFilter(this);
        connect(surface, &QObject::destroyed, this,
                [this, surface] { m_surfaces.remove(surface); });
    }
}

void QtMagneticDock::beginMove(QWidget *window)
{
    if (isRegistered(window))
        m_dock.beginMove(QtWindowSystem::idOf(window));
}

// Unregistered windows are not snapped: the rectangle just follows the cursor.
void QtMagneticDock::moveTo(QWidget *window, QRect proposed)
{
    Rect rc = toRect(proposed);
    if (isRegistered(window))
        m_dock.moving(QtWindowSystem::idOf(window), rc);
    if (QPoint(rc.left, rc.top) != window->frameGeometry().topLeft())
        window->move(rc.left, rc.top);
}

bool QtMagneticDock::startDrag(QWidget *window, const QPoint &globalCursor)
{
    if (!window || isDragging() || !window->isVisible())
        return false;
    m_drag = Drag{window, window->frameGeometry().topLeft() - globalCursor};
    const QtWindowSystem::Override cursor(m_system, globalCursor);
    beginMove(window);
    qApp->installEventFilter(m_dragFilter.get());
    return true;
}

void QtMagneticDock::dragTo(const QPoint &globalCursor)
{
    QWidget *window = m_drag.window;
    if (!window) {
        endDrag();
        return;
    }
    const QtWindowSystem::Override cursor(m_system, globalCursor);
    moveTo(window, QRect(globalCursor + m_drag.grab, window->frameGeometry().size()));
}

void QtMagneticDock::endDrag()
{
    qApp->removeEventFilter(m_dragFilter.get());
    const bool registered = isRegistered(m_drag.window);
    m_drag = Drag{};
    if (registered)
        m_dock.endMove();
}

bool QtMagneticDock::startDragFromPress(QWidget *surface, QEvent *event)
{
    QWidget *window = m_surfaces.value(surface);
    if (!window)
        return false;
    auto *me = static_cast<QMouseEvent *>(event);
    // Presses that a control ignored bubble up to its frame; they do not drag.
    QWidget *hit = surface->childAt(me->position().toPoint());
    if (hit && !m_surfaces.contains(hit))
        return false;
    // An event a filter eats needs no accepting.
    return startDrag(window, me->globalPosition().toPoint());
}

bool QtMagneticDock::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (m_surfaces.contains(watched))
            return startDragFromPress(static_cast<QWidget *>(watched), event);
        break;
    case QEvent::Move:
        if (watched->isWidgetType() && isRegistered(static_cast<QWidget *>(watched)))
            windowMoved(static_cast<QWidget *>(watched), event->spontaneous());
        break;
    case QEvent::WindowStateChange:
        // Minimising hides the glued windows' parent, restoring brings it back.
        if (watched->isWidgetType() && isRegistered(static_cast<QWidget *>(watched)))
            m_dock.checkGlueing();
        break;
    default:
        break;
    }
    return false;
}

// A move that the window system reports and that we did not ask for is a
// drag by the window manager's title bar, which it tells us about only once it
// is over: snap it and bring the glued windows along now.
void QtMagneticDock::windowMoved(QWidget *window, bool spontaneous)
{
    const WindowId id = QtWindowSystem::idOf(window);
    KnownPlace &place = m_places[id];
    const QRect now = window->frameGeometry();
    const QRect before = place.frame;
    place.frame = now;

    if (!spontaneous) {
        place.pending.push_back(now.topLeft());
        if (place.pending.size() > maxPendingMoves)
            place.pending.erase(place.pending.begin());
        return;
    }
    const auto own = std::find(place.pending.begin(), place.pending.end(), now.topLeft());
    if (own != place.pending.end()) {
        place.pending.erase(place.pending.begin(), own + 1);
        return;
    }
    // Framing by the window manager changes the frame size; that is no drag.
    if (isDragging() || m_replaying || !window->isVisible() || before.size() != now.size()
        || before.topLeft() == now.topLeft())
        return;
    place.pending.clear();
    replayWindowManagerMove(window, before, now);
}

void QtMagneticDock::replayWindowManagerMove(QWidget *window, const QRect &from, const QRect &to)
{
    const WindowId id = QtWindowSystem::idOf(window);
    QPointer<QWidget> guard = window;
    m_replaying = true;
    {
        const QtWindowSystem::Override start(m_system, from.topLeft(), std::make_pair(id, from));
        m_dock.beginMove(id);
    }
    {
        const QtWindowSystem::Override end(m_system, to.topLeft());
        if (guard)
            moveTo(window, to);
    }
    if (guard)
        m_dock.endMove();
    m_replaying = false;
}

} // namespace radixon
