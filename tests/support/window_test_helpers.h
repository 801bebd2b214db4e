#pragma once

#include "main_window/main_window.h"
#include "main_window/main_window_names.h"
#include "support/fakes.h"
#include "window_services/always_on_top.h"
#include "window_services/window_effects.h"
#include "window_services/window_frame.h"
#include "windows/common/appearance.h"
#include "windows/common/companion_window.h"
#include "windows/common/converter_names.h"

#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QtTest>

#include <memory>

namespace radixon::test {

// The program's look, without the offscreen platform's reports of every mask an effect
// sets, every raise and every change of a fixed size: none of it tells of a fault.
inline void prepareApplication()
{
    applyAppearance(*qApp);
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
            for (const char *noise : {"mask", "raise", "propagateSizeHints"}) {
                if (message.contains(QLatin1String(noise), Qt::CaseInsensitive))
                    return;
            }
            previous(type, context, message);
        });
}

// The height of the window's client area, below the title bar it draws itself.
inline int clientHeight(const QWidget *window)
{
    return window->size().shrunkBy(frameMargins(window)).height();
}

template <class T = QWidget>
T *control(const QWidget *window, const char *name)
{
    T *found = window->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

inline void clickBox(const QWidget *window, const char *name)
{
    auto *box = control<QCheckBox>(window, name);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2)); // on the indicator
}

// Drags by the point `grip` of `surface` (or of the control there) by 30 right, 20 down;
// returns how far the window of `surface` went.
inline int dragDistance(QWidget *surface, QPoint grip)
{
    const QPoint start = surface->window()->pos();
    if (QWidget *under = surface->childAt(grip)) // where the press lands
        std::tie(grip, surface) = std::pair(under->mapFrom(surface, grip), under);
    QTest::mousePress(surface, Qt::LeftButton, {}, grip);
    QMouseEvent move(QEvent::MouseMove, {}, surface->mapToGlobal(grip + QPoint(30, 20)),
                     Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(surface, &move);
    QTest::mouseRelease(surface, Qt::LeftButton);
    return (surface->window()->pos() - start).manhattanLength();
}

inline QStringList textLines(std::initializer_list<const char *> texts)
{
    QStringList all;
    for (const char *text : texts)
        all << QString::fromUtf8(text);
    return all;
}

inline QStringList textLines(const QListWidget *list)
{
    QStringList all;
    for (int i = 0; i < list->count(); ++i)
        all << list->item(i)->text();
    return all;
}

// All companion windows, or only the one of that name that is open and not closing.
inline QList<CompanionWindow *> companionWindows(const char *name = nullptr)
{
    QList<CompanionWindow *> all;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *window = qobject_cast<CompanionWindow *>(widget);
        if (window
            && (!name || (window->objectName() == QLatin1String(name) && !window->isUnloading())))
            all << window;
    }
    return all;
}
inline CompanionWindow *openWindow(const char *name) { return companionWindows(name).value(0); }

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
