#include "support/window_test_helpers.h"
#include "windows/common/appearance.h"
#include "windows/common/converter_names.h"
#include "windows/common/layout.h"
#include "windows/other_base/other_base_names.h"
#include "windows/other_base/other_base_window.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

using namespace radixon;

namespace {
enum class Trigger { Button, EnterInNumber, EnterInBase };
}
Q_DECLARE_METATYPE(Trigger)

class TestOtherBaseWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<test::FakeHost> host;
    QPointer<OtherBaseWindow> window;

    QLineEdit *base() const
    {
        return test::control<QLineEdit>(window, other_base::name::baseField);
    }
    QLineEdit *number() const
    {
        return test::control<QLineEdit>(window, other_base::name::numberField);
    }
    QString result() const
    {
        return test::control<QLineEdit>(window, other_base::name::resultField)->text();
    }
    void calculate(const QString &baseText, const QString &digits,
                   Trigger trigger = Trigger::Button) const
    {
        base()->setText(baseText);
        number()->setText(digits);
        if (trigger == Trigger::Button)
            QTest::mouseClick(test::control<QPushButton>(window, other_base::name::calculateButton),
                              Qt::LeftButton);
        else
            QTest::keyClick(trigger == Trigger::EnterInBase ? base() : number(), Qt::Key_Return);
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
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("digits");
        QTest::addColumn<Trigger>("trigger");
        QTest::addColumn<QString>("expected"); // empty: the result box is cleared
        const Trigger button = Trigger::Button;
        QTest::newRow("base 2 by button") << "2"
                                          << "10" << button << "1010";
        QTest::newRow("base 16 by Enter") << "16"
                                          << "255" << Trigger::EnterInNumber << "FF";
        QTest::newRow("base 255") << "255"
                                  << "255" << button << "10";
        QTest::newRow("base 2.5 is used as 2") << "2.5"
                                               << "5" << button << "101";
        QTest::newRow("base 3.5 is used as 4") << "3.5"
                                               << "5" << button << "11";
        QTest::newRow("empty base") << ""
                                    << "5" << button << "";
        QTest::newRow("base not a number") << "x"
                                           << "5" << button << "";
        QTest::newRow("base 1") << "1"
                                << "5" << button << "";
        QTest::newRow("base 256") << "256"
                                  << "5" << button << "";
        QTest::newRow("base 255.5") << "255.5"
                                    << "5" << button << "";
        QTest::newRow("number too large") << "2"
                                          << "79228162514264337593543950336" << button << "";
        QTest::newRow("negative number by Enter") << "2"
                                                  << "-1" << Trigger::EnterInNumber << "";
        QTest::newRow("number not a number") << "2"
                                             << "12a" << button << "";
        QTest::newRow("empty number keeps the result") << "x"
                                                       << "" << button << "1";
        QTest::newRow("Enter in the base field does nothing")
            << "2"
            << "10" << Trigger::EnterInBase << "1";
    }
    void calculate()
    {
        QFETCH(QString, base);
        QFETCH(QString, digits);
        QFETCH(Trigger, trigger);
        QFETCH(QString, expected);
        QVERIFY(test::open(window, *host, false));
        calculate(QStringLiteral("2"), QStringLiteral("1"));
        QCOMPARE(result(), QStringLiteral("1"));
        calculate(base, digits, trigger);
        QCOMPARE(result(), expected);
    }

    void languageBox_data()
    {
        QTest::addColumn<bool>("openInGreek");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("baseLabel");
        QTest::newRow("English to Greek") << false << "Radixon Από Τον Zendor"
                                          << "Πληκτρολόγισε Βάση:";
        QTest::newRow("Greek to English") << true << "Radixon By Zendor"
                                          << "Enter Base Number:";
    }
    void languageBox()
    {
        QFETCH(bool, openInGreek);
        QFETCH(QString, title);
        QFETCH(QString, baseLabel);
        QVERIFY(test::open(window, *host, openInGreek));
        calculate(QStringLiteral("16"), QStringLiteral("255"));
        QCOMPARE(test::captionsCutOff(window), QStringList());
        test::clickBox(window, converter::name::languageBox);
        QCOMPARE(test::captionsCutOff(window), QStringList());
        QCOMPARE(window->windowTitle(), title);
        QCOMPARE(test::control<QLabel>(window, other_base::name::baseLabel)->text(), baseLabel);
        QCOMPARE(result(), QStringLiteral("FF"));
        QCOMPARE(QApplication::focusWidget(), base());
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
        // The main window's frame tells how tall this window's outer frame will be.
        host->main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host->main));
        window = new OtherBaseWindow(*host);
        window->load();
        QCOMPARE(window->pos(),
                 QPoint(twipsToPixels(500), twipsToPixels(700) + window->frameGeometry().height()));
        // The options box moves the focus to the number, the language box to the base.
        QCOMPARE(window->focusWidget(), greek ? base() : number());
        test::verifyLoaded(window, *host, greek, mainOnTop);
    }

    void closeControl()
    {
        QVERIFY(test::open(window, *host, false));
        test::verifyCloseControl(window, *host, Companion::OtherBase);
    }
};

QTEST_MAIN(TestOtherBaseWindow)
#include "tst_other_base_window.moc"
