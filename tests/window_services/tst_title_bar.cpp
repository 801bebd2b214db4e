#include "window_services/title_bar.h"
#include "window_services/window_frame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QStyleOptionTitleBar>
#include <QTest>

using namespace radixon;

namespace {

class RecordingWindow : public QWidget {
public:
    bool acceptClose = true;
    int closeEvents = 0;
    int presses = 0;

protected:
    void closeEvent(QCloseEvent *event) override
    {
        ++closeEvents;
        event->setAccepted(acceptClose);
    }
    void mousePressEvent(QMouseEvent *) override { ++presses; }
};

// Shows the window framed, with a client area of 300x200.
void showFramed(RecordingWindow &window, TitleBar::Buttons buttons,
                TitleBar::DragStart onDragStart = {})
{
    window.resize(300, 200);
    installFrame(&window, buttons, TitleBar::Kind::Normal, std::move(onDragStart));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
}

QAbstractButton *button(const QWidget &window, const char *name)
{
    return window.findChild<QAbstractButton *>(QString::fromLatin1(name));
}

} // namespace

class TestTitleBar : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setStyle(QStringLiteral("Fusion")); }
    void cleanup() { setSystemFrames(false); }

    void buttonsAsAsked_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<bool>("acceptClose");
        QTest::newRow("close only, an accepted close hides the window")
            << int(TitleBar::CloseButton) << true;
        QTest::newRow("minimise brings close along, a refused close keeps the window")
            << int(TitleBar::MinimizeButton) << false;
    }
    void buttonsAsAsked()
    {
        QFETCH(int, buttons);
        QFETCH(bool, acceptClose);
        const bool hasMinimize = buttons == TitleBar::MinimizeButton;
        RecordingWindow window;
        window.acceptClose = acceptClose;
        showFramed(window, TitleBar::Buttons(buttons));
        titleBarOf(&window)->setButtonNames(QStringLiteral("Κλείσιμο"),
                                            QStringLiteral("Ελαχιστοποίηση"));
        QAbstractButton *close = button(window, "titleBarCloseButton");
        QAbstractButton *minimize = button(window, "titleBarMinimizeButton");
        QVERIFY(close && close->isVisible() && !close->geometry().isEmpty());
        QCOMPARE(close->accessibleName(), QStringLiteral("Κλείσιμο"));
        QCOMPARE(minimize != nullptr, hasMinimize);
        if (minimize) {
            QCOMPARE(minimize->toolTip(), QStringLiteral("Ελαχιστοποίηση"));
            QVERIFY(!minimize->geometry().intersects(close->geometry()));
        }
        // The close button goes through the window's close event.
        QTest::mouseClick(close, Qt::LeftButton);
        QCOMPARE(window.closeEvents, 1);
        QCOMPARE(window.isVisible(), !acceptClose);
        if (!minimize)
            return;
        QTest::mouseClick(minimize, Qt::LeftButton);
        QTRY_VERIFY(window.isMinimized());
    }

    void titleFollowsWindow_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("whole");
        QTest::newRow("Greek title in full") << QStringLiteral("Radixon Από Τον Zendor") << true;
        QTest::newRow("long title elided") << QStringLiteral("Radixon ").repeated(20) << false;
    }
    void titleFollowsWindow()
    {
        QFETCH(QString, title);
        QFETCH(bool, whole);
        RecordingWindow window;
        showFramed(window, TitleBar::MinimizeButton);
        window.setWindowTitle(title);
        QStyleOptionTitleBar option;
        titleBarOf(&window)->initStyleOption(&option);
        QCOMPARE(option.text == title, whole);
        QVERIFY(option.text.startsWith(title.left(4)));
    }

    void pressesOnTheBar_data()
    {
        QTest::addColumn<bool>("onButton");
        QTest::addColumn<QEvent::Type>("type");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<int>("drags");
        const QEvent::Type press = QEvent::MouseButtonPress;
        QTest::newRow("left press on the bar drags") << false << press << Qt::LeftButton << 1;
        QTest::newRow("right press on the bar does not") << false << press << Qt::RightButton << 0;
        QTest::newRow("press on the close button does not") << true << press << Qt::LeftButton << 0;
        QTest::newRow("double click on the bar does nothing")
            << false << QEvent::MouseButtonDblClick << Qt::LeftButton << 0;
    }
    void pressesOnTheBar()
    {
        QFETCH(bool, onButton);
        QFETCH(QEvent::Type, type);
        QFETCH(Qt::MouseButton, button);
        QFETCH(int, drags);
        RecordingWindow window;
        window.acceptClose = false;
        QList<QPoint> starts;
        showFramed(window, TitleBar::MinimizeButton, [&](QWidget *target, const QPoint &global) {
            starts << (target == &window ? global : QPoint(-1, -1));
            return true;
        });
        TitleBar *bar = titleBarOf(&window);
        QWidget *target = onButton ? static_cast<QWidget *>(bar->closeButton()) : bar;
        const QPointF at(onButton ? 3 : 40, 4);
        QMouseEvent event(type, at, target->mapToGlobal(at), button, button, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
        QCOMPARE(starts.size(), drags);
        if (drags)
            QCOMPARE(starts.first(), target->mapToGlobal(at).toPoint());
        QCOMPARE(window.presses, button == Qt::LeftButton ? 0 : 1);
        QVERIFY(window.isVisible() && !window.isMinimized());
    }

    void frameArithmetic_data()
    {
        QTest::addColumn<int>("barHeight");
        QTest::addColumn<QMargins>("margins");
        QTest::addColumn<QRect>("barRect");
        QTest::newRow("bar of 18 under a one-pixel border")
            << 18 << QMargins(1, 19, 1, 1) << QRect(1, 1, 298, 18);
        QTest::newRow("no bar, no frame") << 0 << QMargins() << QRect(1, 1, 298, 0);
    }
    void frameArithmetic()
    {
        QFETCH(int, barHeight);
        QFETCH(QMargins, margins);
        QFETCH(QRect, barRect);
        QCOMPARE(frameMarginsFor(barHeight), margins);
        QCOMPARE(outerSizeFor({300, 200}, barHeight), QSize(300, 200).grownBy(margins));
        QCOMPARE(titleBarRectFor({300, 200}, barHeight), barRect);
    }

    void clientAreaOfWindows_data()
    {
        QTest::addColumn<bool>("system");
        QTest::newRow("framed window") << false;
        QTest::newRow("system frames change nothing") << true;
    }
    void clientAreaOfWindows()
    {
        QFETCH(bool, system);
        setSystemFrames(system);
        RecordingWindow window;
        showFramed(window, TitleBar::MinimizeButton);
        TitleBar *bar = titleBarOf(&window);
        QCOMPARE(bar == nullptr, system);
        QCOMPARE(window.windowFlags().testFlag(Qt::FramelessWindowHint), !system);
        const int barHeight = bar ? bar->height() : 0;
        if (bar)
            QVERIFY(barHeight >= bar->fontMetrics().height());
        const QSize extra = system ? QSize(0, 0) : QSize(2, 2 + barHeight);
        QCOMPARE(clientOrigin(&window), system ? QPoint(0, 0) : QPoint(1, 1 + barHeight));
        QCOMPARE(window.size(), QSize(300, 200) + extra);
        setClientSize(&window, {250, 150});
        setClientHeight(&window, 90);
        QCOMPARE(window.size(), QSize(250, 90) + extra);
        QCOMPARE(window.minimumSize(), window.maximumSize());
        if (bar)
            QCOMPARE(bar->geometry(), QRect(1, 1, 250, barHeight));
    }
};

QTEST_MAIN(TestTitleBar)
#include "tst_title_bar.moc"
