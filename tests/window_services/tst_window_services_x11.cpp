#include "window_services/always_on_top.h"

#include <QProcess>
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
};

QTEST_MAIN(TestWindowServicesX11)
#include "tst_window_services_x11.moc"
