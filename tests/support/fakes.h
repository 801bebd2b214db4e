#pragma once

#include "main_window/main_window.h"
#include "main_window/main_window_names.h"
#include "window_services/qt_magnetic_dock.h"
#include "windows/common/companion_host.h"
#include "windows/common/dialogs.h"
#include "windows/common/working_source.h"

#include <QStringList>
#include <QWidget>

#include <deque>
#include <functional>
#include <vector>

namespace radixon::test {

// Answers every dialog from a script and records what was shown.
class FakeDialogs final : public Dialogs {
public:
    struct Shown {
        QString kind; // "inform", "ask" or "save"
        QString title;
        QString text;
        Icon icon = Icon::None;
    };

    std::vector<Shown> shown;
    bool answerYes = true;
    std::deque<QString> saveAnswers; // file names typed; none left cancels the dialog
    std::function<void()> onInform;  // runs while a message is up

    void inform(QWidget *, const QString &title, const QString &text, Icon icon) override
    {
        shown.push_back({QStringLiteral("inform"), title, text, icon});
        if (onInform)
            onInform();
    }
    bool askYesNo(QWidget *, const QString &title, const QString &text) override
    {
        shown.push_back({QStringLiteral("ask"), title, text});
        return answerYes;
    }
    std::optional<QString> saveFileName(QWidget *, const QString &title, const QString &defaultName,
                                        const QString &filter) override
    {
        shown.push_back({QStringLiteral("save"), title, defaultName + u'|' + filter});
        if (saveAnswers.empty())
            return std::nullopt;
        const QString path = saveAnswers.front();
        saveAnswers.pop_front();
        return path;
    }
};

// Stands in for the main window, so that a companion window can be driven alone.
class FakeHost final : public CompanionHost {
public:
    bool greekFlag = true;
    bool onTopFlag = false;
    QWidget main;
    QtMagneticDock magneticDock;
    FakeDialogs fakeDialogs;
    QStringList unloading;           // the window of every companionUnloading call, in order
    QStringList appendedLines;       // every line sent to the temporary list, in order
    QList<QWidget *> workingAskedBy; // the window of every showWorking call
    QPointer<WorkingSource> lastWorkingShown;

    FakeHost()
    {
        main.setObjectName(QLatin1String(main_window::name::window));
        main.resize(MainWindow::clientWidth, MainWindow::closedHeight);
        // As in the program, the main window is the first window the dock knows.
        magneticDock.addWindow(&main);
    }

    const Language &language() const override
    {
        return greekFlag ? Language::greek() : Language::english();
    }
    bool alwaysOnTop() const override { return onTopFlag; }
    QWidget *mainWindow() override { return &main; }
    QtMagneticDock &dock() override { return magneticDock; }
    Dialogs &dialogs() override { return fakeDialogs; }
    void companionUnloading(const CompanionWindow &w) override { unloading << w.objectName(); }
    void appendToTemporaryList(const QString &line) override { appendedLines << line; }
    void showWorking(WorkingSource &source) override
    {
        workingAskedBy << source.window();
        lastWorkingShown = &source;
    }
    void showPractice(WorkingSource &) override {}
};

} // namespace radixon::test
