#include "main_window/companion_list.h"
#include "support/window_test_helpers.h"
#include "windows/about/about_names.h"
#include "windows/about/about_window.h"
#include "windows/common/dialogs.h"
#include "windows/common/layout.h"
#include "windows/common/typed_numbers.h"
#include "windows/lists/lists_names.h"
#include "windows/lists/lists_window.h"
#include "windows/other_base/other_base_names.h"
#include "windows/other_base/other_base_window.h"
#include "windows/other_base/to_base_working.h"
#include "windows/practice/practice_names.h"
#include "windows/practice/practice_window.h"
#include "windows/temporary_list/temporary_list_names.h"
#include "windows/temporary_list/temporary_list_window.h"
#include "windows/to_decimal/to_decimal_names.h"
#include "windows/to_decimal/to_decimal_window.h"
#include "windows/to_decimal/to_decimal_working.h"
#include "windows/working/working_text.h"
#include "windows/working/working_window.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimeLine>
#include <QTimer>
#include <QTreeView>
#include <QUrl>

#include <sys/resource.h>

#include <csignal>
#include <memory>
#include <random>

using namespace radixon;
using namespace Qt::StringLiterals;
using test::textLines;

namespace {

// The converters' first field (the system list or the base), number, result and button.
const char *const converterFields[][4] = {
    {to_decimal::name::systemList, to_decimal::name::numberField, to_decimal::name::resultField,
     to_decimal::name::calculateButton},
    {other_base::name::baseField, other_base::name::numberField, other_base::name::resultField,
     other_base::name::calculateButton}};
enum Field { First, Number, Result, Button };
const CompanionEntry *toDecimal() { return &companionEntry<ToDecimalWindow>(); }
const CompanionEntry *otherBase() { return &companionEntry<OtherBaseWindow>(); }
enum Trigger { ByButton, EnterInNumber, EnterInFirst };

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A save: lines, languages, the name typed (empty: cancelled), the bytes written (empty:
// the old file kept), the message after the dialog and a limit on file sizes.
struct SaveCase {
    QStringList lines;
    bool greek = false;
    bool greekSystem = false;
    const char *answer = "";
    QByteArray bytes;
    const char *message = "";
    rlim_t fileSizeLimit = 0;
};

} // namespace
Q_DECLARE_METATYPE(const radixon::CompanionEntry *)
Q_DECLARE_METATYPE(SaveCase)
Q_DECLARE_METATYPE(radixon::Working)

class TestCompanionWindows : public QObject {
    Q_OBJECT

    std::unique_ptr<test::FakeHost> host;
    QPointer<CompanionWindow> window;
    QTemporaryDir folder;

    // Loads the window as the main window does and waits until it is active; its opening
    // effect runs on, as it does for a user who acts at once.
    template <class Window = CompanionWindow>
    Window *open(const CompanionEntry &which = companionEntry<Window>(), bool greek = false)
    {
        host->greekFlag = greek;
        window = which.create(*host);
        window->load();
        window->activateWindow();
        return QTest::qWaitForWindowActive(window) ? qobject_cast<Window *>(window.data())
                                                   : nullptr;
    }
    template <class T = QWidget>
    T *control(const char *name) const
    {
        return test::control<T>(window, name);
    }
    template <class T = QWidget>
    T *field(Field which) const
    {
        return control<T>(
            converterFields[qobject_cast<OtherBaseWindow *>(window) != nullptr][which]);
    }
    // `first` is the system's index in the to-decimal window, the base in the other.
    void convert(const QString &first, const QString &digits, int trigger = ByButton) const
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
    QString result() const { return field<QLineEdit>(Result)->text(); }
    QListWidget *list(const char *name) const { return control<QListWidget>(name); }

private slots:
    void initTestCase()
    {
        test::prepareApplication();
        std::signal(SIGXFSZ, SIG_IGN); // a write past a file size limit just fails
    }

