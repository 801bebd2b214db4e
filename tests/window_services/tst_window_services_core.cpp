#include "window_services/effect_frames.h"
#include "window_services/magnetic_dock.h"

#include <QRegion>
#include <QTest>

#include <map>

using namespace radixon;

Q_DECLARE_METATYPE(radixon::Rect)
Q_DECLARE_METATYPE(radixon::Point)
Q_DECLARE_METATYPE(radixon::EffectDirection)

namespace {

constexpr WindowId Main = 1, A = 2, B = 3, C = 4, D = 5;

// Windows missing from the map are dead.
struct FakeWindowSystem : WindowSystem {
    std::map<WindowId, Rect> windows;
    WindowId maximized = 0;
    Point cursor;
    int moveCalls = 0;

    bool isWindow(WindowId id) const override { return windows.count(id) != 0; }
    bool isMaximized(WindowId id) const override { return id == maximized; }
    Rect windowRect(WindowId id) const override { return isWindow(id) ? windows.at(id) : Rect{}; }
    Rect workArea(WindowId) const override { return {0, 0, 1000, 800}; }
    Point cursorPos() const override { return cursor; }
    void moveWindows(const std::vector<WindowMove> &moves) override
    {
        ++moveCalls;
        for (const WindowMove &m : moves)
            windows[m.window] = windows[m.window].movedTo(m.topLeft);
    }
};

struct Desk {
    FakeWindowSystem ws;
    MagneticDock dock{ws};

    bool add(WindowId id, Rect rect, WindowId parent = 0)
    {
        ws.windows[id] = rect;
        return dock.addWindow(id, parent);
    }
    // One drag step as the platform layer reports it; returns where the window lands.
    Rect drag(WindowId h, Point from, Point to)
    {
        ws.cursor = from;
        dock.beginMove(h);
        ws.cursor = to;
        Rect rc = ws.windowRect(h);
        dock.moving(h, rc);
        ws.windows[h] = rc;
        return rc;
    }
};

} // namespace

class TestWindowServicesCore : public QObject {
    Q_OBJECT

private slots:
    void snapping_data()
    {
        QTest::addColumn<int>("snapWidth");
        QTest::addColumn<Rect>("first");
        QTest::addColumn<Rect>("second");
        QTest::addColumn<bool>("secondMaximised");
        QTest::addColumn<Point>("landing");
        QTest::addColumn<Point>("expected");
        const auto row = [](const char *name, int snapWidth, Rect first, Rect second,
                            bool maximised, Point landing, Point expected) {
            QTest::newRow(name) << snapWidth << first << second << maximised << landing << expected;
        };
        // The dragged window is 494 x 200: landing at left 506 puts it flush with the area's right
        // edge.
        const Rect far{900, 700, 950, 750};
        row("exactly the snap width stays", 10, far, far, false, {10, 150}, {10, 150});
        row("one pixel closer snaps", 10, far, far, false, {9, 150}, {0, 150});
        row("outside the area snaps back", 10, far, far, false, {-9, 150}, {0, 150});
        row("snap width zero never snaps", 0, far, far, false, {1, 150}, {1, 150});
        row("highest-numbered window wins", 10, {300, 100, 502, 200}, {300, 300, 510, 400}, false,
            {506, 150}, {510, 150});
        row("later window wins even when farther", 10, {300, 100, 505, 200}, {300, 300, 499, 400},
            false, {506, 150}, {499, 150});
        row("window beats work area", 10, {0, 600, 10, 700}, {300, 100, 503, 200}, false,
            {506, 150}, {503, 150});
        row("work area on the axis where no window matches", 10, {200, 100, 400, 200}, far, false,
            {4, 204}, {0, 200});
        // Alone, the first window would pull the right edge to 998.
        row("maximised window counts as the work area", 10, {300, 300, 998, 400}, {0, 0, 10, 10},
            true, {501, 300}, {506, 300});
        // Edges line up across a gap narrower than the reach, not only side by side.
        row("just below a window snaps sideways too", 10, {300, 100, 500, 145}, far, false,
            {304, 150}, {300, 145});
    }
    void snapping()
    {
        QFETCH(int, snapWidth);
        QFETCH(Rect, first);
        QFETCH(Rect, second);
        QFETCH(bool, secondMaximised);
        QFETCH(Point, landing);
        QFETCH(Point, expected);
        Desk desk;
        desk.dock.setSnapWidth(snapWidth);
        desk.add(A, first);
        desk.add(B, second);
        desk.ws.maximized = secondMaximised ? B : 0;
        QVERIFY(desk.add(Main, {600, 150, 1094, 350}));
        QCOMPARE(desk.drag(Main, {600, 150}, landing).topLeft(), expected);
    }

