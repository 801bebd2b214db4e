#include "support/main_window_session.h"
#include "window_services/title_bar.h"
#include "windows/common/appearance.h"
#include "windows/to_decimal/to_decimal_names.h"

#include <QProcess>
#include <QRegularExpression>
#include <QScreen>

using namespace radixon;
using namespace Qt::StringLiterals;

namespace {

// Generous: the X server, the window manager and the tools all share a loaded machine.
constexpr int xTimeout = 10000;

// The event loop keeps running while the tool works, so the windows answer the X
// server meanwhile.
QString tool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, xTimeout))
        qFatal("%s did not end", qPrintable(program));
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

void xdotool(const QString &command) { tool(u"xdotool"_s, command.split(u' ')); }
void pointerTo(QPoint p) { xdotool(u"mousemove %1 %2"_s.arg(p.x()).arg(p.y())); }
// Moves the held pointer from `grip` along steps `first` to `last` of six equal steps.
void pointerAlong(QPoint grip, QPoint travel, int first, int last)
{
    for (int step = first; step <= last; ++step)
        pointerTo(grip + travel * step / 6);
}
void click(const QWidget *control)
{
    pointerTo(control->mapToGlobal(control->rect().center()));
    xdotool(u"mousedown 1"_s);
    xdotool(u"mouseup 1"_s);
}

// The numbers that xwininfo's report of the window gives for the pattern.
QList<int> xwininfo(const QWidget *w, const QString &option, const QString &pattern)
{
    const QString text = tool(u"xwininfo"_s, {option, u"-id"_s, QString::number(w->winId())});
    const QRegularExpressionMatch m = QRegularExpression(pattern).match(text);
    QList<int> all;
    for (int i = 1; i <= m.lastCapturedIndex(); ++i)
        all << m.captured(i).toInt();
    return all;
}
// The window's place on screen as the X server has it now.
QRect xGeometry(const QWidget *w)
{
    const QList<int> n =
        xwininfo(w, u"-stats"_s, uR"(X:\s*(-?\d+)\s+Absolute upper-left Y:\s*(-?\d+))"_s);
    return {n.value(0), n.value(1), w->width(), w->height()};
}
// The extents of the window's X shape in its own coordinates; unshaped, all of it shows.
QRect xShape(const QWidget *w)
{
    const QList<int> n =
        xwininfo(w, u"-shape"_s, uR"(Window shape extents:\s*(\d+)x(\d+)\+(-?\d+)\+(-?\d+))"_s);
    return n.size() == 4 ? QRect(n[2], n[3], n[0], n[1]) : w->rect();
}

QAbstractButton *controlNamed(const QWidget *window, const QString &accessibleName)
{
    QList<QAbstractButton *> found;
    for (QAbstractButton *b : window->findChildren<QAbstractButton *>())
        if (b->accessibleName() == accessibleName)
            found << b;
    return found.size() == 1 ? found.front() : nullptr;
}

bool placeAt(QWidget *w, QPoint frameTopLeft)
{
    w->move(frameTopLeft);
    return QTest::qWaitFor([&] { return w->frameGeometry().topLeft() == frameTopLeft; }, xTimeout);
}

} // namespace

class TestWindowFramesX11 : public QObject, protected test::MainWindowSession {
    Q_OBJECT

    QRect m_area;
    QPoint m_start;

    bool openMainWindowInPlace() { return openMainWindow() && placeAt(window.get(), m_start); }
    QPointer<CompanionWindow> openCompanion()
    {
        box(main_window::name::toDecimalBox)->setChecked(true);
        QPointer<CompanionWindow> c = test::openWindow(to_decimal::name::window);
        const bool open = c && QTest::qWaitForWindowExposed(c, xTimeout)
                          && QTest::qWaitFor([&] { return !isEffectRunning(c); }, xTimeout);
        return open ? c : nullptr;
    }
    // Touching the main window's right edge, glued to it.
    bool glueRightOfMain(QWidget *companion)
    {
        if (!placeAt(companion, window->frameGeometry().topRight() + QPoint(1, 0)))
            return false;
        window->dock().checkGlueing();
        return window->dock().isGlued(companion);
    }
    QPoint offsetError(const QWidget *companion) const
    {
        return xGeometry(companion).topLeft() - xGeometry(window.get()).topLeft()
               - QPoint(window->width(), 0);
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(QGuiApplication::platformName() == "xcb"_L1, "needs an X server");
        test::dropPlatformNoise();
        applyAppearance(*qApp);
        m_area = QGuiApplication::primaryScreen()->availableGeometry();
        m_start = m_area.topLeft() + QPoint(400, 200);
    }
    void cleanup()
    {
        xdotool(u"mouseup 1"_s); // after a failure mid-drag
        QVERIFY(closeMainWindow());
        setSystemFrames(false);
    }

