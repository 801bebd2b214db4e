#pragma once

#include "window_services/magnetic_dock.h"
#include "window_services/qt_window_system.h"

#include <QHash>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <memory>
#include <vector>

namespace radixon {

// The docking manager as the windows use it. Registered windows get an event
// filter that reports their moves, minimising and restoring to the docking
// logic; drag-anywhere runs the program's own move loop, so that snapping is
// live whether or not a window manager is running.
class QtMagneticDock : public QObject {
public:
    explicit QtMagneticDock(QObject *parent = nullptr);
    ~QtMagneticDock() override;

    bool addWindow(QWidget *window, QWidget *parent = nullptr);
    bool removeWindow(QWidget *window);

    // A press of any mouse button on the window's own surface or on one of the
    // listed frames drags the window; presses on other controls do not.
    // Works for windows that are not registered too, only without snapping.
    void enableDragAnywhere(QWidget *window, const std::vector<QWidget *> &surfaces = {});
    // Starts the move loop by hand; it ends when every mouse button is up.
    bool startDrag(QWidget *window, const QPoint &globalCursor);
    bool isDragging() const { return !m_drag.window.isNull(); }

    bool isRegistered(const QWidget *window) const;
    bool isGlued(const QWidget *window) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    class DragFilter;
    struct Drag {
        QPointer<QWidget> window;
        QPoint grab;
    };
    struct KnownPlace {
        QRect frame;
        std::vector<QPoint> pending; // own moves whose report is still due
        QMetaObject::Connection destroyed;
    };

    void beginMove(QWidget *window);
    void moveTo(QWidget *window, QRect proposed);
    void dragTo(const QPoint &globalCursor);
    void endDrag();
    bool startDragFromPress(QWidget *surface, QEvent *event);
    void windowMoved(QWidget *window, bool spontaneous);
    void replayWindowManagerMove(QWidget *window, const QRect &from, const QRect &to);
    void forgetWindow(WindowId id);

    QtWindowSystem m_system;
    MagneticDock m_dock{m_system};
    QHash<WindowId, KnownPlace> m_places;
    QHash<QObject *, QPointer<QWidget>> m_surfaces; // surface -> its window
    Drag m_drag;
    std::unique_ptr<DragFilter> m_dragFilter;
    bool m_replaying = false;
};

} // namespace radixon
