#include "conversion/to_radix.h"
#include "main_window/single_instance.h"
#include "main_window/startup.h"
#include "support/window_test_helpers.h"
#include "support/x11_tools.h"
#include "window_services/title_bar.h"
#include "windows/common/layout.h"
#include "windows/lists/lists_names.h"
#include "windows/practice/practice_names.h"
#include "windows/temporary_list/temporary_list_names.h"
#include "windows/to_decimal/to_decimal_names.h"
#include "windows/working/working_names.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>

using namespace radixon;
using namespace Qt::StringLiterals;

namespace {

// Generous: the X server, the window manager and the tools all share a loaded machine.
constexpr int xTimeout = 10000;

void xdotool(const QString &command) { test::runTool(u"xdotool "_s + command); }
// The window's place on screen as the X server has it now.
QPoint xTopLeft(const QWidget *w)
{
    const QString text = test::runTool(u"xwininfo -stats -id %1"_s.arg(w->winId()));
    const QRegularExpressionMatch m =
        QRegularExpression(uR"(X:\s*(-?\d+)\s+Absolute upper-left Y:\s*(-?\d+))"_s).match(text);
    return {m.captured(1).toInt(), m.captured(2).toInt()};
}
// Where the window's client area lies on the X server, whoever draws the frame.
QPoint xClientTopLeft(const QWidget *w) { return xTopLeft(w) + clientOrigin(w); }
// The window with its frame, whoever draws it, where the X server has it.
QRect xFrame(const QWidget *w)
{
    const QPoint frameOffset = w->geometry().topLeft() - w->frameGeometry().topLeft();
    return {xTopLeft(w) - frameOffset, w->frameGeometry().size()};
}
// The companion of that name once it has opened, on screen and its effect ended; a
// click sent by a tool reaches the program some time after the tool has finished.
QWidget *settled(const char *name)
{
    QWidget *w = nullptr;
    const bool open = QTest::qWaitFor([&] { return (w = test::openWindow(name)); }, xTimeout)
                      && QTest::qWaitForWindowExposed(w, xTimeout)
                      && QTest::qWaitFor([&] { return !isEffectRunning(w); }, xTimeout);
    return open ? w : nullptr;
}
// Qt takes a move as done at once; the X server has it only a while later.
bool placeAt(QWidget *w, QPoint frameTopLeft)
{
    w->move(frameTopLeft);
    const auto there = [&] { return w->frameGeometry().topLeft() == frameTopLeft; };
    const auto placed = [&] { return there() && xTopLeft(w) == w->geometry().topLeft(); };
    return QTest::qWaitFor(placed, xTimeout);
}

// Presses on the window's title bar, whoever draws it, and moves the mouse by `travel`
// in six steps; the button stays down.
void dragTitleBar(const QWidget *w, QPoint travel, bool systemFrames)
{
    const QRect frame = w->frameGeometry();
    const QPoint grip = systemFrames
                            ? QPoint(frame.left() + 60, (frame.top() + w->geometry().top()) / 2)
                            : titleBarOf(w)->mapToGlobal(QPoint(30, 6));
    for (int step = 0; step <= 6; ++step) {
        const QPoint p = grip + travel * step / 6;
        xdotool(u"mousemove %1 %2 %3"_s.arg(p.x()).arg(p.y()).arg(step ? u""_s : u"mousedown 1"_s));
    }
}

} // namespace

class TestWindowFramesX11 : public QObject, protected test::MainWindowSession {
    Q_OBJECT

    QWidget m_panel;
    QRect m_area;
    QPoint m_start;

    // The main window at its start place, and the to-decimal window glued to its right.
    // The to-decimal window, dragged by the user until it snaps to the main window's
    // right edge, which glues it.
    QPointer<QWidget> openGluedPair(bool systemFrames)
    {
        if (!openMainWindow() || !placeAt(window.get(), m_start))
            return nullptr;
        box(main_window::name::toDecimalBox)->setChecked(true);
        QWidget *c = settled(to_decimal::name::window);
        if (!c || !placeAt(c, window->frameGeometry().topRight() + QPoint(40, 0)))
            return nullptr;
        dragTitleBar(c, {-36, 0}, systemFrames);
        xdotool(u"mouseup 1"_s);
        const bool glued = QTest::qWaitFor([&] { return window->dock().isGlued(c); }, xTimeout);
        return glued ? c : nullptr;
    }
private slots:
    void initTestCase()
    {
        QVERIFY2(QGuiApplication::platformName() == "xcb"_L1, "needs an X server");
        test::prepareApplication();
        // Panels reserve the screen's left and top edges, as a desktop's do.
        m_panel.setWindowFlags(Qt::FramelessWindowHint);
        m_panel.setGeometry(0, 0, 40, 30);
        test::runTool(u"xprop -id %1 -f _NET_WM_STRUT_PARTIAL 32c -set _NET_WM_STRUT_PARTIAL "
                      "40,0,30,0,0,1023,0,0,0,1279,0,0"_s.arg(m_panel.winId()));
        m_panel.show();
        const QScreen *screen = QGuiApplication::primaryScreen();
        QTRY_COMPARE_WITH_TIMEOUT(screen->availableGeometry(),
                                  screen->geometry().adjusted(40, 30, 0, 0), xTimeout);
        m_area = screen->availableGeometry();
        m_start = m_area.topLeft() + QPoint(400, 200);
    }
    void cleanup()
    {
        xdotool(u"mouseup 1"_s); // after a failure mid-drag
        QVERIFY(closeMainWindow());
        setSystemFrames(false);
    }