    // The real dialogs show what they are given, with Qt's own texts in the language of
    // the window that opens them (the start's without one), and bring back the answer.
    void dialogsAskTheUser_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("language"); // of the window that opens it; empty: none
        QTest::addColumn<QString>("shown");    // text, icon and buttons; the dialog's labels
        QTest::newRow("message in Greek") << int(QMessageBox::Ok) << u"el"_s << u"Saved1 OK"_s;
        QTest::newRow("No in Greek") << int(QMessageBox::No) << u"el"_s << u"Again?0 &Ναι Ό&χι"_s;
        QTest::newRow("before any window: the start's")
            << int(QMessageBox::Yes) << QString() << u"Again?0 &Ναι Ό&χι"_s;
        QTest::newRow("save in Greek")
            << int(QMessageBox::Cancel) << u"el"_s << u"Ό&νομα αρχείου: &Αποθήκευση Άκυρο Όνομα"_s;
        QTest::newRow("save in English")
            << int(QMessageBox::Cancel) << u"en"_s << u"File &name: &Save Cancel Name"_s;
    }
    void dialogsAskTheUser()
    {
        QFETCH(int, answer);
        QFETCH(QString, language);
        QString shown;
        const QObject untilTheEnd; // a dialog that never came must not be looked for later
        QTimer::singleShot(0, &untilTheEnd, [&shown, answer] {
            QWidget *dialog = QApplication::activeModalWidget();
            if (auto *box = qobject_cast<QMessageBox *>(dialog)) {
                shown = box->text() + QString::number(box->icon());
                for (QAbstractButton *button : box->buttons())
                    shown += u' ' + button->text();
                box->button(QMessageBox::StandardButton(answer))->click();
            } else if (auto *files = qobject_cast<QFileDialog *>(dialog)) {
                const auto *buttons = files->findChild<QDialogButtonBox *>();
                shown = files->findChild<QLabel *>(u"fileNameLabel"_s)->text() + u' '
                        + buttons->button(QDialogButtonBox::Save)->text() + u' '
                        + buttons->button(QDialogButtonBox::Cancel)->text() + u' '
                        + files->findChild<QTreeView *>()
                              ->model()
                              ->headerData(0, Qt::Horizontal)
                              .toString();
                files->reject();
            }
        });
        QWidget opener;
        if (!language.isEmpty())
            applyTexts(&opener, "", nullptr, 0, *Language::find(language));
        QWidget *parent = language.isEmpty() ? nullptr : &opener;
        QtDialogs dialogs;
        if (answer == QMessageBox::Ok)
            dialogs.inform(parent, {}, u"Saved"_s, Dialogs::Icon::Information);
        else if (answer == QMessageBox::Cancel)
            QCOMPARE(dialogs.saveFileName(parent, {}, {}, {}), std::nullopt);
        else
            QCOMPARE(dialogs.askYesNo(parent, {}, u"Again?"_s), answer == QMessageBox::Yes);
        QTEST(shown, "shown");
    }

    void init() { host = std::make_unique<test::FakeHost>(); }
    void cleanup()
    {
        delete window.data();
        host.reset();
        QLocale::setDefault(QLocale::c());
    }

    // Dragged by its surface (About only by its title bar), then closed twice during its
    // open effect, it clears its box once and leaves the dock.
    void closeControlUnloads_data()
    {
        QTest::addColumn<const CompanionEntry *>("which");
        for (const CompanionEntry &entry : companionList)
            QTest::newRow(entry.windowName) << &entry;
    }
    void closeControlUnloads()
    {
        QFETCH(const CompanionEntry *, which);
        window = which->create(*host);
        window->load();
        QLineEdit asking(&host->main);
        window->follow(*new WorkingSource(*host, &asking, {})); // the working opens beside it
        QWidget *handle = qobject_cast<AboutWindow *>(window) ? titleBarOf(window)
                                                              : static_cast<QWidget *>(window);
        // Give or take a snap to an edge; About follows the cursor, outside the dock.
        QVERIFY(test::dragDistance(handle, {2, handle->height() - 3}) > 40);
        QVERIFY(!window->close() && !window->close());
        QVERIFY(!host->dock().isRegistered(window));
        QTRY_VERIFY(window.isNull());
        QCOMPARE(host->unloading, QStringList{QLatin1String(which->windowName)});
    }

