#pragma once

#include "support/fake_dialogs.h"
#include "window_services/qt_magnetic_dock.h"
#include "windows/common/companion_host.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <vector>

namespace radixon::test {

// Stands in for the main window, so that a companion window can be driven alone.
class FakeHost final : public CompanionHost {
public:
    bool greekFlag = true;
    bool onTopFlag = false;
    QWidget main;
    QtMagneticDock magneticDock;
    FakeDialogs fakeDialogs;
    std::vector<Companion> unloading; // every companionUnloading call, in order
    // Creates and loads the temporary list window on demand; set by tests that need it.
    std::function<Form6 &()> temporaryListFactory;

    FakeHost()
    {
        main.setObjectName(QStringLiteral("Form_Numeric"));
        main.resize(190, 228);
        // As in the program, the main window is the first window the dock knows.
        magneticDock.AddWindow(&main);
    }

    bool greek() const override { return greekFlag; }
    bool alwaysOnTop() const override { return onTopFlag; }
    QWidget *mainWindow() override { return &main; }
    QtMagneticDock &dock() override { return magneticDock; }
    Dialogs &dialogs() override { return fakeDialogs; }
    void companionUnloading(Companion which) override { unloading.push_back(which); }
    Form6 &temporaryList() override { return temporaryListFactory(); }
};

} // namespace radixon::test
