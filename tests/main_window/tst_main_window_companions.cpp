#include "main_window/form_numeric.h"
#include "main_window/single_instance.h"
#include "main_window/startup.h"
#include "support/window_test_helpers.h"
#include "windows/common/appearance.h"
#include "windows/common/companion_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QLockFile>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace radixon;

namespace {

// A loaded companion window that is not closing, found by name as the user sees it.
CompanionWindow *openWindow(const char *name)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *window = qobject_cast<CompanionWindow *>(widget);
        if (window && window->objectName() == QLatin1String(name) && !window->isUnloading())
            return window;
    }
    return nullptr;
}

int companionWindowsAlive()
{
    int count = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        count += qobject_cast<CompanionWindow *>(widget) ? 1 : 0;
    return count;
}

} // namespace

class TestMainWindowCompanions : public QObject {
    Q_OBJECT

    std::unique_ptr<test::FakeDialogs> dialogs;
    std::unique_ptr<Form_Numeric> window;

    QCheckBox *box(const char *name) const { return window->findChild<QCheckBox *>(QLatin1String(name)); }
    void calculate(const QString &number) const
    {
        auto *entry = window->findChild<QLineEdit *>(QStringLiteral("Text1"));
        entry->setText(number);
        QTest::keyClick(entry, Qt::Key_Return);
    }
    QStringList temporaryLines() const
    {
        QStringList lines;
        if (CompanionWindow *list = openWindow("Form6")) {
            auto *widget = list->findChild<QListWidget *>(QStringLiteral("List1"));
            for (int i = 0; i < widget->count(); ++i)
                lines << widget->item(i)->text();
        }
        return lines;
    }

private slots:
    void initTestCase()
    {
        test::dropPlatformNoise();
        applyAppearance(*qApp);
    }

    void init()
    {
        dialogs = std::make_unique<test::FakeDialogs>();
        window = std::make_unique<Form_Numeric>(*dialogs);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        box("Check5")->setChecked(true);
    }

    void cleanup()
    {
        window.reset();
        QTRY_COMPARE(companionWindowsAlive(), 0);
    }

    void resultsGoToTheTemporaryList_data()
    {
        QTest::addColumn<bool>("greek");
        QTest::addColumn<int>("system");
        QTest::addColumn<QString>("line");
        QTest::newRow("English binary") << false << 0 << QStringLiteral("Bin: 255 = 11111111");
        QTest::newRow("English hexadecimal") << false << 2 << QStringLiteral("Hex: 255 = FF");
        QTest::newRow("Greek octal") << true << 1 << QString::fromUtf8("Οκτ: 255 = 377");
        QTest::newRow("Greek hexadecimal") << true << 2 << QString::fromUtf8("Δεκ: 255 = FF");
    }
    void resultsGoToTheTemporaryList()
    {
        QFETCH(bool, greek);
        QFETCH(int, system);
        QFETCH(QString, line);
        if (!greek)
            box("Check4")->setChecked(false);
        box("Check1")->setChecked(true);
        QVERIFY(openWindow("Form6"));
        window->findChild<QComboBox *>(QStringLiteral("Combo1"))->setCurrentIndex(system);
        calculate(QStringLiteral("255"));
        QCOMPARE(temporaryLines(), QStringList{line});
    }