    // The engine's own tables check the arithmetic; these check the window around it.
    void converts_data()
    {
        QTest::addColumn<const CompanionEntry *>("which");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("digits");
        QTest::addColumn<int>("trigger");
        QTest::addColumn<QString>("expected"); // after a first result of 1
        QTest::addColumn<QString>("told");     // the working's heading then: the steps of which
        const auto row = [](const char *name, const CompanionEntry *which, const char *first,
                            const char *digits, int trigger, const char *expected,
                            const char *told) {
            QTest::newRow(name) << which << QString::fromLatin1(first)
                                << QString::fromLatin1(digits) << trigger
                                << QString::fromLatin1(expected) << QString::fromUtf8(told);
        };
        row("to decimal: binary by button", toDecimal(), "0", "1010", ByButton, "10",
            "1010 from binary (base 2) to decimal");
        row("to decimal: octal by Enter", toDecimal(), "1", "777", EnterInNumber, "511",
            "777 from octal (base 8) to decimal");
        row("to decimal: hexadecimal 9fF", toDecimal(), "2", "9fF", ByButton, "2559",
            "9fF from hexadecimal (base 16) to decimal");
        row("to decimal: hexadecimal 1G clears the result and the steps", toDecimal(), "2", "1G",
            ByButton, "", "“G” is not a digit in base 16: its digits are 0 to 9 and A to F.");
        row("to decimal: empty number keeps the result", toDecimal(), "0", "", EnterInNumber, "1",
            "1 from binary (base 2) to decimal");
        row("other base: base 16 by Enter", otherBase(), "16", "255", EnterInNumber, "FF",
            "255 from decimal to hexadecimal (base 16)");
        row("other base: base 255 writes digits above 21 in figures", otherBase(), "255", "1439",
            ByButton, "5164", "1439 from decimal to base 255");
        row("other base: base 256 clears the result and the steps", otherBase(), "256", "5",
            ByButton, "", "“256” is not a base: a base is a whole number from 2 to 255.");
        row("other base: a negative number clears them", otherBase(), "2", "-5", ByButton, "",
            "-5 is negative: only numbers from 0 upwards are converted.");
        row("other base: Enter in the base field does nothing", otherBase(), "2", "10",
            EnterInFirst, "1", "1 from decimal to binary (base 2)");
    }
    void converts()
    {
        QFETCH(const CompanionEntry *, which);
        QFETCH(QString, first);
        QFETCH(QString, digits);
        QFETCH(int, trigger);
        QFETCH(QString, expected);
        QVERIFY(open(*which));
        convert(which == toDecimal() ? QStringLiteral("0") : QStringLiteral("2"),
                QStringLiteral("1"));
        QCOMPARE(result(), QStringLiteral("1"));
        convert(first, digits, trigger);
        QCOMPARE(result(), expected);
        QFETCH(QString, told);
        const Working &working = window->findChild<WorkingSource *>()->working();
        QVERIFY(workingLines(working, Language::english(), u"."_s).heading.contains(told));
    }

