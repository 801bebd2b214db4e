#include "support/fake_host.h"
#include "window_services/form_effects.h"
#include "window_services/ontop_notontop_less.h"
#include "windows/common/appearance.h"
#include "windows/common/bilingual.h"
#include "windows/form6/form6.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QListWidget>
#include <QPointer>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace radixon;

namespace {

QStringList textLines(std::initializer_list<const char *> texts)
{
    QStringList all;
    for (const char *text : texts)
        all.append(QString::fromUtf8(text));
    return all;
}

QtMessageHandler previousHandler = nullptr;

// The effects reshape the window on every frame, which offscreen reports each time.
void dropMaskNoise(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.contains(QLatin1String("mask")) || message.contains(QLatin1String("setMask")))
        return;
    previousHandler(type, context, message);
}

} // namespace

class TestForm6 : public QObject {
    Q_OBJECT

    std::unique_ptr<test::FakeHost> host;
    QPointer<Form6> window;
    QTemporaryDir folder;

    void open(bool greek)
    {
        host->greekFlag = greek;
        window = new Form6(*host);
        window->load();
        finishEffect(window);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }
    template <class T = QWidget>
    T *control(const char *name) const
    {
        T *found = window->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QListWidget *list() const { return control<QListWidget>("List1"); }
    QStringList shownLines() const
    {
        QStringList lines;
        for (int i = 0; i < list()->count(); ++i)
            lines.append(list()->item(i)->text());
        return lines;
    }
    void setLines(const QStringList &lines) const
    {
        list()->clear();
        for (const QString &line : lines)
            window->AddItem(line);
    }
    // Focus arriving in a list marks its first line without selecting it.
    void focusList() const
    {
        control("Check1")->setFocus(Qt::TabFocusReason);
        list()->setFocus(Qt::TabFocusReason);
    }
    // A press on the box's indicator, as the user clicks it.
    void click(const char *name) const
    {
        auto *box = control<QCheckBox>(name);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    }
    QByteArray fileBytes(const QString &path) const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    const test::FakeDialogs::Shown &lastShown() const { return host->fakeDialogs.shown.back(); }

private slots:
    void initTestCase()
    {
        previousHandler = qInstallMessageHandler(dropMaskNoise);
        applyAppearance(*qApp);
        QVERIFY(folder.isValid());
    }

    void init()
    {
        host = std::make_unique<test::FakeHost>();
        open(false);
    }

    void cleanup()
    {
        delete window;
        host.reset();
        QLocale::setDefault(QLocale::system());
    }

    void captionsFollowTheLanguageAtOpening_data()
    {
        QTest::addColumn<bool>("greek");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("saveCaption");
        QTest::newRow("English") << false << QStringLiteral("RX Temporary List:")
                                 << QStringLiteral("Save Temporary List");
        QTest::newRow("Greek") << true << QString::fromUtf8("RX Προσωρινή Λίστα:")
                               << QString::fromUtf8("Αποθήκευση Προσωρινής Λίστας");
    }
    void captionsFollowTheLanguageAtOpening()
    {
        QFETCH(bool, greek);
        QFETCH(QString, title);
        QFETCH(QString, saveCaption);
        delete window;
        open(greek);
        QCOMPARE(window->windowTitle(), title);
        QCOMPARE(control<QCheckBox>("Check5")->text(), saveCaption);
        for (const char *name : {"Frame1", "Frame2", "Check1", "Check2", "Check3", "Check4", "Check5"})
            QVERIFY2(captionFits(control(name)), name);
        // Later switches of the main window leave the window's captions alone.
        host->greekFlag = !greek;
        QCOMPARE(window->windowTitle(), title);
    }

    void opensAtItsDesignedPlaceAndDocks()
    {
        QCOMPARE(window->objectName(), QStringLiteral("Form6"));
        QCOMPARE(window->geometry(), QRect(504, 457, 298, 282));
        QVERIFY(window->parentWidget() == nullptr);
        QVERIFY(host->magneticDock.isRegistered(window));
        QVERIFY(window->isVisible());
    }

    void removeSelectedItem_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("current");
        QTest::addColumn<QStringList>("appended"); // as the main window appends them
        QTest::addColumn<QStringList>("left");
        QTest::newRow("no current line leaves the list")
            << textLines({"Bin: 1 = 1", "Oct: 8 = 10"}) << -1 << QStringList()
            << textLines({"Bin: 1 = 1", "Oct: 8 = 10"});
        QTest::newRow("current line in the middle")
            << textLines({"a", "b", "c"}) << 1 << QStringList() << textLines({"a", "c"});
        QTest::newRow("main window appends to a list without current line: first line goes")
            << textLines({"a", "b"}) << -1 << textLines({"Bin: 10 = 1010"})
            << textLines({"b", "Bin: 10 = 1010"});
        QTest::newRow("three calculations on an empty list: the third is current")
            << QStringList() << -1 << textLines({"Bin: 1 = 1", "Bin: 2 = 10", "Bin: 3 = 11"})
            << textLines({"Bin: 1 = 1", "Bin: 2 = 10"});
    }
    void removeSelectedItem()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, current);
        QFETCH(QStringList, appended);
        QFETCH(QStringList, left);
        setLines(lines);
        focusList();
        if (current >= 0)
            list()->setCurrentRow(current);
        for (const QString &line : appended) {
            window->AddItem(line);
            window->moveCurrentItemDown();
        }
        click("Check2");
        QCOMPARE(shownLines(), left);
        // The removed line was the selection; a second click removes nothing more.
        click("Check2");
        QCOMPARE(shownLines(), left);
    }

    void actionBoxesActOnTickAndOnClear_data()
    {
        QTest::addColumn<QByteArray>("box");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("current");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("Remove Selected Item") << QByteArray("Check2") << textLines({"a", "b"}) << 0
                                              << textLines({"b"});
        QTest::newRow("Remove Double Items, case counts")
            << QByteArray("Check3")
            << textLines({"Bin: 1 = 1", "Oct: 8 = 10", "Bin: 1 = 1", "bin: 1 = 1", "Bin: 1 = 1"})
            << -1 << textLines({"Bin: 1 = 1", "Oct: 8 = 10", "bin: 1 = 1"});
        QTest::newRow("Remove Double Items, three equal lines")
            << QByteArray("Check3") << textLines({"Hex: 1 = 1", "Hex: 1 = 1", "Hex: 1 = 1"}) << 2
            << textLines({"Hex: 1 = 1"});
        QTest::newRow("Remove All Items") << QByteArray("Check4") << textLines({"a", "b", "a"}) << 1
                                          << QStringList();
    }
    void actionBoxesActOnTickAndOnClear()
    {
        QFETCH(QByteArray, box);
        QFETCH(QStringList, lines);
        QFETCH(int, current);
        QFETCH(QStringList, left);
        for (const bool ticks : {true, false}) {
            setLines(lines);
            list()->setCurrentRow(current);
            click(box.constData());
            QCOMPARE(control<QCheckBox>(box.constData())->isChecked(), ticks);
            QCOMPARE(shownLines(), left);
        }
    }

    void alwaysOnTopFollowsItsBox()
    {
        QVERIFY(!isOnTop(window));
        click("Check1");
        QVERIFY(isOnTop(window));
        click("Check1");
        QVERIFY(!isOnTop(window));
    }

    void emptyListSaysSoInTheLanguageOfTheMoment_data()
    {
        QTest::addColumn<bool>("greekAtOpening");
        QTest::addColumn<bool>("greekAtClick");
        QTest::addColumn<QString>("message");
        const QString english = QStringLiteral("There Are No Items In The Temporary List To Save");
        const QString greek =
            QString::fromUtf8("Δεν Υπάρχουν Στοιχεία Στην Προσωρινή Λίστα Για Αποθήκευση");
        QTest::newRow("English") << false << false << english;
        QTest::newRow("Greek") << true << true << greek;
        QTest::newRow("opened English, switched to Greek") << false << true << greek;
    }
    void emptyListSaysSoInTheLanguageOfTheMoment()
    {
        QFETCH(bool, greekAtOpening);
        QFETCH(bool, greekAtClick);
        QFETCH(QString, message);
        delete window;
        open(greekAtOpening);
        host->greekFlag = greekAtClick;
        for (int clicks = 1; clicks <= 2; ++clicks) {
            click("Check5");
            QCOMPARE(host->fakeDialogs.shown.size(), std::size_t(clicks));
            QCOMPARE(lastShown().kind, QStringLiteral("inform"));
            QCOMPARE(lastShown().title, QStringLiteral("Radixon_Radixon"));
            QCOMPARE(lastShown().text, message);
            QCOMPARE(lastShown().icon, Dialogs::Icon::Information);
        }
    }

    void saveWritesTheList_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("greekLocale");
        QTest::addColumn<QString>("typedName");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("two lines make 28 bytes")
            << textLines({"Bin: 2 = 10", "Hex: 255 = FF"}) << false << QStringLiteral("two.txt")
            << QByteArray("Bin: 2 = 10\r\nHex: 255 = FF\r\n");
        QTest::newRow("name typed without extension is kept")
            << textLines({"Oct: 8 = 10"}) << false << QStringLiteral("Radixon List")
            << QByteArray("Oct: 8 = 10\r\n");
        QTest::newRow("Greek line, one byte per letter under a Greek locale")
            << textLines({"Δυαδ: 5 = 101"}) << true << QStringLiteral("greek.txt")
            << QByteArray("\xC4\xF5\xE1\xE4: 5 = 101\r\n");
        QTest::newRow("Greek line as UTF-8 under another locale")
            << textLines({"Δυαδ: 5 = 101"}) << false << QStringLiteral("utf8.txt")
            << QByteArray("\xCE\x94\xCF\x85\xCE\xB1\xCE\xB4: 5 = 101\r\n");
    }
    void saveWritesTheList()
    {
        QFETCH(QStringList, lines);
        QFETCH(bool, greekLocale);
        QFETCH(QString, typedName);
        QFETCH(QByteArray, bytes);
        if (greekLocale)
            QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece));
        const QString path = folder.filePath(typedName);
        setLines(lines);
        host->fakeDialogs.saveAnswers.push_back(path);
        click("Check5");
        QCOMPARE(host->fakeDialogs.shown.size(), std::size_t(1));
        QCOMPARE(lastShown().kind, QStringLiteral("save"));
        QCOMPARE(fileBytes(path), bytes);
        QVERIFY(!QFile::exists(path + QStringLiteral(".txt")));
        QCOMPARE(shownLines(), lines);
    }

    void saveDialogFollowsTheLanguageOfTheMoment_data()
    {
        QTest::addColumn<bool>("greek");
        QTest::addColumn<QString>("offered");
        QTest::newRow("English") << false << QStringLiteral("Radixon List|Text Document(*.txt)");
        QTest::newRow("Greek") << true << QString::fromUtf8("Radixon Λίστα|Text Document(*.txt)");
    }
    void saveDialogFollowsTheLanguageOfTheMoment()
    {
        QFETCH(bool, greek);
        QFETCH(QString, offered);
        setLines(textLines({"Bin: 1 = 1"}));
        host->greekFlag = greek;
        click("Check5"); // cancelled: the fake has no answer
        QCOMPARE(host->fakeDialogs.shown.size(), std::size_t(1));
        QCOMPARE(lastShown().title, QStringLiteral("Radixon_Radixon. Enter a File Name:"));
        QCOMPARE(lastShown().text, offered);
    }

    void failedSaveSaysSoAndKeepsTheOldFile_data()
    {
        QTest::addColumn<bool>("greek");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("message");
        const QString english = QStringLiteral("The Temporary List Could Not Be Saved");
        const QString greek = QString::fromUtf8("Η Προσωρινή Λίστα Δεν Αποθηκεύτηκε");
        QTest::newRow("folder that does not exist, English")
            << false << QStringLiteral("missing/list.txt") << english;
        QTest::newRow("folder that does not exist, Greek")
            << true << QStringLiteral("missing/list.txt") << greek;
        QTest::newRow("existing file where even root cannot write")
            << false << QStringLiteral("/proc/version") << english;
    }
    void failedSaveSaysSoAndKeepsTheOldFile()
    {
        QFETCH(bool, greek);
        QFETCH(QString, path);
        QFETCH(QString, message);
        const QString target = QDir(folder.path()).absoluteFilePath(path);
        const QByteArray before = fileBytes(target);
        setLines(textLines({"Bin: 2 = 10"}));
        host->greekFlag = greek;
        host->fakeDialogs.saveAnswers.push_back(target);
        click("Check5");
        QCOMPARE(host->fakeDialogs.shown.size(), std::size_t(2));
        QCOMPARE(lastShown().kind, QStringLiteral("inform"));
        QCOMPARE(lastShown().title, QStringLiteral("Radixon_Radixon"));
        QCOMPARE(lastShown().text, message);
        QCOMPARE(lastShown().icon, Dialogs::Icon::Information);
        QCOMPARE(fileBytes(target), before);
    }

    void closeControlUnloadsTheWindowAndItsList()
    {
        setLines(textLines({"Bin: 1 = 1"}));
        window->close();
        QCOMPARE(host->unloading, std::vector<Companion>{Companion::TemporaryList});
        QVERIFY(!host->magneticDock.isRegistered(window));
        QTRY_VERIFY(window.isNull());
        open(false);
        QCOMPARE(list()->count(), 0);
    }
};

QTEST_MAIN(TestForm6)
#include "tst_form6.moc"
