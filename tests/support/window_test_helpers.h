#pragma once

#include "support/fake_host.h"
#include "window_services/always_on_top.h"
#include "window_services/window_effects.h"
#include "window_services/window_frame.h"
#include "windows/common/bilingual.h"
#include "windows/common/companion_window.h"
#include "windows/common/converter_names.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QtTest>

namespace radixon::test {

// The offscreen platform reports every mask an effect sets, every raise and every
// change of a fixed size; none of it tells of a fault.
inline void dropPlatformNoise()
{
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

// Loads the window as the main window does and waits until it is in full view.
template <class Window>
bool open(QPointer<Window> &window, FakeHost &host, bool greek)
{
    host.greekFlag = greek;
    window = new Window(host);
    window->load();
    finishEffect(window);
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// The close control starts the unload: the main window's box is cleared and the
// window leaves the dock, then goes once its close effect has ended.
template <class Window>
void verifyCloseControl(QPointer<Window> &window, FakeHost &host, Companion which)
{
    QVERIFY(!window->close());
    QVERIFY(!host.dock().isRegistered(window));
    QTRY_VERIFY(window.isNull());
    QCOMPARE(host.unloading, std::vector<Companion>{which});
}

// The labels, boxes, buttons and frames whose caption is cut off or that stick out
// of their container.
inline QStringList captionsCutOff(const QWidget *window)
{
    QStringList cut;
    for (const QWidget *child : window->findChildren<QWidget *>()) {
        const bool captioned = qobject_cast<const QLabel *>(child)
                               || qobject_cast<const QAbstractButton *>(child)
                               || qobject_cast<const QGroupBox *>(child);
        if (captioned
            && (!captionFits(child) || !child->parentWidget()->rect().contains(child->geometry())))
            cut << child->objectName();
    }
    return cut;
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

} // namespace radixon::test
