#include "main_window/main_window.h"
#include "main_window/main_window_names.h"
#include "support/window_test_helpers.h"
#include "window_services/always_on_top.h"
#include "windows/common/appearance.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
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
        QCOMPARE(test::clientHeight(window.get()), 228); // options panel out of sight
        QVERIFY(control(main_window::name::optionsPanel)->geometry().top() >= window->height());
        QCOMPARE(window->windowTitle(), QString::fromUtf8("Radixon Από Τον Zendor"));
        QVERIFY(window->greek());
        QCOMPARE(control<QComboBox>(main_window::name::systemList)->currentText(),
                 QString::fromUtf8("Δυαδικό"));
        QCOMPARE(QApplication::focusWidget(), entry());
        QVERIFY(entry()->text().isEmpty() && result().isEmpty() && preview().isEmpty());
    }

    void previewFollowsTheNumber_data()
    {
        QTest::addColumn<bool>("pasted");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("expected");
        QTest::newRow("255 typed") << false << "255"
                                   << "255"
                                   << "11111111 - 377 - FF";
        QTest::newRow("letters, signs and separators typed are dropped") << false << "1a-,. 2"
                                                                         << "12"
                                                                         << "1100 - 14 - C";
        QTest::newRow("pasted beyond the largest value") << true << "79228162514264337593543950336"
                                                         << "79228162514264337593543950336"
                                                         << " -  - ";
        QTest::newRow("pasted fraction") << true << "2.5"
                                         << "2.5"
                                         << "10 - 2 - 2";
    }
    void previewFollowsTheNumber()
    {
        QFETCH(bool, pasted);
        QFETCH(QString, input);
        QFETCH(QString, kept);
        QFETCH(QString, expected);
        QApplication::clipboard()->setText(input);
        if (pasted)
            QTest::keySequence(entry(), QKeySequence::Paste);
        else
            typeNumber(input);
        QCOMPARE(entry()->text(), kept);
        QCOMPARE(preview(), expected);
    }

    // The entry's filter lets the editing keys through.
    void editingKeysWork()
    {
        typeNumber(QStringLiteral("1234"));
        QTest::keyClick(entry(), Qt::Key_Backspace);
        QTest::keyClick(entry(), Qt::Key_Home);
        QTest::keyClick(entry(), Qt::Key_Delete);
        QCOMPARE(entry()->text(), QStringLiteral("23"));
        QCOMPARE(preview(), QStringLiteral("10111 - 27 - 17"));
    }

    // Each row follows a first result, 10 in binary.
    void calculates_data()
    {
        QTest::addColumn<int>("system");
        QTest::addColumn<QString>("number");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("expected");
        const int none = Qt::NoModifier, enter = Qt::Key_Return;
        QTest::newRow("binary by Enter") << 0 << "255" << enter << none << "11111111";
        QTest::newRow("octal by keypad Enter")
            << 1 << "255" << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "377";
        QTest::newRow("hexadecimal by Shift+Enter")
            << 2 << "255" << enter << int(Qt::ShiftModifier) << "FF";
        QTest::newRow("empty field keeps the result") << 0 << "" << enter << none << "1010";
        QTest::newRow("above the largest value clears it")
            << 0 << "79228162514264337593543950336" << enter << none << "";
    }
    void calculates()
    {
        QFETCH(int, system);
        QFETCH(QString, number);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, expected);
        typeNumber(QStringLiteral("10"));
        QTest::keyClick(entry(), Qt::Key_Return);
        QCOMPARE(result(), QStringLiteral("1010"));
        entry()->clear();
        control<QComboBox>(main_window::name::systemList)->setCurrentIndex(system);
        typeNumber(number);
        QTest::keyClick(entry(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(result(), expected);
        QCOMPARE(entry()->text(), number); // Enter inserts nothing
        QCOMPARE(QApplication::focusWidget(), entry());
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
