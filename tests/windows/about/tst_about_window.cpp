#include "support/window_test_helpers.h"
#include "windows/about/about_names.h"
#include "windows/about/about_window.h"
#include "windows/common/appearance.h"

#include <QLabel>
#include <QScreen>
#include <QUrl>

#include <memory>

using namespace radixon;

class TestAboutWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<test::FakeHost> host;
    QPointer<AboutWindow> window;
    std::vector<QUrl> opened;

    QString caption(const char *name) const { return test::control<QLabel>(window, name)->text(); }
    void openAbout(bool greek)
    {
        QVERIFY(test::open(window, *host, greek));
        window->setUrlOpener([this](const QUrl &url) {
            opened.push_back(url);
            return false; // no browser here: the window says nothing either way
        });
    }

private slots:
    void initTestCase()
    {
        test::dropPlatformNoise();
        applyAppearance(*qApp);
    }
    void init()
    {
        host = std::make_unique<test::FakeHost>();
        opened.clear();
    }
    void cleanup()
    {
        delete window.data();
        host.reset();
    }

    // The captions themselves are checked with every other text table.
    void keepsTheLanguageItOpenedIn_data()
    {
        QTest::addColumn<bool>("greek");
        QTest::addColumn<QString>("title");
        QTest::newRow("English") << false << "About:";
        QTest::newRow("Greek") << true << "Σχετικά:";
    }
    void keepsTheLanguageItOpenedIn()
    {
        QFETCH(bool, greek);
        QFETCH(QString, title);
        openAbout(greek);
        const QString text = caption(about::name::aboutText);
        QCOMPARE(window->windowTitle(), title);
        QCOMPARE(caption(about::name::webAddressLink),
                 QStringLiteral("https://radixon.example.org"));
        host->greekFlag = !greek;
        QCOMPARE(window->windowTitle(), title);
        QCOMPARE(caption(about::name::aboutText), text);
    }

    void onlyTheLinkOpensTheWebAddress_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QPoint>("releasedAt"); // from the pressed control's corner
        QTest::addColumn<int>("opens");
        const QPoint inside(5, 5);
        QTest::newRow("link") << about::name::webAddressLink << Qt::LeftButton << inside << 1;
        QTest::newRow("link with the right button")
            << about::name::webAddressLink << Qt::RightButton << inside << 0;
        QTest::newRow("link, released away from it")
            << about::name::webAddressLink << Qt::LeftButton << QPoint(-30, 5) << 0;
        QTest::newRow("presentation") << about::name::aboutText << Qt::LeftButton << inside << 0;
    }
    void onlyTheLinkOpensTheWebAddress()
    {
        QFETCH(QString, target);
        QFETCH(Qt::MouseButton, button);
        QFETCH(QPoint, releasedAt);
        QFETCH(int, opens);
        openAbout(false);
        QWidget *pressed = test::control(window, qPrintable(target));
        QTest::mousePress(pressed, button, {}, QPoint(5, 5));
        QTest::mouseRelease(pressed, button, {}, releasedAt);
        QCOMPARE(int(opened.size()), opens);
        if (opens)
            QCOMPARE(opened.front(), QUrl(QStringLiteral("https://radixon.example.org")));
        QCOMPARE(host->fakeDialogs.shown.size(), std::size_t(0)); // a failure is silent
    }

    // Centred over the main window, but never pushed off the screen by it.
    void staysOnScreen_data()
    {
        QTest::addColumn<QPoint>("mainCentre"); // from the work area's top-left corner
        QTest::newRow("main window in the middle") << QPoint(600, 450);
        QTest::newRow("main window at the top-left corner") << QPoint(10, 10);
        QTest::newRow("main window at the bottom-right corner") << QPoint(-10, -10);
    }
    void staysOnScreen()
    {
        QFETCH(QPoint, mainCentre);
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        const QPoint centre = QPoint(mainCentre.x() < 0 ? area.right() : area.left(),
                                     mainCentre.y() < 0 ? area.bottom() : area.top())
                              + mainCentre;
        host->main.move(centre - host->main.rect().center());
        openAbout(false);
        const QRect placed = window->frameGeometry();
        QVERIFY(area.contains(placed));
        QRect centred(QPoint(), placed.size());
        centred.moveCenter(centre);
        if (area.contains(centred))
            QCOMPARE(placed, centred);
    }

    void takesPartOnlyInTheEffects()
    {
        host->onTopFlag = true;
        openAbout(true);
        QVERIFY(!host->dock().isRegistered(window));
        QVERIFY(!isAlwaysOnTop(window));
        const QPoint before = window->pos();
        QTest::mousePress(window, Qt::LeftButton, {}, QPoint(2, 2));
        QTest::mouseMove(window, QPoint(60, 60));
        QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(60, 60));
        QCOMPARE(window->pos(), before);
    }

    void closeControlTwice()
    {
        openAbout(false);
        QVERIFY(!window->close());
        test::verifyCloseControl(window, *host, Companion::About);
    }
};

QTEST_MAIN(TestAboutWindow)
#include "tst_about_window.moc"
