#pragma once

#include "main_window/companion_list.h"

#include <QPointer>

#include <functional>
#include <vector>

namespace radixon {

class CompanionWindow;

// The companion windows of the main window, reached by their rows in the companion
// list. A window is loaded on first use and forgotten once it unloads.
class Companions {
public:
    explicit Companions(CompanionHost &host);
    ~Companions();

    // The loaded window, loading it first when it is not (or only closing).
    CompanionWindow *show(const CompanionEntry &entry);
    template <class Window>
    Window *show()
    {
        return static_cast<Window *>(show(companionEntry<Window>()));
    }
    // The loaded window that is not closing, or nullptr.
    CompanionWindow *loaded(const CompanionEntry &entry) const;
    // Starts the unload sequence of the window when it is loaded.
    void unload(const CompanionEntry &entry);
    // Unloads every loaded window, in the order of the list; whenAllClosed then waits
    // for them and for any window already closing.
    void unloadAll();
    // Destroys every window at once, closing or not.
    void discardAll();
    // Calls `done`, in `context`, once no window is left playing its close effect: at
    // once when none is, else when the last one has gone.
    void whenAllClosed(QObject *context, const std::function<void()> &done);

private:
    void retire(const CompanionEntry &entry);

    CompanionHost &m_host;
    std::vector<QPointer<CompanionWindow>> m_windows; // by row of the companion list
    std::vector<QPointer<CompanionWindow>> m_closing;
};

} // namespace radixon