    void titleBarDrag_data()
    {
        QTest::addColumn<bool>("withCompanion");
        QTest::newRow("alone: flush with the left edge before the release") << false;
        QTest::newRow("glued companion keeps its offset at mid-drag and at the edge") << true;
    }
    void titleBarDrag()
    {
        QFETCH(bool, withCompanion);
        QVERIFY(openMainWindowInPlace());
        QPointer<CompanionWindow> companion = withCompanion ? openCompanion() : nullptr;
        QVERIFY(!withCompanion || (companion && glueRightOfMain(companion)));
        const TitleBar *bar = titleBarOf(window.get());
        const QPoint grip = bar->mapToGlobal(QPoint(30, bar->height() / 2));
        // Ends with the window 6 px right of the work area's left edge, 40 px lower.
        const QPoint travel(m_area.left() + 6 - m_start.x(), 40);
        pointerTo(grip);
        xdotool(u"mousedown 1"_s);
        QTRY_VERIFY_WITH_TIMEOUT(window->dock().isDragging(), xTimeout);
        pointerAlong(grip, travel, 1, 3);
        QTRY_COMPARE_WITH_TIMEOUT(xGeometry(window.get()).topLeft(), m_start + travel / 2,
                                  xTimeout);
        if (companion)
            QTRY_COMPARE_WITH_TIMEOUT(offsetError(companion), QPoint(), xTimeout);
        pointerAlong(grip, travel, 4, 6);
        const QPoint flush(m_area.left(), m_start.y() + travel.y());
        QTRY_COMPARE_WITH_TIMEOUT(xGeometry(window.get()).topLeft(), flush, xTimeout);
        QVERIFY(window->dock().isDragging()); // the button is still held
        if (companion)
            QTRY_COMPARE_WITH_TIMEOUT(offsetError(companion), QPoint(), xTimeout);

        xdotool(u"mouseup 1"_s);
        QTRY_VERIFY_WITH_TIMEOUT(!window->dock().isDragging(), xTimeout);
        QCOMPARE(xGeometry(window.get()).topLeft(), flush);
        QVERIFY(!companion
                || (offsetError(companion).isNull() && window->dock().isGlued(companion)));
    }

    void effectFrames_data()
    {
        QTest::addColumn<bool>("open");
        QTest::addColumn<int>("frameDelayMs");
        QTest::addColumn<bool>("showsCentre");
        QTest::newRow("opening frame 0 shows nothing") << true << 3000 << false;
        QTest::newRow("opening frame 1 shows only the centred rectangle") << true << 3000 << true;
        QTest::newRow("closing last frame shows nothing") << false << 10 << false;
    }
    void effectFrames()
    {
        QFETCH(bool, open);
        QFETCH(int, frameDelayMs);
        QFETCH(bool, showsCentre);
        QVERIFY(openMainWindowInPlace());
        // What the window does not show, shows the backdrop: pure green.
        QWidget backdrop(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint);
        backdrop.setPalette(QPalette(Qt::green, Qt::green));
        backdrop.setAutoFillBackground(true);
        backdrop.setGeometry(window->geometry().adjusted(-20, -20, 20, 20));
        backdrop.show();
        QVERIFY(QTest::qWaitForWindowExposed(&backdrop, xTimeout));

        bool done = false;
        playEffect(window.get(), open ? EffectDirection::Open : EffectDirection::Close, 10,
                   frameDelayMs, 50, [&](bool) { done = true; });
        const auto shown = [&] { return window->mask().intersected(window->rect()); };
        QTRY_VERIFY_WITH_TIMEOUT(showsCentre ? !shown().isEmpty() : open || done, xTimeout);
        const QRegion frame = shown();
        const QRect visible = frame.boundingRect();
        QCOMPARE(frame.isEmpty(), !showsCentre);
        if (showsCentre) {
            QCOMPARE(frame.rectCount(), 1);
            QVERIFY((visible.center() - window->rect().center()).manhattanLength() <= 2);
            QVERIFY(visible.width() <= window->width() / 25);
            QVERIFY(visible.height() <= window->height() / 25);
            QVERIFY(!visible.intersects(titleBarOf(window.get())->geometry()));
        }
        QCOMPARE(xShape(window.get()).intersected(window->rect()), visible);

        const QPoint origin = window->mapToGlobal(QPoint(0, 0));
        QImage shot;
        const auto windowPixelsOutside = [&] {
            shot = QGuiApplication::primaryScreen()
                       ->grabWindow(0, origin.x(), origin.y(), window->width(), window->height())
                       .toImage();
            int count = 0;
            for (int y = 0; y < shot.height(); ++y)
                for (int x = 0; x < shot.width(); ++x)
                    count += !visible.contains(x, y) && shot.pixel(x, y) != qRgb(0, 255, 0);
            return count;
        };
        QTRY_COMPARE_WITH_TIMEOUT(windowPixelsOutside(), 0, xTimeout);
        QVERIFY(!showsCentre || shot.pixel(visible.center()) != qRgb(0, 255, 0));
        QCOMPARE(shown(), frame); // the shot is of that frame
    }

