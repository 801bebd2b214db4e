#include "support/x11_tools.h"
#include "window_services/always_on_top.h"

#include <QTest>

using namespace radixon;
using namespace Qt::StringLiterals;

namespace {

// Exposed and managed by the window manager, with frameGeometry matching the frame it reports.
bool framed(const QWidget *window)
{
    const QStringList e = test::runTool(u"xprop -id %1 _NET_FRAME_EXTENTS"_s.arg(window->winId()))
                              .section(u'=', 1)
                              .split(u',');
    return window->windowHandle()->isExposed() && e.size() == 4 // left, right, top, bottom
           && window->frameGeometry()
                  == window->geometry().marginsAdded(
                      {e[0].toInt(), e[2].toInt(), e[1].toInt(), e[3].toInt()});
}

} // namespace

class TestWindowServicesX11 : public QObject {
    Q_OBJECT

private slots:
    void onTopKeepsWindowInPlace_data()
    {
        QTest::addColumn<bool>("beforeShow");
        QTest::newRow("set on a shown window") << false;
        QTest::newRow("set before the first show") << true;
    }
    void onTopKeepsWindowInPlace()
    {
        QFETCH(bool, beforeShow);
        QWidget window;
        setAlwaysOnTop(&window, beforeShow);
        window.setGeometry(200, 200, 240, 160);
        window.show();
        // Past the first expose, which re-asserts on-top; slow on a loaded machine.
        QTRY_VERIFY_WITH_TIMEOUT(framed(&window), 20000);
        const QRect before = window.frameGeometry();
        const QString state = u"xprop -id %1 _NET_WM_STATE"_s.arg(window.winId());
        const auto above = [&] { return test::runTool(state).contains(u"_NET_WM_STATE_ABOVE"); };
        QTRY_COMPARE(above(), beforeShow);
        for (const bool onTop : {true, false}) {
            setAlwaysOnTop(&window, onTop);
            QTRY_COMPARE(above(), onTop);
            QTest::qWait(200);
            QVERIFY(window.isVisible());
            QCOMPARE(window.frameGeometry(), before);
        }
        // Minimised from its title bar and restored, it is on top again.
        setAlwaysOnTop(&window, true);
        QTRY_VERIFY(above());
        window.showMinimized();
        QTRY_VERIFY_WITH_TIMEOUT(!window.windowHandle()->isExposed(), 20000);
        window.showNormal();
        QTRY_VERIFY_WITH_TIMEOUT(window.windowHandle()->isExposed() && above(), 20000);
    }
};

QTEST_MAIN(TestWindowServicesX11)
#include "tst_window_services_x11.moc"
