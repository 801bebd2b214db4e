#pragma once

#include "main_window/main_window.h"
#include "main_window/main_window_names.h"
#include "support/fake_dialogs.h"
#include "support/window_test_helpers.h"

#include <memory>

namespace radixon::test {

// A main window on screen with its options panel open and its dialogs answered
// from a script, as the tests that drive the whole program need it.
class MainWindowSession {
protected:
    std::unique_ptr<FakeDialogs> dialogs;
    std::unique_ptr<MainWindow> window;

    bool openMainWindow()
    {
        dialogs = std::make_unique<FakeDialogs>();
        window = std::make_unique<MainWindow>(*dialogs);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            return false;
        box(main_window::name::optionsBox)->setChecked(true);
        return true;
    }
    // Destroys the main window and waits until no companion window is left.
    bool closeMainWindow()
    {
        window.reset();
        return QTest::qWaitFor([] { return companionWindows().isEmpty(); });
    }
    QCheckBox *box(const char *name) const { return control<QCheckBox>(window.get(), name); }
};

} // namespace radixon::test
