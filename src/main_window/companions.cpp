#include "main_window/companions.h"

#include "windows/common/companion_window.h"

#include <algorithm>

namespace radixon {

namespace {

std::size_t slot(Companion which) { return static_cast<std::size_t>(which); }

} // namespace

Companions::Companions(CompanionHost &host) : host(host) {}

Companions::~Companions()
{
    // Windows still open or closing go with the main window.
    discardAll();
}

void Companions::discardAll()
{
    for (QPointer<CompanionWindow> &window : windows)
        delete window.data();
    for (QPointer<CompanionWindow> &window : closing)
        delete window.data();
    closing.clear();
}

void Companions::setFactory(Companion which, Factory factory)
{
    factories[slot(which)] = std::move(factory);
}

CompanionWindow *Companions::show(Companion which)
{
    if (CompanionWindow *window = loaded(which))
        return window;
    const Factory &create = factories[slot(which)];
    if (!create)
        return nullptr;
    retire(which);
    CompanionWindow *window = create(host);
    windows[slot(which)] = window;
    window->load();
    return window;
}

CompanionWindow *Companions::loaded(Companion which) const
{
    CompanionWindow *window = windows[slot(which)];
    return window && !window->isUnloading() ? window : nullptr;
}

void Companions::unload(Companion which)
{
    CompanionWindow *window = loaded(which);
    if (!window)
        return;
    retire(which);
    window->unload();
}

void Companions::retire(Companion which)
{
    // A closing window is kept apart, so that its kind can load afresh while it
    // still plays its close effect.
    QPointer<CompanionWindow> &window = windows[slot(which)];
    if (window.isNull())
        return;
    closing.erase(std::remove(closing.begin(), closing.end(), nullptr), closing.end());
    closing.push_back(window);
    window = nullptr;
}

void Companions::unloadAll(const QString &keep)
{
    for (std::size_t i = 0; i < kinds; ++i) {
        const auto which = static_cast<Companion>(i);
        if (const CompanionWindow *window = loaded(which); window && window->objectName() != keep)
            unload(which);
    }
}

bool Companions::anyClosing() const
{
    return std::any_of(closing.begin(), closing.end(),
                       [](const QPointer<CompanionWindow> &window) { return !window.isNull(); });
}

} // namespace radixon
