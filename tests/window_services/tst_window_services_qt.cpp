#include "window_services/form_effects.h"
#include "window_services/hover_button.h"
#include "window_services/ontop_notontop_less.h"
#include "window_services/qt_magnetic_dock.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace radixon;

Q_DECLARE_METATYPE(radixon::EffectDirection)

namespace {

// The offscreen platform warns about every window mask; the effects set one per frame.
void quietMasks(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.contains(QLatin1String("mask")))
        return;
    static const QtMessageHandler previous = qInstallMessageHandler(nullptr);
    if (previous)
        previous(type, context, message);
}

struct TestWindow {
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    QGroupBox *frame = new QGroupBox(window.get());
    QLabel *label = new QLabel(QStringLiteral("label"), frame);

    TestWindow(QRect geometry)
    {
        window->setGeometry(geometry);
        frame->setGeometry(10, 10, 120, 80);
        label->setGeometry(10, 20, 60, 20);
    }
};

void send(QWidget *target, QEvent::Type type, QPoint local, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(local), QPointF(target->mapToGlobal(local)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

void moveMouse(QWidget *target, QPoint global, Qt::MouseButtons buttons)
{
    const QPoint local = target->mapFromGlobal(global);
    QMouseEvent event(QEvent::MouseMove, QPointF(local), QPointF(global), Qt::NoButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

} // namespace

class TestWindowServicesQt : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qInstallMessageHandler(quietMasks); }

    void effectRunsToItsLastFrame_data()
    {
        QTest::addColumn<EffectDirection>("direction");
        QTest::addColumn<int>("effect");
        QTest::addColumn<QRegion>("lastMask");
        QTest::newRow("opening leaves no mask") << EffectDirection::Open << 10 << QRegion();
        QTest::newRow("closing ends with one pixel") << EffectDirection::Close << 10 << QRegion(0, 0, 1, 1);
        QTest::newRow("opening centred square keeps its shape")
            << EffectDirection::Open << 11 << QRegion(50, 0, 200, 200);
    }
    void effectRunsToItsLastFrame()
    {
        QFETCH(EffectDirection, direction);
        QFETCH(int, effect);
        QFETCH(QRegion, lastMask);
        QWidget window;
        window.resize(300, 200);
        int calls = 0;
        bool result = false;
        QVERIFY(RegionEffect(&window, direction, effect, 2, 10, [&](bool ok) {
            ++calls;
            result = ok;
        }));
        QVERIFY(window.isVisible());
        QVERIFY(isEffectRunning(&window));
        QTRY_COMPARE(calls, 1);
        QVERIFY(result);
        QVERIFY(window.isVisible());
        QCOMPARE(window.mask(), lastMask);
        QVERIFY(!isEffectRunning(&window));
    }

    void openingStartsHidden()
    {
        QWidget window;
        window.resize(300, 200);
        RegionEffect(&window, EffectDirection::Open, 10, 1000, 50);
        QCOMPARE(window.mask(), QRegion(0, 0, 1, 1));
        finishEffect(&window);
        QCOMPARE(window.mask(), QRegion());
    }

    void effectWithoutFrames_data()
    {
        QTest::addColumn<int>("effect");
        QTest::addColumn<int>("steps");
        QTest::addColumn<bool>("expected");
        QTest::newRow("effect 14 only shows") << 14 << 50 << true;
        QTest::newRow("effect -1 only shows") << -1 << 50 << true;
        QTest::newRow("zero steps fail after showing") << 10 << 0 << false;
    }
    void effectWithoutFrames()
    {
        QFETCH(int, effect);
        QFETCH(int, steps);
        QFETCH(bool, expected);
        QWidget window;
        window.resize(300, 200);
        int calls = 0;
        QCOMPARE(RegionEffect(&window, EffectDirection::Open, effect, 10, steps, [&](bool ok) {
                     ++calls;
                     QCOMPARE(ok, expected);
                 }),
                 expected);
        QVERIFY(window.isVisible());
        QCOMPARE(calls, 1);
        QVERIFY(!isEffectRunning(&window));
    }

    void closeInterruptsOpen_data()
    {
        QTest::addColumn<EffectDirection>("first");
        QTest::addColumn<EffectDirection>("second");
        QTest::newRow("close during open") << EffectDirection::Open << EffectDirection::Close;
        QTest::newRow("open during close") << EffectDirection::Close << EffectDirection::Open;
    }
    void closeInterruptsOpen()
    {
        QFETCH(EffectDirection, first);
        QFETCH(EffectDirection, second);
        QWidget window;
        window.resize(300, 200);
        int firstCalls = 0;
        int secondCalls = 0;
        RegionEffect(&window, first, 10, 5, 50, [&](bool) { ++firstCalls; });
        QTest::qWait(30);
        RegionEffect(&window, second, 10, 1, 10, [&](bool) { ++secondCalls; });
        QTRY_COMPARE(secondCalls, 1);
        QTest::qWait(300);
        QCOMPARE(firstCalls, 0);
        QCOMPARE(secondCalls, 1);
        QCOMPARE(window.mask(), second == EffectDirection::Open ? QRegion() : QRegion(0, 0, 1, 1));
    }

    void windowDestroyedMidEffect()
    {
        auto *window = new QWidget;
        window->resize(300, 200);
        int calls = 0;
        RegionEffect(window, EffectDirection::Close, 10, 5, 50, [&](bool) { ++calls; });
        QTest::qWait(20);
        delete window;
        QTest::qWait(100);
        QCOMPARE(calls, 0);
    }

    void closeCallbackMayDeleteWindow()
    {
        QPointer<QWidget> window = new QWidget;
        window->resize(300, 200);
        RegionEffect(window, EffectDirection::Close, 10, 1, 5, [&](bool) { delete window.data(); });
        QTRY_VERIFY(window.isNull());
    }

    void onTop_data()
    {
        QTest::addColumn<bool>("shownFirst");
        QTest::newRow("shown window") << true;
        QTest::newRow("window not created yet") << false;
    }
    void onTop()
    {
        QFETCH(bool, shownFirst);
        QWidget window;
        window.setGeometry(100, 120, 200, 100);
        if (shownFirst)
            window.show();
        QVERIFY(!isOnTop(&window));
        SetOnTop(&window);
        QVERIFY(isOnTop(&window));
        window.show();
        QTRY_VERIFY(window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
        SetNotOnTop(&window);
        QVERIFY(!isOnTop(&window));
        QVERIFY(!window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(window.geometry(), QRect(100, 120, 200, 100));
        QVERIFY(window.isVisible());
    }

    void hoverHighlightsOneControl()
    {
        QWidget first;
        QWidget second;
        auto *a = new QCheckBox(QStringLiteral("a"), &first);
        auto *b = new QPushButton(QStringLiteral("b"), &second);
        enableHover(a);
        enableHover(b);
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QApplication::sendEvent(a, &enter);
        QVERIFY(a->font().bold());
        QCOMPARE(hoveredControl(), a);
        // Still over a (no leave yet): b waits.
        HoverOn(b);
        QVERIFY(!b->font().bold());
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(a, &leave);
        QVERIFY(!a->font().bold());
        QCOMPARE(hoveredControl(), nullptr);
        QApplication::sendEvent(b, &enter);
        QVERIFY(b->font().bold());
        delete b;
        QCOMPARE(hoveredControl(), nullptr);
        HoverOn(a);
        QVERIFY(a->font().bold());
        QEvent hide(QEvent::Hide);
        QApplication::sendEvent(a, &hide);
        QVERIFY(!a->font().bold());
    }

    void dragAnywhere_data()
    {
        QTest::addColumn<bool>("onFrame");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("onLabel");
        QTest::newRow("surface, left button") << false << Qt::LeftButton << false;
        QTest::newRow("frame, right button") << true << Qt::RightButton << false;
        QTest::newRow("surface, middle button") << false << Qt::MiddleButton << false;
        QTest::newRow("label does not drag") << true << Qt::LeftButton << true;
    }
    void dragAnywhere()
    {
        QFETCH(bool, onFrame);
        QFETCH(Qt::MouseButton, button);
        QFETCH(bool, onLabel);
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QtMagneticDock dock;
        TestWindow main(QRect(area.left() + 200, area.top() + 200, 300, 200));
        TestWindow companion(QRect(area.left() + 500, area.top() + 200, 100, 100));
        main.window->show();
        companion.window->show();
        companion.window->move(main.window->frameGeometry().right() + 1, main.window->frameGeometry().top());
        const QPoint mainBefore = main.window->frameGeometry().topLeft();
        QVERIFY(dock.AddWindow(main.window.get()));
        QVERIFY(dock.AddWindow(companion.window.get(), main.window.get()));
        QVERIFY(dock.isGlued(companion.window.get()));
        dock.enableDragAnywhere(main.window.get(), {main.frame});

        QWidget *target = onLabel ? static_cast<QWidget *>(main.label) : onFrame ? main.frame : main.window.get();
        const QPoint local = onLabel ? QPoint(5, 5) : onFrame ? QPoint(60, 5) : QPoint(250, 150);
        const QPoint start = target->mapToGlobal(local);
        send(target, QEvent::MouseButtonPress, local, button, button);
        QCOMPARE(dock.isDragging(), !onLabel);
        // Leaves the window 5 pixels from the area's left edge.
        const int travel = mainBefore.x() - area.left() - 5;
        moveMouse(target, start - QPoint(travel / 2, 0), button);
        moveMouse(target, start - QPoint(travel, 0), button);
        send(target, QEvent::MouseButtonRelease, target->mapFromGlobal(start - QPoint(travel, 0)), button,
             Qt::NoButton);
        QVERIFY(!dock.isDragging());
        if (onLabel) {
            QCOMPARE(main.window->frameGeometry().topLeft(), mainBefore);
            return;
        }
        QCOMPARE(main.window->frameGeometry().left(), area.left());
        QCOMPARE(companion.window->frameGeometry().left(), main.window->frameGeometry().right() + 1);
        QVERIFY(dock.isGlued(companion.window.get()));
    }

    void unregisteredWindowDragsWithoutSnapping()
    {
        QtMagneticDock dock;
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        TestWindow window(QRect(area.left() + 100, area.top() + 100, 200, 100));
        window.window->show();
        dock.enableDragAnywhere(window.window.get());
        QWidget *w = window.window.get();
        const int left = w->frameGeometry().left();
        send(w, QEvent::MouseButtonPress, QPoint(150, 50), Qt::LeftButton, Qt::LeftButton);
        moveMouse(w, w->mapToGlobal(QPoint(150, 50)) - QPoint(95, 0), Qt::LeftButton);
        send(w, QEvent::MouseButtonRelease, QPoint(55, 50), Qt::LeftButton, Qt::NoButton);
        QCOMPARE(w->frameGeometry().left(), left - 95);
        QVERIFY(w->frameGeometry().left() - area.left() < dock.SnapWidth());
    }

    void destroyedWindowLeavesDock()
    {
        QtMagneticDock dock;
        auto *window = new QWidget;
        window->show();
        QVERIFY(dock.AddWindow(window));
        QVERIFY(!dock.AddWindow(window));
        delete window;
        QCOMPARE(dock.core().windowCount(), 0);
        auto *again = new QWidget;
        QVERIFY(dock.AddWindow(again));
        QVERIFY(dock.RemoveWindow(again));
        QVERIFY(!dock.RemoveWindow(again));
        delete again;
    }
};

QTEST_MAIN(TestWindowServicesQt)
#include "tst_window_services_qt.moc"
