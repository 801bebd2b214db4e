#pragma once

#include "window_services/magnetic_dock.h"

#include <QHash>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <initializer_list>
#include <memory>
#include <optional>
#include <vector>

namespace radixon {

// Window system of the docking logic on top of Qt: windows are QWidgets,
// rectangles are frame geometries, the work area is the available geometry of
// the window's screen.
class QtWindowSystem : public WindowSystem {
public:
    static WindowId idOf(const QWidget *window) { return reinterpret_cast<WindowId>(window); }

    void track(QWidget *window);
    void forget(WindowId window);
    QWidget *widget(WindowId window) const;

    bool isWindow(WindowId window) const override;
    bool isMaximized(WindowId window) const override;
    Rect windowRect(WindowId window) const override;
    Rect workArea(WindowId window) const override;
    Point cursorPos() const override;
    void moveWindows(const std::vector<WindowMove> &moves) override;

    // While a move is being replayed the platform layer knows better than the
    // window system where the cursor is and where a window was.
    std::optional<QPoint> cursorOverride;
    std::optional<std::pair<WindowId, QRect>> rectOverride;

private:
    QHash<WindowId, QPointer<QWidget>> windows_;
};

// The docking manager as the windows use it. Registered windows get an event
// filter that turns the toolkit's events into the messages of the hook table;
// drag-anywhere runs its own move loop so that snapping is live whether or
// not a window manager is running.
class QtMagneticDock : public QObject {
public:
    explicit QtMagneticDock(QObject *parent = nullptr);
    ~QtMagneticDock() override;

    bool AddWindow(QWidget *window, QWidget *parent = nullptr);
    bool RemoveWindow(QWidget *window);
    void CheckGlueing();
    int SnapWidth() const { return core_.SnapWidth(); }
    void SnapWidth(int New_SnapWidth) { core_.SnapWidth(New_SnapWidth); }

    // A press of any mouse button on the window's own surface or on one of the
    // listed frames drags the window; presses on other controls do not.
    // Works for windows that are not registered too, only without snapping.
    void enableDragAnywhere(QWidget *window, std::initializer_list<QWidget *> surfaces = {});
    // Starts the move loop by hand; it ends when every mouse button is up.
    bool StartDrag(QWidget *window, const QPoint &globalCursor);
    bool isDragging() const { return !drag_.window.isNull(); }

    bool isRegistered(const QWidget *window) const;
    bool isGlued(const QWidget *window) const;
    MagneticDock &core() { return core_; }
    const MagneticDock &core() const { return core_; }

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

    void dragTo(const QPoint &globalCursor);
    void endDrag();
    bool startDragFromPress(QWidget *surface, QEvent *event);
    void windowMoved(QWidget *window, bool spontaneous);
    void replayWindowManagerMove(QWidget *window, const QRect &from, const QRect &to);
    void windowStateChanged(QWidget *window, Qt::WindowStates oldState);
    void forgetWindow(WindowId id);
    int relay(QWidget *window, HookMessage message, int wParam = 0, Rect *rect = nullptr);

    QtWindowSystem system_;
    MagneticDock core_{system_};
    QHash<WindowId, KnownPlace> places_;
    QHash<QObject *, QPointer<QWidget>> surfaces_; // surface -> its window
    Drag drag_;
    std::unique_ptr<DragFilter> dragFilter_;
    bool replaying_ = false;
};

} // namespace radixon
