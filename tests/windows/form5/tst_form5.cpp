#include "support/fake_host.h"
#include "window_services/form_effects.h"
#include "window_services/hover_button.h"
#include "window_services/ontop_notontop_less.h"
#include "windows/common/appearance.h"
#include "windows/common/bilingual.h"
#include "windows/common/twips.h"
#include "windows/form5/form5.h"
#include "windows/form5/to_decimal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

#include <memory>

using namespace radixon;

namespace {

QtMessageHandler defaultHandler = nullptr;

// The offscreen platform reports every mask an effect sets and every change of a
// fixed size.
void dropPlatformNoise(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.contains(QLatin1String("mask"), Qt::CaseInsensitive)
        || message.contains(QLatin1String("propagateSizeHints")))
        return;
    defaultHandler(type, context, message);
}

enum class Trigger { Button, Enter };

QString u(const char *text) { return QString::fromUtf8(text); }

} // namespace

Q_DECLARE_METATYPE(Trigger)

class TestForm5 : public QObject {
    Q_OBJECT

    std::unique_ptr<test::FakeHost> host;
    QPointer<Form5> window;

    template <class T = QWidget>
    T *control(const char *name) const
    {
        T *found = window->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QComboBox *systems() const { return control<QComboBox>("Combo1"); }
    QLineEdit *number() const { return control<QLineEdit>("Text1"); }
    QString result() const { return control<QLineEdit>("Text2")->text(); }
    QCheckBox *box(const char *name) const { return control<QCheckBox>(name); }
    void clickBox(const char *name) const { QTest::mouseClick(box(name), Qt::LeftButton); }

    // Opens the window as the main window does, and waits until it is in full view.
    bool open(bool greek = false, bool onTop = false)
    {
        host->greekFlag = greek;
        host->onTopFlag = onTop;
        window = new Form5(*host);
        window->load();
        finishEffect(window);
        window->activateWindow();
        return QTest::qWaitForWindowActive(window);
    }

    void chooseSystem(int index) const
    {
        QTest::keyClick(systems(), Qt::Key_Home);
        for (int i = 0; i < index; ++i)
            QTest::keyClick(systems(), Qt::Key_Down);
    }
    void typeNumber(const QString &text) const
    {
        QTest::keyClick(number(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(number(), Qt::Key_Delete);
        QTest::keyClicks(number(), text);
    }
    void calculate(Trigger trigger) const
    {
        if (trigger == Trigger::Button)
            QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton);
        else
            QTest::keyClick(number(), Qt::Key_Return);
    }

    // Every text a user can read: title, captions and tooltips, in a fixed order.
    QStringList allTexts() const
    {
        QStringList texts{window->windowTitle()};
        for (const QWidget *child : window->findChildren<QWidget *>()) {
            texts << child->toolTip();
            if (auto *frame = qobject_cast<const QGroupBox *>(child))
                texts << frame->title();
            else if (auto *label = qobject_cast<const QLabel *>(child))
                texts << label->text();
            else if (auto *button = qobject_cast<const QAbstractButton *>(child))
                texts << button->text();
        }
        return texts;
    }

private slots:
    void initTestCase()
    {
        defaultHandler = qInstallMessageHandler(dropPlatformNoise);
        applyAppearance(*qApp);
    }

    void init()
    {
        host = std::make_unique<test::FakeHost>();
        // The main window is the first window the docking manager knows.
    }

    void cleanup()
    {
        delete window.data();
        host.reset();
    }

    void calculate_data()
    {
        QTest::addColumn<int>("system");
        QTest::addColumn<QString>("digits");
        QTest::addColumn<Trigger>("trigger");
        QTest::addColumn<QString>("expected");

        struct Row {
            const char *name;
            int system;
            const char *digits;
            const char *expected; // empty: the result box is cleared
        };
        const Row rows[] = {
            {"binary 1010", 0, "1010", "10"},
            {"binary zero", 0, "0", "0"},
            {"fifty binary ones", 0, "11111111111111111111111111111111111111111111111111",
             "1125899906842623"},
            {"octal 777", 1, "777", "511"},
            {"hexadecimal FF", 2, "FF", "255"},
            {"hexadecimal in lower case", 2, "ff", "255"},
            {"hexadecimal beyond a double's precision", 2, "FFFFFFFFFFFFFFFFFFFFFFFF",
             "79228162514264337593543950335"},
            {"binary with a space", 0, "1 ", ""},
            {"binary with the digit 2", 0, "12", ""},
            {"binary with a letter", 0, "1A", ""},
            {"octal with the digit 9", 1, "19", ""},
            {"hexadecimal with a G", 2, "1G", ""},
            {"hexadecimal with a sign", 2, "-1", ""},
            {"hexadecimal with a point", 2, "1.5", ""},
            {"empty number keeps the result", 0, "", "1"},
        };
        for (const Row &row : rows) {
            QTest::addRow("%s by button", row.name)
                << row.system << u(row.digits) << Trigger::Button << u(row.expected);
            QTest::addRow("%s by Enter", row.name)
                << row.system << u(row.digits) << Trigger::Enter << u(row.expected);
        }
    }

    void calculate()
    {
        QFETCH(int, system);
        QFETCH(QString, digits);
        QFETCH(Trigger, trigger);
        QFETCH(QString, expected);
        QVERIFY(open());

        chooseSystem(system);
        QCOMPARE(systems()->currentIndex(), system);
        typeNumber(QStringLiteral("1"));
        calculate(trigger);
        QCOMPARE(result(), QStringLiteral("1"));

        typeNumber(digits);
        calculate(trigger);
        QCOMPARE(result(), expected);
        QCOMPARE(number()->text(), digits);
    }

    void languageBoxFlipsEveryText_data()
    {
        QTest::addColumn<bool>("openInGreek");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("languageBox");
        QTest::addColumn<QString>("resultLabel");
        QTest::addColumn<QString>("tooltip");

        QTest::newRow("English to Greek")
            << false << u("Radixon Από Τον Zendor") << u("Greek/English") << u("Δεκαδικό Αποτέλεσμα:")
            << u("Πληκτρολόγισε αριθμό και πάτησε [Υπολογισμός] ή Enter");
        QTest::newRow("Greek to English")
            << true << u("Radixon By Zendor") << u("Ελληνικά/Αγγλικά") << u("Decimal Result:")
            << u("Enter number and press [Calculate] or Enter");
    }

    void languageBoxFlipsEveryText()
    {
        QFETCH(bool, openInGreek);
        QFETCH(QString, title);
        QFETCH(QString, languageBox);
        QFETCH(QString, resultLabel);
        QFETCH(QString, tooltip);
        QVERIFY(open(openInGreek));

        const QStringList before = allTexts();
        clickBox("Check1");
        const QStringList after = allTexts();
        QCOMPARE(after.size(), before.size());
        for (int i = 0; i < before.size(); ++i) {
            if (!before[i].isEmpty())
                QVERIFY2(after[i] != before[i], qPrintable(before[i]));
        }
        QCOMPARE(window->windowTitle(), title);
        QCOMPARE(box("Check1")->text(), languageBox);
        QCOMPARE(control<QLabel>("Label4")->text(), resultLabel);
        QCOMPARE(control("Text1")->toolTip(), tooltip);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text1"));

        clickBox("Check1");
        QCOMPARE(allTexts(), before);
    }

    void languageSwitchRefillsSystemsAndKeepsFields_data()
    {
        QTest::addColumn<bool>("openInGreek");
        QTest::addColumn<QStringList>("entriesAfterSwitch");

        QTest::newRow("English to Greek")
            << false << QStringList{u("Δυαδικό"), u("Οκταδικό"), u("Δεκαεξαδικό")};
        QTest::newRow("Greek to English")
            << true << QStringList{u("Binary"), u("Octal"), u("Hexademical")};
    }

    void languageSwitchRefillsSystemsAndKeepsFields()
    {
        QFETCH(bool, openInGreek);
        QFETCH(QStringList, entriesAfterSwitch);
        QVERIFY(open(openInGreek));

        chooseSystem(2);
        typeNumber(QStringLiteral("FF"));
        calculate(Trigger::Button);
        QCOMPARE(result(), QStringLiteral("255"));

        clickBox("Check1");
        QStringList entries;
        for (int i = 0; i < systems()->count(); ++i)
            entries << systems()->itemText(i);
        QCOMPARE(entries, entriesAfterSwitch);
        QCOMPARE(systems()->currentIndex(), 0);
        QCOMPARE(number()->text(), QStringLiteral("FF"));
        QCOMPARE(result(), QStringLiteral("255"));
        QCOMPARE(QApplication::focusWidget(), number());
    }

    void captionsFit_data()
    {
        QTest::addColumn<bool>("greek");
        QTest::newRow("English") << false;
        QTest::newRow("Greek") << true;
    }

    void captionsFit()
    {
        QFETCH(bool, greek);
        QVERIFY(open(greek));

        QList<QWidget *> captioned;
        for (QWidget *child : window->findChildren<QWidget *>()) {
            if (qobject_cast<QLabel *>(child) || qobject_cast<QAbstractButton *>(child)
                || qobject_cast<QGroupBox *>(child))
                captioned << child;
        }
        QCOMPARE(captioned.size(), 10);
        for (QWidget *child : captioned) {
            QVERIFY2(captionFits(child), qPrintable(child->objectName()));
            const QRect inParent = child->geometry();
            QVERIFY2(child->parentWidget()->rect().contains(inParent),
                     qPrintable(child->objectName()));
        }
    }

    void tabVisitsTheControlsInOrder()
    {
        QVERIFY(open());
        systems()->setFocus();
        QStringList visited{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < 6; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        // The disabled "Dock" box is passed over.
        QCOMPARE(visited, (QStringList{QStringLiteral("Combo1"), QStringLiteral("Text1"),
                                       QStringLiteral("Text2"), QStringLiteral("Command2"),
                                       QStringLiteral("Check5"), QStringLiteral("Check3"),
                                       QStringLiteral("Check1")}));
    }

    void optionsBoxShowsAndHidesTheOptionsFrame()
    {
        QVERIFY(open());
        auto *frame1 = control<QGroupBox>("Frame1");
        auto *frame2 = control<QGroupBox>("Frame2");
        const int margin = frame1->x();

        clickBox("Check5");
        QCOMPARE(window->height(), frame1->geometry().bottom() + 1 + margin);
        QVERIFY(!frame2->isVisible());
        QCOMPARE(QApplication::focusWidget(), number());

        clickBox("Check5");
        QCOMPARE(window->height(), frame2->geometry().bottom() + 1 + margin);
        QVERIFY(frame2->isVisible());
        QCOMPARE(QApplication::focusWidget(), number());
    }

    void onTopBoxPutsTheWindowOnTop()
    {
        QVERIFY(open());
        QVERIFY(!isOnTop(window));
        clickBox("Check3");
        QVERIFY(isOnTop(window));
        clickBox("Check3");
        QVERIFY(!isOnTop(window));
    }

    void loadSequence_data()
    {
        QTest::addColumn<bool>("greek");
        QTest::addColumn<bool>("mainOnTop");
        QTest::addColumn<bool>("onTop");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("firstSystem");

        const QString english = QStringLiteral("Radixon By Zendor");
        const QString greek = u("Radixon Από Τον Zendor");
        QTest::newRow("English") << false << false << false << english << u("Binary");
        QTest::newRow("English ignores the main window on top")
            << false << true << false << english << u("Binary");
        QTest::newRow("Greek") << true << false << false << greek << u("Δυαδικό");
        QTest::newRow("Greek copies the main window on top")
            << true << true << true << greek << u("Δυαδικό");
    }

    void loadSequence()
    {
        QFETCH(bool, greek);
        QFETCH(bool, mainOnTop);
        QFETCH(bool, onTop);
        QFETCH(QString, title);
        QFETCH(QString, firstSystem);

        host->greekFlag = greek;
        host->onTopFlag = mainOnTop;
        window = new Form5(*host);
        window->load();
        QVERIFY(host->dock().isRegistered(window));
        QVERIFY(window->isVisible());
        QVERIFY(isEffectRunning(window));
        QCOMPARE(window->pos(), QPoint(twipsToPixels(500), twipsToPixels(500)));
        QVERIFY(box("Check5")->isChecked());
        QCOMPARE(window->height(), twipsToPixels(4155));
        QCOMPARE(box("Check1")->isChecked(), greek);
        QCOMPARE(box("Check3")->isChecked(), onTop);
        QCOMPARE(isOnTop(window), onTop);
        QVERIFY(!box("Check2")->isEnabled());
        QCOMPARE(window->windowTitle(), title);
        QCOMPARE(systems()->count(), 3);
        QCOMPARE(systems()->currentIndex(), 0);
        QCOMPARE(systems()->currentText(), firstSystem);
        QVERIFY(number()->text().isEmpty() && result().isEmpty());
        QTRY_VERIFY(!isEffectRunning(window));
        QVERIFY(host->unloading.empty());
    }

    void closeControlClearsTheMainWindowBox_data()
    {
        QTest::addColumn<bool>("duringOpenEffect");
        QTest::addColumn<int>("closes");
        QTest::newRow("after the open effect") << false << 1;
        QTest::newRow("while the open effect runs") << true << 1;
        QTest::newRow("closed twice while closing") << false << 2;
    }

    void closeControlClearsTheMainWindowBox()
    {
        QFETCH(bool, duringOpenEffect);
        QFETCH(int, closes);
        window = new Form5(*host);
        window->load();
        if (!duringOpenEffect)
            finishEffect(window);

        for (int i = 0; i < closes; ++i)
            QVERIFY(!window->close());
        QCOMPARE(host->unloading, std::vector<Companion>{Companion::ToDecimal});
        QVERIFY(!host->dock().isRegistered(window));
        QTRY_VERIFY(window.isNull());
        QCOMPARE(host->unloading.size(), std::size_t{1});
    }

    void dragByTheSurfaceAndFrames_data()
    {
        QTest::addColumn<QString>("surface");
        QTest::addColumn<bool>("drags");
        QTest::newRow("window") << "Form5" << true;
        QTest::newRow("Frame1") << "Frame1" << true;
        QTest::newRow("Frame2") << "Frame2" << true;
        QTest::newRow("number field") << "Text1" << false;
        QTest::newRow("options box") << "Check5" << false;
    }

    void dragByTheSurfaceAndFrames()
    {
        QFETCH(QString, surface);
        QFETCH(bool, drags);
        QVERIFY(open());

        QWidget *pressed = surface == window->objectName() ? window.data()
                                                            : control(qPrintable(surface));
        // A spot of the frames and of the window that no control covers.
        const QPoint spot = drags ? QPoint(pressed->width() - 4, pressed->height() - 4)
                                  : pressed->rect().center();
        QTest::mousePress(pressed, Qt::LeftButton, {}, spot);
        QCOMPARE(host->dock().isDragging(), drags);
        QTest::mouseRelease(pressed, Qt::LeftButton, {}, spot);
        QVERIFY(!host->dock().isDragging());
    }

    void hoverMakesTheCaptionBold_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("options box") << "Check5";
        QTest::newRow("Calculate button") << "Command2";
    }

    void hoverMakesTheCaptionBold()
    {
        QFETCH(QString, name);
        QVERIFY(open());
        auto *hovered = control<QAbstractButton>(qPrintable(name));
        QTest::mouseMove(window, QPoint(1, 1));
        QTest::mouseMove(hovered, hovered->rect().center());
        QTRY_VERIFY(hovered->font().bold());
        QCOMPARE(hoveredControl(), hovered);
        QTest::mouseMove(window, QPoint(1, 1));
        QTRY_VERIFY(!hovered->font().bold());
    }

    void toDecimalRejectsUnknownSystems_data()
    {
        QTest::addColumn<int>("system");
        QTest::newRow("before the list") << -1;
        QTest::newRow("after the list") << 3;
    }

    void toDecimalRejectsUnknownSystems()
    {
        QFETCH(int, system);
        QVERIFY(!toDecimalText(system, QStringLiteral("1")));
    }
};

QTEST_MAIN(TestForm5)
#include "tst_form5.moc"
