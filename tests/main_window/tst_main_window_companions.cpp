#include "main_window/form_numeric.h"
#include "main_window/single_instance.h"
#include "main_window/startup.h"
#include "support/main_window_session.h"
#include "windows/common/appearance.h"
#include "windows/common/companion_window.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>

#include <memory>
#include <optional>

using namespace radixon;
using test::companionWindows;
using test::openWindow;

class TestMainWindowCompanions : public QObject, protected test::MainWindowSession {
    Q_OBJECT

    void calculate(const QString &number) const
    {
        auto *entry = test::control<QLineEdit>(window.get(), "Text1");
        entry->setText(number);
        QTest::keyClick(entry, Qt::Key_Return);
    }

private slots:
    void initTestCase() { test::dropPlatformNoise(); applyAppearance(*qApp); }
    void init()
    {
        QVERIFY(openMainWindow());
    }
    void cleanup() { QVERIFY(closeMainWindow()); }

    void resultsGoToTheTemporaryList_data()
    {
        QTest::addColumn<bool>("greek");
        QTest::addColumn<int>("system");
        QTest::addColumn<QStringList>("numbers");
        QTest::addColumn<QStringList>("lines");
        const QStringList n255{QStringLiteral("255")};
        QTest::newRow("English binary") << false << 0 << n255 << test::textLines({"Bin: 255 = 11111111"});
        QTest::newRow("English hexadecimal") << false << 2 << n255 << test::textLines({"Hex: 255 = FF"});
        QTest::newRow("Greek octal") << true << 1 << n255 << test::textLines({"Οκτ: 255 = 377"});
        QTest::newRow("Greek hexadecimal") << true << 2 << n255 << test::textLines({"Δεκ: 255 = FF"});
        QTest::newRow("each append moves the current line down")
            << false << 0 << test::textLines({"1", "2", "3"})
            << test::textLines({"Bin: 1 = 1", "Bin: 2 = 10", "Bin: 3 = 11"});
        QTest::newRow("too large or empty adds no line")
            << false << 0 << test::textLines({"79228162514264337593543950336", ""}) << QStringList();
    }
    void resultsGoToTheTemporaryList()
    {
        QFETCH(bool, greek);
        QFETCH(int, system);
        QFETCH(QStringList, numbers);
        QFETCH(QStringList, lines);
        box("Check4")->setChecked(greek);
        calculate(QStringLiteral("5"));
        QVERIFY(!openWindow("Form6")); // the list's box is clear: nothing loads
        box("Check1")->setChecked(true);
        test::control<QComboBox>(window.get(), "Combo1")->setCurrentIndex(system);
        for (const QString &number : numbers)
            calculate(number);
        auto *list = test::control<QListWidget>(openWindow("Form6"), "List1");
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
        box("Check8")->setChecked(onTop);
        box("Check3")->setChecked(true);
        CompanionWindow *lists = openWindow("Form2");
        QCOMPARE(test::control<QCheckBox>(lists, "Check2")->isChecked(), onTop);
        box("Check13")->setChecked(true);
        for (const char *name : {"Form6", "Form5", "Form3", "Form2"})
            QVERIFY2(openWindow(name), name);
        QCOMPARE(openWindow("Form2"), lists); // already open: left alone

        // Closing the lists by their own close control clears only their box.
        lists->close();
        QVERIFY(!box("Check3")->isChecked());
        QVERIFY(box("Check13")->isChecked());
        QTRY_VERIFY(!openWindow("Form2"));

        box("Check13")->setChecked(false);
        for (const char *name : {"Form6", "Form5", "Form3"})
            QVERIFY2(!openWindow(name), name);
        QTRY_VERIFY(companionWindows().isEmpty());
    }

    void reopeningWhileTheCloseEffectRunsGivesAFreshWindow()
    {
        box("Check12")->setChecked(true);
        CompanionWindow *first = openWindow("Form5");
        box("Check12")->setChecked(false);
        box("Check12")->setChecked(true);
        CompanionWindow *second = openWindow("Form5");
        QVERIFY(second && second != first);
        QTRY_COMPARE(companionWindows().size(), 1);
    }

