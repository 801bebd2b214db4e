#include "support/window_test_helpers.h"
#include "window_services/window_frame.h"
#include "windows/common/appearance.h"
#include "windows/common/converter_names.h"
#include "windows/common/layout.h"
#include "windows/other_base/other_base_names.h"
#include "windows/other_base/other_base_window.h"
#include "windows/to_decimal/to_decimal_names.h"
#include "windows/to_decimal/to_decimal_window.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

using namespace radixon;

namespace {
enum class Kind { ToDecimal, OtherBase };
// Each window's first field (the system list or the base), number, result and button.
const char *const fields[][4] = {{to_decimal::name::systemList, to_decimal::name::numberField,
                                  to_decimal::name::resultField, to_decimal::name::calculateButton},
                                 {other_base::name::baseField, other_base::name::numberField,
                                  other_base::name::resultField,
                                  other_base::name::calculateButton}};
enum Field { First, Number, Result, Button };
enum Trigger { ByButton, EnterInNumber, EnterInFirst };
} // namespace
Q_DECLARE_METATYPE(Kind)

class TestConverterWindows : public QObject {
    Q_OBJECT

    std::unique_ptr<test::FakeHost> host;
    QPointer<CompanionWindow> window;
    Kind kind = Kind::ToDecimal;

    template <class T = QWidget>
    T *field(Field which) const
    {
        return test::control<T>(window, fields[int(kind)][which]);
    }
    QString result() const { return field<QLineEdit>(Result)->text(); }
    void create()
    {
        if (kind == Kind::ToDecimal)
            window = new ToDecimalWindow(*host);
        else
            window = new OtherBaseWindow(*host);
    }
    bool open(bool greek)
    {
        host->greekFlag = greek;
        create();
        window->load();
        finishEffect(window);
        window->activateWindow();
        return QTest::qWaitForWindowActive(window);
    }
    // `first` is the system's index in the to-decimal window, the base in the other.
    void calculate(const QString &first, const QString &digits, int trigger = ByButton) const
    {
        if (auto *systems = qobject_cast<QComboBox *>(field(First)))
            systems->setCurrentIndex(first.toInt());
        else
            field<QLineEdit>(First)->setText(first);
        field<QLineEdit>(Number)->setText(digits);
        if (trigger == ByButton)
            QTest::mouseClick(field<QPushButton>(Button), Qt::LeftButton);
        else
            QTest::keyClick(field(trigger == EnterInNumber ? Number : First), Qt::Key_Return);
    }

    static void bothWindows()
    {
        QTest::addColumn<Kind>("kind");
        QTest::newRow("to decimal") << Kind::ToDecimal;
        QTest::newRow("other base") << Kind::OtherBase;
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
        setSystemFrames(false);
    }

