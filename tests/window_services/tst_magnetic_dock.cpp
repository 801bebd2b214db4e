#include "fake_window_system.h"
#include "window_services/magnetic_dock.h"

#include <QTest>

using namespace radixon;

Q_DECLARE_METATYPE(radixon::Rect)

namespace {

constexpr WindowId Main = 1;
constexpr WindowId A = 2;
constexpr WindowId B = 3;
constexpr WindowId C = 4;
constexpr WindowId D = 5;

// One drag step as the platform layer sends it: press at `from`, move to `to`.
// Returns the rectangle the window takes.
Rect drag(MagneticDock &dock, FakeWindowSystem &ws, WindowId h, Point from, Point to)
{
    int wParam = 0;
    Rect scratch;
    ws.cursor = from;
    dock.Relay(h, HookMessage::EnterSizeMove, wParam, scratch);
    ws.cursor = to;
    Rect rc = ws.windowRect(h);
    bool ownHandling = false;
    const int answer = dock.Relay(h, HookMessage::Moving, wParam, rc, [&] {
        ownHandling = true;
        return 0;
    });
    if (answer != 1 || ownHandling)
        qWarning("moving message was not consumed");
    ws.windows[h].rect = rc;
    return rc;
}

} // namespace

class TestMagneticDock : public QObject {
    Q_OBJECT

private slots:
    void snapsToWorkArea_data()
    {
        QTest::addColumn<int>("snapWidth");
        QTest::addColumn<int>("gap");
        QTest::addColumn<int>("expectedLeft");
        QTest::newRow("exactly the snap width stays") << 10 << 10 << 10;
        QTest::newRow("one pixel closer snaps") << 10 << 9 << 0;
        QTest::newRow("outside the area snaps back") << 10 << -9 << 0;
        QTest::newRow("snap width zero never snaps") << 0 << 1 << 1;
        QTest::newRow("snap width zero, flush stays") << 0 << 0 << 0;
        QTest::newRow("wider snap width") << 30 << 29 << 0;
    }
    void snapsToWorkArea()
    {
        QFETCH(int, snapWidth);
        QFETCH(int, gap);
        QFETCH(int, expectedLeft);
        FakeWindowSystem ws;
        ws.add(Main, {300, 300, 500, 450});
        MagneticDock dock(ws);
        dock.SnapWidth(snapWidth);
        QVERIFY(dock.AddWindow(Main));
        const Rect rc = drag(dock, ws, Main, {400, 310}, {400 - 300 + gap, 310});
        QCOMPARE(rc.left, expectedLeft);
        QCOMPARE(rc.width(), 200);
        QCOMPARE(rc.top, 300);
    }

    void tieBreaks_data()
    {
        QTest::addColumn<Rect>("first");
        QTest::addColumn<Rect>("second");
        QTest::addColumn<int>("expectedLeft");
        // The dragged window lands at left 506 near the area's right edge (1000 - 494).
        QTest::newRow("highest-numbered window wins")
            << Rect{300, 100, 502, 200} << Rect{300, 300, 510, 400} << 510;
        QTest::newRow("later window wins even when farther")
            << Rect{300, 100, 505, 200} << Rect{300, 300, 499, 400} << 499;
        QTest::newRow("window beats work area") << Rect{0, 600, 10, 700} << Rect{300, 100, 503, 200} << 503;
    }
    void tieBreaks()
    {
        QFETCH(Rect, first);
        QFETCH(Rect, second);
        QFETCH(int, expectedLeft);
        FakeWindowSystem ws;
        ws.area = {0, 0, 1000, 800};
        ws.add(A, first);
        ws.add(B, second);
        ws.add(Main, {600, 150, 1094, 350});
        MagneticDock dock(ws);
        QVERIFY(dock.AddWindow(A));
        QVERIFY(dock.AddWindow(B));
        QVERIFY(dock.AddWindow(Main));
        const Rect rc = drag(dock, ws, Main, {700, 160}, {606, 160});
        QCOMPARE(rc.left, expectedLeft);
    }

