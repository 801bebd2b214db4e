#include "window_services/form_effects.h"

#include <QEasingCurve>
#include <QGuiApplication>
#include <QPointer>
#include <QRegion>
#include <QTimeLine>
#include <QWidget>

#include <algorithm>

namespace radixon {

namespace {

void applyRegion(QWidget *window, const EffectRegion &region, bool keepWhole)
{
    const Rect whole{0, 0, window->width(), window->height()};
    if (keepWhole && region.size() == 1 && region.front() == whole) {
        window->clearMask();
    } else {
        QRegion mask;
        for (const Rect &r : region)
            mask += QRect(r.left, r.top, r.width(), r.height());
        // An empty mask would show the whole window.
        window->setMask(mask.isEmpty() ? QRegion(0, 0, 1, 1) : mask);
    }
    // The shape of a visible window otherwise waits for some later flush, and
    // the part it uncovers is not repainted by itself.
    QGuiApplication::sync();
    window->update();
}

// Lives as a child of the window, so it goes when the window goes.
class EffectRunner : public QObject {
public:
    EffectRunner(QWidget *window, EffectDirection direction, int effect, int steps, int frames,
                 int frameDelayMs, EffectFinished onFinished)
        : QObject(window), window_(window), direction_(direction), effect_(effect), steps_(steps),
          frames_(frames), width_(window->width()), height_(window->height()),
          onFinished_(std::move(onFinished)), timeLine_(std::max(1, frames - 1) * frameDelayMs, this)
    {
        timeLine_.setUpdateInterval(frameDelayMs);
        timeLine_.setEasingCurve(QEasingCurve::Linear);
        // Frames from the elapsed time, rounded: QTimeLine's own frame numbers truncate
        // and so run one tick late about half of the time.
        connect(&timeLine_, &QTimeLine::valueChanged, this, [this, frameDelayMs] {
            const int frame = (timeLine_.currentTime() + frameDelayMs / 2) / frameDelayMs;
            showFrame(std::min(frames_ - 1, frame));
        });
        connect(&timeLine_, &QTimeLine::finished, this, [this] { finish(); });
    }

    bool active() const { return active_; }

    void start()
    {
        showFrame(0);
        if (window_)
            window_->show();
        timeLine_.start();
    }

    void cancel()
    {
        active_ = false;
        onFinished_ = {};
        timeLine_.stop();
        deleteLater();
    }

    void finish()
    {
        if (!active_)
            return;
        timeLine_.stop();
        showFrame(frames_ - 1);
        active_ = false;
        EffectFinished done = std::move(onFinished_);
        onFinished_ = {};
        deleteLater();
        if (done)
            done(true);
    }

private:
    void showFrame(int frame)
    {
        if (!window_ || frame == shown_)
            return;
        shown_ = frame;
        const bool open = direction_ == EffectDirection::Open;
        applyRegion(window_, effectRegion(effect_, direction_, frame, width_, height_, steps_),
                    open && frame == frames_ - 1);
    }

    QPointer<QWidget> window_;
    EffectDirection direction_;
    int effect_;
    int steps_;
    int frames_;
    int width_;
    int height_;
    int shown_ = -1;
    bool active_ = true;
    EffectFinished onFinished_;
    QTimeLine timeLine_;
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

bool RegionEffect(QWidget *window, EffectDirection direction, int effect, int frameDelayMs, int steps,
                  EffectFinished onFinished)
{
    if (!window)
        return false;
    if (EffectRunner *running = runnerOf(window))
        running->cancel();

    const int frames = effectFrameCount(effect, steps);
    if (frames <= 0) {
        // A window reopened without an effect must not keep the empty shape of its last close.
        if (direction == EffectDirection::Open && frames == 0)
            window->clearMask();
        window->show();
        const bool ok = frames == 0;
        if (onFinished)
            onFinished(ok);
        return ok;
    }
    auto *runner = new EffectRunner(window, direction, effect, steps, frames, std::max(1, frameDelayMs),
                                    std::move(onFinished));
    runner->start();
    return true;
}

bool isEffectRunning(const QWidget *window)
{
    return window && runnerOf(window);
}

void finishEffect(QWidget *window)
{
    if (!window)
        return;
    if (EffectRunner *running = runnerOf(window))
        running->finish();
}

} // namespace radixon