    void gluedCompanionsMoveWithParent()
    {
        Desk desk;
        desk.add(Main, {100, 100, 300, 300});
        desk.add(A, {300, 100, 400, 200}, Main); // touches Main's right edge
        desk.add(B, {700, 600, 800, 700}, Main);
        QVERIFY(desk.dock.isGlued(A));
        QVERIFY(!desk.dock.isGlued(B));

        QCOMPARE(desk.drag(Main, {150, 110}, {193, 157}).topLeft(), (Point{143, 147}));
        QCOMPARE(desk.ws.moveCalls, 1);
        QCOMPARE(desk.ws.windows[A], (Rect{343, 147, 443, 247}));
        QCOMPARE(desk.ws.windows[B], (Rect{700, 600, 800, 700}));
        // A would end 5 pixels short of the area's right edge: the whole group snaps.
        QCOMPARE(desk.drag(Main, {150, 150}, {702, 150}).left, 700);
        QCOMPARE(desk.ws.windows[A].right, 1000);
        // Dragging the companion moves it alone and unglues it.
        desk.drag(A, {750, 170}, {750, 470});
        QCOMPARE(desk.ws.moveCalls, 2);
        desk.dock.endMove();
        QVERIFY(!desk.dock.isGlued(A));
    }

    void isTouching_data()
    {
        QTest::addColumn<Rect>("b");
        QTest::addColumn<bool>("touching");
        QTest::newRow("shared edge") << Rect{200, 120, 300, 180} << true;
        QTest::newRow("one pixel gap") << Rect{201, 100, 300, 200} << false;
        QTest::newRow("overlap without shared edge") << Rect{150, 150, 250, 250} << false;
        QTest::newRow("in line but far") << Rect{100, 400, 200, 500} << false;
    }
    void isTouching()
    {
        QFETCH(Rect, b);
        QFETCH(bool, touching);
        const Rect a{100, 100, 200, 200};
        QCOMPARE(MagneticDock::isTouching(a, b), touching);
        QCOMPARE(MagneticDock::isTouching(b, a), touching);
    }

    void registrationGlueAndRemoval()
    {
        Desk desk;
        QVERIFY(desk.add(Main, {0, 0, 100, 100}));
        QVERIFY(!desk.dock.addWindow(Main));
        QVERIFY(!desk.dock.addWindow(B));             // dead
        QVERIFY(!desk.add(A, {100, 0, 200, 100}, B)); // parent not registered
        // Glue passes along a chain, whatever the order the windows came in.
        QVERIFY(desk.add(C, {300, 0, 400, 100}, Main));
        desk.add(B, {200, 0, 300, 100}, Main);
        QVERIFY(desk.dock.addWindow(A, Main));
        desk.add(D, {401, 0, 500, 100}, Main); // one pixel gap to C
        QVERIFY(desk.dock.isGlued(A) && desk.dock.isGlued(B) && desk.dock.isGlued(C));
        QVERIFY(!desk.dock.isGlued(D));

        QVERIFY(desk.dock.removeWindow(Main));
        QVERIFY(!desk.dock.removeWindow(Main));
        QCOMPARE(desk.dock.parentOf(A), WindowId(0));
        // A removed window's moves are left as they are.
        Rect rect{5, 5, 50, 50};
        desk.dock.moving(Main, rect);
        QCOMPARE(rect, (Rect{5, 5, 50, 50}));
        QVERIFY(desk.add(Main, {0, 0, 100, 100}));
        QVERIFY(!desk.dock.isGlued(A));
    }

