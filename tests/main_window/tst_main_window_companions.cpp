#include "main_window/main_window.h"
#include "main_window/main_window_names.h"
#include "main_window/main_window_texts.h"
#include "main_window/single_instance.h"
#include "main_window/startup.h"
#include "support/main_window_session.h"
#include "window_services/window_effects.h"
#include "windows/about/about_names.h"
#include "windows/about/about_texts.h"
#include "windows/common/appearance.h"
#include "windows/common/companion_window.h"
#include "windows/common/converter_texts.h"
#include "windows/lists/lists_names.h"
#include "windows/lists/lists_texts.h"
#include "windows/other_base/other_base_names.h"
#include "windows/other_base/other_base_texts.h"
#include "windows/temporary_list/temporary_list_names.h"
#include "windows/temporary_list/temporary_list_texts.h"
#include "windows/to_decimal/to_decimal_names.h"
#include "windows/to_decimal/to_decimal_texts.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QScreen>
#include <QTemporaryDir>

#include <algorithm>
#include <memory>
#include <optional>

using namespace radixon;
using test::companionWindows;
using test::openWindow;

// The window boxes in the order "Show All" sets them, and their windows.
const char *const boxes[] = {main_window::name::temporaryListBox, main_window::name::toDecimalBox,
                             main_window::name::otherBaseBox, main_window::name::listsBox};
const char *const boxedWindows[] = {temporary_list::name::window, to_decimal::name::window,
                                    other_base::name::window, lists::name::window};

class TestMainWindowCompanions : public QObject, protected test::MainWindowSession {
    Q_OBJECT

    void calculate(const QString &number) const
    {
        auto *entry = test::control<QLineEdit>(window.get(), main_window::name::numberField);
        entry->setText(number);
        QTest::keyClick(entry, Qt::Key_Return);
    }

private slots:
    void initTestCase()
    {
        test::dropPlatformNoise();
        applyAppearance(*qApp);
    }
    void init() { QVERIFY(openMainWindow()); }
    void cleanup() { QVERIFY(closeMainWindow()); }

    void resultsGoToTheTemporaryList_data()
    {
        QTest::addColumn<bool>("greek");
        QTest::addColumn<int>("system");
        QTest::addColumn<QStringList>("numbers");
        QTest::addColumn<QStringList>("lines");
        const QStringList n255{QStringLiteral("255")};
        QTest::newRow("English binary")
            << false << 0 << n255 << test::textLines({"Bin: 255 = 11111111"});
        QTest::newRow("Greek hexadecimal")
            << true << 2 << n255 << test::textLines({"Δεκ: 255 = FF"});
        QTest::newRow("each append moves the current line down")
            << false << 0 << test::textLines({"1", "2", "3"})
            << test::textLines({"Bin: 1 = 1", "Bin: 2 = 10", "Bin: 3 = 11"});
        QTest::newRow("too large or empty adds no line")
            << false << 0 << test::textLines({"79228162514264337593543950336", ""})
            << QStringList();
    }
    void resultsGoToTheTemporaryList()
    {
        QFETCH(bool, greek);
        QFETCH(int, system);
        QFETCH(QStringList, numbers);
        QFETCH(QStringList, lines);
        box(main_window::name::languageBox)->setChecked(greek);
        calculate(QStringLiteral("5"));
        QVERIFY(
            !openWindow(temporary_list::name::window)); // the list's box is clear: nothing loads
        box(main_window::name::temporaryListBox)->setChecked(true);
        test::control<QComboBox>(window.get(), main_window::name::systemList)
            ->setCurrentIndex(system);
        for (const QString &number : numbers)
            calculate(number);
        auto *list = test::control<QListWidget>(openWindow(temporary_list::name::window),
                                                temporary_list::name::list);
        QCOMPARE(test::textLines(list), lines);
        QCOMPARE(list->currentRow(), int(lines.size()) - 1);
    }