    // Dragged near the work area's edge, it snaps and carries the glued window.
    void dragSnapsAndCarriesTheGluedWindow_data()
    {
        QTest::addColumn<bool>("systemFrames");
        QTest::newRow("own title bar: live, before the release") << false;
        QTest::newRow("window manager's title bar: once the move is reported") << true;
    }
    void dragSnapsAndCarriesTheGluedWindow()
    {
        QFETCH(bool, systemFrames);
        setSystemFrames(systemFrames);
        QPointer<QWidget> companion = openGluedPair(systemFrames);
        QVERIFY(companion && !titleBarOf(window.get()) == systemFrames);
        for (int round = 0; round < 2; ++round) { // the second from where the first snapped
            const QRect frame = window->frameGeometry();
            const QPoint offset = companion->frameGeometry().topLeft() - frame.topLeft();
            const QPoint travel(m_area.left() + 6 - frame.left(), 40);
            dragTitleBar(window.get(), travel, systemFrames);
            if (!systemFrames) {
                QTRY_COMPARE_WITH_TIMEOUT(xTopLeft(window.get()).x(), m_area.left(), xTimeout);
                QTRY_COMPARE_WITH_TIMEOUT(xTopLeft(companion) - xTopLeft(window.get()), offset,
                                          xTimeout);
            }
            xdotool(u"mouseup 1"_s);
            const QPoint flush(m_area.left(), frame.top() + travel.y());
            QTRY_COMPARE_WITH_TIMEOUT(window->frameGeometry().topLeft(), flush, xTimeout);
            QTRY_COMPARE_WITH_TIMEOUT(companion->frameGeometry().topLeft() - flush, offset,
                                      xTimeout);
            QVERIFY(window->dock().isGlued(companion));
        }
    }

    // Typing after a click reaches the number field, even if a window opened meanwhile.
    void typingAfterAClickReachesTheNumberField()
    {
        QVERIFY(openMainWindow() && placeAt(window.get(), m_start));
        const QWidget *box = test::control(window.get(), main_window::name::temporaryListBox);
        const QPoint at = box->mapToGlobal(QPoint(6, box->height() / 2));
        xdotool(u"mousemove %1 %2 click 1"_s.arg(at.x()).arg(at.y()));
        QVERIFY(settled(temporary_list::name::window));
        QTRY_VERIFY_WITH_TIMEOUT(window->isActiveWindow(), xTimeout);
        xdotool(u"type --delay 20 123"_s);
        auto *field = test::control<QLineEdit>(window.get(), main_window::name::numberField);
        QTRY_COMPARE_WITH_TIMEOUT(field->text(), u"123"_s, xTimeout);
    }