    // What the working says around its tables, for every kind of step and of failure,
    // in both languages. A fragment after '!' must not be said.
    void workingTellsEveryStep_data()
    {
        QTest::addColumn<Working>("working");
        QTest::addColumn<bool>("greek");
        QTest::addColumn<QString>("said"); // fragments, separated by '|'
        const QLocale point = QLocale::c();
        const auto row = [](const char *name, const Working &working, bool greek,
                            const char *said) {
            QTest::newRow(name) << working << greek << QString::fromUtf8(said);
        };
        row("whole number: letters valued, no word of a fraction",
            decimalTextWorking(u"2024"_s, 16, point), false,
            "2024 from decimal to hexadecimal (base 16)\nDivide by 16 repeatedly|first: 7E8|Digit "
            "values: E = 14|!raction");
        row("fraction that ends", decimalTextWorking(u"12.75"_s, 2, point), false,
            "The fraction 0.75: multiply by 2 repeatedly|first to the last: 1100.11|The "
            "result field holds the whole part only.|!comes back");
        row("fraction that repeats", decimalTextWorking(u"0.1"_s, 2, point), true,
            "0.1 από το δεκαδικό στο δυαδικό (βάση 2)|τελευταίο: 0.0(0011)|Το κλασματικό μέρος 0.2 "
            "ξαναεμφανίζεται|(περίοδος 4)");
        row("period longer than the rows shown",
            decimalTextWorking(u"0.0000000000000000000000000001"_s, 2, point), false,
            "a period of 29802322387695312500 digits, longer than the 128 rows|…|!0(");
        row("digits spaced past base 22", toBaseWorking(u"1000000"_s, u"36"_s, point), false,
            "to base 36|first: L F L 28|F = 15, L = 21|In base 36 a digit may take two");
        row("spaced fraction; a digit of figures has no value to tell",
            toBaseWorking(u"1342.75"_s, u"60"_s, point), false, ": 22 22.45|!22 = 22");
        row("digits times powers", toDecimalWorking(2, u"fF"_s), false,
            "fF from hexadecimal (base 16) to decimal\nEach digit times 16 to the power of its "
            "position|Sum: 255|Digit values: F = 15|!Copy");
        row("a sum of 201 digits in brief", toDecimalWorking(2, u'1' + QString(166, u'F')), false,
            "1FFFFF…FFFFFF (167 digits) from hex|Sum: 153090…735231 (201 digits) (Copy gives it "
            "in full.)");
        row("a sum of 200 digits whole", toDecimalWorking(2, QString(166, u'F')), false,
            "Sum: 765450|!(200 digits)|!Copy gives");
        row("too large", decimalTextWorking(u"79228162514264337593543950336"_s, 16, point), false,
            "The last calculation gave no result.\n79228162514264337593543950336 is too large: "
            "the largest number converted is 79228162514264337593543950335");
        row("not a number", decimalTextWorking(u"12a"_s, 2, point), true,
            "Ο τελευταίος υπολογισμός δεν έδωσε αποτέλεσμα.\nΤο «12a» δεν είναι αριθμός.");
        row("40 characters quoted whole",
            decimalTextWorking(u"1234567890"_s.repeated(3) + u"123456789x"_s, 2, point), false,
            "“123456789012345678901234567890123456789x” is not");
        row("not a binary digit", toDecimalWorking(0, u"1021"_s), true,
            "Το «2» δεν είναι ψηφίο της βάσης 2: τα ψηφία της είναι 0 και 1.");
        row("not an octal digit", toDecimalWorking(1, u"19"_s), false,
            "“9” is not a digit in base 8: its digits are 0 to 7.");
        row("too many digits", toDecimalWorking(0, QString(32768, u'1')), false,
            "The number has 32768 digits: at most 32767 are converted.");
        row("nothing calculated yet", Working(), false, "Calculate first");
    }
    void workingTellsEveryStep()
    {
        QFETCH(Working, working);
        QFETCH(bool, greek);
        QFETCH(QString, said);
        const WorkingLines lines =
            workingLines(working, greek ? Language::greek() : Language::english(), u"."_s);
        const QString all = lines.heading + u'|' + lines.reading + u'|' + lines.notes;
        for (QString fragment : said.split(u'|')) {
            const bool absent = fragment.startsWith(u'!');
            QVERIFY2(all.contains(fragment.remove(0, absent ? 1 : 0)) != absent,
                     qPrintable(fragment + u" in "_s + all));
        }
    }