    void eachAppendMovesTheCurrentLineDown()
    {
        box("Check1")->setChecked(true);
        for (const char *number : {"1", "2", "3"})
            calculate(QLatin1String(number));
        auto *list = openWindow("Form6")->findChild<QListWidget *>(QStringLiteral("List1"));
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->currentRow(), 2);
    }

    void failedOrUntickedCalculationsAddNoLine()
    {
        calculate(QStringLiteral("5"));
        QVERIFY(!openWindow("Form6")); // the list's box is clear: nothing loads
        box("Check1")->setChecked(true);
        calculate(QStringLiteral("79228162514264337593543950336"));
        calculate(QString());
        QCOMPARE(temporaryLines(), QStringList{});
    }

    void showAllOpensAndClosesTheFourWindows()
    {
        box("Check3")->setChecked(true);
        CompanionWindow *lists = openWindow("Form2");
        QVERIFY(lists);
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
        QTRY_COMPARE(companionWindowsAlive(), 0);
    }

    void listsTakeTheOnTopStateOfTheMainWindow_data()
    {
        QTest::addColumn<bool>("onTop");
        QTest::newRow("main window on top") << true;
        QTest::newRow("main window not on top") << false;
    }
    void listsTakeTheOnTopStateOfTheMainWindow()
    {
        QFETCH(bool, onTop);
        box("Check8")->setChecked(onTop);
        box("Check3")->setChecked(true);
        QCOMPARE(openWindow("Form2")->findChild<QCheckBox *>(QStringLiteral("Check2"))->isChecked(), onTop);
    }

    void reopeningWhileTheCloseEffectRunsGivesAFreshWindow()
    {
        box("Check12")->setChecked(true);
        CompanionWindow *first = openWindow("Form5");
        box("Check12")->setChecked(false);
        box("Check12")->setChecked(true);
        CompanionWindow *second = openWindow("Form5");
        QVERIFY(second && second != first);
        QTRY_COMPARE(companionWindowsAlive(), 1);
    }

    void pictureOpensTheAboutWindowOnce()
    {
        QWidget *picture = window->findChild<QWidget *>(QStringLiteral("Image1"));
        QTest::mouseClick(picture, Qt::LeftButton);
        CompanionWindow *about = openWindow("Form4");
        QVERIFY(about);
        QTest::mouseClick(picture, Qt::LeftButton);
        QCOMPARE(openWindow("Form4"), about);
        QCOMPARE(companionWindowsAlive(), 1);
    }

    void shutdownUnloadsEverythingBeforeTheFarewell_data()
    {
        QTest::addColumn<bool>("greek");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("English") << false << QStringLiteral("Thank you for using my program!");
        QTest::newRow("Greek") << true << QString::fromUtf8("Ευχαριστώ που χρησιμοποιείτε το πρόγραμμά μου!");
    }
    void shutdownUnloadsEverythingBeforeTheFarewell()
    {
        QFETCH(bool, greek);
        QFETCH(QString, firstLine);
        box("Check4")->setChecked(greek);
        box("Check13")->setChecked(true);
        box("Check1")->setChecked(true);
        calculate(QStringLiteral("7")); // an unsaved line does not hold shutdown up
        QTest::mouseClick(window->findChild<QWidget *>(QStringLiteral("Image1")), Qt::LeftButton);
        QCOMPARE(companionWindowsAlive(), 5);

        window->close();
        QCOMPARE(companionWindowsAlive(), 0); // every close effect ended before the farewell
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
    void firstCopyAsksNothing()
    {
        test::FakeDialogs dialogs;
        const SingleInstance instance(lockPath());
        const std::unique_ptr<Form_Numeric> window = startMainWindow(dialogs, instance);
        QVERIFY(window);
        QVERIFY(dialogs.shown.empty());
        QCOMPARE(window->height(), Form_Numeric::closedHeight);
    }

    void secondCopyAsksAndMayEnd_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("No ends the new copy") << false;
        QTest::newRow("Yes opens a second window") << true;
    }
    void secondCopyAsksAndMayEnd()
    {
        QFETCH(bool, yes);
        const SingleInstance running(lockPath());
        const SingleInstance starting(lockPath());
        QVERIFY(!running.anotherCopyRunning());
        QVERIFY(starting.anotherCopyRunning());

        test::FakeDialogs dialogs;
        dialogs.answerYes = yes;
        const std::unique_ptr<Form_Numeric> window = startMainWindow(dialogs, starting);
        QCOMPARE(dialogs.shown.size(), std::size_t(1));
        QCOMPARE(dialogs.shown.front().kind, QStringLiteral("ask"));
        QCOMPARE(dialogs.shown.front().title, QStringLiteral("Radixon"));
        QCOMPARE(dialogs.shown.front().text.split(QLatin1Char('\n')),
                 (QStringList{QString::fromUtf8("Το πρόγραμμα είναι ανοιχτό."),
                              QString::fromUtf8("Θέλετε να ξεκινήσετε ένα καινούργιο ;"),
                              QStringLiteral("Program is already open."),
                              QStringLiteral("Want to start a new one ?")}));
        QCOMPARE(bool(window), yes);
        if (!window)
            return;
        QCOMPARE(window->height(), Form_Numeric::closedHeight + 1);
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const QPoint centred =
            CenterOnScreen(screen, QSize(Form_Numeric::clientWidth, Form_Numeric::openHeight));
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
