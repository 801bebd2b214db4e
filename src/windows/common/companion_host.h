#pragma once

#include "windows/common/language.h"

class QString;
class QWidget;

namespace radixon {

class CompanionWindow;
class Dialogs;
class QtMagneticDock;
class WorkingSource;

// What a companion window reaches in the main window.
class CompanionHost {
public:
    virtual ~CompanionHost() = default;

    // The main window's language, read when needed.
    virtual const Language &language() const = 0;
    // The main window's "Always On Top" box.
    virtual bool alwaysOnTop() const = 0;
    virtual QWidget *mainWindow() = 0;
    virtual QtMagneticDock &dock() = 0;
    virtual Dialogs &dialogs() = 0;
    // A companion window that unloads clears its box in the main window.
    virtual void companionUnloading(const CompanionWindow &window) = 0;
    // Opens the working window on the source's working, or brings it forward.
    virtual void showWorking(WorkingSource &source) = 0;
    // Opens the practice window on the source's kind of exercise, or brings it forward.
    virtual void showPractice(WorkingSource &source) = 0;
    // Appends a line to the temporary list, whose window is loaded first when it is not open.
    virtual void appendToTemporaryList(const QString &line) = 0;
};

} // namespace radixon
