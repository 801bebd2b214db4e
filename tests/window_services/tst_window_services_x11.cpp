#include "window_services/form_effects.h"
#include "window_services/ontop_notontop_less.h"
#include "window_services/qt_magnetic_dock.h"

#include <QGroupBox>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <memory>

using namespace radixon;

namespace {

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(5000))
        return QString();
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

void xdotool(const QStringList &arguments)
{
    run(QStringLiteral("xdotool"), arguments);
}

void mouseTo(QPoint p)
{
    xdotool({QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y())});
    QTest::qWait(30);
}

struct TestWindow {
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    QGroupBox *frame = new QGroupBox(QStringLiteral("Frame"), window.get());

    TestWindow(QRect geometry, Qt::GlobalColor colour = Qt::lightGray)
    {
        window->setGeometry(geometry);
        frame->setGeometry(10, 10, 120, 80);
        QPalette palette = window->palette();
        palette.setColor(QPalette::Window, colour);
        window->setPalette(palette);
        window->setAutoFillBackground(true);
    }

    // Shown and framed by the window manager, so that frameGeometry is right.
    bool showFramed()
    {
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            return false;
        QWidget *w = window.get();
        return QTest::qWaitFor([w] { return w->frameGeometry().size() != w->geometry().size(); }, 3000);
    }
};

QString netWmState(const QWidget *window)
{
    return run(QStringLiteral("xprop"),
               {QStringLiteral("-id"), QString::number(window->winId()), QStringLiteral("_NET_WM_STATE")});
}

} // namespace

class TestWindowServicesX11 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(QGuiApplication::platformName() == QLatin1String("xcb"), "needs an X server");
    }

    void dragBySurfaceSnapsToWorkArea_data()
    {
        QTest::addColumn<bool>("byFrame");
        QTest::newRow("by the window's surface") << false;
        QTest::newRow("by a frame") << true;
    }
    void dragBySurfaceSnapsToWorkArea()
    {
        QFETCH(bool, byFrame);
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QtMagneticDock dock;
        TestWindow main(QRect(area.left() + 300, area.top() + 300, 300, 200));
        QVERIFY(main.showFramed());
        TestWindow companion(QRect(main.window->frameGeometry().right() + 1, area.top() + 300, 120, 120));
        QVERIFY(companion.showFramed());
        // Placed before it was framed: put it flush against the main window now.
        companion.window->move(main.window->frameGeometry().right() + 1, main.window->frameGeometry().top());
        QTRY_COMPARE(companion.window->frameGeometry().left(), main.window->frameGeometry().right() + 1);
        QVERIFY(dock.AddWindow(main.window.get()));
        QVERIFY(dock.AddWindow(companion.window.get(), main.window.get()));
        QVERIFY(dock.isGlued(companion.window.get()));
        dock.enableDragAnywhere(main.window.get(), {main.frame});

        const QPoint grip = byFrame ? main.frame->mapToGlobal(QPoint(60, 50))
                                    : main.window->mapToGlobal(QPoint(250, 150));
        const QPoint offset = grip - main.window->frameGeometry().topLeft();
        mouseTo(grip);
        xdotool({QStringLiteral("mousedown"), QStringLiteral("1")});
        QTest::qWait(50);
        QTRY_VERIFY(dock.isDragging());
        // Ends 6 pixels right of the work area's left edge and 4 below its top.
        const QPoint end = area.topLeft() + QPoint(6, 4) + offset;
        for (int step = 1; step <= 5; ++step)
            mouseTo(grip + (end - grip) * step / 5);
        xdotool({QStringLiteral("mouseup"), QStringLiteral("1")});
        QTRY_VERIFY(!dock.isDragging());
        QTest::qWait(200);

        QCOMPARE(main.window->frameGeometry().topLeft(), area.topLeft());
        QCOMPARE(companion.window->frameGeometry().left(), main.window->frameGeometry().right() + 1);
        QCOMPARE(companion.window->frameGeometry().top(), main.window->frameGeometry().top());
        QVERIFY(dock.isGlued(companion.window.get()));
        // What the X server says, not just what Qt believes.
        const QString info = run(QStringLiteral("xwininfo"),
                                 {QStringLiteral("-id"), QString::number(main.window->winId())});
        QVERIFY2(info.contains(QStringLiteral("Absolute upper-left X:  %1")
                                   .arg(main.window->geometry().left())),
                 qPrintable(info));
    }

    void onTopKeepsWindowInPlace()
    {
        TestWindow window(QRect(200, 200, 240, 160));
        QVERIFY(window.showFramed());
        const QRect before = window.window->frameGeometry();
        QVERIFY(!netWmState(window.window.get()).contains(QLatin1String("_NET_WM_STATE_ABOVE")));

        SetOnTop(window.window.get());
        QTRY_VERIFY(netWmState(window.window.get()).contains(QLatin1String("_NET_WM_STATE_ABOVE")));
        QVERIFY(isOnTop(window.window.get()));
        QTest::qWait(200);
        QVERIFY(window.window->isVisible());
        QCOMPARE(window.window->frameGeometry(), before);

        SetNotOnTop(window.window.get());
        QTRY_VERIFY(!netWmState(window.window.get()).contains(QLatin1String("_NET_WM_STATE_ABOVE")));
        QTest::qWait(200);
        QVERIFY(window.window->isVisible());
        QCOMPARE(window.window->frameGeometry(), before);
    }

    void onTopBeforeFirstShow()
    {
        TestWindow window(QRect(200, 200, 240, 160));
        SetOnTop(window.window.get());
        QVERIFY(window.showFramed());
        QTRY_VERIFY(netWmState(window.window.get()).contains(QLatin1String("_NET_WM_STATE_ABOVE")));
    }

    void openingEffectShowsCentredRectangle()
    {
        TestWindow window(QRect(300, 300, 200, 200), Qt::red);
        window.frame->hide();
        // Slow frames: frame 1 of 4 steps stays on screen from 1 s to 2 s.
        bool done = false;
        QVERIFY(RegionEffect(window.window.get(), EffectDirection::Open, 10, 1000, 4,
                             [&](bool) { done = true; }));
        QTest::qWait(1200);
        const QPoint origin = window.window->mapToGlobal(QPoint(0, 0));
        QImage shot;
        const auto red = [&](int x, int y) {
            const QRgb p = shot.pixel(x, y);
            return qRed(p) == 255 && qGreen(p) == 0 && qBlue(p) == 0;
        };
        // The newly uncovered part is repainted on its own schedule.
        QTRY_VERIFY_WITH_TIMEOUT((shot = QGuiApplication::primaryScreen()
                                             ->grabWindow(0, origin.x(), origin.y(), 200, 200)
                                             .toImage(),
                                  red(100, 100)),
                                 600);
        QVERIFY(!done);
        // Frame 1 of 4: a centred 50 x 50 square.
        QVERIFY(red(76, 76));
        QVERIFY(red(123, 123));
        QVERIFY(!red(73, 100));
        QVERIFY(!red(100, 127));
        QVERIFY(!red(10, 10));
        QVERIFY(!red(190, 190));
        finishEffect(window.window.get());
        QVERIFY(done);
        QTRY_VERIFY((shot = QGuiApplication::primaryScreen()->grabWindow(0, origin.x(), origin.y(), 200, 200).toImage(),
                     red(10, 10) && red(190, 190)));
    }
};

QTEST_MAIN(TestWindowServicesX11)
#include "tst_window_services_x11.moc"