    void workAreaOnlyWhenNoWindowMatches()
    {
        FakeWindowSystem ws;
        ws.add(A, {200, 100, 400, 200}); // matches only on the vertical axis
        ws.add(Main, {600, 600, 900, 800});
        MagneticDock dock(ws);
        dock.AddWindow(A);
        dock.AddWindow(Main);
        // Lands at (4, 204): left near the area, top near A's bottom.
        const Rect rc = drag(dock, ws, Main, {600, 600}, {4, 204});
        QCOMPARE(rc.topLeft(), (Point{0, 200}));
    }

    void gluedCompanionsMoveWithParent()
    {
        FakeWindowSystem ws;
        ws.add(Main, {100, 100, 300, 300});
        ws.add(A, {300, 100, 400, 200}); // touches Main's right edge
        ws.add(B, {700, 100, 800, 200}); // far away
        MagneticDock dock(ws);
        dock.AddWindow(Main);
        dock.AddWindow(A, Main);
        dock.AddWindow(B, Main);
        QVERIFY(dock.isGlued(A));
        QVERIFY(!dock.isGlued(B));

        const Rect rc = drag(dock, ws, Main, {150, 110}, {193, 157});
        QCOMPARE(rc.topLeft(), (Point{143, 147}));
        QCOMPARE(ws.batches.size(), std::size_t(1));
        QCOMPARE(ws.batches[0].size(), std::size_t(1));
        QCOMPARE(ws.windows[A].rect, (Rect{343, 147, 443, 247}));
        QCOMPARE(ws.windows[B].rect, (Rect{700, 100, 800, 200}));
    }

    void gluedCompanionMakesGroupSnap()
    {
        FakeWindowSystem ws;
        ws.add(Main, {100, 100, 300, 300});
        ws.add(A, {300, 100, 400, 200});
        MagneticDock dock(ws);
        dock.AddWindow(Main);
        dock.AddWindow(A, Main);
        // A would end 5 pixels short of the area's right edge: the whole group snaps.
        const Rect rc = drag(dock, ws, Main, {150, 150}, {745, 150});
        QCOMPARE(rc.left, 700);
        QCOMPARE(ws.windows[A].rect.right, 1000);
    }

    void draggingCompanionMovesOnlyIt()
    {
        FakeWindowSystem ws;
        ws.add(Main, {100, 100, 300, 300});
        ws.add(A, {300, 100, 400, 200});
        MagneticDock dock(ws);
        dock.AddWindow(Main);
        dock.AddWindow(A, Main);
        drag(dock, ws, A, {350, 150}, {550, 450});
        QVERIFY(ws.batches.empty());
        QCOMPARE(ws.windows[Main].rect, (Rect{100, 100, 300, 300}));
        int wParam = 0;
        Rect scratch;
        dock.Relay(A, HookMessage::ExitSizeMove, wParam, scratch);
        QVERIFY(!dock.isGlued(A));
    }

    void gluePropagatesThroughChain()
    {
        FakeWindowSystem ws;
        ws.add(Main, {0, 0, 100, 100});
        ws.add(C, {300, 0, 400, 100}); // registered before its neighbours
        ws.add(B, {200, 0, 300, 100});
        ws.add(A, {100, 0, 200, 100});
        ws.add(D, {401, 0, 500, 100}); // one pixel gap to C
        MagneticDock dock(ws);
        dock.AddWindow(Main);
        dock.AddWindow(C, Main);
        dock.AddWindow(B, Main);
        dock.AddWindow(A, Main);
        dock.AddWindow(D, Main);
        QVERIFY(dock.isGlued(A));
        QVERIFY(dock.isGlued(B));
        QVERIFY(dock.isGlued(C));
        QVERIFY(!dock.isGlued(D));
    }

    void isTouching_data()
    {
        QTest::addColumn<Rect>("a");
        QTest::addColumn<Rect>("b");
        QTest::addColumn<bool>("touching");
        const Rect a{100, 100, 200, 200};
        QTest::newRow("shared vertical edge") << a << Rect{200, 120, 300, 180} << true;
        QTest::newRow("shared horizontal edge") << a << Rect{150, 200, 250, 300} << true;
        QTest::newRow("corner to corner") << a << Rect{200, 200, 300, 300} << true;
        QTest::newRow("one pixel gap") << a << Rect{201, 100, 300, 200} << false;
        QTest::newRow("overlap without shared edge") << a << Rect{150, 150, 250, 250} << false;
        QTest::newRow("overlap with shared left edge") << a << Rect{100, 150, 180, 250} << true;
        QTest::newRow("in line but far") << a << Rect{100, 400, 200, 500} << false;
    }
    void isTouching()
    {
        QFETCH(Rect, a);
        QFETCH(Rect, b);
        QFETCH(bool, touching);
        QCOMPARE(MagneticDock::IsTouching(a, b), touching);
        QCOMPARE(MagneticDock::IsTouching(b, a), touching);
    }

