#include "support/fake_host.h"
#include "window_services/form_effects.h"
#include "window_services/hover_button.h"
#include "window_services/ontop_notontop_less.h"
#include "windows/common/appearance.h"
#include "windows/common/bilingual.h"
#include "windows/common/twips.h"
#include "windows/form3/form3.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
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

enum class Trigger { Button, EnterInNumber, EnterInBase };

QString u(const char *text) { return QString::fromUtf8(text); }

} // namespace

Q_DECLARE_METATYPE(Trigger)

class TestForm3 : public QObject {
    Q_OBJECT

    std::unique_ptr<test::FakeHost> host;
    QPointer<Form3> window;

    template <class T = QWidget>
    T *control(const char *name) const
    {
        T *found = window->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QLineEdit *baseField() const { return control<QLineEdit>("Text1"); }
    QLineEdit *number() const { return control<QLineEdit>("Text2"); }
    QString result() const { return control<QLineEdit>("Text3")->text(); }
    QCheckBox *box(const char *name) const { return control<QCheckBox>(name); }
    void clickBox(const char *name) const { QTest::mouseClick(box(name), Qt::LeftButton); }

    // Opens the window as the main window does, and waits until it is in full view.
    bool open(bool greek = false, bool onTop = false)
    {
        host->greekFlag = greek;
        host->onTopFlag = onTop;
        window = new Form3(*host);
        window->load();
        finishEffect(window);
        window->activateWindow();
        return QTest::qWaitForWindowActive(window);
    }

    static void retype(QLineEdit *field, const QString &text)
    {
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, text);
    }
    void calculate(Trigger trigger) const
    {
        switch (trigger) {
        case Trigger::Button:
            QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
            break;
        case Trigger::EnterInNumber: QTest::keyClick(number(), Qt::Key_Return); break;
        case Trigger::EnterInBase: QTest::keyClick(baseField(), Qt::Key_Return); break;
        }
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
        QLocale::setDefault(QLocale::c());
    }

    void calculate_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("digits");
        QTest::addColumn<Trigger>("trigger");
        QTest::addColumn<QString>("expected");