    void showAllOpensAndClosesTheFourWindows_data()
    {
        QTest::addColumn<bool>("onTop"); // the lists take the main window's on-top state
        QTest::newRow("main window on top") << true;
        QTest::newRow("main window not on top") << false;
    }
    void showAllOpensAndClosesTheFourWindows()
    {
        QFETCH(bool, onTop);
        box(main_window::name::onTopBox)->setChecked(onTop);
        box(main_window::name::listsBox)->setChecked(true);
        CompanionWindow *lists = openWindow(lists::name::window);
        QCOMPARE(test::control<QCheckBox>(lists, lists::name::onTopBox)->isChecked(), onTop);
        box(main_window::name::showAllBox)->setChecked(true);
        for (const char *name : boxedWindows)
            QTRY_VERIFY2(openWindow(name), name);
        QCOMPARE(openWindow(lists::name::window), lists); // already open: left alone

        // Closing the lists by their own close control clears only their box.
        lists->close();
        QVERIFY(!box(main_window::name::listsBox)->isChecked());
        QVERIFY(box(main_window::name::showAllBox)->isChecked());
        QTRY_VERIFY(!openWindow(lists::name::window));

        box(main_window::name::showAllBox)->setChecked(false);
        QTRY_VERIFY(companionWindows().isEmpty());
    }

