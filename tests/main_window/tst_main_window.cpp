#include "main_window/main_window.h"
#include "main_window/main_window_names.h"
#include "support/window_test_helpers.h"
#include "window_services/always_on_top.h"
#include "windows/common/appearance.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

using namespace radixon;

class TestMainWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<test::FakeDialogs> dialogs;
    std::unique_ptr<MainWindow> window;

    template <class T = QWidget>
    T *control(const char *name) const
    {
        return test::control<T>(window.get(), name);
    }
    QLineEdit *entry() const { return control<QLineEdit>(main_window::name::numberField); }
    QString result() const { return control<QLineEdit>(main_window::name::resultField)->text(); }
    QString preview() const { return control<QLineEdit>(main_window::name::previewField)->text(); }
    QCheckBox *box(const char *name) const { return control<QCheckBox>(name); }
    void clickBox(const char *name) const { QTest::mouseClick(box(name), Qt::LeftButton); }
    void typeNumber(const QString &text) const { QTest::keyClicks(entry(), text); }

private slots:
    void initTestCase() { applyAppearance(*qApp); }

    void init()
    {
        dialogs = std::make_unique<test::FakeDialogs>();
        window = std::make_unique<MainWindow>(*dialogs);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    void cleanup() { window.reset(); }

    void startsInGreekWithBinarySelected()
    {
        QCOMPARE(test::clientHeight(window.get()),
                 MainWindow::closedHeight); // options panel out of sight
        QVERIFY(control(main_window::name::optionsPanel)->geometry().top() >= window->height());
        QCOMPARE(window->windowTitle(), QString::fromUtf8("Radixon Από Τον Zendor"));
        QVERIFY(window->greek());
        QCOMPARE(box(main_window::name::languageBox)->text(), QStringLiteral("Greek/English"));
        QCOMPARE(box(main_window::name::onTopBox)->text(),
                 QString::fromUtf8("Πάντα Στο Προσκήνιο"));
        auto *systems = control<QComboBox>(main_window::name::systemList);
        QCOMPARE(systems->count(), 3);
        QCOMPARE(systems->currentText(), QString::fromUtf8("Δυαδικό"));
        QCOMPARE(QApplication::focusWidget(), entry());
        QVERIFY(entry()->text().isEmpty() && result().isEmpty() && preview().isEmpty());
    }

    void previewFollowsTyping_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("previews");
        QTest::newRow("255 key by key")
            << QStringLiteral("255")
            << QStringList{QStringLiteral("10 - 2 - 2"), QStringLiteral("11001 - 31 - 19"),
                           QStringLiteral("11111111 - 377 - FF")};
        QTest::newRow("leading zeros")
            << QStringLiteral("007")
            << QStringList{QStringLiteral("0 - 0 - 0"), QStringLiteral("0 - 0 - 0"),
                           QStringLiteral("111 - 7 - 7")};
        QTest::newRow("letters, signs and separators are dropped")
            << QStringLiteral("1a-,. 2")
            << QStringList{QStringLiteral("1 - 1 - 1"),    QStringLiteral("1 - 1 - 1"),
                           QStringLiteral("1 - 1 - 1"),    QStringLiteral("1 - 1 - 1"),
                           QStringLiteral("1 - 1 - 1"),    QStringLiteral("1 - 1 - 1"),
                           QStringLiteral("1100 - 14 - C")};
    }
    void previewFollowsTyping()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, previews);
        for (int i = 0; i < typed.size(); ++i) {
            QTest::keyClick(entry(), typed.at(i).toLatin1());
            QCOMPARE(preview(), previews.at(i));
        }
    }

    void previewOfNumbersBeyondTheRange_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("expected");
        QTest::newRow("largest value")
            << QStringLiteral("79228162514264337593543950335")
            << QStringLiteral("1111111111111111111111111111111111111111111111111111111111111111"
                              "11111111111111111111111111111111 - "
                              "77777777777777777777777777777777 - FFFFFFFFFFFFFFFFFFFFFFFF");
        QTest::newRow("one above the largest")
            << QStringLiteral("79228162514264337593543950336") << QStringLiteral(" -  - ");
        QTest::newRow("pasted text") << QStringLiteral("12x") << QStringLiteral(" -  - ");
        QTest::newRow("pasted fraction") << QStringLiteral("2.5") << QStringLiteral("10 - 2 - 2");
    }
    void previewOfNumbersBeyondTheRange()
    {
        QFETCH(QString, pasted);
        QFETCH(QString, expected);
        QApplication::clipboard()->setText(pasted);
        QTest::keySequence(entry(), QKeySequence::Paste);
        QCOMPARE(entry()->text(), pasted);
        QCOMPARE(preview(), expected);
    }

    void editingKeysWork()
    {
        typeNumber(QStringLiteral("1234"));
        QTest::keyClick(entry(), Qt::Key_Backspace);
        QCOMPARE(entry()->text(), QStringLiteral("123"));
        QTest::keyClick(entry(), Qt::Key_Home);
        QTest::keyClick(entry(), Qt::Key_Delete);
        QCOMPARE(entry()->text(), QStringLiteral("23"));
        QCOMPARE(preview(), QStringLiteral("10111 - 27 - 17"));
        QTest::keySequence(entry(), QKeySequence::SelectAll);
        QTest::keySequence(entry(), QKeySequence::Cut);
        QCOMPARE(entry()->text(), QString());
        QCOMPARE(preview(), QStringLiteral(" -  - "));
        QTest::keySequence(entry(), QKeySequence::Undo);
        QCOMPARE(entry()->text(), QStringLiteral("23"));
    }

    void calculates_data()
    {
        QTest::addColumn<int>("system");
        QTest::addColumn<QString>("number");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("expected");
        const int none = Qt::NoModifier;
        QTest::newRow("binary by Enter") << 0 << "255" << int(Qt::Key_Return) << none << "11111111";
        QTest::newRow("octal by keypad Enter")
            << 1 << "255" << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "377";
        QTest::newRow("hexadecimal by Shift+Enter")
            << 2 << "255" << int(Qt::Key_Return) << int(Qt::ShiftModifier) << "FF";
        QTest::newRow("Ctrl+Enter")
            << 0 << "10" << int(Qt::Key_Return) << int(Qt::ControlModifier) << "1010";
        QTest::newRow("zero") << 0 << "0" << int(Qt::Key_Return) << none << "0";
        QTest::newRow("largest in hexadecimal")
            << 2 << "79228162514264337593543950335" << int(Qt::Key_Return) << none
            << "FFFFFFFFFFFFFFFFFFFFFFFF";
        QTest::newRow("10^28 in hexadecimal")
            << 2 << "10000000000000000000000000000" << int(Qt::Key_Return) << none
            << "204FCE5E3E25026110000000";
    }
    void calculates()
    {
        QFETCH(int, system);
        QFETCH(QString, number);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, expected);
        control<QComboBox>(main_window::name::systemList)->setCurrentIndex(system);
        typeNumber(number);
        QTest::keyClick(entry(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(result(), expected);
        QCOMPARE(entry()->text(), number); // Enter inserts nothing
        QCOMPARE(QApplication::focusWidget(), entry());
    }

    void failedOrEmptyCalculation_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty field keeps the result") << QString() << QStringLiteral("1010");
        QTest::newRow("above the largest value clears it")
            << QStringLiteral("79228162514264337593543950336") << QString();
        QTest::newRow("pasted text clears it") << QStringLiteral("ten") << QString();
    }
    void failedOrEmptyCalculation()
    {
        QFETCH(QString, input);
        QFETCH(QString, expected);
        typeNumber(QStringLiteral("10"));
        QTest::keyClick(entry(), Qt::Key_Return);
        QCOMPARE(result(), QStringLiteral("1010"));
        entry()->setText(input);
        QTest::keyClick(entry(), Qt::Key_Return);
        QCOMPARE(result(), expected);
    }

    void pickingASystemKeepsTheResult()
    {
        typeNumber(QStringLiteral("255"));
        QTest::keyClick(entry(), Qt::Key_Return);
        auto *systems = control<QComboBox>(main_window::name::systemList);
        systems->setFocus();
        QTest::keyClick(systems, Qt::Key_Down);
        QCOMPARE(systems->currentIndex(), 1);
        QCOMPARE(result(), QStringLiteral("11111111"));
    }

    void f1TogglesTheOptionsPanel()
    {
        QTest::keyClick(entry(), Qt::Key_F1);
        QVERIFY(box(main_window::name::optionsBox)->isChecked());
        QCOMPARE(test::clientHeight(window.get()), 368);
        QVERIFY(control(main_window::name::optionsPanel)->geometry().bottom() < window->height());
        QTest::keyClick(entry(), Qt::Key_F1);
        QVERIFY(!box(main_window::name::optionsBox)->isChecked());
        QCOMPARE(test::clientHeight(window.get()), 228);
        QCOMPARE(QApplication::focusWidget(), entry());
    }

    void languageSwitch_data()
    {
        QTest::addColumn<int>("clicks");
        QTest::addColumn<bool>("greek");
        QTest::newRow("one click gives English") << 1 << false;
        QTest::newRow("two clicks give Greek again") << 2 << true;
    }
    void languageSwitch()
    {
        QFETCH(int, clicks);
        QFETCH(bool, greek);
        box(main_window::name::optionsBox)->setChecked(true);
        auto *systems = control<QComboBox>(main_window::name::systemList);
        systems->setCurrentIndex(2);
        typeNumber(QStringLiteral("255"));
        QTest::keyClick(entry(), Qt::Key_Return);
        for (int i = 0; i < clicks; ++i)
            clickBox(main_window::name::languageBox);
        QCOMPARE(window->greek(), greek);
        const auto pick = [greek](const char *english, const char *greekText) {
            return QString::fromUtf8(greek ? greekText : english);
        };
        QCOMPARE(window->windowTitle(), pick("Radixon By Zendor", "Radixon Από Τον Zendor"));
        QCOMPARE(control<QLabel>(main_window::name::systemLabel)->text(),
                 pick("Choose Numerical System:", "Διάλεξε Αριθμητικό Σύστημα:"));
        QCOMPARE(box(main_window::name::languageBox)->text(),
                 pick("Ελληνικά/Αγγλικά", "Greek/English"));
        QCOMPARE(control(main_window::name::aboutPicture)->toolTip(), pick("About:", "Σχετικά:"));
        QCOMPARE(control(main_window::name::resultField)->accessibleName(),
                 pick("Result:", "Αποτέλεσμα:"));
        // Captions fit their boxes in either language, widened within their frames.
        QCOMPARE(test::captionsCutOff(window.get()), QStringList());
        QCOMPARE(systems->count(), 3);
        QCOMPARE(systems->currentIndex(), 0);
        QCOMPARE(systems->itemText(2), pick("Hexademical", "Δεκαεξαδικό"));
        QCOMPARE(result(), QStringLiteral("FF"));
        QCOMPARE(entry()->text(), QStringLiteral("255"));
        QCOMPARE(QApplication::focusWidget(), entry());
    }

    void alwaysOnTopKeepsItsOwnState()
    {
        box(main_window::name::optionsBox)->setChecked(true);
        clickBox(main_window::name::onTopBox);
        QVERIFY(isAlwaysOnTop(window.get()));
        QVERIFY(window->alwaysOnTop());
        clickBox(main_window::name::onTopBox);
        QVERIFY(!isAlwaysOnTop(window.get()));
        QCOMPARE(QApplication::focusWidget(), entry());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
