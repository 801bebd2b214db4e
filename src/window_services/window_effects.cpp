#include "window_services/window_effects.h"

#include <QEasingCurve>
#include <QGuiApplication>
#include <QPointer>
#include <QRegion>
#include <QTimeLine>
#include <QWidget>

#include <algorithm>

namespace radixon {

namespace {

void applyShape(QWidget *window, const Rect &shown)
{
    if (shown == Rect{0, 0, window->width(), window->height()}) {
        window->clearMask();
    } else {
        // An empty mask would show the whole window; one pixel just outside it shows none
        // of it, where a pixel inside would leave a dot of the border on screen.
        window->setMask(shown.isEmpty()
                            ? QRegion(-1, -1, 1, 1)
                            : QRegion(shown.left, shown.top, shown.width(), shown.height()));
    }
    // The shape of a visible window otherwise waits for some later flush, and
    // the part it uncovers is not repainted by itself.
    QGuiApplication::sync();
    window->update();
}

// Lives as a child of the window, so it goes when the window goes.
class EffectRunner : public QObject {
public:
    EffectRunner(QWidget *window, EffectDirection direction, int steps, int frameDelayMs,
                 EffectFinished onFinished)
        : QObject(window), m_window(window), m_direction(direction), m_steps(steps),
          m_width(window->width()), m_height(window->height()), m_onFinished(std::move(onFinished)),
          m_timeLine(steps * frameDelayMs, this)
    {
        m_timeLine.setUpdateInterval(frameDelayMs);
        m_timeLine.setEasingCurve(QEasingCurve::Linear);
        // Frames from the elapsed time, rounded: QTimeLine's own frame numbers truncate
        // and so run one tick late about half of the time.
        connect(&m_timeLine, &QTimeLine::valueChanged, this, [this, frameDelayMs] {
            const int frame = (m_timeLine.currentTime() + frameDelayMs / 2) / frameDelayMs;
            showFrame(std::min(m_steps, frame));
        });
        connect(&m_timeLine, &QTimeLine::finished, this, [this] { finish(); });
    }

    bool active() const { return m_active; }

    void start()
    {
        showFrame(0);
        if (m_window)
            m_window->show();
        m_timeLine.start();
    }

    void cancel()
    {
        m_active = false;
        m_onFinished = {};
        m_timeLine.stop();
        deleteLater();
    }

    void finish()
    {
        if (!m_active)
            return;
        m_timeLine.stop();
        showFrame(m_steps); // the last frame
        m_active = false;
        EffectFinished done = std::move(m_onFinished);
        m_onFinished = {};
        deleteLater();
        if (done)
            done();
    }

private:
    void showFrame(int frame)
    {
        if (!m_window || frame == m_frameShown)
            return;
        m_frameShown = frame;
        applyShape(m_window, effectRect(m_direction, frame, m_width, m_height, m_steps));
    }

    QPointer<QWidget> m_window;
    EffectDirection m_direction;
    int m_steps; // also the last frame's number
    int m_width;
    int m_height;
    int m_frameShown = -1;
    bool m_active = true;
    EffectFinished m_onFinished;
    QTimeLine m_timeLine;
};

EffectRunner *runnerOf(const QWidget *window)
{
    // No Q_OBJECT here, so qobject_cast (and findChildren) cannot tell runners apart.
    for (QObject *child : window->children()) {
        auto *runner = dynamic_cast<EffectRunner *>(child);
        if (runner && runner->active())
            return runner;
    }
    return nullptr;
}

} // namespace

void playEffect(QWidget *window, EffectDirection direction, int frameDelayMs, int steps,
                EffectFinished onFinished)
{
    if (!window)
        return;
    if (EffectRunner *running = runnerOf(window))
        running->cancel();
    auto *runner = new EffectRunner(window, direction, steps, frameDelayMs, std::move(onFinished));
    runner->start();
}

bool isEffectRunning(const QWidget *window) { return window && runnerOf(window); }

} // namespace radixon