    void titleBarControls_data()
    {
        QTest::addColumn<bool>("greek");
        QTest::addColumn<QString>("close");
        QTest::addColumn<QString>("minimize");
        QTest::newRow("English names") << false << u"Close"_s << u"Minimize"_s;
        QTest::newRow("Greek names") << true << u"Κλείσιμο"_s << u"Ελαχιστοποίηση"_s;
    }
    void titleBarControls()
    {
        QFETCH(bool, greek);
        QFETCH(QString, close);
        QFETCH(QString, minimize);
        QVERIFY(openMainWindowInPlace());
        box(main_window::name::languageBox)->setChecked(greek);
        QPointer<CompanionWindow> companion = openCompanion();
        QVERIFY(companion);
        QAbstractButton *closeControl = controlNamed(companion, close);
        QVERIFY(closeControl);
        click(closeControl);
        QTRY_VERIFY_WITH_TIMEOUT(companion.isNull(), xTimeout);
        QVERIFY(!box(main_window::name::toDecimalBox)->isChecked());

        QAbstractButton *minimizeControl = controlNamed(window.get(), minimize);
        QVERIFY(minimizeControl);
        QVERIFY(!window->isMinimized());
        click(minimizeControl);
        QTRY_VERIFY_WITH_TIMEOUT(window->isMinimized(), xTimeout);
        const QStringList wmState{u"-id"_s, QString::number(window->winId()), u"WM_STATE"_s};
        QTRY_VERIFY_WITH_TIMEOUT(tool(u"xprop"_s, wmState).contains("Iconic"_L1), xTimeout);
    }

    void systemFramesOpenCloseAndSnap()
    {
        setSystemFrames(true);
        const auto decorated = [](const QWidget *w) {
            return QTest::qWaitFor([w] { return w->frameGeometry().top() < w->geometry().top(); },
                                   xTimeout);
        };
        QVERIFY(openMainWindowInPlace());
        QVERIFY(decorated(window.get()) && !titleBarOf(window.get()));
        QPointer<CompanionWindow> companion = openCompanion();
        QVERIFY(companion && decorated(companion) && companion->mask().isEmpty());
        QVERIFY(glueRightOfMain(companion));

        // The window manager's own move, by its title bar, ends 6 px from the left edge.
        const QRect frame = window->frameGeometry();
        const int border = window->geometry().left() - frame.left();
        const QPoint grip(frame.left() + 60, (frame.top() + window->geometry().top()) / 2);
        const QPoint travel(m_area.left() + 6 - frame.left(), 40);
        pointerTo(grip);
        xdotool(u"mousedown 1"_s);
        pointerAlong(grip, travel, 1, 6);
        xdotool(u"mouseup 1"_s);
        const QPoint flush(m_area.left(), frame.top() + travel.y());
        QTRY_COMPARE_WITH_TIMEOUT(window->frameGeometry().topLeft(), flush, xTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(xGeometry(window.get()).left(), flush.x() + border, xTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(companion->frameGeometry().topLeft(),
                                  window->frameGeometry().topRight() + QPoint(1, 0), xTimeout);

        // Closed by the window manager, through the program's own close sequence.
        xdotool(u"windowactivate --sync %1"_s.arg(companion->winId()));
        QTRY_VERIFY_WITH_TIMEOUT(companion->isActiveWindow(), xTimeout);
        xdotool(u"key alt+F4"_s);
        QTRY_VERIFY_WITH_TIMEOUT(companion.isNull(), xTimeout);
        QVERIFY(!box(main_window::name::toDecimalBox)->isChecked() && window->isVisible());
    }
};

QTEST_MAIN(TestWindowFramesX11)
#include "tst_window_frames_x11.moc"