    void maximisedWindowCountsAsWorkArea()
    {
        FakeWindowSystem ws;
        ws.area = {0, 0, 1000, 800};
        ws.add(B, {300, 300, 998, 400});
        ws.add(A, {0, 0, 10, 10});
        ws.windows[A].maximized = true;
        ws.add(Main, {500, 500, 700, 600});
        MagneticDock dock(ws);
        dock.AddWindow(B);
        dock.AddWindow(A);
        dock.AddWindow(Main);
        // B alone would pull the right edge to 998; A, later and maximised, wins with the area's edge.
        const Rect rc = drag(dock, ws, Main, {500, 500}, {795, 300});
        QCOMPARE(rc.right, 1000);
        QCOMPARE(dock.rects()[2], ws.area);
    }

    void registration()
    {
        FakeWindowSystem ws;
        ws.add(Main, {0, 0, 100, 100});
        ws.add(A, {100, 0, 200, 100});
        ws.add(B, {0, 100, 100, 200});
        ws.windows[B].alive = false;
        MagneticDock dock(ws);
        QVERIFY(dock.AddWindow(Main));
        QVERIFY(!dock.AddWindow(Main));
        QVERIFY(!dock.AddWindow(B));
        QVERIFY(!dock.AddWindow(A, B));
        QVERIFY(!dock.AddWindow(0));
        QCOMPARE(dock.windowCount(), 1);
        QVERIFY(!dock.RemoveWindow(A));
        QVERIFY(dock.AddWindow(A, Main));
        QCOMPARE(dock.windowCount(), 2);
        QCOMPARE(int(dock.rects().size()), 3);
    }

    void removingParentLeavesChildrenUnglued()
    {
        FakeWindowSystem ws;
        ws.add(Main, {0, 0, 100, 100});
        ws.add(A, {100, 0, 200, 100});
        MagneticDock dock(ws);
        dock.AddWindow(Main);
        dock.AddWindow(A, Main);
        QVERIFY(dock.isGlued(A));
        QVERIFY(dock.RemoveWindow(Main));
        QCOMPARE(dock.parentOf(A), WindowId(0));
        QVERIFY(!dock.isGlued(A));
        QVERIFY(dock.AddWindow(Main));
        dock.CheckGlueing();
        QVERIFY(!dock.isGlued(A));
    }

    void minimiseRestoreRechecksGlue_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<bool>("rechecked");
        QTest::newRow("minimise") << ScMinimize << true;
        QTest::newRow("restore") << ScRestore << true;
        QTest::newRow("other command") << 61488 << false;
    }
    void minimiseRestoreRechecksGlue()
    {
        QFETCH(int, command);
        QFETCH(bool, rechecked);
        FakeWindowSystem ws;
        ws.add(Main, {0, 0, 100, 100});
        ws.add(A, {300, 0, 400, 100});
        MagneticDock dock(ws);
        dock.AddWindow(Main);
        dock.AddWindow(A, Main);
        ws.windows[A].rect = {100, 0, 200, 100};
        Rect scratch;
        dock.Relay(A, HookMessage::SysCommand, command, scratch);
        QCOMPARE(dock.isGlued(A), rechecked);
    }

    void sizingSnapsDraggedEdge()
    {
        FakeWindowSystem ws;
        ws.add(Main, {100, 100, 300, 300});
        MagneticDock dock(ws);
        dock.AddWindow(Main);
        int wParam = 0;
        Rect rc;
        dock.Relay(Main, HookMessage::EnterSizeMove, wParam, rc);
        int edge = 8; // bottom-right
        rc = {100, 100, 995, 796};
        QCOMPARE(dock.Relay(Main, HookMessage::Sizing, edge, rc), 1);
        QCOMPARE(rc, (Rect{100, 100, 1000, 800}));
    }
};

QTEST_APPLESS_MAIN(TestMagneticDock)
#include "tst_magnetic_dock.moc"
