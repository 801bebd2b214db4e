#include "main_window/companion_list.h"
#include "main_window/single_instance.h"
#include "main_window/startup.h"
#include "support/window_test_helpers.h"
#include "tools/window_pictures.h"
#include "windows/about/about_names.h"
#include "windows/lists/lists_names.h"
#include "windows/other_base/other_base_names.h"
#include "windows/practice/practice_names.h"
#include "windows/temporary_list/temporary_list_names.h"
#include "windows/to_decimal/to_decimal_names.h"
#include "windows/working/working_names.h"

#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <optional>

using namespace radixon;
using namespace Qt::StringLiterals;
using test::companionWindows;
using test::openWindow;

namespace {

// Keeps the objects it watches from being deleted, as a window stuck in its close would.
struct DeletionEater : QObject {
    bool eventFilter(QObject *, QEvent *e) override { return e->type() == QEvent::DeferredDelete; }
};

// The companions with a box, in the order "Show All" ticks them.
const std::vector<CompanionEntry> boxed = [] {
    std::vector<CompanionEntry> withBox;
    std::copy_if(companionList.begin(), companionList.end(), std::back_inserter(withBox),
                 [](const CompanionEntry &entry) { return entry.boxName; });
    return withBox;
}();

// The entries of the menu a right click opens on `field`, where the entry named `chosen`,
// if any, is then chosen.
QStringList menuOf(QWidget *field, const char *chosen = nullptr)
{
    QStringList entries;
    QTimer::singleShot(0, field, [&entries, chosen] { // a spin box's menu has a loop of its own
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            for (QAction *action : menu->actions()) {
                entries << action->text().section(u'\t', 0, 0);
                if (chosen && action->objectName() == QLatin1String(chosen))
                    action->trigger();
            }
            menu->close();
        }
    });
    const QPoint at(5, 5);
    QContextMenuEvent click(QContextMenuEvent::Mouse, at, field->mapToGlobal(at));
    QApplication::sendEvent(field, &click);
    (void)QTest::qWaitFor([&entries] { return !entries.isEmpty(); });
    return entries;
}

// Whether every cell on the working's first page and its reading line show whole,
// neither elided nor running past their edge.
bool showsWhole(const QWidget *working)
{
    const auto *table = test::control<QTableView>(working, working::name::table);
    const QFontMetrics metrics = table->fontMetrics();
    const int rows = std::min(table->model()->rowCount(), 12);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < table->model()->columnCount(); ++column) {
            const QString text = table->model()->index(row, column).data().toString();
            if (metrics.horizontalAdvance(text) + 6 > table->columnWidth(column))
                return false;
        }
    }
    const auto *line = test::control<QLabel>(working, working::name::readingLine);
    return line->minimumSizeHint().width() <= line->width(); // wrapped within its width
}

} // namespace

class TestMainWindow : public QObject, protected test::MainWindowSession {
    Q_OBJECT

    QLineEdit *field(const char *name) const
    {
        return test::control<QLineEdit>(window.get(), name);
    }
    QComboBox *systems() const
    {
        return test::control<QComboBox>(window.get(), main_window::name::systemList);
    }
    void calculate(const QString &number, Qt::Key key = Qt::Key_Return,
                   Qt::KeyboardModifiers modifiers = {}) const
    {
        field(main_window::name::numberField)->setText(number);
        if (key == Qt::Key_unknown) // the Calculate button instead of a key
            QTest::mouseClick(test::control(window.get(), main_window::name::calculateButton),
                              Qt::LeftButton);
        else
            QTest::keyClick(field(main_window::name::numberField), key, modifiers);
    }
    QWidget *picture() const
    {
        return test::control(window.get(), main_window::name::aboutPicture);
    }
    // The window a box opens; the main window for none.
    QWidget *asking(const QByteArray &box)
    {
        QWidget *asker = window.get();
        if (!box.isEmpty()) {
            this->box(box.constData())->setChecked(true);
            (void)QTest::qWaitFor([&asker] {
                return (asker = test::companionWindows().value(0)) && !isEffectRunning(asker);
            });
        }
        return asker;
    }
    // Picks a system from the window's list, or types its base.
    static void choose(QWidget *asker, const QString &system)
    {
        if (auto *systems = asker->findChild<QComboBox *>(QStringLiteral("systemList")))
            systems->setCurrentIndex(system.toInt());
        else
            test::control<QLineEdit>(asker, "baseField")->setText(system);
    }

private slots:
    void initTestCase() { test::prepareApplication(); }
    void init() { QVERIFY(openMainWindow()); }
    void cleanup()
    {
        Language::setStartLanguage(Language::greek());
        QLocale::setDefault(QLocale::c());
        QVERIFY(closeMainWindow());
    }

    // Only figures can be typed; a paste is kept as it is, its preview blank if invalid.
    void entryKeepsDigitsOnly()
    {
        QLineEdit *entry = field(main_window::name::numberField);
        QTest::keyClicks(entry, QStringLiteral("0a1-2,3.4 5+6e7_8/9"));
        QCOMPARE(entry->text(), QStringLiteral("0123456789"));
        QCOMPARE(field(main_window::name::previewField)->text(),
                 QStringLiteral("111010110111100110100010101 - 726746425 - 75BCD15"));
        entry->clear();
        QApplication::clipboard()->setText(QStringLiteral("-5"));
        QTest::keySequence(entry, QKeySequence::Paste);
        QCOMPARE(entry->text(), QStringLiteral("-5"));
        QCOMPARE(field(main_window::name::previewField)->text(), QStringLiteral(" -  - "));
    }