        struct Row {
            const char *name;
            const char *base;
            const char *digits;
            const char *expected; // empty: the result box is cleared
            const char *locale = "C";
        };
        const Row rows[] = {
            {"base 2", "2", "10", "1010"},
            {"base 16", "16", "255", "FF"},
            {"base 255", "255", "255", "10"},
            {"digit above the letters", "255", "254", "254"},
            {"zero", "7", "0", "0"},
            {"number below one", "2", "0.5", "0"},
            {"decimal maximum in base 2", "2", "79228162514264337593543950335",
             "111111111111111111111111111111111111111111111111111111111111111111111111111111111111"
             "111111111111"},
            {"base 2.5 is used as 2", "2.5", "5", "101"},
            {"base 3.5 is used as 4", "3.5", "5", "11"},
            {"base with the locale's comma", "2,5", "5,5", "101", "de_DE"},
            {"base with a point where the locale has a comma", "2.5", "5", "", "de_DE"},
            {"base 255.5", "255.5", "5", ""},
            {"base 256", "256", "5", ""},
            {"base 1", "1", "5", ""},
            {"base 0", "0", "5", ""},
            {"negative base", "-2", "5", ""},
            {"empty base", "", "5", ""},
            {"base that is no number", "x", "5", ""},
            {"negative number", "2", "-1", ""},
            {"number beyond the decimal range", "2", "79228162514264337593543950336", ""},
            {"number that is no number", "2", "12a", ""},
            {"empty number keeps the result", "2", "", "1"},
            {"empty number with a bad base keeps the result", "x", "", "1"},
        };
        for (const Row &row : rows) {
            QTest::addRow("%s by button", row.name) << u(row.locale) << u(row.base)
                                                    << u(row.digits) << Trigger::Button
                                                    << u(row.expected);
            QTest::addRow("%s by Enter", row.name) << u(row.locale) << u(row.base)
                                                   << u(row.digits) << Trigger::EnterInNumber
                                                   << u(row.expected);
        }
        QTest::newRow("Enter in the base field converts nothing")
            << u("C") << u("2") << u("10") << Trigger::EnterInBase << u("1");
        QTest::newRow("Enter in the base field clears nothing")
            << u("C") << u("x") << u("10") << Trigger::EnterInBase << u("1");
    }

    void calculate()
    {
        QFETCH(QString, locale);
        QFETCH(QString, base);
        QFETCH(QString, digits);
        QFETCH(Trigger, trigger);
        QFETCH(QString, expected);
        QLocale::setDefault(QLocale(locale));
        QVERIFY(open());

        retype(baseField(), QStringLiteral("2"));
        retype(number(), QStringLiteral("1"));
        QTest::keyClick(number(), Qt::Key_Return);
        QCOMPARE(result(), QStringLiteral("1"));

        retype(baseField(), base);
        retype(number(), digits);
        calculate(trigger);
        QCOMPARE(result(), expected);
        if (trigger != Trigger::EnterInBase)
            QCOMPARE(QApplication::focusWidget(), number());
    }

    void languageBoxFlipsEveryText_data()
    {
        QTest::addColumn<bool>("openInGreek");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("languageBox");
        QTest::addColumn<QString>("baseLabel");
        QTest::addColumn<QString>("tooltip");

        QTest::newRow("English to Greek")
            << false << u("Radixon Από Τον Zendor") << u("Greek/English") << u("Πληκτρολόγισε Βάση:")
            << u("Πληκτρολόγισε αριθμό και πάτησε [Υπολογισμός] ή Enter");
        QTest::newRow("Greek to English")
            << true << u("Radixon By Zendor") << u("Ελληνικά/Αγγλικά") << u("Enter Base Number:")
            << u("Enter number and press [Calculate] or Enter");
    }

    void languageBoxFlipsEveryText()
    {
        QFETCH(bool, openInGreek);
        QFETCH(QString, title);
        QFETCH(QString, languageBox);
        QFETCH(QString, baseLabel);
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
        QCOMPARE(control<QLabel>("Label1")->text(), baseLabel);
        QCOMPARE(control("Text2")->toolTip(), tooltip);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text1"));

        clickBox("Check1");
        QCOMPARE(allTexts(), before);
    }

    void languageSwitchKeepsTheFields()
    {
        QVERIFY(open());
        retype(baseField(), QStringLiteral("16"));
        retype(number(), QStringLiteral("255"));
        QTest::keyClick(number(), Qt::Key_Return);
        clickBox("Check1");
        QCOMPARE(baseField()->text(), QStringLiteral("16"));
        QCOMPARE(number()->text(), QStringLiteral("255"));
        QCOMPARE(result(), QStringLiteral("FF"));
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
            QVERIFY2(child->parentWidget()->rect().contains(child->geometry()),
                     qPrintable(child->objectName()));
        }
    }

    void tabVisitsTheControlsInOrder()
    {
        QVERIFY(open());
        baseField()->setFocus();
        QStringList visited{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < 6; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        // The disabled "Dock" box is passed over.
        QCOMPARE(visited, (QStringList{QStringLiteral("Text1"), QStringLiteral("Text2"),
                                       QStringLiteral("Text3"), QStringLiteral("Command1"),
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
        QTest::addColumn<QString>("focused");

        const QString english = QStringLiteral("Radixon By Zendor");
        const QString greek = u("Radixon Από Τον Zendor");
        // The options box moves the focus to the number, the language box to the base.
        QTest::newRow("English") << false << false << false << english << "Text2";
        QTest::newRow("English ignores the main window on top")
            << false << true << false << english << "Text2";
        QTest::newRow("Greek") << true << false << false << greek << "Text1";
        QTest::newRow("Greek copies the main window on top")
            << true << true << true << greek << "Text1";
    }

    void loadSequence()
    {
        QFETCH(bool, greek);
        QFETCH(bool, mainOnTop);
        QFETCH(bool, onTop);
        QFETCH(QString, title);
        QFETCH(QString, focused);

        host->greekFlag = greek;
        host->onTopFlag = mainOnTop;
        // The main window's frame tells how tall this window's outer frame will be.
        host->main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host->main));
        window = new Form3(*host);
        window->load();
        QVERIFY(host->dock().isRegistered(window));
        QVERIFY(window->isVisible());
        QVERIFY(isEffectRunning(window));
        QCOMPARE(window->pos(), QPoint(twipsToPixels(500),
                                       twipsToPixels(700) + window->frameGeometry().height()));
        QVERIFY(box("Check5")->isChecked());
        QCOMPARE(window->height(), twipsToPixels(4155));
        QCOMPARE(box("Check1")->isChecked(), greek);
        QCOMPARE(box("Check3")->isChecked(), onTop);
        QCOMPARE(isOnTop(window), onTop);
        QVERIFY(!box("Check2")->isEnabled());
        QCOMPARE(window->windowTitle(), title);
        QVERIFY(baseField()->text().isEmpty() && number()->text().isEmpty() && result().isEmpty());
        QCOMPARE(window->focusWidget()->objectName(), focused);
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
        window = new Form3(*host);
        window->load();
        if (!duringOpenEffect)
            finishEffect(window);

        for (int i = 0; i < closes; ++i)
            QVERIFY(!window->close());
        QCOMPARE(host->unloading, std::vector<Companion>{Companion::OtherBase});
        QVERIFY(!host->dock().isRegistered(window));
        QTRY_VERIFY(window.isNull());
        QCOMPARE(host->unloading.size(), std::size_t{1});
    }

    void dragByTheSurfaceAndFrames_data()
    {
        QTest::addColumn<QString>("surface");
        QTest::addColumn<bool>("drags");
        QTest::newRow("window") << "Form3" << true;
        QTest::newRow("Frame1") << "Frame1" << true;
        QTest::newRow("Frame2") << "Frame2" << true;
        QTest::newRow("base field") << "Text1" << false;
        QTest::newRow("Calculate button") << "Command1" << false;
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
        QTest::newRow("Calculate button") << "Command1";
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
};

QTEST_MAIN(TestForm3)
#include "tst_form3.moc"
