#include "window_services/effect_frames.h"
#include "window_services/hover_highlight.h"
#include "window_services/magnetic_dock.h"
#include "window_services/placement.h"
#include "window_services/qt_magnetic_dock.h"
#include "window_services/window_effects.h"
#include "window_services/window_frame.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <map>

using namespace radixon;

Q_DECLARE_METATYPE(radixon::Rect)
Q_DECLARE_METATYPE(radixon::Point)
Q_DECLARE_METATYPE(radixon::EffectDirection)

namespace {

constexpr WindowId Main = 1, A = 2, B = 3, C = 4, D = 5;

struct FakeWindowSystem : WindowSystem {
    std::map<WindowId, Rect> windows;
    Point cursor;

    bool isWindow(WindowId id) const override { return windows.count(id) != 0; }
    bool isMaximized(WindowId) const override { return false; }
    Rect windowRect(WindowId id) const override { return windows.at(id); }
    Rect workArea(WindowId) const override { return {0, 0, 1000, 800}; }
    Point cursorPos() const override { return cursor; }
    void moveWindows(const std::vector<WindowMove> &moves) override
    {
        for (const WindowMove &m : moves)
            windows[m.window] = windows[m.window].movedTo(m.topLeft);
    }
};

struct Desk {
    FakeWindowSystem ws;
    MagneticDock dock{ws};

    void add(WindowId id, Rect rect, WindowId parent = 0)
    {
        ws.windows[id] = rect;
        QVERIFY(dock.addWindow(id, parent));
    }
    // One drag step as the platform layer reports it; returns where the window lands.
    Rect drag(WindowId id, Point from, Point to)
    {
        ws.cursor = from;
        dock.beginMove(id);
        ws.cursor = to;
        Rect rect = ws.windows[id];
        dock.moving(id, rect);
        return ws.windows[id] = rect;
    }
};

void mouse(QWidget *target, QEvent::Type type, QPoint global, Qt::MouseButton button,
           Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(target->mapFromGlobal(global)), QPointF(global), button,
                      buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

enum Surface { WindowSurface, ListedFrame, LabelInFrame };

// Framed, with a client area of 300 x 200; records close events and title-bar drags.
class FramedWindow : public QWidget {
public:
    bool acceptClose = true;
    int closeEvents = 0;
    QList<QPoint> drags;

    FramedWindow()
    {
        resize(300, 200);
        installFrame(this, TitleBar::MinimizeButton, TitleBar::Kind::Normal,
                     [this](QWidget *window, const QPoint &global) {
                         drags << (window == this ? global : QPoint(-1, -1));
                         return true;
                     });
        show();
    }

protected:
    void closeEvent(QCloseEvent *event) override
    {
        ++closeEvents;
        event->setAccepted(acceptClose);
    }
};

} // namespace

class TestWindowServices : public QObject {
    Q_OBJECT

private slots:
    void snapping_data()
    {
        QTest::addColumn<Rect>("neighbour");
        QTest::addColumn<Point>("landing");
        QTest::addColumn<Point>("expected");
        const auto row = [](const char *name, Rect neighbour, Point landing, Point expected) {
            QTest::newRow(name) << neighbour << landing << expected;
        };
        // The dragged window is 494 x 200: at left 506 it is flush with the area's right edge.
        row("the snap width from the edge stays", {900, 700, 950, 750}, {10, 150}, {10, 150});
        row("a window beats the work area", {300, 100, 503, 200}, {506, 150}, {503, 150});
        row("near the area's right and bottom edges", {900, 20, 950, 60}, {497, 607}, {506, 600});
        // Edges line up across a gap narrower than the reach, not only side by side.
        row("just below a window snaps sideways too", {300, 100, 500, 145}, {304, 150}, {300, 145});
        row("just above a window too", {300, 355, 500, 400}, {304, 150}, {300, 155});
        row("above, beyond the reach, stays", {300, 360, 500, 400}, {304, 150}, {304, 150});
        row("beyond the reach of a right edge stays", {300, 100, 400, 145}, {411, 150}, {411, 150});
    }
    void snapping()
    {
        QFETCH(Rect, neighbour);
        QFETCH(Point, landing);
        QFETCH(Point, expected);
        Desk desk;
        desk.add(A, neighbour);
        desk.add(Main, {600, 150, 1094, 350});
        QCOMPARE(desk.drag(Main, {600, 150}, landing).topLeft(), expected);
    }

    void gluedCompanionsMoveWithParent()
    {
        Desk desk;
        desk.add(Main, {100, 100, 300, 300});
        // A chain to Main's right, registered from its far end, and one a pixel off its end.
        desk.add(C, {500, 100, 600, 200}, Main);
        desk.add(B, {400, 100, 500, 200}, Main);
        desk.add(A, {300, 100, 400, 200}, Main);
        desk.add(D, {601, 100, 700, 200}, Main);
        QCOMPARE(desk.drag(Main, {150, 110}, {193, 157}).topLeft(), (Point{143, 147}));
        QCOMPARE(desk.ws.windows[C], (Rect{543, 147, 643, 247}));
        QCOMPARE(desk.ws.windows[D], (Rect{601, 100, 700, 200}));
    }

