#include "support/window_test_helpers.h"
#include "windows/common/appearance.h"
#include "windows/common/converter_names.h"
#include "windows/common/layout.h"
#include "windows/to_decimal/to_decimal_names.h"
#include "windows/to_decimal/to_decimal_window.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

using namespace radixon;

class TestToDecimalWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<test::FakeHost> host;
    QPointer<ToDecimalWindow> window;

    QComboBox *systems() const
    {
        return test::control<QComboBox>(window, to_decimal::name::systemList);
    }
    QLineEdit *number() const
    {
        return test::control<QLineEdit>(window, to_decimal::name::numberField);
    }
    QString result() const
    {
        return test::control<QLineEdit>(window, to_decimal::name::resultField)->text();
    }
    void calculate(int system, const QString &digits, bool byEnter = false) const
    {
        systems()->setCurrentIndex(system);
        number()->setText(digits);
        if (byEnter)
            QTest::keyClick(number(), Qt::Key_Return);
        else
            QTest::mouseClick(test::control<QPushButton>(window, to_decimal::name::calculateButton),
                              Qt::LeftButton);
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
        delete window.data();
        host.reset();
    }

    void calculate_data()
    {
        QTest::addColumn<int>("system");
        QTest::addColumn<QString>("digits");
        QTest::addColumn<bool>("byEnter");
        QTest::addColumn<QString>("expected"); // empty: the result box is cleared
        QTest::newRow("binary by button") << 0 << "1010" << false << "10";
        QTest::newRow("octal by Enter") << 1 << "777" << true << "511";
        QTest::newRow("hexadecimal in lower case") << 2 << "ff" << false << "255";
        QTest::newRow("fifty binary ones")
            << 0 << QString(50, QLatin1Char('1')) << false << "1125899906842623";
        QTest::newRow("hexadecimal beyond a double's precision")
            << 2 << "FFFFFFFFFFFFFFFFFFFFFFFF" << false << "79228162514264337593543950335";
        QTest::newRow("binary 12") << 0 << "12" << false << "";
        QTest::newRow("binary with a space") << 0 << "1 " << false << "";
        QTest::newRow("octal 19 by Enter") << 1 << "19" << true << "";
        QTest::newRow("hexadecimal 1G") << 2 << "1G" << false << "";
        QTest::newRow("hexadecimal -1") << 2 << "-1" << false << "";
        QTest::newRow("empty number keeps the result") << 0 << "" << true << "1";
    }
    void calculate()
    {
        QFETCH(int, system);
        QFETCH(QString, digits);
        QFETCH(bool, byEnter);
        QFETCH(QString, expected);
        QVERIFY(test::open(window, *host, false));
        calculate(0, QStringLiteral("1"));
        QCOMPARE(result(), QStringLiteral("1"));
        calculate(system, digits, byEnter);
        QCOMPARE(result(), expected);
    }

    void languageBox_data()
    {
        QTest::addColumn<bool>("openInGreek");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("resultLabel");
        QTest::addColumn<QString>("firstSystem");
        QTest::newRow("English to Greek") << false << "Radixon Από Τον Zendor"
                                          << "Δεκαδικό Αποτέλεσμα:"
                                          << "Δυαδικό";
        QTest::newRow("Greek to English") << true << "Radixon By Zendor"
                                          << "Decimal Result:"
                                          << "Binary";
    }
    void languageBox()
    {
        QFETCH(bool, openInGreek);
        QFETCH(QString, title);
        QFETCH(QString, resultLabel);
        QFETCH(QString, firstSystem);
        QVERIFY(test::open(window, *host, openInGreek));
        calculate(2, QStringLiteral("FF"));
        QCOMPARE(test::captionsCutOff(window), QStringList());
        test::clickBox(window, converter::name::languageBox);
        QCOMPARE(test::captionsCutOff(window), QStringList());
        QCOMPARE(window->windowTitle(), title);
        QCOMPARE(test::control<QLabel>(window, to_decimal::name::resultLabel)->text(), resultLabel);
        QCOMPARE(systems()->count(), 3);
        QCOMPARE(systems()->currentText(), firstSystem);
        QCOMPARE(number()->text(), QStringLiteral("FF"));
        QCOMPARE(result(), QStringLiteral("255"));
        QCOMPARE(QApplication::focusWidget(), number());
    }

    void optionAndOnTopBoxes()
    {
        QVERIFY(test::open(window, *host, false));
        test::verifyOptionAndOnTopBoxes(window);
    }

    void loadSequence_data() { test::addLoadRows(); }
    void loadSequence()
    {
        QFETCH(bool, greek);
        QFETCH(bool, mainOnTop);
        host->greekFlag = greek;
        host->onTopFlag = mainOnTop;
        window = new ToDecimalWindow(*host);
        window->load();
        QCOMPARE(window->pos(), QPoint(twipsToPixels(500), twipsToPixels(500)));
        QCOMPARE(systems()->currentText(),
                 greek ? QString::fromUtf8("Δυαδικό") : QStringLiteral("Binary"));
        test::verifyLoaded(window, *host, greek, mainOnTop);
    }

    // The unload may be asked for again while it runs, even during the open effect.
    void closeControlTwiceWhileOpening()
    {
        window = new ToDecimalWindow(*host);
        window->load();
        QVERIFY(!window->close());
        test::verifyCloseControl(window, *host, Companion::ToDecimal);
    }
};

QTEST_MAIN(TestToDecimalWindow)
#include "tst_to_decimal_window.moc"