    // Each window's effect starts once the window before has finished its own, in the
    // order of the boxes, opening and closing alike.
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
            QTRY_VERIFY(
                std::all_of(std::begin(boxedWindows), std::end(boxedWindows), [](const char *name) {
                    const QWidget *w = openWindow(name);
                    return w && !isEffectRunning(w);
                }));
        }
        QElapsedTimer clock;
        clock.start();
        std::vector<std::pair<qint64, qint64>> effects(std::size(boxedWindows), {-1, -1});
        for (std::size_t i = 0; i < effects.size(); ++i) {
            CompanionWindow *closing = openWindow(boxedWindows[i]);
            connect(box(boxes[i]), &QCheckBox::toggled, this, [&, i, closing] {
                effects[i].first = clock.elapsed();
                CompanionWindow *w = ticked ? openWindow(boxedWindows[i]) : closing;
                connect(w, ticked ? &CompanionWindow::opened : &CompanionWindow::unloaded, this,
                        [&, i] { effects[i].second = clock.elapsed(); });
            });
        }
        box(main_window::name::showAllBox)->setChecked(ticked);
        QTRY_VERIFY_WITH_TIMEOUT(effects.back().second >= 0, 10000);
        for (std::size_t i = 1; i < effects.size(); ++i)
            QVERIFY2(effects[i].first >= effects[i - 1].second, boxedWindows[i]);
        // Four effects of about half a second each, one after the other.
        QVERIFY(effects.back().second - effects.front().first >= 4 * 450);
    }

    // A box set by hand while the cascade runs, or the cascade turned back, leaves every
    // box telling whether its window is open.
    void showAllInterrupted()
    {
        box(main_window::name::showAllBox)->setChecked(true);
        QTRY_VERIFY(openWindow(temporary_list::name::window));
        box(main_window::name::temporaryListBox)->setChecked(false);
        box(main_window::name::listsBox)->setChecked(true);
        QTRY_VERIFY(openWindow(to_decimal::name::window));
        box(main_window::name::showAllBox)->setChecked(false);
        box(main_window::name::otherBaseBox)->setChecked(true);
        const auto settled = [] {
            const QList<CompanionWindow *> all = companionWindows();
            return std::none_of(all.begin(), all.end(), [](const CompanionWindow *w) {
                return isEffectRunning(w) || w->isUnloading();
            });
        };
        QTRY_VERIFY_WITH_TIMEOUT(settled(), 10000);
        for (std::size_t i = 0; i < std::size(boxes); ++i)
            QCOMPARE(box(boxes[i])->isChecked(), openWindow(boxedWindows[i]) != nullptr);
        QVERIFY(companionWindows().size() <= 1);
    }

    // Every row of every window's text table finds its control in both languages, and
    // no caption is left empty or cut off.
    void everyTextFindsItsControlAndFits_data()
    {
        QTest::addColumn<bool>("greek");
        QTest::newRow("English") << false;
        QTest::newRow("Greek") << true;
    }
    void everyTextFindsItsControlAndFits()
    {
        QFETCH(bool, greek);
        box(main_window::name::languageBox)->setChecked(greek);
        box(main_window::name::showAllBox)->setChecked(true);
        QTest::mouseClick(test::control(window.get(), main_window::name::aboutPicture),
                          Qt::LeftButton);
        const auto table = [](const auto &rows) {
            return std::pair{&rows[0], int(std::size(rows))};
        };
        const std::pair<const char *, std::pair<const TextRow *, int>> windows[] = {
            {main_window::name::window, table(main_window::texts)},
            {temporary_list::name::window, table(temporary_list::texts)},
            {to_decimal::name::window, table(to_decimal::texts)},
            {other_base::name::window, table(other_base::texts)},
            {to_decimal::name::window, table(converter::texts)},
            {other_base::name::window, table(converter::texts)},
            {lists::name::window, table(lists::texts)},
            {about::name::window, table(about::texts)},
        };
        for (const auto &[name, rows] : windows) {
            if (name != main_window::name::window)
                QTRY_VERIFY2(openWindow(name), name);
            QWidget *shown = name == main_window::name::window
                                 ? static_cast<QWidget *>(window.get())
                                 : openWindow(name);
            QCOMPARE(applyTexts(shown, rows.first, rows.second, greek), QStringList());
            QVERIFY(!shown->windowTitle().isEmpty());
            QCOMPARE(test::captionsCutOff(shown), QStringList());
            for (const QAbstractButton *control : shown->findChildren<QAbstractButton *>())
                QVERIFY2(!control->text().isEmpty() || !control->accessibleName().isEmpty(),
                         qPrintable(control->objectName()));
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
        QWidget *picture = test::control(window.get(), main_window::name::aboutPicture);
        QTest::mousePress(picture, button, {}, QPoint(5, 5));
        QTest::mouseRelease(picture, button, {}, releasedAt);
        QCOMPARE(openWindow(about::name::window) != nullptr, opens);
    }

    void reopeningWhileTheCloseEffectRunsGivesAFreshWindow_data()
    {
        QTest::addColumn<bool>("about"); // closed by its own control, reopened by the picture
        QTest::newRow("to-decimal window by its box") << false;
        QTest::newRow("About by its close control and the picture") << true;
    }
    void reopeningWhileTheCloseEffectRunsGivesAFreshWindow()
    {
        QFETCH(bool, about);
        const char *name = about ? about::name::window : to_decimal::name::window;
        QWidget *picture = test::control(window.get(), main_window::name::aboutPicture);
        const auto reopen = [&] {
            if (about)
                QTest::mouseClick(picture, Qt::LeftButton);
            else
                box(main_window::name::toDecimalBox)->setChecked(true);
        };
        reopen();
        CompanionWindow *first = openWindow(name);
        QVERIFY(first);
        if (about)
            first->close();
        else
            box(main_window::name::toDecimalBox)->setChecked(false);
        reopen();
        CompanionWindow *second = openWindow(name);
        QVERIFY(second && second != first);
        QTRY_COMPARE(companionWindows().size(), 1);
    }

    // Leaving during "Show All" ends the cascade: no window opens behind the farewell.
    void shutdownDuringShowAllOpensNothingMore()
    {
        box(main_window::name::showAllBox)->setChecked(true);
        QTRY_VERIFY(openWindow(temporary_list::name::window));
        int openAtFarewell = -1;
        dialogs->onInform = [&openAtFarewell] {
            const QList<CompanionWindow *> all = companionWindows();
            openAtFarewell =
                int(std::count_if(all.begin(), all.end(),
                                  [](const CompanionWindow *w) { return !w->isUnloading(); }));
        };
        window->close();
        QCOMPARE(openAtFarewell, 0);
    }

    void aboutOnceThenShutdownUnloadsEverythingBeforeTheFarewell_data()
    {
        QTest::addColumn<bool>("greek");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("English") << false << QStringLiteral("Thank you for using my program!");
        QTest::newRow("Greek") << true
                               << QString::fromUtf8(
                                      "Ευχαριστώ που χρησιμοποιείτε το πρόγραμμά μου!");
    }
    void aboutOnceThenShutdownUnloadsEverythingBeforeTheFarewell()
    {
        QFETCH(bool, greek);
        QFETCH(QString, firstLine);
        box(main_window::name::languageBox)->setChecked(greek);
        box(main_window::name::showAllBox)->setChecked(true);
        box(main_window::name::temporaryListBox)->setChecked(true);
        calculate(QStringLiteral("7")); // an unsaved line does not hold shutdown up
        QWidget *picture = test::control(window.get(), main_window::name::aboutPicture);
        QTest::mouseClick(picture, Qt::LeftButton);
        CompanionWindow *about = openWindow(about::name::window);
        QTest::mouseClick(picture, Qt::LeftButton); // the picture opens About once
        QCOMPARE(openWindow(about::name::window), about);
        QTRY_COMPARE(companionWindows().size(), 5);

        window->close();
        QVERIFY(companionWindows().isEmpty()); // every close effect ended before the farewell
        QCOMPARE(dialogs->shown.size(), std::size_t(1));
        const test::FakeDialogs::Shown &farewell = dialogs->shown.front();
        QCOMPARE(farewell.title, QStringLiteral("Radixon"));
        QCOMPARE(farewell.icon, Dialogs::Icon::Information);
        QCOMPARE(farewell.text.split(QLatin1Char('\n')),
                 (QStringList{firstLine, QStringLiteral("https://radixon.example.org"),
                              QStringLiteral("Zendor")}));
    }
};