    // A companion glues to its parent when an edge touches it or lines up with one of
    // its edges; a glued one moves with the parent, and snaps the whole group.
    void glueing_data()
    {
        QTest::addColumn<Rect>("companion"); // beside Main at {100, 100, 300, 300}
        QTest::addColumn<QPoint>("moved");   // once Main is dragged 5 right and 7 down
        QTest::newRow("touching its right edge") << Rect{300, 120, 400, 220} << QPoint(5, 7);
        QTest::newRow("touching its bottom edge") << Rect{150, 300, 250, 400} << QPoint(5, 7);
        QTest::newRow("overlapping, top edges in line") << Rect{250, 100, 400, 150} << QPoint(5, 7);
        QTest::newRow("near the area's top, held there") << Rect{150, 0, 250, 100} << QPoint(5, 0);
        QTest::newRow("a pixel away stays") << Rect{301, 120, 400, 220} << QPoint();
        QTest::newRow("edge in line, but far below stays") << Rect{300, 400, 400, 500} << QPoint();
    }
    void glueing()
    {
        QFETCH(Rect, companion);
        QFETCH(QPoint, moved);
        Desk desk;
        desk.add(Main, {100, 100, 300, 300});
        desk.add(A, companion, Main);
        QCOMPARE(desk.dock.isGlued(A), !moved.isNull());
        QVERIFY(!desk.dock.addWindow(A, Main) && !desk.dock.addWindow(9, Main));
        desk.drag(Main, {150, 150}, {155, 157});
        QCOMPARE(desk.ws.windows[A], companion.offset(moved.x(), moved.y()));
        // The parent gone, the companion is glued to nothing.
        QVERIFY(desk.dock.removeWindow(Main) && !desk.dock.removeWindow(Main));
        QVERIFY(!desk.dock.isGlued(A) && desk.dock.parentOf(A) == 0);
    }

    // A window beside its asker on a 1000 × 800 area past a left and a top panel (the rows
    // count from the area's corner): never over it, wholly inside the area.
    void placedBeside_data()
    {
        QTest::addColumn<Rect>("asker");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<Rect>("placed");
        const auto row = [](const char *name, Rect asker, QSize size, Rect placed) {
            QTest::newRow(name) << asker << size << placed;
        };
        row("room on the right", {100, 50, 300, 450}, {400, 300}, {300, 50, 700, 350});
        row("exactly the room on the right", {100, 50, 600, 450}, {400, 300}, {600, 50, 1000, 350});
        row("else on the left", {500, 50, 700, 450}, {400, 300}, {100, 50, 500, 350});
        row("exactly the room on the left", {400, 50, 700, 450}, {400, 300}, {0, 50, 400, 350});
        row("neither: narrowed on the wider side", {350, 50, 750, 450}, {400, 300},
            {0, 50, 350, 350});
        row("neither: the right side wins a tie", {300, 50, 700, 450}, {400, 300},
            {700, 50, 1000, 350});
        row("no room either side: the least width, on the wider side", {100, 0, 950, 800},
            {400, 300}, {0, 0, 250, 300});
        row("low asker: lifted to stay inside", {0, 700, 200, 800}, {400, 300},
            {200, 500, 600, 800});
        row("taller than the area: shortened", {0, 0, 200, 100}, {400, 900}, {200, 0, 600, 800});
    }
    void placedBeside()
    {
        QFETCH(Rect, asker);
        QFETCH(QSize, size);
        QFETCH(Rect, placed);
        const auto past = [](Rect r) { return r.movedTo({r.left + 60, r.top + 30}); };
        QCOMPARE(
            placeBeside(past(asker), size.width(), size.height(), past({0, 0, 1000, 800}), 250),
            past(placed));
    }

