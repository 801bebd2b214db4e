#include "window_services/window_frame.h"

#include <QEvent>
#include <QFrame>
#include <QWidget>

namespace radixon {

namespace {

constexpr int borderWidth = 1;

bool &systemFramesFlag()
{
    static bool on = false;
    return on;
}

QFrame *borderOf(const QWidget *window)
{
    return window->findChild<QFrame *>(QStringLiteral("windowFrameBorder"),
                                       Qt::FindDirectChildrenOnly);
}

// Keeps the border and the title bar fitted to the window whoever resizes it.
class FrameKeeper : public QObject {
public:
    explicit FrameKeeper(QWidget *window) : QObject(window), m_window(window)
    {
        window->installEventFilter(this);
    }

    void fit()
    {
        if (QFrame *border = borderOf(m_window))
            border->setGeometry(m_window->rect());
        if (TitleBar *bar = titleBarOf(m_window))
            bar->setGeometry(titleBarRectFor(m_window->size(), bar->barHeight()));
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && event->type() == QEvent::Resize)
            fit();
        return false;
    }

private:
    QWidget *m_window;
};

} // namespace

QMargins frameMarginsFor(int titleBarHeight)
{
    if (titleBarHeight <= 0)
        return {};
    return {borderWidth, borderWidth + titleBarHeight, borderWidth, borderWidth};
}

QSize outerSizeFor(QSize client, int titleBarHeight)
{
    return client.grownBy(frameMarginsFor(titleBarHeight));
}

QRect titleBarRectFor(QSize outer, int titleBarHeight)
{
    return {borderWidth, borderWidth, outer.width() - 2 * borderWidth, titleBarHeight};
}

void setSystemFrames(bool on) { systemFramesFlag() = on; }

bool systemFrames() { return systemFramesFlag(); }

void installFrame(QWidget *window, TitleBar::Buttons buttons, TitleBar::Kind kind,
                  TitleBar::DragStart onDragStart)
{
    if (systemFrames() || !window || titleBarOf(window))
        return;
    const QSize client = window->size();

    const Qt::WindowFlags kept =
        window->windowFlags()
        & (Qt::WindowStaysOnTopHint | Qt::WindowStaysOnBottomHint | Qt::WindowDoesNotAcceptFocus);
    const Qt::WindowType type = window->windowType() == Qt::Tool ? Qt::Tool : Qt::Window;
    window->setWindowFlags(type | Qt::FramelessWindowHint | kept);

    auto *border = new QFrame(window);
    border->setObjectName(QStringLiteral("windowFrameBorder"));
    border->setFrameStyle(QFrame::Box | QFrame::Plain);
    border->setLineWidth(borderWidth);
    border->setAttribute(Qt::WA_TransparentForMouseEvents);
    border->lower();
    new TitleBar(window, buttons, kind, std::move(onDragStart));
    (new FrameKeeper(window))->fit();

    window->resize(outerSizeFor(client, titleBarOf(window)->barHeight()));
}

TitleBar *titleBarOf(const QWidget *window)
{
    return window ? window->findChild<TitleBar *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

QMargins frameMargins(const QWidget *window)
{
    const TitleBar *bar = titleBarOf(window);
    return frameMarginsFor(bar ? bar->barHeight() : 0);
}

QPoint clientOrigin(const QWidget *window)
{
    const QMargins margins = frameMargins(window);
    return {margins.left(), margins.top()};
}

void setClientSize(QWidget *window, QSize client)
{
    const TitleBar *bar = titleBarOf(window);
    window->setFixedSize(outerSizeFor(client, bar ? bar->barHeight() : 0));
}

void setClientHeight(QWidget *window, int height)
{
    const QSize client = window->size().shrunkBy(frameMargins(window));
    setClientSize(window, {client.width(), height});
}

} // namespace radixon