    void frames_data()
    {
        QTest::addColumn<int>("effect");
        QTest::addColumn<EffectDirection>("direction");
        QTest::addColumn<int>("frame"); // -1 for the last
        QTest::addColumn<int>("steps");
        QTest::addColumn<int>("frames");
        QTest::addColumn<QRegion>("expected");
        const char *names[] = {"left edge",
                               "right edge",
                               "top edge",
                               "bottom edge",
                               "top-left corner",
                               "bottom-left corner",
                               "top-right corner",
                               "bottom-right corner",
                               "vertical centre line",
                               "horizontal centre line",
                               "centred rectangle",
                               "centred square",
                               "horizontal blinds",
                               "vertical blinds"};
        const QRegion whole(0, 0, 300, 200);
        const auto open = EffectDirection::Open, close = EffectDirection::Close;
        for (int effect = 0; effect < effectCount; ++effect) {
            // The window is wider than tall: the centred square ends as 200 x 200.
            const QRegion opened = effect == 11 ? QRegion(50, 0, 200, 200) : whole;
            const int frames = effect >= 12 ? 26 : 51; // the blinds' strips are done halfway
            QTest::addRow("opening %s, first", names[effect])
                << effect << open << 0 << 50 << frames << QRegion();
            QTest::addRow("opening %s, last", names[effect])
                << effect << open << -1 << 50 << frames << opened;
            QTest::addRow("closing %s, first", names[effect])
                << effect << close << 0 << 50 << frames << whole;
            QTest::addRow("closing %s, last", names[effect])
                << effect << close << -1 << 50 << frames << QRegion();
        }
        QTest::newRow("centred rectangle half open")
            << 10 << open << 25 << 50 << 51 << QRegion(75, 50, 150, 100);
        QTest::newRow("bottom-left corner half open")
            << 5 << open << 25 << 50 << 51 << QRegion(0, 100, 150, 100);
        QTest::newRow("top-right corner closing")
            << 6 << close << 10 << 50 << 51 << QRegion(60, 0, 240, 160);
        QTest::newRow("right edge closing")
            << 1 << close << 10 << 50 << 51 << QRegion(0, 0, 240, 200);
        QTest::newRow("37.5 rounds to even 38")
            << 0 << open << 1 << 8 << 9 << QRegion(0, 0, 38, 200);
        QTest::newRow("112.5 rounds to even 112")
            << 0 << open << 3 << 8 << 9 << QRegion(0, 0, 112, 200);
        // With 50 steps the blinds' strips grow by one pixel a frame, one strip every 25 pixels.
        QRegion strips[2];
        for (int k = 0; k < 12; ++k) {
            strips[0] += QRect(0, 25 * k, 300, 10);
            strips[1] += QRect(25 * k, 0, 10, 200);
        }
        for (const int e : {12, 13}) {
            QTest::addRow("%s opening, frame 10", names[e])
                << e << open << 10 << 50 << 26 << (strips[e - 12] & whole);
            QTest::addRow("%s closing, frame 10", names[e])
                << e << close << 10 << 50 << 26 << (whole - strips[e - 12]);
        }
        QRegion oddStrips; // 7 steps: one strip every 4 pixels (3.5 rounded to even), 5 frames
        for (int x = 0; x < 300; x += 4)
            oddStrips += QRect(x, 0, 2, 200);
        QTest::newRow("vertical blinds with 7 steps, frame 2")
            << 13 << open << 2 << 7 << 5 << oddStrips;
        QTest::newRow("blinds, 5 steps: 2.5 rounds to 2, 3 frames")
            << 12 << open << 0 << 5 << 3 << QRegion();
        QTest::newRow("effect 14 has no frames") << 14 << open << 0 << 50 << 0 << QRegion();
        QTest::newRow("effect -1 has no frames") << -1 << open << 0 << 50 << 0 << QRegion();
        QTest::newRow("zero steps fail") << 10 << open << 0 << 0 << -1 << QRegion();
    }
    void frames()
    {
        QFETCH(int, effect);
        QFETCH(EffectDirection, direction);
        QFETCH(int, frame);
        QFETCH(int, steps);
        QFETCH(int, frames);
        QFETCH(QRegion, expected);
        QCOMPARE(effectFrameCount(effect, steps), frames);
        QRegion shown;
        for (const Rect &r :
             effectRegion(effect, direction, frame < 0 ? frames - 1 : frame, 300, 200, steps)) {
            QVERIFY(!r.isEmpty());
            shown += QRect(r.left, r.top, r.width(), r.height());
        }
        QCOMPARE(shown, expected);
    }
};

QTEST_APPLESS_MAIN(TestWindowServicesCore)
#include "tst_window_services_core.moc"
