#include "window_services/qt_window_system.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

namespace radixon {

Rect toRect(const QRect &rect)
{
    return {rect.x(), rect.y(), rect.x() + rect.width(), rect.y() + rect.height()};
}

QtWindowSystem::Override::Override(QtWindowSystem &system, QPoint cursor,
                                   std::optional<std::pair<WindowId, QRect>> rect)
    : m_system(system), m_previousCursor(system.m_cursorOverride),
      m_previousRect(system.m_rectOverride)
{
    m_system.m_cursorOverride = cursor;
    m_system.m_rectOverride = std::move(rect);
}

QtWindowSystem::Override::~Override()
{
    m_system.m_cursorOverride = m_previousCursor;
    m_system.m_rectOverride = m_previousRect;
}

void QtWindowSystem::track(QWidget *window) { m_windows.insert(idOf(window), window); }

void QtWindowSystem::forget(WindowId window) { m_windows.remove(window); }

QWidget *QtWindowSystem::widget(WindowId window) const { return m_windows.value(window); }

bool QtWindowSystem::isWindow(WindowId window) const { return widget(window) != nullptr; }

bool QtWindowSystem::isMaximized(WindowId window) const
{
    const QWidget *w = widget(window);
    return w && w->isMaximized();
}

Rect QtWindowSystem::windowRect(WindowId window) const
{
    if (m_rectOverride && m_rectOverride->first == window)
        return toRect(m_rectOverride->second);
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
    const QPoint p = m_cursorOverride ? *m_cursorOverride : QCursor::pos();
    return {p.x(), p.y()};
}

void QtWindowSystem::moveWindows(const std::vector<WindowMove> &moves)
{
    for (const WindowMove &m : moves) {
        if (QWidget *w = widget(m.window))
            w->move(m.topLeft.x, m.topLeft.y);
    }
}

} // namespace radixon
