#include "window_services/always_on_top.h"
#include "window_services/qt_magnetic_dock.h"
#include "window_services/window_effects.h"

#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QTest>

#include <optional>

using namespace radixon;

namespace {

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(5000) ? QString::fromLocal8Bit(process.readAllStandardOutput())
                                         : QString();
}

void xdotool(const QString &command)
{
    run(QStringLiteral("xdotool"), command.split(QLatin1Char(' ')));
    QTest::qWait(30);
}

void mouseTo(QPoint p) { xdotool(QStringLiteral("mousemove %1 %2").arg(p.x()).arg(p.y())); }

// The frame the window manager reports for the window, once it manages it.
std::optional<QMargins> frameExtents(QWidget *w)
{
    const QStringList arguments{QStringLiteral("-id"), QString::number(w->winId()),
                                QStringLiteral("_NET_FRAME_EXTENTS")};
    // "_NET_FRAME_EXTENTS(CARDINAL) = left, right, top, bottom"
    const QString output = run(QStringLiteral("xprop"), arguments);
    const QStringList values = output.section(QLatin1Char('='), 1).split(QLatin1Char(','));
    int extent[4] = {};
    bool read = values.size() == 4;
    for (int i = 0; read && i < 4; ++i)
        extent[i] = values[i].trimmed().toInt(&read);
    if (!read)
        return std::nullopt;
    return QMargins(extent[0], extent[2], extent[1], extent[3]);
}

// Shown and framed by the window manager, with frameGeometry matching the frame it
// reports; a window without decorations has a frame of zero.
bool showFramed(QWidget *w, QRect geometry)
{
    w->setGeometry(geometry);
    w->show();
    // Generous limits: under sanitizers and a loaded machine the window manager is slow.
    return QTest::qWaitForWindowExposed(w, 20000)
           && QTest::qWaitFor(
               [w] {
                   const auto extents = frameExtents(w);
                   return extents && w->frameGeometry() == w->geometry().marginsAdded(*extents);
               },
               20000);
}

bool above(const QWidget *w)
{
    const QStringList arguments{QStringLiteral("-id"), QString::number(w->winId()),
                                QStringLiteral("_NET_WM_STATE")};
    return run(QStringLiteral("xprop"), arguments).contains(QLatin1String("_NET_WM_STATE_ABOVE"));
}

} // namespace

class TestWindowServicesX11 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(QGuiApplication::platformName() == QLatin1String("xcb"), "needs an X server");
    }

    void dragBySurfaceSnapsToWorkArea()
    {
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QWidget main, companion;
        QVERIFY(showFramed(&main, QRect(area.left() + 300, area.top() + 300, 300, 200)));
        QVERIFY(showFramed(&companion, QRect(area.left() + 700, area.top() + 300, 120, 120)));
        companion.move(main.frameGeometry().right() + 1, main.frameGeometry().top());
        QTRY_COMPARE(companion.frameGeometry().left(), main.frameGeometry().right() + 1);
        QtMagneticDock dock;
        QVERIFY(dock.addWindow(&main));
        QVERIFY(dock.addWindow(&companion, &main));
        QVERIFY(dock.isGlued(&companion));
        dock.enableDragAnywhere(&main);

        const QPoint grip = main.mapToGlobal(QPoint(250, 150));
        mouseTo(grip);
        xdotool(QStringLiteral("mousedown 1"));
        QTRY_VERIFY(dock.isDragging());
        // Ends 6 pixels right of the work area's left edge and 4 below its top.
        const QPoint end = area.topLeft() + QPoint(6, 4) + grip - main.frameGeometry().topLeft();
        for (int step = 1; step <= 5; ++step)
            mouseTo(grip + (end - grip) * step / 5);
        xdotool(QStringLiteral("mouseup 1"));
        QTRY_VERIFY(!dock.isDragging());
        QTest::qWait(200);

        QCOMPARE(main.frameGeometry().topLeft(), area.topLeft());
        QCOMPARE(companion.frameGeometry().topLeft(),
                 main.frameGeometry().topRight() + QPoint(1, 0));
        QVERIFY(dock.isGlued(&companion));
    }

    void onTopKeepsWindowInPlace_data()
    {
        QTest::addColumn<bool>("shownFirst");
        QTest::newRow("shown window") << true;
        QTest::newRow("set before the first show") << false;
    }
    void onTopKeepsWindowInPlace()
    {
        QFETCH(bool, shownFirst);
        QWidget window;
        if (!shownFirst)
            setAlwaysOnTop(&window, true);
        QVERIFY(showFramed(&window, QRect(200, 200, 240, 160)));
        const QRect before = window.frameGeometry();
        if (shownFirst) {
            QVERIFY(!above(&window));
            setAlwaysOnTop(&window, true);
        }
        QTRY_VERIFY(above(&window));
        QTest::qWait(200);
        QVERIFY(window.isVisible());
        QCOMPARE(window.frameGeometry(), before);
        setAlwaysOnTop(&window, false);
        QTRY_VERIFY(!above(&window));
        QTest::qWait(200);
        QVERIFY(window.isVisible());
        QCOMPARE(window.frameGeometry(), before);
    }

    void openingEffectShowsCentredRectangle()
    {
        QWidget window;
        window.setGeometry(300, 300, 200, 200);
        window.setPalette(QPalette(Qt::red, Qt::red));
        window.setAutoFillBackground(true);
        bool done = false;
        // Slow frames: frame 1 of 4 steps, a centred 50 x 50 square, stays on screen for a second.
        QVERIFY(
            playEffect(&window, EffectDirection::Open, 10, 1000, 4, [&](bool) { done = true; }));
        QTRY_COMPARE(window.mask(), QRegion(75, 75, 50, 50));
        const QPoint origin = window.mapToGlobal(QPoint(0, 0));
        QImage shot;
        const auto red = [&](int x, int y) { return shot.pixel(x, y) == qRgb(255, 0, 0); };
        const auto grab = [&] {
            shot = QGuiApplication::primaryScreen()
                       ->grabWindow(0, origin.x(), origin.y(), 200, 200)
                       .toImage();
        };
        // The newly uncovered part is repainted on its own schedule.
        QTRY_VERIFY_WITH_TIMEOUT((grab(), red(100, 100)), 600);
        QVERIFY(!done);
        QVERIFY(red(76, 76) && red(123, 123));
        QVERIFY(!red(73, 100) && !red(100, 127) && !red(10, 10) && !red(190, 190));
        finishEffect(&window);
        QVERIFY(done);
        QTRY_VERIFY((grab(), red(10, 10) && red(190, 190)));
    }
};

QTEST_MAIN(TestWindowServicesX11)
#include "tst_window_services_x11.moc"
