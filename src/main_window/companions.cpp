#include "main_window/companions.h"

#include "windows/common/companion_window.h"

#include <algorithm>

namespace radixon {

Companions::Companions(CompanionHost &host) : m_host(host), m_windows(companionList.size()) {}

Companions::~Companions()
{
    // Windows still open or m_closing go with the main window.
    discardAll();
}

void Companions::discardAll()
{
    for (QPointer<CompanionWindow> &window : m_windows)
        delete window.data();
    for (QPointer<CompanionWindow> &window : m_closing)
        delete window.data();
    m_closing.clear();
}

CompanionWindow *Companions::show(const CompanionEntry &entry)
{
    if (CompanionWindow *window = loaded(entry))
        return window;
    retire(entry);
    CompanionWindow *window = entry.create(m_host);
    m_windows[indexOf(entry)] = window;
    window->load();
    return window;
}

CompanionWindow *Companions::loaded(const CompanionEntry &entry) const
{
    CompanionWindow *window = m_windows[indexOf(entry)];
    return window && !window->isUnloading() ? window : nullptr;
}

void Companions::unload(const CompanionEntry &entry)
{
    CompanionWindow *window = loaded(entry);
    if (!window)
        return;
    retire(entry);
    window->unload();
}

void Companions::retire(const CompanionEntry &entry)
{
    // A m_closing window is kept apart, so that its row can load afresh while it
    // still plays its close effect.
    QPointer<CompanionWindow> &window = m_windows[indexOf(entry)];
    if (window.isNull())
        return;
    m_closing.erase(std::remove(m_closing.begin(), m_closing.end(), nullptr), m_closing.end());
    m_closing.push_back(window);
    window = nullptr;
}

void Companions::unloadAll()
{
    for (const CompanionEntry &entry : companionList) {
        unload(entry);
        retire(entry); // one already closing by its own control is waited for too
    }
}

void Companions::whenAllClosed(QObject *context, const std::function<void()> &done)
{
    const auto anyClosing = [this] {
        return std::any_of(
            m_closing.begin(), m_closing.end(),
            [](const QPointer<CompanionWindow> &window) { return !window.isNull(); });
    };
    if (!anyClosing()) {
        done();
        return;
    }
    // Queued: `done` may open a dialog, which must not run inside a destructor.
    for (const QPointer<CompanionWindow> &window : m_closing) {
        if (window)
            QObject::connect(
                window, &QObject::destroyed, context,
                [anyClosing, done] {
                    if (!anyClosing())
                        done();
                },
                Qt::QueuedConnection);
    }
}

} // namespace radixon
