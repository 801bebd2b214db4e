#pragma once

#include "window_services/geometry.h"
#include "windows/common/companion_host.h"

#include <QMargins>
#include <QWidget>

namespace radixon {

// What every companion window shares: it opens through the open effect, closes
// through the close effect, and stays alive until that effect has ended.
class CompanionWindow : public QWidget {
    Q_OBJECT
public:
    CompanionWindow(CompanionHost &host, Qt::WindowFlags flags, QWidget *owner = nullptr);

    // The load sequence: registration, language, place and open effect, each window
    // in its own order. Called once, right after construction.
    virtual void load() = 0;

    // Windows about another window (the working, practice) show what its source holds,
    // beside it, and come on screen when first given one; the others ignore it.
    virtual void follow(WorkingSource &source) { (void)source; }

    // True from the start of the unload sequence; such a window ignores further requests.
    bool isUnloading() const { return m_unloading; }

    // The unload sequence: the main window's box is cleared, the window leaves the
    // docking manager (when registered) and plays the close effect, after which it
    // is destroyed. Safe to call more than once.
    void unload();

signals:
    // The open effect has ended: the window is in full view.
    void opened();
    // The close effect has ended; the window goes right after.
    void unloaded();

protected:
    void closeEvent(QCloseEvent *event) override;

    // Steps of the load sequences, in the order each window needs them.
    void registerWithDock();
    void playOpenEffect();

    // The window manager's frame around this window: none when the window draws its
    // own. Before the window is first shown it has none yet; the main window's, drawn
    // by the same window manager, is the best guess of it.
    QMargins decorationMargins() const;
    // Where the window, `width` × `height` with its frame, opens beside `asker` on the
    // asker's screen (placeBeside), narrowed if need be to no less than `minWidth`.
    Rect besideOf(const QWidget *asker, int width, int height, int minWidth) const;

    CompanionHost &m_host;

private:
    bool m_unloading = false;
    bool m_registered = false;
};

} // namespace radixon
