#pragma once

#include "windows/common/companion_host.h"

#include <QPointer>

#include <array>
#include <vector>

namespace radixon {

class CompanionWindow;

// The companion windows of the main window, reached by kind as the main window's
// boxes name them. A window is loaded on first use and forgotten once it unloads.
class Companions {
public:
    explicit Companions(CompanionHost &host);
    ~Companions();

    // The loaded window, loading it first when it is not (or only closing).
    CompanionWindow *show(Companion which);
    // The loaded window that is not closing, or nullptr.
    CompanionWindow *loaded(Companion which) const;
    // Starts the unload sequence of the window when it is loaded.
    void unload(Companion which);
    // Unloads every loaded window whose name differs from `keep`, in the order of the kinds.
    void unloadAll(const QString &keep = QString());
    // Destroys every window at once, closing or not.
    void discardAll();
    // True while some window still plays its close effect.
    bool anyClosing() const;

private:
    void retire(Companion which);

    CompanionHost &m_host;
    static constexpr std::size_t kindCount = 5;
    std::array<QPointer<CompanionWindow>, kindCount> m_windows;
    std::vector<QPointer<CompanionWindow>> m_closing;
};

} // namespace radixon