class TestStartup : public QObject {
    Q_OBJECT

    QTemporaryDir folder;

private slots:
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
        std::optional<SingleInstance> running;
        if (another) {
            QVERIFY(!running.emplace(folder.path()).anotherCopyRunning());
            QVERIFY(running->claimSlot());
        }
        const SingleInstance starting(folder.path());
        QCOMPARE(starting.anotherCopyRunning(), another);

        test::FakeDialogs dialogs;
        dialogs.answerYes = yes;
        const std::unique_ptr<MainWindow> window = startMainWindow(dialogs, starting);
        QCOMPARE(bool(window), !another || yes);
        QCOMPARE(dialogs.shown.size(), std::size_t(another));
        if (!another) {
            QCOMPARE(test::clientHeight(window.get()), MainWindow::closedHeight);
            return;
        }
        QCOMPARE(dialogs.shown.front().kind, QStringLiteral("ask"));
        QCOMPARE(dialogs.shown.front().title, QStringLiteral("Radixon"));
        QCOMPARE(dialogs.shown.front().text.split(QLatin1Char('\n')),
                 (QStringList{QString::fromUtf8("Το πρόγραμμα είναι ανοιχτό."),
                              QString::fromUtf8("Θέλετε να ξεκινήσετε ένα καινούργιο ;"),
                              QStringLiteral("Program is already open."),
                              QStringLiteral("Want to start a new one ?")}));
        if (!window)
            return;
        QCOMPARE(test::clientHeight(window.get()), MainWindow::closedHeight + 1);
        // Centred with its whole outer size, title bar included, then one outer width right.
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const QRect outer = window->frameGeometry();
        QCOMPARE(outer.left(), qRound(screen.width() / 2.0 - outer.width() / 2.0) + outer.width());
        QCOMPARE(outer.top(), qRound(screen.height() * 0.95 / 2 - outer.height() / 2.0));
        QVERIFY(window->greek());
    }

    void centredSlightlyAboveTheMiddle()
    {
        // 95 % of 800 is 760: the centre is 20 pixels above the middle, on the screen given.
        QCOMPARE(centredOnScreen(QRect(1000, 0, 1000, 800), QSize(200, 100)), QPoint(1400, 330));
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    TestMainWindowCompanions companions;
    TestStartup startup;
    return QTest::qExec(&companions, argc, argv) | QTest::qExec(&startup, argc, argv);
}

#include "tst_main_window_companions.moc"