    // Temporary list: client area in twips from the screen; lists: near the area's top right.
    void companionsOpenAtTheirPlaces_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("systemFrames");
        for (const bool systemFrames : {false, true}) {
            const char *frame = systemFrames ? "window manager's title bar" : "own title bar";
            QTest::addRow("temporary list, %s", frame)
                << main_window::name::temporaryListBox << systemFrames;
            QTest::addRow("lists, %s", frame) << main_window::name::listsBox << systemFrames;
        }
    }
    void companionsOpenAtTheirPlaces()
    {
        QFETCH(QString, box);
        QFETCH(bool, systemFrames);
        setSystemFrames(systemFrames);
        QVERIFY(openMainWindow() && placeAt(window.get(), m_start));
        this->box(qPrintable(box))->setChecked(true);
        const bool lists = box == QLatin1String(main_window::name::listsBox);
        QWidget *opened = settled(lists ? lists::name::window : temporary_list::name::window);
        QVERIFY(opened);
        const int margin = twipsToPixels(500);
        if (lists)
            QTRY_COMPARE_WITH_TIMEOUT(opened->frameGeometry().topRight(),
                                      m_area.topRight() + QPoint(-margin, margin), xTimeout);
        else
            QTRY_COMPARE_WITH_TIMEOUT(xClientTopLeft(opened),
                                      QPoint(twipsToPixels(7560), twipsToPixels(6855)), xTimeout);
    }
    // F2 in the centred main window: the working opens beside it, wholly on screen, and takes
    // the keyboard; Tab reaches Copy, Ctrl+C copies, Escape closes it and gives the keyboard back.
    void workingByKeyboardBesideTheCentredWindow_data()
    {
        dragSnapsAndCarriesTheGluedWindow_data();
    }
    void workingByKeyboardBesideTheCentredWindow()
    {
        QFETCH(bool, systemFrames);
        setSystemFrames(systemFrames);
        QVERIFY(openMainWindow());
        const QSize outer = window->frameGeometry().size();
        QVERIFY(placeAt(window.get(), m_area.center() - QPoint(outer.width(), outer.height()) / 2));
        QTRY_VERIFY_WITH_TIMEOUT(window->isActiveWindow(), xTimeout);
        auto *field = test::control<QLineEdit>(window.get(), main_window::name::numberField);
        xdotool(u"type --delay 20 4095"_s);
        QTRY_COMPARE_WITH_TIMEOUT(field->text(), u"4095"_s, xTimeout);
        xdotool(u"key Return F2"_s);
        QWidget *working = settled(working::name::window);
        QVERIFY(working);
        QWidget *table = test::control(working, working::name::table);
        QTRY_VERIFY_WITH_TIMEOUT(working->isActiveWindow() && table->hasFocus(), xTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(xFrame(working).topLeft(),
                                  xFrame(window.get()).topRight() + QPoint(1, 0), xTimeout);
        QVERIFY(m_area.contains(xFrame(working)));
        QApplication::clipboard()->clear();
        xdotool(u"key ctrl+c"_s); // the whole working, not the table's current cell
        QTRY_VERIFY_WITH_TIMEOUT(QApplication::clipboard()->text().contains(u": 111111111111"_s),
                                 xTimeout);
        xdotool(u"key Tab"_s);
        QTRY_VERIFY_WITH_TIMEOUT(test::control(working, working::name::copyButton)->hasFocus(),
                                 xTimeout);
        QPointer<QWidget> closing = working;
        xdotool(u"key Escape"_s);
        QTRY_VERIFY_WITH_TIMEOUT(closing.isNull(), xTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(window->isActiveWindow() && field->hasFocus(), xTimeout);
    }

    // F3 in the main window: practice opens beside it with the keyboard. A wrong answer typed
    // brings the working beside practice while the keys stay there: Enter tries again, the
    // answer mended counts, and Enter gives the next exercise, the working gone with the last.
    void practiseByKeyboard_data() { dragSnapsAndCarriesTheGluedWindow_data(); }
    void practiseByKeyboard()
    {
        QFETCH(bool, systemFrames);
        setSystemFrames(systemFrames);
        QVERIFY(openMainWindow());
        QVERIFY(placeAt(window.get(), m_start));
        QTRY_VERIFY_WITH_TIMEOUT(window->isActiveWindow(), xTimeout);
        xdotool(u"key F3"_s);
        QWidget *practice = settled(practice::name::window);
        QVERIFY(practice);
        auto *field = test::control<QLineEdit>(practice, practice::name::answerField);
        QTRY_VERIFY_WITH_TIMEOUT(practice->isActiveWindow() && field->hasFocus(), xTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(xFrame(practice).topLeft(),
                                  xFrame(window.get()).topRight() + QPoint(1, 0), xTimeout);
        const auto *question = test::control<QLabel>(practice, practice::name::questionLine);
        const auto number = QRegularExpression(u"\\d+"_s).match(question->text()).captured();
        const std::string right = *toRadix(decimalFromInteger(number.toULongLong()), 2);
        xdotool(u"type --delay 20 %1"_s.arg(QString::fromStdString(right + '1'))); // one too many
        xdotool(u"key Return"_s);
        const QPointer<QWidget> working = settled(working::name::window);
        QVERIFY(working);
        QTRY_VERIFY_WITH_TIMEOUT(!xFrame(working).intersects(xFrame(practice)), xTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(practice->isActiveWindow() && field->hasFocus(), xTimeout);
        const auto *verdict = test::control<QLabel>(practice, practice::name::verdictLine);
        QVERIFY(verdict->text().startsWith(u"✗ "_s)); // the words: offscreen
        xdotool(u"key Return End BackSpace Return"_s);
        QTRY_VERIFY_WITH_TIMEOUT(verdict->text().startsWith(u"✓ Σωστά!"_s), xTimeout);
        xdotool(u"key Return"_s);
        QTRY_VERIFY_WITH_TIMEOUT(field->text().isEmpty() && working.isNull(), xTimeout);
    }

    // A second copy: centred as designed (95 % height), then one window width right.
    void secondCopyStandsRightOfTheCentre()
    {
        const QTemporaryDir folder;
        SingleInstance running(folder.path());
        QVERIFY(running.claimSlot());
        const SingleInstance starting(folder.path());
        window = startMainWindow(*(dialogs = std::make_unique<test::FakeDialogs>()), starting,
                                 Language::greek());
        QVERIFY(window);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get(), xTimeout));
        const QMargins frame = frameMargins(window.get());
        const QSize designed = QSize(twipsToPixels(2850), twipsToPixels(5520)).grownBy(frame);
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const QPoint centred(qRound(screen.width() / 2.0 - designed.width() / 2.0),
                             qRound(screen.height() * 0.95 / 2 - designed.height() / 2.0));
        QTRY_COMPARE_WITH_TIMEOUT(
            xClientTopLeft(window.get()),
            centred + QPoint(designed.width(), 0) + QPoint(frame.left(), frame.top()), xTimeout);
    }
};

QTEST_MAIN(TestWindowFramesX11)
#include "tst_window_frames_x11.moc"