    // Each row follows a first result, 10 in binary.
    void calculates_data()
    {
        QTest::addColumn<int>("system");
        QTest::addColumn<QString>("number");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QString>("expected");
        const auto none = Qt::KeyboardModifiers();
        QTest::newRow("binary by the Calculate button")
            << 0 << "255" << Qt::Key_unknown << none << "11111111";
        QTest::newRow("octal by keypad Enter")
            << 1 << "255" << Qt::Key_Enter << Qt::KeyboardModifiers(Qt::KeypadModifier) << "377";
        QTest::newRow("pasted fraction: the locale's separator, the whole part")
            << 2 << "31,9" << Qt::Key_Return << none << "1F";
        QTest::newRow("empty field keeps the result")
            << 0 << "" << Qt::Key_Return << none << "1010";
        QTest::newRow("above the largest value clears it")
            << 0 << "79228162514264337593543950336" << Qt::Key_Return << none << "";
    }
    void calculates()
    {
        QFETCH(int, system);
        QFETCH(QString, number);
        QFETCH(Qt::Key, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QString, expected);
        QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece)); // comma separator
        calculate(QStringLiteral("10"));
        systems()->setCurrentIndex(system);
        calculate(number, key, modifiers);
        QCOMPARE(field(main_window::name::resultField)->text(), expected);
        QCOMPARE(field(main_window::name::numberField)->text(), number); // Enter inserts nothing
        QVERIFY(field(main_window::name::numberField)->hasFocus());
    }

    // F1 folds the options panel in and out; the on-top box keeps the window on top.
    void optionsPanel()
    {
        const QWidget *panel = test::control(window.get(), main_window::name::optionsPanel);
        const auto panelShown = [&] {
            return panel->isVisibleTo(window.get()) && window->rect().contains(panel->geometry());
        };
        QVERIFY(panelShown());
        const QRect unfolded = window->frameGeometry();
        for (int round = 0; round < 2; ++round) {
            QTest::keyClick(field(main_window::name::numberField), Qt::Key_F1);
            QVERIFY(!box(main_window::name::optionsBox)->isChecked() && !panelShown());
            // Folded, the window keeps its place and width; the click works as F1 does.
            QCOMPARE(window->frameGeometry(), unfolded.adjusted(0, 0, 0, 228 - 368));
            test::clickBox(window.get(), main_window::name::optionsBox);
            QCOMPARE(window->frameGeometry(), unfolded);
            QVERIFY(field(main_window::name::numberField)->hasFocus());
        }
        test::clickBox(window.get(), main_window::name::onTopBox);
        QVERIFY(isAlwaysOnTop(window.get()) && window->alwaysOnTop());
        QVERIFY(field(main_window::name::numberField)->hasFocus());
        test::clickBox(window.get(), main_window::name::onTopBox);
        QVERIFY(!isAlwaysOnTop(window.get()));
        QStringList tabbed; // through both panels and the results, round to the start
        for (int step = 0; step < 14; ++step, QTest::keyClick(qApp->focusWidget(), Qt::Key_Tab))
            tabbed << qApp->focusWidget()->objectName();
        QCOMPARE(tabbed, QString::fromLatin1("numberField calculateButton systemList languageBox "
                                             "temporaryListBox optionsBox listsBox onTopBox "
                                             "otherBaseBox toDecimalBox showAllBox resultField "
                                             "previewField numberField")
                             .split(u' '));
        test::clickBox(window.get(), main_window::name::onTopBox); // the lists take it on
        box(main_window::name::listsBox)->setChecked(true);
        QTRY_VERIFY(openWindow(lists::name::window));
        QVERIFY(isAlwaysOnTop(openWindow(lists::name::window)));
        QTest::mouseClick(picture(), Qt::LeftButton); // About keeps to itself
        QTRY_VERIFY(openWindow(about::name::window));
        for (int click = 0; click < 2; ++click)
            test::clickBox(window.get(), main_window::name::onTopBox);
        QVERIFY(!isAlwaysOnTop(openWindow(about::name::window)));
        for (const char *name :
             {main_window::name::converterFrame, main_window::name::optionsPanel}) {
            QWidget *panel = test::control(window.get(), name); // either drags the window
            QVERIFY(test::dragDistance(panel, {3, panel->height() - 3}) > 40);
        }
    }

    // The language box refills the systems, keeps the number and its result (texts: pictures).
    void languageSwitch()
    {
        systems()->setFocus();
        QTest::keyClick(systems(), Qt::Key_End); // a pick from the list hands the focus back
        QVERIFY(field(main_window::name::numberField)->hasFocus());
        calculate(QStringLiteral("255"));
        test::clickBox(window.get(), main_window::name::languageBox);
        QCOMPARE(window->language().code(), QStringLiteral("en"));
        QVERIFY(systems()->count() == 3 && systems()->currentIndex() == 0);
        QCOMPARE(field(main_window::name::resultField)->text(), QStringLiteral("FF"));
        QCOMPARE(field(main_window::name::numberField)->text(), QStringLiteral("255"));
    }

    // Each calculation is "system:number"; each append moves the current line down.
    void resultsGoToTheTemporaryList_data()
    {
        QTest::addColumn<bool>("greek");
        QTest::addColumn<QStringList>("calculations");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("Greek, every system")
            << true << test::textLines({"0:2", "1:8", "2:255"})
            << test::textLines({"Δυαδ: 2 = 10", "Οκτ: 8 = 10", "Δεκ: 255 = FF"});
        QTest::newRow("English, every system")
            << false << test::textLines({"0:2", "1:8", "2:26"})
            << test::textLines({"Bin: 2 = 10", "Oct: 8 = 10", "Hex: 26 = 1A"});
        QTest::newRow("too large or empty adds no line")
            << true << test::textLines({"2:79228162514264337593543950336", "2:"}) << QStringList();
    }
    void resultsGoToTheTemporaryList()
    {
        QFETCH(bool, greek);
        QFETCH(QStringList, calculations);
        QFETCH(QStringList, lines);
        box(main_window::name::languageBox)->setChecked(greek);
        calculate(QStringLiteral("5"));
        QVERIFY(!openWindow(temporary_list::name::window)); // its box is clear: nothing loads
        box(main_window::name::temporaryListBox)->setChecked(true);
        for (const QString &each : calculations) {
            systems()->setCurrentIndex(each.section(u':', 0, 0).toInt());
            calculate(each.section(u':', 1));
        }
        auto *list = test::control<QListWidget>(openWindow(temporary_list::name::window),
                                                temporary_list::name::list);
        QCOMPARE(test::textLines(list), lines);
        QCOMPARE(list->currentRow(), int(lines.size()) - 1);
    }

    void showAllCascades_data()
    {
        QTest::addColumn<bool>("ticked");
        QTest::newRow("ticking opens one window after the other") << true;
        QTest::newRow("clearing closes one window after the other") << false;
    }
    void showAllCascades()
    {
        QFETCH(bool, ticked);
        if (!ticked) {
            box(main_window::name::showAllBox)->setChecked(true);
            QTRY_VERIFY(std::all_of(boxed.begin(), boxed.end(), [](const CompanionEntry &entry) {
                const QWidget *w = openWindow(entry.windowName);
                return w && !isEffectRunning(w);
            }));
        }
        // Each box's window starts its effect (<) once the one before has ended it (>).
        QStringList events, expected;
        for (std::size_t i = 0; i < boxed.size(); ++i) {
            const QString n = QString::number(i);
            expected << n + u'<' << n + u'>';
            CompanionWindow *closing = openWindow(boxed[i].windowName);
            connect(box(boxed[i].boxName), &QCheckBox::toggled, this, [&, i, n, closing] {
                events << n + u'<';
                connect(ticked ? openWindow(boxed[i].windowName) : closing,
                        ticked ? &CompanionWindow::opened : &CompanionWindow::unloaded, this,
                        [&, n] { events << n + u'>'; });
            });
        }
        box(main_window::name::showAllBox)->setChecked(ticked);
        QTRY_COMPARE_WITH_TIMEOUT(events, expected, 10000);
    }

    // Cleared while it opens the second window, "Show All" opens nothing more.
    void showAllClearedHalfWay()
    {
        box(main_window::name::showAllBox)->setChecked(true);
        QTRY_VERIFY(openWindow(to_decimal::name::window));
        box(main_window::name::showAllBox)->setChecked(false);
        QTest::qWait(1500); // three effects: a cascade still running would go on
        QVERIFY(companionWindows().isEmpty());
        for (const CompanionEntry &entry : boxed)
            QVERIFY2(!box(entry.boxName)->isChecked(), entry.boxName);
    }

    // "Show All" passes over a temporary list the lists window opened without its box.
    void showAllAfterTheListsWindowSentALine()
    {
        box(main_window::name::listsBox)->setChecked(true);
        QWidget *listsWindow = nullptr;
        QTRY_VERIFY((listsWindow = openWindow(lists::name::window))
                    && !isEffectRunning(listsWindow));
        auto *numbers = test::control<QListWidget>(listsWindow, lists::name::binaryList);
        const QPoint line = numbers->visualItemRect(numbers->item(4)).center();
        QTest::mouseClick(numbers->viewport(), Qt::LeftButton, {}, line);
        QTest::mouseDClick(numbers->viewport(), Qt::LeftButton, {}, line);
        CompanionWindow *list = openWindow(temporary_list::name::window);
        QVERIFY(list && !box(main_window::name::temporaryListBox)->isChecked());
        QTRY_VERIFY(!isEffectRunning(list));

        box(main_window::name::showAllBox)->setChecked(true);
        for (const CompanionEntry &entry : boxed)
            QTRY_VERIFY2(box(entry.boxName)->isChecked() && openWindow(entry.windowName),
                         entry.boxName);
        QCOMPARE(openWindow(temporary_list::name::window), list);
    }

    // Every window in both languages: each text finds its control (else a warning), each
    // button shows or speaks a name, and the window draws exactly the README's picture.
    void everyWindowLooksAsInTheReadme()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("no control named")));
        const QDir readme(QStringLiteral(RADIXON_SCREENSHOTS));
        // The pictures were drawn with this font (scripts/setup.sh installs it).
        const bool sameFont =
            QFontInfo(QApplication::font()).family() == QLatin1String("DejaVu Sans");
        QStringList faults;
        const bool shown = showEveryWindow(*window, [&](QWidget *shown, const QString &picture) {
            const QImage drawn = shown->grab().toImage();
            const QString saved = QDir::temp().filePath(picture);
            if (sameFont
                && drawn != QImage(readme.filePath(picture)).convertToFormat(drawn.format())
                && drawn.save(saved))
                faults << QStringLiteral("drawn otherwise: ") + saved;
            for (const QAbstractButton *button : shown->findChildren<QAbstractButton *>()) {
                if (button->isVisibleTo(shown) && button->text().isEmpty()
                    && button->accessibleName().isEmpty())
                    faults << button->objectName();
            }
            const char *close = picture.contains(QLatin1String("greek")) ? "Κλείσιμο" : "Close";
            if (test::control(shown, "titleBarCloseButton")->accessibleName()
                != QString::fromUtf8(close))
                faults << picture;
        });
        QVERIFY(shown);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
        QCOMPARE(window->windowIcon().availableSizes(), QList<QSize>{QSize(64, 64)}); // taskbar
    }

    // Started in a language made for the test, whose catalogue writes "xx:" before every
    // source text, every window takes every text from that catalogue.
    void everyTextComesFromTheCatalogue()
    {
        const Language *test = Language::find(QStringLiteral("xx"));
        QVERIFY(test);
        Language::setStartLanguage(*test);
        window = std::make_unique<MainWindow>(*dialogs, MainWindow::Height::Usual, *test);
        window->show();
        box(main_window::name::optionsBox)->setChecked(true);
        box(main_window::name::showAllBox)->setChecked(true);
        QTest::mouseClick(picture(), Qt::LeftButton);
        QTest::keyClick(field(main_window::name::numberField), Qt::Key_F2);
        QTRY_COMPARE(companionWindows().size(), 6);
        QStringList untranslated;
        for (QWidget *shown : QApplication::topLevelWidgets()) {
            QWidgetList controls = shown->findChildren<QWidget *>();
            for (QWidget *control : controls << shown) {
                QStringList texts{control->toolTip(), control->accessibleName(),
                                  control->windowTitle(), control->property("title").toString()};
                if (!qobject_cast<QLineEdit *>(control)) // fields hold numbers, not texts
                    texts << control->property("text").toString();
                if (auto *list = qobject_cast<QComboBox *>(control))
                    for (int i = 0; i < list->count(); ++i)
                        texts << list->itemText(i);
                for (const QString &text : texts)
                    if (!text.isEmpty() && !text.startsWith(QLatin1String("xx:")))
                        untranslated << control->objectName() + QLatin1String(": ") + text;
            }
        }
        QCOMPARE(test::control(window.get(), main_window::name::calculateButton)->toolTip(),
                 QStringLiteral("xx:Calculate")); // tool tips are not left out
        QCOMPARE(untranslated,
                 QStringList{QStringLiteral("webAddressLink: https://radixon.example.org")});
        for (const char *title : {"Radixon By Zendor", "xx:Radixon By Zendor"}) {
            test::clickBox(window.get(), main_window::name::languageBox); // English, and back
            QCOMPARE(window->windowTitle(), QLatin1String(title));
        }
    }

    void aboutOpensOnAClickOnThePicture_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QPoint>("releasedAt"); // from the picture's top-left corner
        QTest::addColumn<bool>("opens");
        QTest::newRow("left click") << Qt::LeftButton << QPoint(5, 5) << true;
        QTest::newRow("right click") << Qt::RightButton << QPoint(5, 5) << false;
        QTest::newRow("released away from the picture")
            << Qt::LeftButton << QPoint(-20, 5) << false;
    }
    void aboutOpensOnAClickOnThePicture()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(QPoint, releasedAt);
        QFETCH(bool, opens);
        QTest::mouseRelease(picture(), Qt::LeftButton); // a release alone is no click
        QVERIFY(!openWindow(about::name::window));
        QTest::mousePress(picture(), button, {}, QPoint(5, 5));
        QTest::mouseRelease(picture(), button, {}, releasedAt);
        CompanionWindow *about = openWindow(about::name::window);
        QCOMPARE(about != nullptr, opens);
        if (!about)
            return;
        window->activateWindow();
        QTest::mouseClick(picture(), Qt::LeftButton); // About opens once, and comes forward
        QTRY_VERIFY(openWindow(about::name::window) == about && about->isActiveWindow());
        // Closed by its own control, it can be opened again before its close effect ends.
        about->close();
        QTest::mouseClick(picture(), Qt::LeftButton);
        QVERIFY(openWindow(about::name::window) && openWindow(about::name::window) != about);
    }

    // Leaving during "Show All", every window closes before the farewell, which comes once;
    // a window stuck in its close (here: never deleted) delays it for three seconds only.
    void shutdownClosesEverythingBeforeTheFarewell_data()
    {
        QTest::addColumn<bool>("greek");
        QTest::addColumn<QString>("thanks");
        QTest::addColumn<bool>("stuck");
        QTest::newRow("Greek") << true << "Ευχαριστώ που χρησιμοποιείτε το πρόγραμμά μου!" << false;
        QTest::newRow("English") << false << "Thank you for using my program!" << false;
        QTest::newRow("a window that never goes")
            << false << "Thank you for using my program!" << true;
    }
    void shutdownClosesEverythingBeforeTheFarewell()
    {
        QFETCH(bool, greek);
        QFETCH(QString, thanks);
        QFETCH(bool, stuck);
        box(main_window::name::languageBox)->setChecked(greek);
        box(main_window::name::showAllBox)->setChecked(true);
        QTRY_VERIFY(openWindow(temporary_list::name::window));
        calculate(QStringLiteral("7"));
        QTest::mouseClick(picture(), Qt::LeftButton);
        box(main_window::name::temporaryListBox)->setChecked(false); // its effect ends first
        QTest::qWait(250);
        DeletionEater eater;
        if (stuck)
            openWindow(about::name::window)->installEventFilter(&eater);
        qsizetype openAtFarewell = -1;
        dialogs->onInform = [&] { openAtFarewell = companionWindows().size(); };
        openWindow(about::name::window)->close(); // closing by its own control, waited for too
        QTimer::singleShot(0, window.get(), [this] { window->close(); }); // a second close waits
        QVERIFY(!window->close()); // until the companions have gone
        QTRY_VERIFY(!window->isVisible());
        QCOMPARE(openAtFarewell, qsizetype(stuck));
        qDeleteAll(companionWindows());
        QCOMPARE(dialogs->shown.size(), std::size_t(1));
        const test::FakeDialogs::Shown &farewell = dialogs->shown.front();
        QVERIFY(farewell.title == QLatin1String("Radixon")
                && farewell.icon == Dialogs::Icon::Information);
        QCOMPARE(farewell.text, thanks + QStringLiteral("\nhttps://radixon.example.org\nZendor"));
    }
    void startingAsksOnlyWhenAnotherCopyRuns_data()
    {
        QTest::addColumn<bool>("another");
        QTest::addColumn<bool>("yes");
        QTest::newRow("first copy asks nothing") << false << false;
        QTest::newRow("No ends the new copy") << true << false;
        QTest::newRow("Yes opens a second window") << true << true;
    }
    void startingAsksOnlyWhenAnotherCopyRuns()
    {
        QFETCH(bool, another);
        QFETCH(bool, yes);
        const QTemporaryDir folder;
        std::optional<SingleInstance> running;
        if (another)
            QVERIFY(running.emplace(folder.path()).claimSlot());
        const SingleInstance starting(folder.path());
        test::FakeDialogs answers;
        answers.answerYes = yes;
        const std::unique_ptr<MainWindow> started =
            startMainWindow(answers, starting, Language::greek());
        QCOMPARE(bool(started), !another || yes);
        QCOMPARE(answers.shown.size(), std::size_t(another));
        QVERIFY(!another || answers.shown.front().title == QLatin1String("Radixon"));
        QVERIFY(!started || started->language().code() == QLatin1String("el"));
        if (started) // the options folded away; a second window is one pixel taller
            QCOMPARE(test::clientHeight(started.get()), MainWindow::closedHeight + int(another));
    }

    // The working of the last calculation, opened by F2 in a field or by the result's menu
    // in each converting window: beside it, docked, following its calculations and language.
    void workingFollowsTheWindowThatAsked_data()
    {
        QTest::addColumn<QByteArray>("opener"); // the asking window's box; none: the main window
        QTest::addColumn<QString>("first");     // the system's index, or the base
        QTest::addColumn<QString>("number");
        QTest::addColumn<bool>("byMenu");
        QTest::addColumn<QString>("copied");
        QTest::addColumn<QString>("failing"); // a number then typed, and what the working says
        QTest::addColumn<QString>("told");
        const auto row = [](const char *name, const char *opener, const char *first,
                            const char *number, bool byMenu, const QString &copied,
                            const char *failing, const char *told) {
            QTest::newRow(name) << QByteArray(opener) << QString::fromLatin1(first)
                                << QString::fromLatin1(number) << byMenu << copied
                                << QString::fromLatin1(failing) << QString::fromUtf8(told);
        };
        const QString head = u"Number\tQuotient\tRemainder\tDigit\n"_s,
                      upwards = u"Read the remainders from the last to the first"_s,
                      divide = u"repeatedly: each remainder is a digit.\n"_s;
        row("main window, hexadecimal by F2", "", "2", "2024", false,
            u"2024 from decimal to hexadecimal (base 16)\nDivide by 16 "_s + divide + head
                + u"2024\t126\t8\t8\n126\t7\t14\tE\n7\t0\t7\t7\n"_s + upwards
                + u": 7E8\nDigit values: E = 14\nThrough binary\n0111\t1110\t1000\n7\tE\t8\n"_s,
            "79228162514264337593543950336",
            "79228162514264337593543950336 is too large: the largest number converted is "
            "79228162514264337593543950335 (2^96 − 1).");
        row("main window, a fraction in binary by the menu, with a comma", "", "0", "12,75", true,
            u"12,75 from decimal to binary (base 2)\nDivide by 2 "_s + divide
                + u"The fraction 0,75: multiply by 2 repeatedly; the whole part of each "
                  "product is the next digit.\n"_s
                + head + u"12\t6\t0\t0\n6\t3\t0\t0\n3\t1\t1\t1\n1\t0\t1\t1\n"_s
                + u"Fraction\tFraction × Base\tDigit\tNext Fraction\n0,75\t1,5\t1\t0,5\n"
                  "0,5\t1\t1\t0\n"_s
                + upwards
                + u", then the digits of the fraction from the first to the last: 1100,11\n"
                  "The result field holds the whole part only.\n"_s,
            "-5", "-5 is negative: only numbers from 0 upwards are converted.");
        row("to decimal by F2", main_window::name::toDecimalBox, "2", "fF", false,
            u"fF from hexadecimal (base 16) to decimal\nEach digit times 16 to the power of its "
            "position; the products are added.\nDigit\tValue\tPosition\tWeight\tValue × "
            "Weight\nF\t15\t1\t16¹ = 16\t240\nF\t15\t0\t16⁰ = 1\t15\nSum: 255\n"
            "Digit values: F = 15\n"_s,
            "12G", "“G” is not a digit in base 16: its digits are 0 to 9 and A to F.");
        row("other base 16 by the menu: no binary shortcut", main_window::name::otherBaseBox, "16",
            "255", true,
            u"255 from decimal to hexadecimal (base 16)\nDivide by 16 "_s + divide + head
                + u"255\t15\t15\tF\n15\t0\t15\tF\n"_s + upwards + u": FF\nDigit values: F = 15\n"_s,
            "abc", "“abc” is not a number.");
    }
    void workingFollowsTheWindowThatAsked()
    {
        QFETCH(QByteArray, opener);
        QFETCH(QString, first);
        QFETCH(QString, number);
        QFETCH(bool, byMenu);
        QFETCH(QString, copied);
        box(main_window::name::languageBox)->setChecked(false);
        QWidget *asker = asking(opener);
        auto *numberField = test::control<QLineEdit>(asker, "numberField");
        auto *resultField = test::control<QLineEdit>(asker, "resultField");
        const auto ask = [&] {
            if (!byMenu)
                return QTest::keyClick(numberField, Qt::Key_F2);
            QVERIFY(!menuOf(resultField, "showWorkingAction").isEmpty());
        };
        if (byMenu && opener.isEmpty()) // just room for the working on the right
            window->move(window->screen()->availableGeometry().right() - 561 - window->width(), 0);
        ask();
        QWidget *working = nullptr;
        QTRY_VERIFY((working = openWindow(working::name::window)) && !isEffectRunning(working));
        auto *line = test::control<QLabel>(working, working::name::readingLine);
        const auto spoken = [line] { // as a screen reader reads it
            return QAccessible::queryAccessibleInterface(line)->text(QAccessible::Name);
        };
        QCOMPARE(test::control<QLabel>(working, working::name::heading)->text(),
                 u"Calculate first"_s);
        QVERIFY(!test::control(working, working::name::copyButton)->isEnabled());
        const QRect beside = asker->frameGeometry();
        QCOMPARE(working->frameGeometry().topLeft(), beside.topRight() + QPoint(1, 0));
        QVERIFY(window->dock().isRegistered(working));
        QCOMPARE(window->dock().isGlued(working), asker == window.get());

        if (number.contains(u','))
            QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece)); // comma separator
        choose(asker, first);
        numberField->setText(number);
        QTest::keyClick(numberField, Qt::Key_Return);
        ask(); // again: the same window, where it was
        QCOMPARE(openWindow(working::name::window), working);
        QCOMPARE(working->frameGeometry().topLeft(), beside.topRight() + QPoint(1, 0));
        QTest::mouseClick(test::control(working, working::name::copyButton), Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), copied);
        QVERIFY(copied.contains(spoken()));
        // A calculation that fails shows no steps of the one before, and says why.
        QFETCH(QString, failing);
        QFETCH(QString, told);
        auto *table = test::control<QTableView>(working, working::name::table);
        numberField->setText(failing);
        QTest::keyClick(numberField, Qt::Key_Return);
        QVERIFY(table->isHidden() && line->isHidden());
        QCOMPARE(test::control<QLabel>(working, working::name::heading)->text().section(u'\n', 1),
                 told);
        numberField->setText(number);
        QTest::keyClick(numberField, Qt::Key_Return);

        test::clickBox(asker, "languageBox");
        // As a screen reader finds them.
        QAccessibleTableInterface *cells =
            QAccessible::queryAccessibleInterface(table)->tableInterface();
        QCOMPARE(cells->columnDescription(1),
                 QString::fromUtf8(opener == main_window::name::toDecimalBox ? "Τιμή" : "Πηλίκο"));
        QCOMPARE(cells->cellAt(0, 0)->text(QAccessible::Name),
                 opener == main_window::name::toDecimalBox ? u"F"_s : number.section(u',', 0, 0));
        if (QPointer<QWidget> gone = asker; !opener.isEmpty()) { // the working outlives it
            box(opener.constData())->setChecked(false);
            QTRY_VERIFY(gone.isNull());
            QApplication::clipboard()->clear();
            QTest::mouseClick(test::control(working, working::name::copyButton), Qt::LeftButton);
            QVERIFY(QApplication::clipboard()->text().contains(spoken()));
        }
        QVERIFY(line->text().startsWith(QString::fromUtf8(
            opener == main_window::name::toDecimalBox ? "Άθροισμα: " : "Διαβάζουμε τα υπόλοιπα")));
    }

    // F3 in a field, "Practise" in the result field's menu or the working's button: practice
    // opens beside the window that asked, on its kind of exercise, and follows its language.
    void practiceOpensOnTheAskersExercise_data()
    {
        QTest::addColumn<QByteArray>("opener"); // the box of the asking window; the main one: none
        QTest::addColumn<QString>("system");    // the index in the systems' list, or the base
        QTest::addColumn<int>("how");           // F3, the menu or the working's button
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("base");
        using K = ExerciseKind;
        QTest::newRow("main window in hexadecimal, F3")
            << QByteArray() << u"2"_s << 0 << int(K::DecimalToHexadecimal) << 3;
        QTest::newRow("to decimal from octal, the menu")
            << QByteArray(main_window::name::toDecimalBox) << u"1"_s << 1 << int(K::OctalToDecimal)
            << 3;
        QTest::newRow("base 7, the working's button") << QByteArray(main_window::name::otherBaseBox)
                                                      << u"7"_s << 2 << int(K::DecimalToBase) << 7;
    }
    void practiceOpensOnTheAskersExercise()
    {
        QFETCH(QByteArray, opener);
        QFETCH(QString, system);
        QFETCH(int, how);
        QWidget *asker = asking(opener);
        choose(asker, system);
        auto *numberField = test::control<QLineEdit>(asker, "numberField");
        auto *resultField = test::control<QLineEdit>(asker, "resultField");
        if (how == 0) {
            QTest::keyClick(numberField, Qt::Key_F3);
        } else if (how == 1) {
            QVERIFY(menuOf(resultField, "practiseAction").contains(u"Εξάσκηση"_s));
        } else {
            QTest::keyClick(numberField, Qt::Key_F2);
            QWidget *working = nullptr;
            QTRY_VERIFY((working = openWindow(working::name::window)) && !isEffectRunning(working));
            QTest::mouseClick(test::control(working, working::name::practiseButton),
                              Qt::LeftButton);
        }
        QWidget *practice = nullptr;
        QTRY_VERIFY((practice = openWindow(practice::name::window)) && !isEffectRunning(practice));
        QFETCH(int, kind);
        QFETCH(int, base);
        const auto *baseField = test::control<QSpinBox>(practice, practice::name::baseField);
        QCOMPARE(test::control<QComboBox>(practice, practice::name::kindList)->currentIndex(),
                 kind);
        QVERIFY(baseField->value() == base
                && baseField->isEnabled() == (kind == int(ExerciseKind::DecimalToBase)));
        QVERIFY(test::control(practice, practice::name::answerField)->hasFocus()
                && window->dock().isRegistered(practice));
        QVERIFY(!practice->frameGeometry().intersects(asker->frameGeometry())
                && asker->screen()->availableGeometry().contains(practice->frameGeometry()));
        const auto *question = test::control<QLabel>(practice, practice::name::questionLine);
        test::clickBox(asker, "languageBox"); // it follows the window that asked
        QVERIFY(practice->windowTitle() == u"RX Practice:"_s
                && question->text().startsWith(u"Write "_s));
    }

    // A field's menu, drawn by Qt, speaks the language of the window it opens in, also where
    // that window's own box differs from the main window's.
    void fieldMenusInTheWindowsLanguage_data()
    {
        QTest::addColumn<QByteArray>("opener"); // the box of the window; the main one: none
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<bool>("english"); // the window's own language box cleared
        QTest::addColumn<QString>("entries");
        const QByteArray number = main_window::name::numberField;
        QTest::newRow("main window in Greek")
            << QByteArray() << number << false << u"&Αναίρεση|Ε&πανάληψη|Απο&κοπή"_s;
        QTest::newRow("to decimal in English beside the Greek main window")
            << QByteArray(main_window::name::toDecimalBox) << number << true << u"Cu&t|&Paste"_s;
        QTest::newRow("other base's result, the program's entries too")
            << QByteArray(main_window::name::otherBaseBox) << QByteArray("resultField") << false
            << u"Αντι&γραφή|Εμφάνιση Βημάτων|Εξάσκηση"_s;
        QTest::newRow("practice's base, a spin box")
            << QByteArray("practice") << QByteArray(practice::name::baseField) << false
            << u"&Αύξηση|&Μείωση"_s;
    }
    void fieldMenusInTheWindowsLanguage()
    {
        QFETCH(QByteArray, opener);
        QFETCH(QByteArray, field);
        QWidget *shown = asking(opener == "practice" ? QByteArray() : opener);
        if (opener == "practice") {
            QTest::keyClick(this->field(main_window::name::numberField), Qt::Key_F3);
            QTRY_VERIFY((shown = openWindow(practice::name::window)) && !isEffectRunning(shown));
            test::control<QComboBox>(shown, practice::name::kindList)
                ->setCurrentIndex(int(ExerciseKind::DecimalToBase)); // the base field in use
        }
        QFETCH(bool, english);
        if (english)
            test::clickBox(shown, "languageBox");
        const QStringList shownEntries = menuOf(test::control<QWidget>(shown, field.constData()));
        QFETCH(QString, entries);
        for (const QString &entry : entries.split(u'|'))
            QVERIFY2(shownEntries.contains(entry), qPrintable(shownEntries.join(u'|')));
    }

    // Too little room on the asker's right: the working opens on its left, narrowed to the room
    // there, on top with the main window; the longest input shows weights as powers, long terms
    // in brief, and is too long to copy.
    void workingOfTheLongestInput()
    {
        const QRect area = window->screen()->availableGeometry();
        window->move(area.left() + 360, area.top() + 40);
        box(main_window::name::toDecimalBox)->setChecked(true);
        QWidget *toDecimal = nullptr;
        QTRY_VERIFY((toDecimal = openWindow(to_decimal::name::window))
                    && !isEffectRunning(toDecimal));
        test::control<QComboBox>(toDecimal, "systemList")->setCurrentIndex(2);
        auto *numberField = test::control<QLineEdit>(toDecimal, "numberField");
        numberField->setText(QString(32767, u'F'));
        QTest::keyClick(numberField, Qt::Key_Return);
        test::clickBox(window.get(), main_window::name::onTopBox); // the working follows it
        auto *decimalField = test::control<QLineEdit>(window.get(), main_window::name::numberField);
        test::control<QComboBox>(window.get(), main_window::name::systemList)->setCurrentIndex(0);
        decimalField->setText(u"79228162514264337593543950335"_s); // 96 binary digits
        QTest::keyClick(decimalField, Qt::Key_Return);
        QTest::keyClick(decimalField, Qt::Key_F2);
        QWidget *working = nullptr;
        QTRY_VERIFY((working = openWindow(working::name::window)) && !isEffectRunning(working));
        QVERIFY(showsWhole(working));
        QVERIFY(isAlwaysOnTop(working));
        test::clickBox(window.get(), main_window::name::onTopBox);
        QVERIFY(!isAlwaysOnTop(working));
        QCOMPARE(working->frameGeometry().topRight(),
                 window->frameGeometry().topLeft() - QPoint(1, 0));
        QCOMPARE(working->frameGeometry().left(), area.left());
        for (const int system : {1, 2}) { // 32 octal groups, 24 hexadecimal: both rows in view
            test::control<QComboBox>(window.get(), main_window::name::systemList)
                ->setCurrentIndex(system);
            QTest::keyClick(decimalField, Qt::Key_Return);
            const auto *groups = test::control<QTableWidget>(working, working::name::groupsTable);
            QCOMPARE(groups->columnCount(), 96 / (system == 1 ? 3 : 4));
            QVERIFY(groups->rowViewportPosition(1) + groups->rowHeight(1)
                    <= groups->viewport()->height());
        }
        QTest::keyClick(numberField, Qt::Key_F2); // now the to-decimal window's
        const QAbstractItemModel *rows =
            test::control<QTableView>(working, working::name::table)->model();
        QCOMPARE(rows->rowCount(), 32767);
        QCOMPARE(rows->index(0, 3).data().toString(), u"16³²⁷⁶⁶ = 156802…711616 (39455 ψηφία)"_s);
        QCOMPARE(rows->index(0, 4).data().toString(), u"235203…674240 (39456 ψηφία)"_s);
        QCOMPARE(rows->index(32766, 4).data().toString(), u"15"_s);
        for (int row = 32700; row < 32767; ++row) { // a number in brief is shorter than it
            for (const int column : {3, 4}) {
                const QString cell =
                    rows->index(row, column).data().toString().section(u" = "_s, -1);
                const int digits = cell.section(u'(', 1).section(u' ', 0, 0).toInt();
                QVERIFY(digits == 0 || cell.size() < digits);
            }
        }
        QVERIFY(showsWhole(working));
        QApplication::clipboard()->clear();
        QTest::mouseClick(test::control(working, working::name::copyButton), Qt::LeftButton);
        QVERIFY(QApplication::clipboard()->text().isEmpty());
        QCOMPARE(dialogs->shown.back().text, u"Τα βήματα είναι πολύ μεγάλα για αντιγραφή"_s);
    }

    // A screen reader finds each converter's field by the label above it.
    void labelsNameTheirFields()
    {
        box(main_window::name::showAllBox)->setChecked(true);
        QTRY_VERIFY(openWindow(to_decimal::name::window) && openWindow(other_base::name::window));
        const std::pair<QWidget *, const char *> labelled[] = {
            {window.get(),
             "systemLabel:systemList numberLabel:numberField resultLabel:resultField"},
            {openWindow(to_decimal::name::window),
             "systemLabel:systemList numberLabel:numberField resultLabel:resultField"},
            {openWindow(other_base::name::window),
             "baseLabel:baseField numberLabel:numberField resultLabel:resultField"}};
        for (const auto &[shown, pairs] : labelled) {
            for (const QString &pair : QString::fromLatin1(pairs).split(u' ')) {
                QWidget *field = test::control(shown, qPrintable(pair.section(u':', 1)));
                QStringList labels; // the label above, and the frame around
                for (const auto &[label, relation] :
                     QAccessible::queryAccessibleInterface(field)->relations(QAccessible::Label))
                    labels << label->object()->objectName();
                QVERIFY2(labels.contains(pair.section(u':', 0, 0)), qPrintable(pair));
            }
        }
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
