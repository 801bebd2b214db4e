#include "support/window_test_helpers.h"
#include "window_services/window_frame.h"
#include "windows/common/appearance.h"
#include "windows/common/layout.h"
#include "windows/lists/lists_names.h"
#include "windows/lists/lists_window.h"

#include <QScreen>

#include <memory>

using namespace radixon;

class TestListsWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<test::FakeHost> host;
    QPointer<ListsWindow> window;

    QListWidget *list(int index) const
    {
        const char *names[] = {lists::name::binaryList, lists::name::octalList,
                               lists::name::hexadecimalList};
        return test::control<QListWidget>(window, names[index]);
    }
    void click(int index, int row, bool twice = false) const
    {
        QListWidget *l = list(index);
        l->scrollToItem(l->item(row));
        const QPoint centre = l->visualItemRect(l->item(row)).center();
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, centre);
        if (twice)
            QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, centre);
    }

private slots:
    void initTestCase()
    {
        test::dropPlatformNoise();
        applyAppearance(*qApp);
    }
    void init() { host = std::make_unique<test::FakeHost>(); }
    void cleanup()
    {
        delete window;
        host.reset();
        setSystemFrames(false);
    }

    void listsHoldOneToHundred_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("last");
        QTest::newRow("binary") << 0 << "100 = 1100100";
        QTest::newRow("octal") << 1 << "100 = 144";
        QTest::newRow("hexadecimal") << 2 << "100 = 64";
    }
    void listsHoldOneToHundred()
    {
        QFETCH(int, index);
        QFETCH(QString, last);
        QVERIFY(test::open(window, *host, false));
        QCOMPARE(list(index)->count(), 100);
        QCOMPARE(list(index)->item(0)->text(), QStringLiteral("1 = 1"));
        QCOMPARE(list(index)->item(99)->text(), last);
    }

    void opensNearTheTopRightCorner_data()
    {
        QTest::addColumn<bool>("systemFrames");
        QTest::newRow("its own frame") << false;
        QTest::newRow("the window manager's frame") << true;
    }
    void opensNearTheTopRightCorner()
    {
        QFETCH(bool, systemFrames);
        setSystemFrames(systemFrames);
        // The main window's frame tells how wide this window's outer frame will be.
        host->main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host->main));
        QVERIFY(test::open(window, *host, false));
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(area.right() - window->frameGeometry().right(), twipsToPixels(500));
        QCOMPARE(window->frameGeometry().top() - area.top(), twipsToPixels(500));
    }

    void clickOnBinarySelectsTheSameNumberEverywhere_data()
    {
        QTest::addColumn<bool>("greek");
        QTest::addColumn<QString>("tips");
        QTest::newRow("English") << false << "Binary 10 = 1010|Octal 10 = 12|Hexademical 10 = A";
        QTest::newRow("Greek, switched after opening")
            << true << "Δυαδικό 10 = 1010|Οκταδικό 10 = 12|Δεκαεξαδικό 10 = A";
    }
    void clickOnBinarySelectsTheSameNumberEverywhere()
    {
        QFETCH(bool, greek);
        QFETCH(QString, tips);
        QVERIFY(test::open(window, *host, false));
        host->greekFlag = greek;
        click(0, 9);
        // A list names its selected line in its tooltip.
        QCOMPARE(list(0)->toolTip() + QLatin1Char('|') + list(1)->toolTip() + QLatin1Char('|')
                     + list(2)->toolTip(),
                 tips);
    }

    void doubleClickSendsTheLineInTheLanguageOfTheMoment_data()
    {
        QTest::addColumn<bool>("greek"); // at the click; the window opened in the other language
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("sent");
        QTest::newRow("binary in English") << false << 0 << 4 << "Bin: 5 = 101";
        QTest::newRow("hexadecimal in Greek") << true << 2 << 14 << "Δεκ: 15 = F";
    }
    void doubleClickSendsTheLineInTheLanguageOfTheMoment()
    {
        QFETCH(bool, greek);
        QFETCH(int, index);
        QFETCH(int, row);
        QFETCH(QString, sent);
        QVERIFY(test::open(window, *host, !greek));
        host->greekFlag = greek;
        click(index, row, true);
        QCOMPARE(host->appendedLines, QStringList{sent});
    }

    void closeControl()
    {
        QVERIFY(test::open(window, *host, false));
        test::verifyCloseControl(window, *host, Companion::Lists);
    }
};

QTEST_MAIN(TestListsWindow)
#include "tst_lists_window.moc"