    // By Enter or Check: a loose form counts; a wrong answer names its first wrong digit and
    // has its working shown, that digit's step marked (the sum, a group, a fraction's row); no
    // number is refused uncounted. (Keys: the X test; the words of right and wrong: pictures.)
    void practiceChecksAnswers_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("greek");
        QTest::addColumn<QString>("answer"); // "loose", a digit's place to change, or typed
        QTest::addColumn<bool>("byButton");
        QTest::addColumn<QString>("verdict");
        using K = ExerciseKind;
        const auto row = [](const char *name, K kind, bool greek, const char *answer, bool button,
                            const char *verdict) {
            QTest::newRow(name) << int(kind) << greek << QString::fromUtf8(answer) << button
                                << QString::fromUtf8(verdict);
        };
        row("right loosely written, by Check", K::DecimalToHexadecimal, true, "loose", true,
            "✓ Σωστά!");
        row("first digit wrong: the sum", K::HexadecimalToDecimal, false, "0", true,
            "✗ Not right: digit 1 from the left is wrong. The working shows the sum");
        row("a group wrong", K::BinaryToHexadecimal, false, "0", false,
            "✗ Not right: digit 1 from the left is wrong. The working shows the step");
        row("a fraction's digit wrong", K::FractionToBinary, true, "8", false,
            "✗ Δεν είναι σωστό: το %1ο ψηφίο από αριστερά είναι λάθος.");
        row("a letter in binary", K::DecimalToBinary, false, "1z1", false,
            "“z” is not a digit in base 2. This does not count as an attempt.");
        row("nothing typed", K::OctalToBinary, true, "  ", true,
            "Γράψε πρώτα την απάντησή σου. Δεν μετράει ως προσπάθεια.");
    }
    void practiceChecksAnswers()
    {
        QFETCH(int, kind);
        QFETCH(bool, greek);
        QFETCH(QString, answer);
        const auto source = [random = std::make_shared<std::mt19937_64>(7)](std::uint64_t n) {
            return (*random)() % n;
        };
        const Exercise exercise = drawExercise(ExerciseKind(kind), 5, 1, source);
        host->greekFlag = greek;
        auto *practice = new PracticeWindow(*host);
        window = practice;
        practice->load();
        test::control<QComboBox>(window, practice::name::levelList)->setCurrentIndex(1);
        QLineEdit asking(&host->main);
        WorkingSource askersWork(*host, &asking, {});
        askersWork.setLanguage(host->language());
        askersWork.setExerciseChoice([kind] { return ExerciseChoice{ExerciseKind(kind), 5}; });
        practice->follow(askersWork);
        practice->setRandomSource([random = std::mt19937_64(7)](std::uint64_t n) mutable {
            return random() % n; // a run of its own, the same as above
        });
        const QString right = QString::fromStdString(exercise.answer);
        bool place = false;
        const int at = (answer.toInt(&place) + int(right.size())) % int(right.size());
        const int digit = at - int(right.left(at).contains(u'.')); // counted without the point
        QString typed = answer;
        if (answer == u"loose"_s)
            typed = u" 00"_s + right.left(1).toLower() + u' ' + right.mid(1).toLower();
        else if (place) // the digit at that place made another
            typed = QString(right).replace(at, 1, right[at] == u'1' ? u'0' : u'1');
        auto *field = test::control<QLineEdit>(window, practice::name::answerField);
        field->setText(typed);
        QFETCH(bool, byButton);
        if (byButton)
            QTest::mouseClick(test::control(window, practice::name::checkButton), Qt::LeftButton);
        else
            QTest::keyClick(field, Qt::Key_Return);
        const QString told = test::control<QLabel>(window, practice::name::verdictLine)->text();
        QFETCH(QString, verdict);
        QVERIFY2(told.startsWith(verdict.arg(digit + 1)), qPrintable(told));
        QCOMPARE(field->accessibleDescription(), told); // read out where the keyboard is
        const bool counted = answer == u"loose"_s || place;
        const QString scored = greek ? u"Σωστές: %1 από %2"_s : u"Right: %1 of %2"_s;
        QVERIFY(test::control<QLabel>(window, practice::name::scoreLine)
                    ->text()
                    .startsWith(scored.arg(int(counted && !place)).arg(int(counted))));
        QCOMPARE(host->lastWorkingShown.isNull(), !place);
        if (place) {
            const std::optional<WorkingStep> marked = host->lastWorkingShown->markedStep();
            QVERIFY(marked && marked->table == stepOfDigit(exercise, digit).table
                    && marked->index == stepOfDigit(exercise, digit).index);
        }
    }

    // Only a Greek main window passes its on-top state on.
    void converterLoadSequence_data()
    {
        QTest::addColumn<const CompanionEntry *>("which");
        QTest::addColumn<bool>("greek");
        QTest::addColumn<bool>("mainOnTop");
        QTest::newRow("English ignores the main window on top") << toDecimal() << false << true;
        QTest::newRow("Greek, main window not on top") << toDecimal() << true << false;
        QTest::newRow("Greek copies the main window on top") << otherBase() << true << true;
    }
    void converterLoadSequence()
    {
        QFETCH(const CompanionEntry *, which);
        QFETCH(bool, greek);
        QFETCH(bool, mainOnTop);
        host->greekFlag = greek;
        host->onTopFlag = mainOnTop;
        window = which->create(*host);
        window->load();
        // The other-base window goes right below the to-decimal window's place.
        const int top =
            which == toDecimal() ? twipsToPixels(500) : twipsToPixels(700) + window->height();
        QCOMPARE(window->pos(), QPoint(twipsToPixels(500), top));
        QVERIFY(host->dock().isRegistered(window) && isEffectRunning(window));
        QCOMPARE(window->findChild<QTimeLine *>()->duration(), 500);
        QCOMPARE(control<QCheckBox>(converter::name::languageBox)->isChecked(), greek);
        QCOMPARE(control<QCheckBox>(converter::name::onTopBox)->isChecked(), greek && mainOnTop);
        QCOMPARE(isAlwaysOnTop(window), greek && mainOnTop);
    }

    // A converter's own boxes: language (the pictures hold the texts), options folding.
    void converterOwnBoxes_data()
    {
        QTest::addColumn<const CompanionEntry *>("which");
        QTest::addColumn<QString>("focused"); // after the language switch
        QTest::newRow("to decimal") << toDecimal() << to_decimal::name::numberField;
        QTest::newRow("other base") << otherBase() << other_base::name::baseField;
    }
    void converterOwnBoxes()
    {
        QFETCH(const CompanionEntry *, which);
        QFETCH(QString, focused);
        QVERIFY(open(*which));
        const QRect unfolded = window->frameGeometry();
        const int unfoldedClient = test::clientHeight(window);
        for (const bool greek : {true, false}) {
            test::clickBox(window, converter::name::optionsBox);
            QVERIFY(!control(converter::name::onTopBox)->isVisibleTo(window)); // Tab passes it
            QCOMPARE(test::clientHeight(window), twipsToPixels(90 + 2805 + 90));
            QCOMPARE(window->frameGeometry(),
                     unfolded.adjusted(0, 0, 0, test::clientHeight(window) - unfoldedClient));
            test::clickBox(window, converter::name::optionsBox);
            QCOMPARE(window->frameGeometry(), unfolded);

            test::clickBox(window, converter::name::languageBox);
            QCOMPARE(window->windowTitle(), greek ? QStringLiteral("Radixon Από Τον Zendor")
                                                  : QStringLiteral("Radixon By Zendor"));
            QVERIFY(control(qPrintable(focused))->hasFocus());
            if (auto *systems = window->findChild<QComboBox *>()) // refilled, on the first
                QVERIFY(systems->count() == 3 && systems->currentIndex() == 0);
        }
    }

    // A click selects a number in all three lists; a double click sends its line.
    void listsFollowAClick()
    {
        QVERIFY(open<ListsWindow>());
        for (const auto &[name, last] : {std::pair{lists::name::binaryList, "100 = 1100100"},
                                         {lists::name::octalList, "100 = 144"},
                                         {lists::name::hexadecimalList, "100 = 64"}}) {
            QCOMPARE(list(name)->count(), 100);
            QCOMPARE(list(name)->item(99)->text(), QString::fromLatin1(last));
        }
        QCOMPARE(list(lists::name::binaryList)->toolTip(), QStringLiteral("Binary ")); // none yet
        host->greekFlag = true;
        const auto click = [this](const char *name, int row, bool twice) {
            QListWidget *l = list(name);
            l->scrollToItem(l->item(row));
            const QPoint centre = l->visualItemRect(l->item(row)).center();
            QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, centre);
            if (twice)
                QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, centre);
        };
        click(lists::name::binaryList, 9, false);
        QCOMPARE((QStringList{list(lists::name::binaryList)->toolTip(),
                              list(lists::name::octalList)->toolTip(),
                              list(lists::name::hexadecimalList)->toolTip()}),
                 textLines({"Δυαδικό 10 = 1010", "Οκταδικό 10 = 12", "Δεκαεξαδικό 10 = A"}));
        QVERIFY(host->appendedLines.isEmpty());
        click(lists::name::hexadecimalList, 14, true);
        host->greekFlag = false;
        click(lists::name::binaryList, 2, true);
        click(lists::name::octalList, 8, true);
        click(lists::name::hexadecimalList, 99, true);
        QCOMPARE(host->appendedLines,
                 textLines({"Δεκ: 15 = F", "Bin: 3 = 11", "Oct: 9 = 11", "Hex: 100 = 64"}));
    }

    void aboutOpensTheAddressOnlyFromTheLink_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QPoint>("releasedAt"); // from the pressed control's corner
        QTest::addColumn<int>("opens");
        const QString link = QLatin1String(about::name::webAddressLink);
        QTest::newRow("link") << link << Qt::LeftButton << QPoint(5, 5) << 1;
        QTest::newRow("link with the right button") << link << Qt::RightButton << QPoint(5, 5) << 0;
        QTest::newRow("link, released away from it")
            << link << Qt::LeftButton << QPoint(-30, 5) << 0;
        QTest::newRow("presentation") << QString(QLatin1String(about::name::aboutText))
                                      << Qt::LeftButton << QPoint(5, 5) << 0;
    }
    void aboutOpensTheAddressOnlyFromTheLink()
    {
        QFETCH(QString, target);
        QFETCH(Qt::MouseButton, button);
        QFETCH(QPoint, releasedAt);
        QFETCH(int, opens);
        auto *about = open<AboutWindow>();
        QVERIFY(about);
        std::vector<QUrl> addresses;
        about->setUrlOpener([&addresses](const QUrl &url) {
            addresses.push_back(url);
            return false; // no browser here: the window says nothing either way
        });
        QWidget *pressed = control(qPrintable(target));
        QTest::mousePress(pressed, button, {}, QPoint(5, 5));
        QTest::mouseRelease(pressed, button, {}, releasedAt);
        QCOMPARE(int(addresses.size()), opens);
        if (opens)
            QCOMPARE(addresses.front(), QUrl(QStringLiteral("https://radixon.example.org")));
    }

    // Centred over the main window, kept on screen; no dock or on-top.
    void aboutStaysOnScreenAndInPlace_data()
    {
        QTest::addColumn<QPoint>("mainCentre"); // from the work area's top-left corner
        QTest::newRow("main window in the middle") << QPoint(); // of the work area
        QTest::newRow("main window at the top-left corner") << QPoint(10, 10);
        QTest::newRow("main window at the bottom-right corner") << QPoint(-10, -10);
    }
    void aboutStaysOnScreenAndInPlace()
    {
        QFETCH(QPoint, mainCentre);
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        const QPoint centre = mainCentre.isNull()
                                  ? area.center()
                                  : QPoint(mainCentre.x() < 0 ? area.right() : area.left(),
                                           mainCentre.y() < 0 ? area.bottom() : area.top())
                                        + mainCentre;
        host->main.move(centre - host->main.rect().center());
        host->onTopFlag = true;
        QVERIFY(open<AboutWindow>(companionEntry<AboutWindow>(), true));
        const QRect placed = window->frameGeometry();
        QVERIFY(area.contains(placed));
        QRect centred(QPoint(), placed.size());
        centred.moveCenter(centre);
        if (mainCentre.isNull()) // where it fits, exactly centred
            QCOMPARE(placed, centred);
        QVERIFY(!host->dock().isRegistered(window) && !isAlwaysOnTop(window));
    }

    void temporaryListBoxesActOnTickAndOnClear_data()
    {
        QTest::addColumn<QByteArray>("box");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("current"); // -1: none
        QTest::addColumn<QStringList>("left");
        const QByteArray selected = temporary_list::name::removeSelectedBox;
        QTest::newRow("Remove Selected Item without a current line")
            << selected << textLines({"a", "b"}) << -1 << textLines({"a", "b"});
        QTest::newRow("Remove Selected Item, the first line")
            << selected << textLines({"a", "b", "c"}) << 0 << textLines({"b", "c"});
        QTest::newRow("Remove Double Items: case counts")
            << QByteArray(temporary_list::name::removeRepeatsBox) << textLines({"a", "A", "a"}) << 2
            << textLines({"a", "A"});
        QTest::newRow("Remove All Items") << QByteArray(temporary_list::name::removeAllBox)
                                          << textLines({"a", "b"}) << 1 << QStringList();
    }
    void temporaryListBoxesActOnTickAndOnClear()
    {
        QFETCH(QByteArray, box);
        QFETCH(QStringList, lines);
        QFETCH(int, current);
        QFETCH(QStringList, left);
        auto *temporaryList = open<TemporaryListWindow>();
        QVERIFY(temporaryList);
        QListWidget *shown = list(temporary_list::name::list);
        for (const bool ticks : {true, false}) {
            shown->clear();
            for (const QString &line : lines)
                temporaryList->appendLine(line);
            // Focus arriving in the list marks its first line without selecting it.
            control(temporary_list::name::onTopBox)->setFocus(Qt::TabFocusReason);
            shown->setFocus(Qt::TabFocusReason);
            if (current >= 0)
                shown->setCurrentRow(current);
            test::clickBox(window, box.constData());
            QCOMPARE(control<QCheckBox>(box.constData())->isChecked(), ticks);
            QCOMPARE(test::textLines(shown), left);
        }
        test::clickBox(window, box.constData()); // again: the selection went with its line
        QCOMPARE(test::textLines(shown), left);
    }

    // Saving on tick and on clear: the file written whole, or left as it was and why.
    void temporaryListSave_data()
    {
        QTest::addColumn<SaveCase>("c");
        const QStringList line = textLines({"Bin: 2 = 10"});
        const auto row = [](const char *name, const SaveCase &c) { QTest::newRow(name) << c; };
        row("two lines, each ending in CR LF", {textLines({"Bin: 2 = 10", "Hex: 255 = FF"}), false,
                                                false, "list", "Bin: 2 = 10\r\nHex: 255 = FF\r\n"});
        row("Greek letters in the Greek code page",
            {textLines({"Δυαδ: 5 = 101", "ΆΈΉ άώς €–—"}), true, true, "list.txt",
             "\xC4\xF5\xE1\xE4: 5 = 101\r\n\xA2\xB8\xB9 \xDC\xFE\xF2 \x80\x96\x97\r\n"});
        row("the system's locale, not the interface, picks the code page",
            {textLines({"Δεκ: 1 = 1"}), false, true, "list.txt", "\xC4\xE5\xEA: 1 = 1\r\n"});
        row("one foreign letter turns the whole file to UTF-8",
            {textLines({"Δεκ: 10 = A", "é"}), true, true, "list.txt",
             "\xCE\x94\xCE\xB5\xCE\xBA: 10 = A\r\n\xC3\xA9\r\n"});
        row("empty list",
            {{}, false, false, "list.txt", {}, "There Are No Items In The Temporary List To Save"});
        const char *noItems = "Δεν Υπάρχουν Στοιχεία Στην Προσωρινή Λίστα Για Αποθήκευση";
        row("empty list, Greek", {{}, true, false, "list.txt", {}, noItems});
        row("cancelled", {line, false, false, "", {}, ""});
        row("folder that does not exist, Greek",
            {line, true, true, "missing/list.txt", {}, "Η Προσωρινή Λίστα Δεν Αποθηκεύτηκε"});
        row("a disk that fills up halfway",
            {line, false, false, "list.txt", {}, "The Temporary List Could Not Be Saved", 8});
    }
    void temporaryListSave()
    {
        QFETCH(SaveCase, c);
        if (c.greekSystem)
            QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece));
        auto *temporaryList =
            open<TemporaryListWindow>(companionEntry<TemporaryListWindow>(), c.greek);
        QVERIFY(temporaryList);
        const QString answer = QString::fromUtf8(c.answer);
        const QString target =
            folder.filePath(answer.isEmpty() ? QStringLiteral("never saved") : answer);
        if (QFile file(target); file.open(QIODevice::WriteOnly))
            file.write("an earlier and much longer content that must not survive\r\n");
        const QByteArray before = fileBytes(target);
        const QStringList filesBefore = QDir(folder.path()).entryList(QDir::Files);
        for (const QString &line : c.lines)
            temporaryList->appendLine(line);
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        const rlimit limited{c.fileSizeLimit ? c.fileSizeLimit : saved.rlim_cur, saved.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limited);
        for (int click = 0; click < 2; ++click) {
            if (!answer.isEmpty())
                host->fakeDialogs.saveAnswers.push_back(target);
            test::clickBox(window, temporary_list::name::saveBox);
        }
        setrlimit(RLIMIT_FSIZE, &saved);
        QCOMPARE(fileBytes(target), c.bytes.isEmpty() ? before : c.bytes);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), filesBefore); // the name as typed
        QStringList messages;
        for (const test::FakeDialogs::Shown &each : host->fakeDialogs.shown) {
            if (each.kind == QLatin1String("inform"))
                messages << each.text;
            else // the save dialog, its default name and filter
                QCOMPARE(each.title + u'|' + each.text,
                         QStringLiteral("Radixon_Radixon. Enter a File Name:|Radixon %1|Text "
                                        "Document(*.txt)")
                             .arg(c.greek ? QStringLiteral("Λίστα") : QStringLiteral("List")));
        }
        const QString message = QString::fromUtf8(c.message);
        QCOMPARE(messages, message.isEmpty() ? QStringList() : (QStringList{message, message}));
    }
};

QTEST_MAIN(TestCompanionWindows)
#include "tst_companion_windows.moc"