    // The engine's own tables check the arithmetic; these check the window around it.
    void calculate_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("digits");
        QTest::addColumn<int>("trigger");
        QTest::addColumn<QString>("expected"); // empty: the result box is cleared
        const Kind toDecimal = Kind::ToDecimal, otherBase = Kind::OtherBase;
        const auto row = [](const char *name, Kind kind, const char *first, const char *digits,
                            int trigger, const char *expected) {
            QTest::newRow(name) << kind << QString::fromLatin1(first) << QString::fromLatin1(digits)
                                << trigger << QString::fromLatin1(expected);
        };
        row("to decimal: binary by button", toDecimal, "0", "1010", ByButton, "10");
        row("to decimal: octal by Enter", toDecimal, "1", "777", EnterInNumber, "511");
        row("to decimal: hexadecimal 1G clears the result", toDecimal, "2", "1G", ByButton, "");
        row("to decimal: empty number keeps the result", toDecimal, "0", "", EnterInNumber, "1");
        row("other base: base 2 by button", otherBase, "2", "10", ByButton, "1010");
        row("other base: base 16 by Enter", otherBase, "16", "255", EnterInNumber, "FF");
        row("other base: base 256 clears the result", otherBase, "256", "5", ByButton, "");
        row("other base: empty number keeps the result", otherBase, "x", "", ByButton, "1");
        row("other base: Enter in the base field does nothing", otherBase, "2", "10", EnterInFirst,
            "1");
    }
    void calculate()
    {
        QFETCH(Kind, kind);
        QFETCH(QString, first);
        QFETCH(QString, digits);
        QFETCH(int, trigger);
        QFETCH(QString, expected);
        this->kind = kind;
        QVERIFY(open(false));
        calculate(kind == Kind::ToDecimal ? QStringLiteral("0") : QStringLiteral("2"),
                  QStringLiteral("1"));
        QCOMPARE(result(), QStringLiteral("1"));
        calculate(first, digits, trigger);
        QCOMPARE(result(), expected);
    }

    void languageBox_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<bool>("openInGreek");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("firstCaption"); // the system shown, or the base's label
        QTest::newRow("to decimal, English to Greek")
            << Kind::ToDecimal << false << "Radixon Από Τον Zendor"
            << "Δυαδικό";
        QTest::newRow("other base, Greek to English")
            << Kind::OtherBase << true << "Radixon By Zendor"
            << "Enter Base Number:";
    }
    void languageBox()
    {
        QFETCH(Kind, kind);
        QFETCH(bool, openInGreek);
        QFETCH(QString, title);
        QFETCH(QString, firstCaption);
        this->kind = kind;
        QVERIFY(open(openInGreek));
        const bool toDecimal = kind == Kind::ToDecimal;
        const QString digits = toDecimal ? QStringLiteral("FF") : QStringLiteral("255");
        calculate(toDecimal ? QStringLiteral("2") : QStringLiteral("16"), digits);
        const QString before = result();
        QVERIFY(!before.isEmpty());
        test::clickBox(window, converter::name::languageBox);
        QCOMPARE(window->windowTitle(), title);
        if (auto *systems = qobject_cast<QComboBox *>(field(First))) {
            QCOMPARE(systems->count(), 3);
            QCOMPARE(systems->currentText(), firstCaption);
        } else {
            QCOMPARE(test::control<QLabel>(window, other_base::name::baseLabel)->text(),
                     firstCaption);
        }
        QCOMPARE(field<QLineEdit>(Number)->text(), digits);
        QCOMPARE(result(), before);
        // The language box hands the focus to the window's first field that takes text.
        QCOMPARE(QApplication::focusWidget(), toDecimal ? field(Number) : field(First));
    }

    // One box shows the options panel, another puts the window on top.
    void optionAndOnTopBoxes_data() { bothWindows(); }
    void optionAndOnTopBoxes()
    {
        QFETCH(Kind, kind);
        this->kind = kind;
        QVERIFY(open(false));
        const QWidget *converter = test::control(window, converter::name::converterFrame);
        const QWidget *options = test::control(window, converter::name::optionsPanel);
        test::clickBox(window, converter::name::optionsBox);
        QCOMPARE(window->height(), converter->geometry().bottom() + 1 + converter->x());
        QVERIFY(!options->isVisible());
        test::clickBox(window, converter::name::optionsBox);
        QCOMPARE(window->height(), options->geometry().bottom() + 1 + converter->x());
        QVERIFY(options->isVisible());
        test::clickBox(window, converter::name::onTopBox);
        QVERIFY(isAlwaysOnTop(window));
        test::clickBox(window, converter::name::onTopBox);
        QVERIFY(!isAlwaysOnTop(window));
    }

    // Only a Greek main window passes its on-top state on.
    void loadSequence_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<bool>("greek");
        QTest::addColumn<bool>("mainOnTop");
        QTest::addColumn<bool>("systemFrames");
        QTest::newRow("to decimal, English ignores the main window on top")
            << Kind::ToDecimal << false << true << false;
        QTest::newRow("to decimal, Greek copies the main window on top")
            << Kind::ToDecimal << true << true << false;
        QTest::newRow("to decimal, Greek, main window not on top")
            << Kind::ToDecimal << true << false << false;
        QTest::newRow("other base, English") << Kind::OtherBase << false << false << false;
        QTest::newRow("other base, Greek copies the main window on top")
            << Kind::OtherBase << true << true << false;
        QTest::newRow("other base below the window manager's frame")
            << Kind::OtherBase << false << false << true;
    }
    void loadSequence()
    {
        QFETCH(Kind, kind);
        QFETCH(bool, greek);
        QFETCH(bool, mainOnTop);
        QFETCH(bool, systemFrames);
        this->kind = kind;
        host->greekFlag = greek;
        host->onTopFlag = mainOnTop;
        setSystemFrames(systemFrames);
        // The main window's frame tells how tall this window's outer frame will be.
        host->main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host->main));
        const int frameHeight =
            systemFrames ? host->main.frameGeometry().height() - host->main.geometry().height() : 0;
        create();
        window->load();
        // The other-base window goes right below the to-decimal window's place.
        const int top = kind == Kind::ToDecimal
                            ? twipsToPixels(500)
                            : twipsToPixels(700) + window->height() + frameHeight;
        QCOMPARE(window->pos(), QPoint(twipsToPixels(500), top));
        // The options box focuses the number, the language box the base.
        if (kind == Kind::OtherBase)
            QCOMPARE(window->focusWidget(), greek ? field(First) : field(Number));
        QVERIFY(host->dock().isRegistered(window));
        QVERIFY(isEffectRunning(window));
        QVERIFY(test::control<QCheckBox>(window, converter::name::optionsBox)->isChecked());
        QCOMPARE(test::control<QCheckBox>(window, converter::name::languageBox)->isChecked(),
                 greek);
        QCOMPARE(test::control<QCheckBox>(window, converter::name::onTopBox)->isChecked(),
                 greek && mainOnTop);
        QCOMPARE(isAlwaysOnTop(window), greek && mainOnTop);
    }

    // The unload may be asked for again while it runs, even during the open effect.
    void closeControlTwiceWhileOpening_data() { bothWindows(); }
    void closeControlTwiceWhileOpening()
    {
        QFETCH(Kind, kind);
        this->kind = kind;
        create();
        window->load();
        QVERIFY(!window->close());
        test::verifyCloseControl(
            window, *host, kind == Kind::ToDecimal ? Companion::ToDecimal : Companion::OtherBase);
    }
};

QTEST_MAIN(TestConverterWindows)
#include "tst_converter_windows.moc"
