#pragma once

#include "main_window/main_window.h"
#include "main_window/main_window_names.h"
#include "support/fake_dialogs.h"
#include "window_services/qt_magnetic_dock.h"
#include "windows/common/companion_host.h"

#include <QPointer>
#include <QWidget>

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
    QStringList appendedLines;        // every line sent to the temporary list, in order

    FakeHost()
    {
        main.setObjectName(QLatin1String(main_window::name::window));
        main.resize(MainWindow::clientWidth, MainWindow::closedHeight);
        // As in the program, the main window is the first window the dock knows.
        magneticDock.addWindow(&main);
    }

    bool greek() const override { return greekFlag; }
    bool alwaysOnTop() const override { return onTopFlag; }
    QWidget *mainWindow() override { return &main; }
    QtMagneticDock &dock() override { return magneticDock; }
    Dialogs &dialogs() override { return fakeDialogs; }
    void companionUnloading(Companion which) override { unloading.push_back(which); }
    void appendToTemporaryList(const QString &line) override { appendedLines << line; }
};

} // namespace radixon::test