    void aboutOnceThenShutdownUnloadsEverythingBeforeTheFarewell_data()
    {
        QTest::addColumn<bool>("greek");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("English") << false << QStringLiteral("Thank you for using my program!");
        QTest::newRow("Greek") << true << QString::fromUtf8("Ευχαριστώ που χρησιμοποιείτε το πρόγραμμά μου!");
    }
    void aboutOnceThenShutdownUnloadsEverythingBeforeTheFarewell()
    {
        QFETCH(bool, greek);
        QFETCH(QString, firstLine);
        box("Check4")->setChecked(greek);
        box("Check13")->setChecked(true);
        box("Check1")->setChecked(true);
        calculate(QStringLiteral("7")); // an unsaved line does not hold shutdown up
        QWidget *picture = test::control(window.get(), "Image1");
        QTest::mouseClick(picture, Qt::LeftButton);
        CompanionWindow *about = openWindow("Form4");
        QTest::mouseClick(picture, Qt::LeftButton); // the picture opens About once
        QCOMPARE(openWindow("Form4"), about);
        QCOMPARE(companionWindows().size(), 5);

        window->close();
        QVERIFY(companionWindows().isEmpty()); // every close effect ended before the farewell
        QCOMPARE(dialogs->shown.size(), std::size_t(1));
        const test::FakeDialogs::Shown &farewell = dialogs->shown.front();
        QCOMPARE(farewell.title, QStringLiteral("Radixon"));
        QCOMPARE(farewell.icon, Dialogs::Icon::Information);
        QCOMPARE(farewell.text.split(QLatin1Char('\n')),
                 (QStringList{firstLine, QStringLiteral("https://radixon.example.org"), QStringLiteral("Zendor")}));
    }
};

class TestStartup : public QObject {
    Q_OBJECT

    QTemporaryDir folder;
    QString lockPath() const { return folder.filePath(QStringLiteral("radixon.lock")); }

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
        if (another)
            QVERIFY(!running.emplace(lockPath()).anotherCopyRunning());
        const SingleInstance starting(lockPath());
        QCOMPARE(starting.anotherCopyRunning(), another);

        test::FakeDialogs dialogs;
        dialogs.answerYes = yes;
        const std::unique_ptr<Form_Numeric> window = startMainWindow(dialogs, starting);
        QCOMPARE(bool(window), !another || yes);
        QCOMPARE(dialogs.shown.size(), std::size_t(another));
        if (!another) {
            QCOMPARE(window->height(), Form_Numeric::closedHeight);
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
        QCOMPARE(window->height(), Form_Numeric::closedHeight + 1);
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const QPoint centred = CenterOnScreen(screen, QSize(Form_Numeric::clientWidth, Form_Numeric::openHeight));
        QCOMPARE(window->pos(), centred + QPoint(window->width(), 0));
        QVERIFY(window->greek());
    }

    void centredSlightlyAboveTheMiddle()
    {
        // 95 % of 800 is 760: the centre is 20 pixels above the middle, on the screen given.
        QCOMPARE(CenterOnScreen(QRect(1000, 0, 1000, 800), QSize(200, 100)), QPoint(1400, 330));
    }

    void anotherProcessHoldsTheLockUntilKilled()
    {
        QProcess holder;
        holder.start(QStringLiteral(LOCK_HOLDER), {lockPath()});
        QVERIFY(holder.waitForReadyRead(5000));
        QCOMPARE(holder.readLine().trimmed(), QByteArray("locked"));
        QVERIFY(SingleInstance(lockPath()).anotherCopyRunning());

        holder.kill(); // SIGKILL: the lock file stays behind
        QVERIFY(holder.waitForFinished(5000));
        QVERIFY(QFile::exists(lockPath()));
        QVERIFY(!SingleInstance(lockPath()).anotherCopyRunning());
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
