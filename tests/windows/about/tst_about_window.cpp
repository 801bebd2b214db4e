#include "support/window_test_helpers.h"
#include "windows/about/about_names.h"
#include "windows/about/about_window.h"
#include "windows/common/appearance.h"

#include <QApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QUrl>
#include <QtTest>

#include <memory>

using namespace radixon;

class TestAboutWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<test::FakeHost> host;
    QPointer<AboutWindow> window;
    std::vector<QUrl> opened;

    QString caption(const char *name) const
    {
        if (auto *frame = window->findChild<QGroupBox *>(QLatin1String(name)))
            return frame->title();
        return test::control<QLabel>(window, name)->text();
    }
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

    void opensInTheLanguageOfTheMoment_data()
    {
        QTest::addColumn<bool>("greek");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("presentationFrame");
        QTest::addColumn<QString>("noticeFrame");
        QTest::addColumn<QStringList>("presentation");

        QTest::newRow("English")
            << false << QStringLiteral("About:") << QStringLiteral("About Radixon")
            << QStringLiteral("License")
            << test::textLines({
                   "The << Radixon >> is a program created by Zendor.",
                   "It was created for educational reasons.",
                   "",
                   "It's a program for converting decimal numbers to Binary, "
                   "Octal and Hexademical system and other...",
                   "",
                   "Features:",
                   "1. Decimal convertion to Binary, Octal and Hexademical system.",
                   "2. Binary, Octal and Hexademical convertion to Decimal.",
                   "3. Any base convertion.",
                   "4. List with Binary, Octal and Hexademical first 100 numbers.",
                   "5. Temporary list.",
               });
        QTest::newRow("Greek")
            << true << QString::fromUtf8("Σχετικά:") << QString::fromUtf8("Σχετικά Με Τον Radixon")
            << QString::fromUtf8("Άδεια")
            << test::textLines({
                   "Ο << Radixon >> είναι ένα πρόγραμμα δημιουργημένο από τον Zendor.",
                   "Δημιουργήθηκε για λόγους εκπαιδευτικούς.",
                   "",
                   "Είναι ένα πρόγραμμα για μετατροπή δεκαδικών αριθμών σε Δυαδικό, Οκταδικό και "
                   "Δεκαεξαδικό σύστημα.",
                   "",
                   "Χαρακτηριστικά:",
                   "1. Μετατροπή δεκαδικού αριθμού σε Δυαδικό, Οκταδικό και Δεκαεξαδικό.",
                   "2. Μετατροπή Δυαδικού, Οκταδικού και Δεκαεξαδικού αριθμού σε δεκαδικό.",
                   "3. Οποιαδήποτε μετατροπή αριθμού.",
                   "4. Λίστα με τους πρώτους 100 Δυαδικούς, Οκταδικούς και Δεκαεξαδικούς αριθμούς.",
                   "5. Προσωρινή λίστα.",
               });
    }

    void opensInTheLanguageOfTheMoment()
    {
        QFETCH(bool, greek);
        QFETCH(QString, title);
        QFETCH(QString, presentationFrame);
        QFETCH(QString, noticeFrame);
        QFETCH(QStringList, presentation);
        openAbout(greek);
        QCOMPARE(window->windowTitle(), title);
        QCOMPARE(caption(about::name::aboutFrame), presentationFrame);
        QCOMPARE(caption(about::name::licenceFrame), noticeFrame);
        QCOMPARE(caption(about::name::aboutText).split(QLatin1Char('\n')), presentation);
        QCOMPARE(caption(about::name::licenceText).count(QLatin1Char('\n')), 1);
        QCOMPARE(caption(about::name::webAddressLink),
                 QStringLiteral("https://radixon.example.org"));
        QCOMPARE(test::captionsCutOff(window), QStringList());

        // A later switch of the main window's language leaves the open window alone.
        host->greekFlag = !greek;
        QCOMPARE(window->windowTitle(), title);
        QCOMPARE(caption(about::name::aboutText).split(QLatin1Char('\n')), presentation);
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
        QTest::newRow("picture") << about::name::picture << Qt::LeftButton << inside << 0;
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

    void closeControlPlaysTheCloseEffect()
    {
        openAbout(false);
        QVERIFY(!window->close());
        QVERIFY(!window->close()); // a second request while closing changes nothing
        QTRY_VERIFY(window.isNull());
        QCOMPARE(host->unloading, std::vector<Companion>{Companion::About});
    }
};

QTEST_MAIN(TestAboutWindow)
#include "tst_about_window.moc"
