#include "window_services/hover_highlight.h"
#include "window_services/qt_magnetic_dock.h"
#include "window_services/window_effects.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTest>

using namespace radixon;

Q_DECLARE_METATYPE(radixon::EffectDirection)

namespace {

QtMessageHandler previousHandler = nullptr;

// The offscreen platform warns about every window mask; the effects set one per frame.
void quietMasks(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.contains(QLatin1String("mask")))
        previousHandler(type, context, message);
}

void mouse(QWidget *target, QEvent::Type type, QPoint global, Qt::MouseButton button,
           Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(target->mapFromGlobal(global)), QPointF(global), button,
                      buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

} // namespace

class TestWindowServicesQt : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { previousHandler = qInstallMessageHandler(quietMasks); }

    void effectWithoutFrames_data()
    {
        QTest::addColumn<int>("effect");
        QTest::addColumn<int>("steps");
        QTest::addColumn<bool>("expected");
        QTest::newRow("effect 14 only shows") << 14 << 50 << true;
        QTest::newRow("zero steps fail after showing") << 10 << 0 << false;
    }
    void effectWithoutFrames()
    {
        QFETCH(int, effect);
        QFETCH(int, steps);
        QFETCH(bool, expected);
        QWidget window;
        QList<bool> reports;
        QCOMPARE(playEffect(&window, EffectDirection::Open, effect, 10, steps,
                            [&](bool ok) { reports << ok; }),
                 expected);
        QVERIFY(window.isVisible());
        QCOMPARE(reports, QList<bool>{expected});
        QVERIFY(!isEffectRunning(&window));
    }

    void effectInterruptedByAnother_data()
    {
        QTest::addColumn<EffectDirection>("first");
        QTest::addColumn<EffectDirection>("second");
        QTest::newRow("close during open") << EffectDirection::Open << EffectDirection::Close;
        QTest::newRow("open during close") << EffectDirection::Close << EffectDirection::Open;
    }
    void effectInterruptedByAnother()
    {
        QFETCH(EffectDirection, first);
        QFETCH(EffectDirection, second);
        QWidget window;
        window.resize(300, 200);
        int firstCalls = 0;
        QList<bool> secondReports;
        playEffect(&window, first, 10, 5, 50, [&](bool) { ++firstCalls; });
        QTest::qWait(30);
        playEffect(&window, second, 10, 1, 10, [&](bool ok) { secondReports << ok; });
        QTRY_COMPARE(secondReports, QList<bool>{true});
        QTest::qWait(300);
        QCOMPARE(firstCalls, 0);
        QCOMPARE(secondReports.size(), 1);
        // Closing leaves none of the window: an empty mask would show all of it, so the
        // mask lies outside it.
        if (second == EffectDirection::Open)
            QCOMPARE(window.mask(), QRegion());
        else
            QVERIFY(!window.mask().isEmpty() && !window.mask().intersects(window.rect()));
        QVERIFY(window.isVisible());
    }

    void windowDestroyedMidEffect()
    {
        auto *window = new QWidget;
        int calls = 0;
        playEffect(window, EffectDirection::Close, 10, 5, 50, [&](bool) { ++calls; });
        QTest::qWait(20);
        delete window;
        QTest::qWait(100);
        QCOMPARE(calls, 0);
    }

    void hoverHighlightsOneControl()
    {
        QWidget first, second;
        auto *a = new QCheckBox(QStringLiteral("a"), &first);
        auto *b = new QPushButton(QStringLiteral("b"), &second);
        enableHover(a);
        enableHover(b);
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(a, &enter);
        QCOMPARE(hoveredControl(), a);
        // While the mouse is still over the first, the second waits its turn; a first
        // whose leave was lost (its window covered) gives way.
        a->setAttribute(Qt::WA_UnderMouse);
        QApplication::sendEvent(b, &enter);
        QVERIFY(a->font().bold() && !b->font().bold());
        a->setAttribute(Qt::WA_UnderMouse, false);
        QApplication::sendEvent(b, &enter);
        QVERIFY(!a->font().bold() && b->font().bold());
        QApplication::sendEvent(b, &leave);
        QApplication::sendEvent(a, &enter);
        QApplication::sendEvent(a, &leave);
        QVERIFY(!a->font().bold());
        QApplication::sendEvent(b, &enter);
        QVERIFY(b->font().bold());
        delete b;
        QCOMPARE(hoveredControl(), nullptr);
    }

    void dragAnywhere_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("surface, left button") << "surface" << Qt::LeftButton;
        QTest::newRow("surface, middle button") << "surface" << Qt::MiddleButton;
        QTest::newRow("frame, right button") << "frame" << Qt::RightButton;
        QTest::newRow("label does not drag") << "label" << Qt::LeftButton;
    }
    void dragAnywhere()
    {
        QFETCH(QString, target);
        QFETCH(Qt::MouseButton, button);
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QWidget main;
        auto *frame = new QGroupBox(&main);
        auto *label = new QLabel(QStringLiteral("label"), frame);
        main.setGeometry(area.left() + 200, area.top() + 200, 300, 200);
        frame->setGeometry(10, 10, 120, 80);
        label->setGeometry(10, 20, 60, 20);
        main.show();
        const QPoint before = main.frameGeometry().topLeft();
        QtMagneticDock dock;
        QVERIFY(dock.addWindow(&main));
        dock.enableDragAnywhere(&main, {frame});

        const bool onLabel = target == QLatin1String("label");
        QWidget *pressed = onLabel                            ? label
                           : target == QLatin1String("frame") ? static_cast<QWidget *>(frame)
                                                              : &main;
        const QPoint start = pressed->mapToGlobal(onLabel ? QPoint(5, 5) : QPoint(60, 5));
        mouse(pressed, QEvent::MouseButtonPress, start, button, button);
        QCOMPARE(dock.isDragging(), !onLabel);
        // Leaves the window 5 pixels from the area's left edge.
        const QPoint end = start - QPoint(before.x() - area.left() - 5, 0);
        mouse(pressed, QEvent::MouseMove, (start + end) / 2, Qt::NoButton, button);
        mouse(pressed, QEvent::MouseMove, end, Qt::NoButton, button);
        mouse(pressed, QEvent::MouseButtonRelease, end, button, Qt::NoButton);
        QVERIFY(!dock.isDragging());
        QCOMPARE(main.frameGeometry().left(), onLabel ? before.x() : area.left());
    }
};

QTEST_MAIN(TestWindowServicesQt)
#include "tst_window_services_qt.moc"