    void effectFrames_data()
    {
        QTest::addColumn<EffectDirection>("direction");
        QTest::addColumn<int>("frame"); // of 50 steps
        QTest::addColumn<QSize>("size");
        QTest::addColumn<Rect>("shown");
        const EffectDirection open = EffectDirection::Open, close = EffectDirection::Close;
        const QSize size(300, 200);
        QTest::newRow("opening starts with nothing") << open << 0 << size << Rect{};
        QTest::newRow("half open, centred") << open << 25 << size << Rect{75, 50, 225, 150};
        QTest::newRow("opened whole") << open << 50 << size << Rect{0, 0, 300, 200};
        QTest::newRow("closing starts whole") << close << 0 << size << Rect{0, 0, 300, 200};
        QTest::newRow("closing a fifth") << close << 10 << size << Rect{30, 20, 270, 180};
        QTest::newRow("closed to nothing") << close << 50 << size << Rect{};
        QTest::newRow("too thin for its first frame: nothing")
            << open << 1 << QSize(20, 200) << Rect{};
        QTest::newRow("odd size: each side rounded to nearest, ties to even")
            << open << 1 << QSize(191, 229) << Rect{94, 112, 98, 117};
    }
    void effectFrames()
    {
        QFETCH(EffectDirection, direction);
        QFETCH(int, frame);
        QFETCH(QSize, size);
        QFETCH(Rect, shown);
        const Rect rect = effectRect(direction, frame, size.width(), size.height(), 50);
        QCOMPARE(rect.isEmpty() ? Rect{} : rect, shown);
    }

    void effectInterruptedByAnother_data()
    {
        QTest::addColumn<EffectDirection>("second");
        QTest::newRow("close during open") << EffectDirection::Close;
        QTest::newRow("open during close") << EffectDirection::Open;
    }
    void effectInterruptedByAnother()
    {
        QFETCH(EffectDirection, second);
        const bool closing = second == EffectDirection::Close;
        QWidget window;
        window.resize(300, 200);
        int firstCalls = 0, secondCalls = 0;
        playEffect(&window, closing ? EffectDirection::Open : EffectDirection::Close, 20, 50,
                   [&] { ++firstCalls; });
        QVERIFY(!closing || !window.mask().intersects(window.rect())); // opens from nothing
        bool runningAtItsEnd = true;
        playEffect(&window, second, 1, 10, [&] {
            ++secondCalls;
            runningAtItsEnd = isEffectRunning(&window);
        });
        QTRY_COMPARE(secondCalls, 1);
        QTest::qWait(100); // a first effect still running would show another frame
        QVERIFY(firstCalls == 0 && secondCalls == 1 && !runningAtItsEnd);
        // Closing leaves none of the window: an empty mask would show all of it.
        if (closing)
            QVERIFY(!window.mask().isEmpty() && !window.mask().intersects(window.rect()));
        else
            QCOMPARE(window.mask(), QRegion());
    }

    // Destroyed mid-effect and mid-drag: no late callback, and clicks reach controls again.
    void windowDestroyedMidEffectAndDrag()
    {
        QPushButton button;
        button.setCheckable(true);
        button.show();
        auto *window = new QWidget;
        int calls = 0;
        playEffect(window, EffectDirection::Close, 1, 10, [&] { ++calls; });
        QtMagneticDock dock;
        QVERIFY(dock.startDrag(window, QPoint(10, 10)) && !dock.startDrag(window, QPoint(20, 20)));
        QTest::mousePress(&button, Qt::LeftButton); // another button pressed mid-drag
        QVERIFY(!button.isDown());
        delete window;
        mouse(&button, QEvent::MouseMove, QPoint(20, 20), Qt::NoButton, Qt::LeftButton);
        QTest::mouseClick(&button, Qt::LeftButton);
        QVERIFY(button.isChecked());
        QTest::qWait(100); // the effect would have ended after 10 ms
        QCOMPARE(calls, 0);
    }

    void hoverHighlightsOneControl()
    {
        QWidget first, second;
        auto *a = new QPushButton(QStringLiteral("a"), &first);
        auto *b = new QPushButton(QStringLiteral("b"), &second);
        enableHover(a);
        enableHover(b);
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QApplication::sendEvent(a, &enter);
        // While the mouse is still over the first, the second waits its turn; a first
        // whose leave was lost (its window covered) gives way.
        a->setAttribute(Qt::WA_UnderMouse);
        QApplication::sendEvent(b, &enter);
        QVERIFY(a->font().bold() && !b->font().bold());
        a->setAttribute(Qt::WA_UnderMouse, false);
        QApplication::sendEvent(b, &enter);
        QVERIFY(!a->font().bold() && b->font().bold());
        // Leaving, or becoming disabled (no leave comes then), ends the highlight.
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(b, &leave);
        QApplication::sendEvent(a, &enter);
        a->setEnabled(false);
        QVERIFY(!a->font().bold() && !hoveredControl());
    }

