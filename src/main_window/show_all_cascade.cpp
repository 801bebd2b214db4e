#include "main_window/show_all_cascade.h"

#include "window_services/window_effects.h"
#include "windows/common/companion_window.h"

namespace radixon {

void ShowAllCascade::run(std::vector<Step> steps)
{
    cancel();
    m_steps = std::move(steps);
    runNext();
}

void ShowAllCascade::cancel()
{
    stopWaiting();
    m_steps.clear();
    m_next = 0;
}

void ShowAllCascade::stopWaiting()
{
    for (const QMetaObject::Connection &wait : m_waits)
        disconnect(wait);
    m_waits.clear();
}

void ShowAllCascade::runNext()
{
    while (m_next < m_steps.size()) {
        // Copied: the step may start a cascade of its own, which replaces this list.
        const Step step = m_steps[m_next++];
        CompanionWindow *window = step();
        // A window that was already open (the lists window can open the temporary
        // list without its box) has no effect left to wait for.
        if (!window || !isEffectRunning(window))
            continue;
        // An opening window that the user closes at once ends with its close effect
        // instead; a window may also go without either.
        const auto stepEnded = [this] {
            stopWaiting();
            runNext();
        };
        m_waits = {
            connect(window, &CompanionWindow::opened, this, stepEnded),
            connect(window, &CompanionWindow::unloaded, this, stepEnded),
            connect(window, &QObject::destroyed, this, stepEnded),
        };
        return;
    }
    cancel();
}

} // namespace radixon