    void dragAnywhere_data()
    {
        QTest::addColumn<int>("surface");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("docked");
        QTest::newRow("surface, left button") << int(WindowSurface) << Qt::LeftButton << true;
        QTest::newRow("listed frame, right button") << int(ListedFrame) << Qt::RightButton << true;
        QTest::newRow("label in the frame: no drag") << int(LabelInFrame) << Qt::LeftButton << true;
        QTest::newRow("undocked window: no snap") << int(ListedFrame) << Qt::LeftButton << false;
    }
    void dragAnywhere()
    {
        QFETCH(int, surface);
        QFETCH(Qt::MouseButton, button);
        QFETCH(bool, docked);
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QWidget main;
        auto *frame = new QGroupBox(&main);
        auto *label = new QLabel(QStringLiteral("label"), frame);
        main.setGeometry(area.left() + 200, area.top() + 200, 300, 200);
        frame->setGeometry(10, 10, 120, 80);
        label->setGeometry(10, 20, 60, 20);
        main.show();
        QCOMPARE(frameMargins(&main), QMargins()); // framed by the window manager alone
        const QPoint before = main.frameGeometry().topLeft();
        QtMagneticDock dock;
        QCOMPARE(docked && dock.addWindow(&main) && !dock.addWindow(&main), docked); // once
        dock.enableDragAnywhere(&main, {frame});

        QWidget *const surfaces[] = {&main, frame, label};
        QWidget *const pressed = surfaces[surface];
        const QPoint start = pressed->mapToGlobal(QPoint(5, 5));
        // Leaves the window 5 pixels from the area's left edge, where it snaps.
        const QPoint end = start - QPoint(before.x() - area.left() - 5, 0);
        mouse(pressed, QEvent::MouseButtonPress, start, button, button);
        mouse(pressed, QEvent::MouseMove, end, Qt::NoButton, button);
        mouse(pressed, QEvent::MouseButtonRelease, end, button, Qt::NoButton);
        QVERIFY(!dock.isDragging());
        const int left = surface == LabelInFrame ? before.x() : area.left() + (docked ? 0 : 5);
        QCOMPARE(main.frameGeometry().left(), left);
    }

    void clicksOnTheTitleBar_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("acceptClose");
        QTest::addColumn<int>("drags");
        const QString bar = QStringLiteral("titleBar"), close = bar + QLatin1String("CloseButton");
        QTest::newRow("left button on the bar starts a drag") << bar << Qt::LeftButton << true << 1;
        QTest::newRow("right button on the bar does not") << bar << Qt::RightButton << true << 0;
        QTest::newRow("middle button on the bar does not") << bar << Qt::MiddleButton << true << 0;
        QTest::newRow("close button, close accepted") << close << Qt::LeftButton << true << 0;
        QTest::newRow("close button, close refused") << close << Qt::LeftButton << false << 0;
        QTest::newRow("minimize button")
            << QStringLiteral("titleBarMinimizeButton") << Qt::LeftButton << true << 0;
    }
    void clicksOnTheTitleBar()
    {
        QFETCH(QString, target);
        QFETCH(Qt::MouseButton, button);
        QFETCH(bool, acceptClose);
        QFETCH(int, drags);
        FramedWindow window;
        window.acceptClose = acceptClose;
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        TitleBar *bar = titleBarOf(&window);
        // The client area lies below the bar, inside a one-pixel border.
        const QMargins frame(1, 1 + bar->height(), 1, 1);
        QCOMPARE(clientOrigin(&window), QPoint(frame.left(), frame.top()));
        QCOMPARE(window.size(), QSize(300, 200).grownBy(frame));
        auto *clicked = window.findChild<QWidget *>(target);
        QTest::mouseClick(clicked, button, {}, QPoint(3, 4));
        QCOMPARE(window.drags, QList<QPoint>(drags, clicked->mapToGlobal(QPoint(3, 4))));
        // The close button goes through the window's close event, which may refuse.
        const bool closing = target.contains(QLatin1String("Close"));
        QCOMPARE(window.closeEvents, closing ? 1 : 0);
        QCOMPARE(window.isVisible(), !closing || !acceptClose);
        QCOMPARE(window.isMinimized(), target.contains(QLatin1String("Minimize")));
    }

    // A new title reaches the screen at once: the bar repaints when its window's changes
    // (a language switch renames every window).
    void titleBarRepaintsANewTitle()
    {
        FramedWindow window;
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        struct : QObject {
            bool painted = false;
            bool eventFilter(QObject *, QEvent *e) override
            {
                return painted |= e->type() == QEvent::Paint, false;
            }
        } counter;
        QCoreApplication::processEvents(); // the first frame, painted
        titleBarOf(&window)->installEventFilter(&counter);
        window.setWindowTitle(QStringLiteral("Another title"));
        QTRY_VERIFY(counter.painted);
    }

    // A bar's button lights up under the pointer, and sinks while pressed.
    void titleBarButtonsLightUp()
    {
        FramedWindow window;
        auto *button = window.findChild<QAbstractButton *>(QStringLiteral("titleBarCloseButton"));
        const QImage plain = button->grab().toImage();
        button->setAttribute(Qt::WA_UnderMouse);
        const QImage lit = button->grab().toImage();
        button->setDown(true);
        QVERIFY(lit != plain && button->grab().toImage() != lit);
    }
};

QTEST_MAIN(TestWindowServices)
#include "tst_window_services.moc"
